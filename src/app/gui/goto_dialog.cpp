// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/goto_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <climits>
#include <functional>

#include "app/gui/announce.h"
#include "report/contrast.h"

namespace tempulo {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Room for a day a month does not have, so that the message can name it.
constexpr int kLastDayOffered = 31;
constexpr std::array<int, 5> kLongCountMaximum = {19, 19, 19, 17, 19};
constexpr std::array<const char*, 5> kLongCountLabels = {"Baktun", "Katun", "Tun", "Uinal", "Kin"};

int MonthKey(int month, bool leapMonth) { return month * 2 + (leapMonth ? 1 : 0); }

// Lines the message keeps room for, so that a long one does not push the
// fields about.
constexpr int kMessageLines = 3;
constexpr Rgb kMessageRed{0xB0, 0x00, 0x20};

// A year field that lets any year be typed and refuses one outside its
// range when editing ends, saying so instead of quietly going back.
class YearField : public QSpinBox {
 public:
  using Refusal = std::function<void(long long typed)>;

  explicit YearField(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setGroupSeparatorShown(false);
  }
  void SetRefusal(Refusal refusal) { refusal_ = std::move(refusal); }

  QValidator::State validate(QString& input, int& position) const override {
    static const QRegularExpression kNumber(QStringLiteral("^\\s*-?\\d{1,7}\\s*$"));
    if (kNumber.match(input).hasMatch()) {
      const long long typed = input.trimmed().toLongLong();
      return typed >= minimum() && typed <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    }
    return QSpinBox::validate(input, position);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && refuse()) {
      // Enter must not go on to "Gehe zu" with the old year.
      event->accept();
      return;
    }
    QSpinBox::keyPressEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    refuse();
    QSpinBox::focusOutEvent(event);
  }

 private:
  bool refuse() {
    bool ok = false;
    const long long typed = lineEdit()->text().trimmed().toLongLong(&ok);
    if (!ok || (typed >= minimum() && typed <= maximum())) {
      return false;
    }
    setValue(value());  // back to the last year in range
    lineEdit()->setText(textFromValue(value()));
    if (refusal_) {
      refusal_(typed);
    }
    return true;
  }

  Refusal refusal_;
};

QString DateExample(const LookupCalendar& calendar, const CalendarFields& date) {
  if (calendar.shape == DateShape::kLongCount) {
    QStringList parts;
    for (const int part : date.longCount) {
      parts << QString::number(part);
    }
    return parts.join(QLatin1Char('.'));
  }
  const QString era =
      calendar.shape == DateShape::kEraYearMonthDay
          ? QString::fromStdString(EraText(calendar, date.era)).remove(QStringLiteral(".Ära")) +
                QLatin1Char('-')
          : QString();
  return QStringLiteral("%1%2-%3%4-%5")
      .arg(era)
      .arg(date.year)
      .arg(date.month)
      .arg(date.leapMonth ? QStringLiteral("tan") : QString())
      .arg(date.day);
}

}  // namespace

GoToDialog::GoToDialog(CivilDate current, QWidget* parent) : QDialog(parent), current_(current) {
  setWindowTitle(QStringLiteral("Gehe zu"));
  setObjectName(QStringLiteral("goToDialog"));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout();
  fields_ = fields;

  calendarBox_ = new QComboBox(this);
  calendarBox_->setObjectName(QStringLiteral("calendarBox"));
  for (const LookupCalendar& calendar : LookupCalendars()) {
    calendarBox_->addItem(Q(calendar.label), Q(calendar.id));
  }
  calendarBox_->setMaxVisibleItems(calendarBox_->count());
  fields->addRow(QStringLiteral("&Kalender"), calendarBox_);

  dateRow_ = new QWidget(this);
  auto* dateLayout = new QHBoxLayout(dateRow_);
  dateLayout->setContentsMargins(0, 0, 0, 0);
  daySpin_ = new QSpinBox(dateRow_);
  daySpin_->setObjectName(QStringLiteral("daySpin"));
  daySpin_->setRange(1, kLastDayOffered);
  daySpin_->setAccessibleName(QStringLiteral("Tag"));
  monthBox_ = new QComboBox(dateRow_);
  monthBox_->setObjectName(QStringLiteral("monthBox"));
  monthBox_->setAccessibleName(QStringLiteral("Monat"));
  auto* yearField = new YearField(dateRow_);
  yearField->SetRefusal([this](long long typed) {
    say(QStringLiteral("Das Jahr %1 liegt außerhalb der Jahre %2 bis %3, die dieser Kalender zwischen 100 "
                       "und 3000 erreicht.")
            .arg(typed)
            .arg(yearSpin_->minimum())
            .arg(yearSpin_->maximum()));
  });
  yearSpin_ = yearField;
  yearSpin_->setObjectName(QStringLiteral("yearSpin"));
  yearSpin_->setAccessibleName(QStringLiteral("Jahr"));
  eraBox_ = new QComboBox(dateRow_);
  eraBox_->setObjectName(QStringLiteral("eraBox"));
  eraBox_->setAccessibleName(QStringLiteral("Ära"));
  dateLayout->addWidget(daySpin_);
  dateLayout->addWidget(monthBox_, 1);
  dateLayout->addWidget(eraBox_);
  dateLayout->addWidget(yearSpin_);
  fields->addRow(QStringLiteral("&Datum"), dateRow_);

  longCountRow_ = new QWidget(this);
  auto* countLayout = new QHBoxLayout(longCountRow_);
  countLayout->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < longCount_.size(); ++i) {
    longCount_[i] = new QSpinBox(longCountRow_);
    longCount_[i]->setRange(0, kLongCountMaximum[i]);
    longCount_[i]->setAccessibleName(QString::fromLatin1(kLongCountLabels[i]));
    longCount_[i]->setToolTip(QString::fromLatin1(kLongCountLabels[i]));
    if (i > 0) {
      countLayout->addWidget(new QLabel(QStringLiteral("."), longCountRow_));
    }
    countLayout->addWidget(longCount_[i]);
  }
  countLayout->addStretch(1);
  fields->addRow(QStringLiteral("&Lange Zählung"), longCountRow_);
  form_ = new QLabel(this);
  form_->setObjectName(QStringLiteral("formHint"));
  form_->setWordWrap(true);
  form_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  fields->addRow(QString(), form_);
  layout->addLayout(fields);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("message"));
  message_->setWordWrap(true);
  message_->setAccessibleName(QStringLiteral("Meldung"));
  // A long message wraps in the room kept for it instead of widening the
  // dialog and squashing the fields.
  message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
  message_->setMinimumHeight(kMessageLines * message_->fontMetrics().lineSpacing());
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette messagePalette = message_->palette();
  const QColor background = messagePalette.color(QPalette::Window);
  const Rgb red = ReadableOn(kMessageRed, {background.red(), background.green(), background.blue()});
  messagePalette.setColor(QPalette::WindowText, QColor(red.red, red.green, red.blue));
  message_->setPalette(messagePalette);
  layout->addWidget(message_);

  auto* buttons = new QDialogButtonBox(this);
  goButton_ = buttons->addButton(QStringLiteral("&Gehe zu"), QDialogButtonBox::AcceptRole);
  goButton_->setObjectName(QStringLiteral("goButton"));
  goButton_->setDefault(true);
  buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &GoToDialog::go);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(calendarBox_, &QComboBox::currentIndexChanged, this, &GoToDialog::onCalendarChosen);
  // A changed field makes an old message stale.
  const auto clearMessage = [this] { message_->clear(); };
  connect(yearSpin_, &QSpinBox::valueChanged, this, [this] {
    message_->clear();
    fillMonths();
  });
  connect(daySpin_, &QSpinBox::valueChanged, this, clearMessage);
  connect(eraBox_, &QComboBox::currentIndexChanged, this, [this] {
    message_->clear();
    fillMonths();
  });
  connect(monthBox_, &QComboBox::currentIndexChanged, this, clearMessage);
  for (QSpinBox* spin : longCount_) {
    connect(spin, &QSpinBox::valueChanged, this, clearMessage);
  }
  onCalendarChosen();
  setMinimumWidth(sizeHint().width());
}

void GoToDialog::say(const QString& message) {
  message_->setText(message);
  if (!message.isEmpty()) {
    AnnounceMessage(message_);
  }
}

const LookupCalendar& GoToDialog::calendar() const {
  const int index = std::max(0, calendarBox_->currentIndex());
  return LookupCalendars()[static_cast<std::size_t>(index)];
}

bool GoToDialog::SelectCalendar(std::string_view id) {
  const int index = calendarBox_->findData(Q(id));
  if (index < 0) {
    return false;
  }
  calendarBox_->setCurrentIndex(index);
  return true;
}

void GoToDialog::onCalendarChosen() {
  const LookupCalendar& chosen = calendar();
  const bool longCount = chosen.shape == DateShape::kLongCount;
  fields_->setRowVisible(dateRow_, !longCount);
  fields_->setRowVisible(longCountRow_, longCount);
  message_->clear();

  // The fields start on the selected day in this calendar, where the
  // report shows one for it.
  const std::optional<CalendarFields> shown = chosen.fromFixed(FixedFromCivil(current_));
  // How the date is written where it is typed as text (tempulo-report
  // --from), with the selected day as the example.
  form_->setText(shown ? QStringLiteral("Schreibweise: %1, hier %2:%3").arg(Q(chosen.form), Q(chosen.id),
                                                                            DateExample(chosen, *shown))
                       : QStringLiteral("Schreibweise: %1:%2").arg(Q(chosen.id), Q(chosen.form)));
  if (longCount) {
    for (std::size_t i = 0; i < longCount_.size(); ++i) {
      longCount_[i]->setValue(shown ? shown->longCount[i] : 0);
    }
    return;
  }
  {
    // The eras of a calendar that counts its years within them, the
    // selected day's era chosen.
    const QSignalBlocker blockEra(eraBox_);
    const bool eras = chosen.shape == DateShape::kEraYearMonthDay;
    eraBox_->clear();
    for (int era = chosen.firstEra; eras && era <= chosen.lastEra; ++era) {
      eraBox_->addItem(QString::fromStdString(EraText(chosen, era)), era);
    }
    eraBox_->setVisible(eras);
    if (eras) {
      eraBox_->setCurrentIndex(shown ? std::max(0, eraBox_->findData(shown->era)) : eraBox_->count() - 1);
    }
  }
  {
    const QSignalBlocker blockYear(yearSpin_);
    yearSpin_->setRange(static_cast<int>(std::max<long long>(chosen.firstYear, INT_MIN)),
                        static_cast<int>(std::min<long long>(chosen.lastYear, INT_MAX)));
    yearSpin_->setValue(shown ? static_cast<int>(shown->year) : yearSpin_->minimum());
  }
  const QSignalBlocker block(monthBox_);
  monthBox_->clear();
  fillMonths();
  if (shown) {
    monthBox_->setCurrentIndex(std::max(0, monthBox_->findData(MonthKey(shown->month, shown->leapMonth))));
    daySpin_->setValue(shown->day);
  } else {
    monthBox_->setCurrentIndex(0);
    daySpin_->setValue(1);
  }
  message_->clear();
}

void GoToDialog::fillMonths() {
  const LookupCalendar& chosen = calendar();
  if (chosen.shape == DateShape::kLongCount || filling_) {
    return;
  }
  filling_ = true;
  const QVariant before = monthBox_->currentData();
  const QSignalBlocker block(monthBox_);
  monthBox_->clear();
  const long long year = yearSpin_->value();
  for (const CalendarMonth& month : MonthsOf(chosen)) {
    // A month that only some years have (a leap month, the second Adar) is
    // offered where the year has it.
    const bool sometimes = month.leapMonth || !chosen.hasLeapMonths;
    if (sometimes && chosen.toFixed != nullptr) {
      CalendarFields first;
      first.era = eraBox_->currentData().toInt();
      first.year = year;
      first.month = month.month;
      first.leapMonth = month.leapMonth;
      first.day = 1;
      const std::optional<FixedDay> day = chosen.toFixed(first);
      if (!day) {
        continue;
      }
      // A calendar that counts a missing month on into the next shows
      // another month for that day.
      if (!chosen.wayBackChecksItself && chosen.fromFixed != nullptr) {
        const std::optional<CalendarFields> back = chosen.fromFixed(*day);
        if (back && (back->month != month.month || back->leapMonth != month.leapMonth)) {
          continue;
        }
      }
    }
    monthBox_->addItem(QString::fromStdString(month.name), MonthKey(month.month, month.leapMonth));
  }
  monthBox_->setMaxVisibleItems(std::min(monthBox_->count(), 26));
  int index = before.isValid() ? monthBox_->findData(before) : -1;
  if (index < 0 && before.isValid()) {
    // A leap month the new year lacks: the month it follows.
    index = monthBox_->findData(MonthKey(before.toInt() / 2, false));
  }
  monthBox_->setCurrentIndex(std::max(0, index));
  filling_ = false;
}

void GoToDialog::go() {
  const LookupCalendar& chosen = calendar();
  CalendarFields fields;
  if (chosen.shape == DateShape::kLongCount) {
    for (std::size_t i = 0; i < longCount_.size(); ++i) {
      fields.longCount[i] = longCount_[i]->value();
    }
  } else {
    const int key = monthBox_->currentData().toInt();
    fields.era = eraBox_->currentData().toInt();
    fields.year = yearSpin_->value();
    fields.month = key / 2;
    fields.leapMonth = key % 2 == 1;
    fields.day = daySpin_->value();
  }
  std::string why;
  const std::optional<CivilDate> day = LookUpDate(chosen, fields, why);
  if (!day) {
    say(QString::fromStdString(why));
    return;
  }
  if (dayCheck_) {
    if (const std::optional<QString> refused = dayCheck_(*day)) {
      say(*refused);
      return;
    }
  }
  message_->clear();
  result_ = day;
  current_ = *day;
  emit dayChosen(*day);
  accept();
}

}  // namespace tempulo

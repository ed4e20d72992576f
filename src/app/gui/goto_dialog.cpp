// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/goto_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

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
  yearSpin_ = new QSpinBox(dateRow_);
  yearSpin_->setObjectName(QStringLiteral("yearSpin"));
  yearSpin_->setAccessibleName(QStringLiteral("Jahr"));
  dateLayout->addWidget(daySpin_);
  dateLayout->addWidget(monthBox_, 1);
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
  fields->addRow(QString(), form_);
  layout->addLayout(fields);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("message"));
  message_->setWordWrap(true);
  message_->setStyleSheet(QStringLiteral("color: #b00020;"));
  message_->setAccessibleName(QStringLiteral("Meldung"));
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
  connect(yearSpin_, &QSpinBox::valueChanged, this, clearMessage);
  connect(daySpin_, &QSpinBox::valueChanged, this, clearMessage);
  connect(monthBox_, &QComboBox::currentIndexChanged, this, clearMessage);
  for (QSpinBox* spin : longCount_) {
    connect(spin, &QSpinBox::valueChanged, this, clearMessage);
  }
  onCalendarChosen();
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
  form_->setText(QStringLiteral("Form auf der Kommandozeile: ") + Q(chosen.id) + QStringLiteral(":") +
                 Q(chosen.form));
  message_->clear();

  // The fields start on the selected day in this calendar, where the
  // report shows one for it.
  const std::optional<CalendarFields> shown = chosen.fromFixed(FixedFromCivil(current_));
  if (longCount) {
    for (std::size_t i = 0; i < longCount_.size(); ++i) {
      longCount_[i]->setValue(shown ? shown->longCount[i] : 0);
    }
    return;
  }
  const QSignalBlocker block(monthBox_);
  monthBox_->clear();
  for (const CalendarMonth& month : MonthsOf(chosen)) {
    monthBox_->addItem(QString::fromStdString(month.name), MonthKey(month.month, month.leapMonth));
  }
  monthBox_->setMaxVisibleItems(std::min(monthBox_->count(), 26));
  yearSpin_->setRange(static_cast<int>(std::max<long long>(chosen.firstYear, INT_MIN)),
                      static_cast<int>(std::min<long long>(chosen.lastYear, INT_MAX)));
  if (shown) {
    yearSpin_->setValue(static_cast<int>(shown->year));
    monthBox_->setCurrentIndex(std::max(0, monthBox_->findData(MonthKey(shown->month, shown->leapMonth))));
    daySpin_->setValue(shown->day);
  } else {
    yearSpin_->setValue(yearSpin_->minimum());
    monthBox_->setCurrentIndex(0);
    daySpin_->setValue(1);
  }
  message_->clear();
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
    fields.year = yearSpin_->value();
    fields.month = key / 2;
    fields.leapMonth = key % 2 == 1;
    fields.day = daySpin_->value();
  }
  std::string why;
  const std::optional<CivilDate> day = LookUpDate(chosen, fields, why);
  if (!day) {
    message_->setText(QString::fromStdString(why));
    return;
  }
  if (dayCheck_) {
    if (const std::optional<QString> refused = dayCheck_(*day)) {
      message_->setText(*refused);
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

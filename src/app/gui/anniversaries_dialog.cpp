// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/anniversaries_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/gui/anniversary_reminder.h"
#include "app/gui/anniversary_store.h"
#include "report/anniversaries.h"
#include "report/anniversary_file.h"
#include "report/calendar_lookup.h"
#include "report/date_argument.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

constexpr int kDialogWidth = 760;
constexpr int kDialogHeight = 640;
constexpr int kMaxExportYears = 200;

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr AnniversaryKind kKinds[] = {AnniversaryKind::kBirthday, AnniversaryKind::kDeath,
                                      AnniversaryKind::kWedding,  AnniversaryKind::kMemorial,
                                      AnniversaryKind::kNameDay,  AnniversaryKind::kOther};

QString CalendarName(const LookupCalendar& calendar) {
  return calendar.id == "civil" ? QStringLiteral("Bürgerliches Datum (julianisch bis 4.10.1582)") : Q(calendar.label);
}

// The rules, as the README states them.
const char* const kRules =
    "Fehlt der Tag in einem Jahr: Jüdischer Kalender – Geburtstage nach der Regel von Calendrical "
    "Calculations (der 1. des Geburtsmonats plus der Tag; 30. Heshvan/Kislev ohne diesen Tag am 1. des "
    "Folgemonats; wer im letzten Monat des Jahres, Adar oder Adar 2, geboren ist, feiert im letzten Monat), "
    "Jahrzeit nach der überlieferten Regel (30. Heshvan/Kislev nach dem ersten Jahrestag, Adar 2 im letzten "
    "Monat, 30. Adar 1 im Gemeinjahr am 30. Shevat); nach Sonnenuntergang zählt der nächste Tag. "
    "Chinesisch: ein Schaltmonat kehrt im regulären Monat wieder, der 30. im Monat mit 29 Tagen am 29. "
    "Islamisch und alle anderen Kalender: ein fehlender Tag fällt auf den letzten des Monats. "
    "29. Februar (julianisch und gregorianisch): 28. Februar oder 1. März, je Eintrag.";

}  // namespace

AnniversariesDialog::AnniversariesDialog(AnniversaryStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("anniversariesDialog"));
  setWindowTitle(QStringLiteral("Jahrestage"));
  auto* layout = new QVBoxLayout(this);

  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("anniversaryProblem"));
  problem_->setWordWrap(true);
  problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  afreshButton_ = new QPushButton(QStringLiteral("Neu &beginnen (die unlesbare Datei bleibt daneben erhalten)"), this);
  layout->addWidget(problem_);
  layout->addWidget(afreshButton_);

  auto* columns = new QHBoxLayout;
  layout->addLayout(columns, 1);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("anniversaryList"));
  list_->setAccessibleName(QStringLiteral("Jahrestage"));
  list_->installEventFilter(this);
  auto* listLabel = new QLabel(QStringLiteral("&Einträge"), this);
  listLabel->setBuddy(list_);
  auto* left = new QVBoxLayout;
  left->addWidget(listLabel);
  left->addWidget(list_, 1);
  columns->addLayout(left, 1);

  auto* form = new QFormLayout;
  columns->addLayout(form, 1);
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("anniversaryName"));
  form->addRow(QStringLiteral("&Name:"), name_);
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("anniversaryKind"));
  for (const AnniversaryKind kind : kKinds) {
    kind_->addItem(Q(KindLabel(kind)), static_cast<int>(kind));
  }
  form->addRow(QStringLiteral("&Art:"), kind_);
  entered_ = new QComboBox(this);
  entered_->setObjectName(QStringLiteral("anniversaryEnteredCalendar"));
  calendar_ = new QComboBox(this);
  calendar_->setObjectName(QStringLiteral("anniversaryCalendar"));
  for (const LookupCalendar* calendar : RecurrenceCalendars()) {
    entered_->addItem(CalendarName(*calendar), Q(calendar->id));
    calendar_->addItem(CalendarName(*calendar), Q(calendar->id));
  }
  form->addRow(QStringLiteral("Datum &eingegeben im:"), entered_);
  date_ = new QLineEdit(this);
  date_->setObjectName(QStringLiteral("anniversaryDate"));
  dateForm_ = new QLabel(this);
  form->addRow(QStringLiteral("&Datum:"), date_);
  form->addRow(QString(), dateForm_);
  form->addRow(QStringLiteral("&Kehrt wieder im:"), calendar_);
  afterSunset_ = new QCheckBox(QStringLiteral("nach &Sonnenuntergang (zählt zum nächsten Tag)"), this);
  afterSunset_->setObjectName(QStringLiteral("anniversaryAfterSunset"));
  form->addRow(QString(), afterSunset_);
  leapDay_ = new QComboBox(this);
  leapDay_->setObjectName(QStringLiteral("anniversaryLeapDay"));
  leapDay_->addItem(QStringLiteral("am 28. Februar"));
  leapDay_->addItem(QStringLiteral("am 1. März"));
  form->addRow(QStringLiteral("29. Februar im &Gemeinjahr:"), leapDay_);
  note_ = new QLineEdit(this);
  note_->setObjectName(QStringLiteral("anniversaryNote"));
  form->addRow(QStringLiteral("N&otiz:"), note_);

  auto* buttons = new QHBoxLayout;
  newButton_ = new QPushButton(QStringLiteral("&Neu"), this);
  saveButton_ = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
  deleteButton_ = new QPushButton(QStringLiteral("&Löschen"), this);
  undoButton_ = new QPushButton(QStringLiteral("&Rückgängig"), this);
  undoButton_->setToolTip(QStringLiteral("Das zuletzt gelöschte Jahresdatum zurückholen (Strg+Z)"));
  for (QPushButton* button : {newButton_, saveButton_, deleteButton_, undoButton_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  saveButton_->setDefault(true);
  form->addRow(buttons);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("anniversaryMessage"));
  message_->setWordWrap(true);
  message_->setAccessibleName(QStringLiteral("Meldung"));
  layout->addWidget(message_);
  reminder_ = new QCheckBox(QStringLiteral("Bei der An&meldung an heutige und morgige Jahrestage erinnern"), this);
  reminder_->setObjectName(QStringLiteral("anniversaryReminder"));
  reminder_->setChecked(ReminderAtLogin());
  layout->addWidget(reminder_);
  connect(reminder_, &QCheckBox::toggled, this, [this](bool on) {
    const QString why = SetReminderAtLogin(on, QCoreApplication::applicationFilePath());
    if (!why.isEmpty()) {
      const QSignalBlocker blocker(reminder_);
      reminder_->setChecked(!on);
    }
    say(!why.isEmpty() ? why
        : on           ? QStringLiteral("Die Erinnerung bei der Anmeldung ist eingeschaltet.")
                       : QStringLiteral("Die Erinnerung bei der Anmeldung ist ausgeschaltet."));
  });
  auto* rules = new QLabel(QString::fromUtf8(kRules), this);
  rules->setWordWrap(true);
  layout->addWidget(rules);

  auto* files = new QHBoxLayout;
  auto* importButton = new QPushButton(QStringLiteral("&Importieren…"), this);
  auto* exportButton = new QPushButton(QStringLiteral("E&xportieren…"), this);
  auto* expandedButton = new QPushButton(QStringLiteral("Als einzelne &Termine exportieren…"), this);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  for (QPushButton* button : {importButton, exportButton, expandedButton}) {
    button->setAutoDefault(false);
    files->addWidget(button);
  }
  files->addStretch(1);
  files->addWidget(close);
  layout->addLayout(files);

  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(newButton_, &QPushButton::clicked, this, &AnniversariesDialog::clearForm);
  connect(saveButton_, &QPushButton::clicked, this, &AnniversariesDialog::save);
  connect(deleteButton_, &QPushButton::clicked, this, &AnniversariesDialog::removeSelected);
  connect(undoButton_, &QPushButton::clicked, this, &AnniversariesDialog::undo);
  connect(importButton, &QPushButton::clicked, this, &AnniversariesDialog::importFile);
  connect(exportButton, &QPushButton::clicked, this, &AnniversariesDialog::exportFile);
  connect(expandedButton, &QPushButton::clicked, this, &AnniversariesDialog::exportExpanded);
  connect(afreshButton_, &QPushButton::clicked, this, [this] {
    const QString why = store_.StartAfresh();
    say(why.isEmpty() ? QStringLiteral("Eine neue Jahrestage-Datei wurde begonnen.") : why);
  });
  auto* undoKey = new QShortcut(QKeySequence::Undo, this);
  connect(undoKey, &QShortcut::activated, this, &AnniversariesDialog::undo);
  connect(list_, &QListWidget::currentRowChanged, this, &AnniversariesDialog::showEntry);
  connect(entered_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const LookupCalendar* calendar = FindRecurrenceCalendar(entered_->itemData(index).toString().toStdString());
    dateForm_->setText(calendar != nullptr ? QStringLiteral("Form: %1").arg(Q(calendar->form)) : QString());
    if (calendarFollows_) {
      calendar_->setCurrentIndex(index);
    }
  });
  connect(calendar_, &QComboBox::activated, this,
          [this](int index) { calendarFollows_ = index == entered_->currentIndex(); });
  connect(&store_, &AnniversaryStore::changed, this, &AnniversariesDialog::fillList);

  resize(kDialogWidth, kDialogHeight);
  fillList();
  clearForm();
}

void AnniversariesDialog::SetSuggestedDate(const CivilDate& date) {
  suggested_ = date;
  if (editing_.empty() && name_->text().isEmpty()) {
    clearForm();
  }
}

void AnniversariesDialog::say(const QString& text) { message_->setText(text); }

void AnniversariesDialog::updateState() {
  const bool readOnly = store_.ReadOnly();
  problem_->setText(store_.Problem());
  problem_->setVisible(readOnly);
  afreshButton_->setVisible(readOnly);
  saveButton_->setEnabled(!readOnly);
  deleteButton_->setEnabled(!readOnly && !editing_.empty());
  undoButton_->setEnabled(!readOnly && store_.CanUndo());
}

void AnniversariesDialog::fillList() {
  const QSignalBlocker blocker(list_);
  list_->clear();
  int current = -1;
  const std::vector<Anniversary>& entries = store_.Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Anniversary& entry = entries[i];
    const LookupCalendar* calendar = FindRecurrenceCalendar(entry.calendar);
    const CivilDate day = CivilFromFixed(entry.day);
    QString text = QStringLiteral("%1 – %2 – %3.%4 %5")
                       .arg(Q(entry.name), Q(KindLabel(entry.kind)))
                       .arg(day.day)
                       .arg(Q(GermanMonthName(day.month)))
                       .arg(day.year);
    if (calendar != nullptr) {
      text += QStringLiteral(" (%1)").arg(CalendarName(*calendar));
    }
    auto* item = new QListWidgetItem(text, list_);
    item->setData(Qt::UserRole, Q(entry.uid));
    if (entry.uid == editing_) {
      current = static_cast<int>(i);
    }
  }
  if (current >= 0) {
    list_->setCurrentRow(current);
  } else if (!editing_.empty()) {
    editing_.clear();  // removed elsewhere
  }
  updateState();
}

void AnniversariesDialog::showDateIn(const std::string& calendarId, FixedDay day) {
  const LookupCalendar* calendar = FindRecurrenceCalendar(calendarId);
  const std::optional<CalendarFields> fields = calendar != nullptr ? calendar->fromFixed(day) : std::nullopt;
  if (!fields) {
    date_->setText(Q(IsoDay(day)));
    return;
  }
  if (calendarId == "civil") {
    date_->setText(Q(IsoDay(day)));
    return;
  }
  date_->setText(QStringLiteral("%1-%2%3-%4")
                     .arg(fields->year)
                     .arg(fields->month)
                     .arg(fields->leapMonth ? QStringLiteral("tan") : QString())
                     .arg(fields->day));
}

void AnniversariesDialog::showEntry(int row) {
  if (row < 0 || row >= static_cast<int>(store_.Entries().size())) {
    return;
  }
  const Anniversary& entry = store_.Entries()[static_cast<std::size_t>(row)];
  editing_ = entry.uid;
  name_->setText(Q(entry.name));
  kind_->setCurrentIndex(kind_->findData(static_cast<int>(entry.kind)));
  const std::string entered = entry.entered.empty() ? entry.calendar : entry.entered;
  calendarFollows_ = entered == entry.calendar;
  entered_->setCurrentIndex(std::max(0, entered_->findData(Q(entered))));
  calendar_->setCurrentIndex(std::max(0, calendar_->findData(Q(entry.calendar))));
  showDateIn(entered, entry.day);
  afterSunset_->setChecked(entry.afterSunset);
  leapDay_->setCurrentIndex(entry.marchFirst ? 1 : 0);
  note_->setText(Q(entry.note));
  say(QString());
  updateState();
}

void AnniversariesDialog::clearForm() {
  editing_.clear();
  {
    const QSignalBlocker blocker(list_);
    list_->setCurrentRow(-1);
    list_->clearSelection();
  }
  name_->clear();
  kind_->setCurrentIndex(0);
  calendarFollows_ = true;
  entered_->setCurrentIndex(0);
  calendar_->setCurrentIndex(0);
  dateForm_->setText(QStringLiteral("Form: JJJJ-MM-TT"));
  date_->setText(Q(IsoDay(FixedFromCivil(suggested_))));
  afterSunset_->setChecked(false);
  leapDay_->setCurrentIndex(0);
  note_->clear();
  updateState();
  name_->setFocus();
}

std::optional<Anniversary> AnniversariesDialog::entryFromForm() {
  Anniversary entry;
  entry.name = name_->text().trimmed().toStdString();
  if (entry.name.empty()) {
    say(QStringLiteral("Bitte einen Namen eingeben."));
    name_->setFocus();
    return std::nullopt;
  }
  entry.kind = static_cast<AnniversaryKind>(kind_->currentData().toInt());
  entry.entered = entered_->currentData().toString().toStdString();
  entry.calendar = calendar_->currentData().toString().toStdString();
  const std::string text = date_->text().trimmed().toStdString();
  std::string why;
  std::optional<CivilDate> civil;
  if (entry.entered == "civil") {
    civil = ParseDateArgument(text, why);
  } else if (const LookupCalendar* calendar = FindRecurrenceCalendar(entry.entered)) {
    const std::optional<CalendarFields> fields = ParseCalendarDate(*calendar, text, why);
    if (fields) {
      civil = LookUpDate(*calendar, *fields, why);
    }
  }
  if (!civil) {
    say(Q(why));
    date_->setFocus();
    return std::nullopt;
  }
  entry.day = FixedFromCivil(*civil);
  if (!RecurrenceDate(entry)) {
    say(QStringLiteral("Für diesen Tag zeigt der gewählte Kalender kein Datum; bitte einen anderen wählen."));
    return std::nullopt;
  }
  entry.afterSunset = afterSunset_->isChecked();
  entry.marchFirst = leapDay_->currentIndex() == 1;
  entry.note = note_->text().toStdString();
  return entry;
}

void AnniversariesDialog::save() {
  std::optional<Anniversary> entry = entryFromForm();
  if (!entry) {
    return;
  }
  QString why;
  if (editing_.empty()) {
    entry->uid = NewAnniversaryUid();
    editing_ = entry->uid;
    why = store_.Add(*entry);
  } else {
    // Properties of another program's event stay with it.
    for (const Anniversary& old : store_.Entries()) {
      if (old.uid == editing_) {
        entry->keptLines = old.keptLines;
      }
    }
    entry->uid = editing_;
    why = store_.Replace(*entry);
  }
  if (!why.isEmpty()) {
    say(why);
    return;
  }
  say(QStringLiteral("Gespeichert: %1.").arg(Q(entry->name)));
  fillList();
}

void AnniversariesDialog::removeSelected() {
  const QListWidgetItem* item = list_->currentItem();
  const std::string uid = item != nullptr ? item->data(Qt::UserRole).toString().toStdString() : editing_;
  if (uid.empty()) {
    return;
  }
  const QString name = item != nullptr ? item->text().section(QStringLiteral(" – "), 0, 0) : name_->text();
  const QString why = store_.Remove(uid);
  if (!why.isEmpty()) {
    say(why);
    return;
  }
  clearForm();
  // The list keeps the focus, so that Ctrl+Z undoes the delete rather than
  // the typing in a field.
  list_->setFocus();
  say(QStringLiteral("Gelöscht: %1. Rückgängig mit Strg+Z.").arg(name));
  updateState();
}

void AnniversariesDialog::undo() {
  if (!store_.CanUndo()) {
    return;
  }
  const QString why = store_.UndoRemove();
  say(why.isEmpty() ? QStringLiteral("Wiederhergestellt.") : why);
  updateState();
}

bool AnniversariesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo)) {
      undo();
      return true;
    }
    if (key->key() == Qt::Key_Delete) {
      removeSelected();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      name_->setFocus();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QString AnniversariesDialog::ImportFrom(const std::filesystem::path& file) {
  int count = 0;
  const QString why = store_.Import(file, &count);
  say(why.isEmpty() ? QStringLiteral("%1 Jahrestage importiert.").arg(count) : why);
  return why;
}

QString AnniversariesDialog::ExportTo(const std::filesystem::path& file) {
  const QString why = store_.Export(file);
  say(why.isEmpty() ? QStringLiteral("Exportiert nach %1.").arg(Q(file.string())) : why);
  return why;
}

QString AnniversariesDialog::ExportExpandedTo(const std::filesystem::path& file, int years) {
  const FixedDay first = FixedFromCivil({suggested_.year, 1, 1});
  const int lastYear = std::min(kMaximumYear, suggested_.year + years - 1);
  const QString why = store_.ExportExpanded(file, first, FixedFromCivil({lastYear, 12, 31}));
  say(why.isEmpty() ? QStringLiteral("Termine %1 bis %2 exportiert nach %3.")
                          .arg(suggested_.year)
                          .arg(lastYear)
                          .arg(Q(file.string()))
                    : why);
  return why;
}

void AnniversariesDialog::importFile() {
  const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Jahrestage importieren"), QString(),
                                                    QStringLiteral("iCalendar (*.ics);;Alle Dateien (*)"));
  if (!file.isEmpty()) {
    ImportFrom(file.toStdString());
  }
}

void AnniversariesDialog::exportFile() {
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Jahrestage exportieren"),
                                                    QStringLiteral("jahrestage.ics"),
                                                    QStringLiteral("iCalendar (*.ics)"));
  if (!file.isEmpty()) {
    ExportTo(file.toStdString());
  }
}

void AnniversariesDialog::exportExpanded() {
  bool ok = false;
  const int years = QInputDialog::getInt(this, QStringLiteral("Als einzelne Termine exportieren"),
                                         QStringLiteral("Jahre ab %1:").arg(suggested_.year), 10, 1,
                                         kMaxExportYears, 1, &ok);
  if (!ok) {
    return;
  }
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Termine exportieren"),
                                                    QStringLiteral("jahrestage-termine.ics"),
                                                    QStringLiteral("iCalendar (*.ics)"));
  if (!file.isEmpty()) {
    ExportExpandedTo(file.toStdString(), years);
  }
}

}  // namespace tempulo

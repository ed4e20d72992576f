// SPDX-License-Identifier: GPL-3.0-or-later
// "Jahrestage…": the user's anniversaries, added, edited and deleted with the
// keyboard alone, the last delete undoable; import and export of calendar
// files, also as single events for calendar programs without RSCALE.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

#include "time/civil.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tempulo {

class AnniversaryStore;
struct Anniversary;

class AnniversariesDialog : public QDialog {
  Q_OBJECT

 public:
  AnniversariesDialog(AnniversaryStore& store, QWidget* parent = nullptr);

  // The date a new entry starts with: the day selected in the grid.
  void SetSuggestedDate(const CivilDate& date);

  // The controls the tests drive as a user would.
  QListWidget* List() const { return list_; }
  QLineEdit* NameEdit() const { return name_; }
  QComboBox* KindBox() const { return kind_; }
  QComboBox* EnteredCalendarBox() const { return entered_; }
  QLineEdit* DateEdit() const { return date_; }
  QComboBox* CalendarBox() const { return calendar_; }
  QCheckBox* AfterSunsetBox() const { return afterSunset_; }
  QComboBox* LeapDayBox() const { return leapDay_; }
  QLineEdit* NoteEdit() const { return note_; }
  QPushButton* NewButton() const { return newButton_; }
  QPushButton* SaveButton() const { return saveButton_; }
  QPushButton* DeleteButton() const { return deleteButton_; }
  QPushButton* UndoButton() const { return undoButton_; }
  QLabel* Message() const { return message_; }
  QCheckBox* ReminderBox() const { return reminder_; }

  // Import and export without the file dialogs; the message is empty on
  // success.
  QString ImportFrom(const std::filesystem::path& file);
  QString ExportTo(const std::filesystem::path& file);
  QString ExportExpandedTo(const std::filesystem::path& file, int years);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillList();
  void showEntry(int row);
  void clearForm();
  void save();
  void removeSelected();
  void undo();
  void importFile();
  void exportFile();
  void exportExpanded();
  void updateState();
  void say(const QString& text);
  // The form as an entry; empty with the message shown when it is not valid.
  std::optional<Anniversary> entryFromForm();
  void showDateIn(const std::string& calendarId, FixedDay day);

  AnniversaryStore& store_;
  CivilDate suggested_{2000, 1, 1};
  std::string editing_;  // uid of the entry in the form, empty for a new one
  bool calendarFollows_ = true;

  QLabel* problem_ = nullptr;
  QPushButton* afreshButton_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* entered_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLabel* dateForm_ = nullptr;
  QComboBox* calendar_ = nullptr;
  QCheckBox* afterSunset_ = nullptr;
  QComboBox* leapDay_ = nullptr;
  QLineEdit* note_ = nullptr;
  QPushButton* newButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* undoButton_ = nullptr;
  QLabel* message_ = nullptr;
  QCheckBox* reminder_ = nullptr;
};

}  // namespace tempulo

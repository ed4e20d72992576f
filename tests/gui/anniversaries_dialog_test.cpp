// SPDX-License-Identifier: GPL-3.0-or-later
// "Jahrestage…": add, edit, delete and undo with the keyboard alone, the
// grid's mark with its tooltip and spoken text, the report line, a change by
// another program picked up, and an unreadable file left alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/gui/anniversaries_dialog.h"
#include "app/gui/anniversary_reminder.h"
#include "app/gui/anniversary_store.h"
#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "report/anniversary_file.h"

namespace tempulo {
namespace {

class AnniversariesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(UserAnniversaryFile().parent_path());
  }
  void TearDown() override {
    window_.reset();
    std::filesystem::remove_all(UserAnniversaryFile().parent_path());
  }
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    window_ = std::make_unique<MainWindow>(
        *clock_, std::make_unique<QSettings>(settings_.filePath(QStringLiteral("t.conf")), QSettings::IniFormat));
    window_->SetErrorReporter([](const QString&, const QString&) {});
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  AnniversariesDialog* OpenDialog() {
    // A shortcut goes to the widget with the keyboard focus.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window_.get(), Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    AnniversariesDialog* dialog = window_->AnniversariesDialogShown();
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
      dialog->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    return dialog;
  }
  static void Type(QWidget* target, const QString& text) {
    target->setFocus();
    QTest::keyClicks(target, text);
  }
  static void Retype(QLineEdit* target, const QString& text) {
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClicks(target, text);
  }
  QStringList HolidayLines() const { return window_->HolidayLines(); }

  QTemporaryDir settings_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(AnniversariesWindowTest, AddEditDeleteAndUndoWithTheKeyboard) {
  Open({2026, 11, 13});
  AnniversariesDialog* dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  // A Hebrew birthday: 5 December 1986 is 3 Kislev 5747.
  Type(dialog->NameEdit(), QStringLiteral("Anna"));
  Retype(dialog->DateEdit(), QStringLiteral("1986-12-05"));
  // The calendar it recurs in, chosen by typing in the box.
  dialog->CalendarBox()->setFocus();
  dialog->CalendarBox()->setCurrentIndex(dialog->CalendarBox()->findData(QStringLiteral("jewish")));
  QTest::keyClick(dialog->DateEdit(), Qt::Key_Return);
  ASSERT_EQ(dialog->List()->count(), 1) << dialog->Message()->text().toStdString();
  EXPECT_TRUE(window_->ReportLines().contains(QStringLiteral("Jahrestag\tAnna, 40. Geburtstag (3. Kislev)")));
  EXPECT_TRUE(HolidayLines().contains(QStringLiteral("13\tJahrestag: Anna, 40. Geburtstag (3. Kislev)")));

  // Edit: select it in the list, change the name, take it over with Enter.
  dialog->List()->setFocus();
  dialog->List()->setCurrentRow(0);
  EXPECT_EQ(dialog->NameEdit()->text(), QStringLiteral("Anna"));
  Retype(dialog->NameEdit(), QStringLiteral("Anna B."));
  QTest::keyClick(dialog->NameEdit(), Qt::Key_Return);
  ASSERT_EQ(window_->Anniversaries()->Entries().size(), 1U);
  EXPECT_EQ(window_->Anniversaries()->Entries()[0].name, "Anna B.");
  EXPECT_EQ(window_->Anniversaries()->Entries()[0].calendar, "jewish");

  // Delete with the Delete key in the list, then undo with Ctrl+Z.
  dialog->List()->setFocus();
  dialog->List()->setCurrentRow(0);
  QTest::keyClick(dialog->List(), Qt::Key_Delete);
  EXPECT_EQ(dialog->List()->count(), 0);
  EXPECT_FALSE(window_->ReportLines().join('\n').contains(QStringLiteral("Jahrestag")));
  EXPECT_TRUE(dialog->UndoButton()->isEnabled());
  QTest::keyClick(dialog->List(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(dialog->List()->count(), 1);
  EXPECT_TRUE(window_->ReportLines().contains(QStringLiteral("Jahrestag\tAnna B., 40. Geburtstag (3. Kislev)")));
}

TEST_F(AnniversariesWindowTest, BadInputGetsAGermanMessageAndSavesNothing) {
  Open({2026, 11, 13});
  AnniversariesDialog* dialog = OpenDialog();
  const struct {
    const char* name;
    const char* calendar;
    const char* date;
    const char* message;
  } cases[] = {
      {"", "civil", "2000-01-01", "Namen"},
      {"X", "civil", "2000-13-01", "Monat 13"},
      {"X", "jewish", "5784-8-30", "Heshvan"},
  };
  for (const auto& c : cases) {
    dialog->NewButton()->click();
    Type(dialog->NameEdit(), QString::fromUtf8(c.name));
    dialog->EnteredCalendarBox()->setCurrentIndex(
        dialog->EnteredCalendarBox()->findData(QString::fromUtf8(c.calendar)));
    Retype(dialog->DateEdit(), QString::fromUtf8(c.date));
    dialog->SaveButton()->click();
    EXPECT_TRUE(dialog->Message()->text().contains(QString::fromUtf8(c.message)))
        << c.date << ": " << dialog->Message()->text().toStdString();
    EXPECT_EQ(dialog->List()->count(), 0);
  }
}

TEST_F(AnniversariesWindowTest, MarkedDayNamesTheAnniversaryInTooltipAndSpokenText) {
  Anniversary entry;
  entry.uid = "x";
  entry.name = "Leo";
  entry.day = FixedFromCivil({1996, 2, 29});
  entry.calendar = "civil";
  entry.entered = "civil";
  entry.marchFirst = true;
  std::string why;
  ASSERT_TRUE(ChangeAnniversaryFile(
      UserAnniversaryFile(), [&](AnniversaryCalendar& c) { c.entries.push_back(entry); }, why));
  Open({2027, 3, 10});
  QTableWidgetItem* marked = window_->Grid()->ItemForDay(1);
  ASSERT_NE(marked, nullptr);
  EXPECT_TRUE(marked->data(MonthGrid::kAnniversaryRole).toBool());
  EXPECT_TRUE(marked->toolTip().contains(QStringLiteral("Jahrestag: Leo, 31. Geburtstag (1. März)")));
  EXPECT_TRUE(marked->data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("Jahrestag: Leo")));
  EXPECT_FALSE(window_->Grid()->ItemForDay(2)->data(MonthGrid::kAnniversaryRole).toBool());
  EXPECT_FALSE(window_->AnniversaryBanner()->isVisible());
}

TEST_F(AnniversariesWindowTest, TodaysAnniversariesShowAtTheTopAndOutsideChangesArePickedUp) {
  Open({2027, 3, 1});
  EXPECT_FALSE(window_->AnniversaryBanner()->isVisible());
  // Another program writes the file while the window is open.
  Anniversary entry;
  entry.uid = "y";
  entry.name = "Leo";
  entry.day = FixedFromCivil({1996, 2, 29});
  entry.calendar = "civil";
  entry.marchFirst = true;
  QSignalSpy spy(window_->Anniversaries(), &AnniversaryStore::changed);
  std::string why;
  ASSERT_TRUE(ChangeAnniversaryFile(
      UserAnniversaryFile(), [&](AnniversaryCalendar& c) { c.entries.push_back(entry); }, why));
  ASSERT_TRUE(spy.wait(5000));
  EXPECT_TRUE(window_->Grid()->ItemForDay(1)->data(MonthGrid::kAnniversaryRole).toBool());
  // A window opened today names it at the top.
  window_.reset();
  Open({2027, 3, 1});
  EXPECT_TRUE(window_->AnniversaryBanner()->isVisible());
  EXPECT_TRUE(window_->AnniversaryBanner()->text().contains(QStringLiteral("Heute: Leo, 31. Geburtstag")));
}

TEST_F(AnniversariesWindowTest, UnreadableFileMakesTheDialogReadOnlyUntilTheUserChooses) {
  std::filesystem::create_directories(UserAnniversaryFile().parent_path());
  std::ofstream(UserAnniversaryFile()) << "kein Kalender\n";
  Open({2026, 11, 13});
  EXPECT_TRUE(window_->AnniversaryBanner()->text().contains(QStringLiteral("keine iCalendar-Datei")));
  AnniversariesDialog* dialog = OpenDialog();
  EXPECT_FALSE(dialog->SaveButton()->isEnabled());
  std::ifstream in(UserAnniversaryFile());
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "kein Kalender\n");
  // Starting afresh keeps the old file beside the new one.
  EXPECT_TRUE(window_->Anniversaries()->StartAfresh().isEmpty());
  EXPECT_TRUE(dialog->SaveButton()->isEnabled());
  int kept = 0;
  for (const auto& file : std::filesystem::directory_iterator(UserAnniversaryFile().parent_path())) {
    kept += file.path().filename().string().find(".unlesbar-") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(kept, 1);
}

TEST_F(AnniversariesWindowTest, ReminderIsOffByDefaultAndNamesTodayAndTomorrow) {
  Open({2027, 2, 28});
  AnniversariesDialog* dialog = OpenDialog();
  EXPECT_FALSE(dialog->ReminderBox()->isChecked());
  EXPECT_FALSE(std::filesystem::exists(ReminderAutostartFile()));
  dialog->ReminderBox()->setChecked(true);
  ASSERT_TRUE(std::filesystem::exists(ReminderAutostartFile()));
  std::ifstream in(ReminderAutostartFile());
  const std::string entry((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(entry.find(" --remind\n"), std::string::npos);
  dialog->ReminderBox()->setChecked(false);
  EXPECT_FALSE(std::filesystem::exists(ReminderAutostartFile()));

  Anniversary leo;
  leo.name = "Leo";
  leo.day = FixedFromCivil({1996, 2, 29});
  leo.calendar = "civil";
  leo.marchFirst = true;
  Anniversary eva = leo;
  eva.name = "Eva";
  eva.day = FixedFromCivil({2000, 2, 28});
  const AnniversaryBook book({leo, eva});
  EXPECT_EQ(ReminderText(book, {2027, 2, 28}),
            QStringLiteral("Heute: Eva, 27. Geburtstag (28. Februar)\nMorgen: Leo, 31. Geburtstag (1. März)"));
  EXPECT_EQ(ReminderText(book, {2027, 3, 2}), QString());
}

}  // namespace
}  // namespace tempulo

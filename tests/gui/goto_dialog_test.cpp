// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/goto_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "app/gui/eclipses_dialog.h"
#include "app/gui/feasts_dialog.h"
#include "app/gui/main_window.h"
#include "app/gui/spin_edit.h"

namespace tempulo {
namespace {

class GoToTest : public ::testing::Test {
 protected:
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    form_ = std::make_unique<MainWindow>(
        *clock_, std::make_unique<QSettings>(dir_.filePath(QStringLiteral("t.conf")), QSettings::IniFormat));
    form_->SetErrorReporter([this](const QString& title, const QString& message) {
      errors_.append(title + QStringLiteral(": ") + message);
    });
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  // A shortcut goes to the widget with the keyboard focus.
  void Shortcut(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : form_.get(), key, Qt::ControlModifier);
  }

  // Opens the dialog with Ctrl+G, as a user does.
  GoToDialog* OpenDialog() {
    Shortcut(Qt::Key_G);
    GoToDialog* dialog = form_->GoToDialogShown();
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog != nullptr && dialog->isVisible());
    return dialog;
  }

  // Fills the fields as a user picks them: month by its name in the list.
  static void Fill(GoToDialog* dialog, const std::string& id, int year, const QString& month, int day) {
    ASSERT_TRUE(dialog->SelectCalendar(id)) << id;
    dialog->YearSpin()->setValue(year);
    const int index = dialog->MonthBox()->findText(month);
    ASSERT_GE(index, 0) << month.toStdString();
    dialog->MonthBox()->setCurrentIndex(index);
    dialog->DaySpin()->setValue(day);
  }

  QTemporaryDir dir_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> form_;
  QStringList errors_;
};

TEST_F(GoToTest, GoesToTheCivilDayOfSeveralCalendars) {
  const struct {
    std::string id;
    int year;
    QString month;
    int day;
    QString caption;
  } cases[] = {
      {"jewish", 5790, QStringLiteral("Nisan"), 15, QStringLiteral("Tempulo 18.April 2030")},
      {"islamic", 1450, QStringLiteral("Muharram"), 1, QStringLiteral("Tempulo 25.Mai 2028")},
      {"chinese", 4724, QStringLiteral("1. Monat"), 1, QStringLiteral("Tempulo 17.Februar 2026")},
      {"chinese", 4721, QStringLiteral("Schaltmonat nach dem 2. Monat"), 1,
       QStringLiteral("Tempulo 22.März 2023")},
      {"julian", 1582, QStringLiteral("Oktober"), 4, QStringLiteral("Tempulo 4.Oktober 1582")},
      {"julian", 1582, QStringLiteral("Oktober"), 5, QStringLiteral("Tempulo 15.Oktober 1582")},
      {"coptic_ethiopian", 1743, QStringLiteral("Thuout"), 1, QStringLiteral("Tempulo 11.September 2026")},
  };
  for (const auto& c : cases) {
    Open({2026, 12, 8});
    GoToDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Fill(dialog, c.id, c.year, c.month, c.day);
    QTest::mouseClick(dialog->GoButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Message()->text(), QString()) << c.id;
    EXPECT_FALSE(dialog->isVisible()) << c.id;
    EXPECT_EQ(form_->windowTitle(), c.caption) << c.id;
    EXPECT_EQ(form_->ReportLines().at(0), QStringLiteral("Datum\t") + c.caption.mid(8)) << c.id;
    EXPECT_TRUE(errors_.isEmpty());
  }
}

// Calendars that count their years within eras offer the era beside the
// year; the Roman date is looked up by its marked day and the count to it.
TEST_F(GoToTest, ErasAndRomanMarkedDays) {
  const struct {
    std::string id;
    QString era;  // empty: no era field
    int year;
    QString month;
    int day;
    QString caption;
  } cases[] = {
      {"japanese", QStringLiteral("Heisei"), 1, QStringLiteral("Mutsuki"), 8,
       QStringLiteral("Tempulo 8.Januar 1989")},
      {"goddess", QStringLiteral("5.Ära"), 565, QStringLiteral("Lakshmi"), 1,
       QStringLiteral("Tempulo 9.Dezember 2026")},
      {"solilunar", QStringLiteral("102.Ära"), 52, QStringLiteral("Julius"), 2,
       QStringLiteral("Tempulo 9.Dezember 2026")},
      {"roman", QString(), 2779, QStringLiteral("Iden des März"), 1, QStringLiteral("Tempulo 28.März 2026")},
  };
  for (const auto& c : cases) {
    Open({2026, 1, 2});
    GoToDialog* dialog = OpenDialog();
    ASSERT_TRUE(dialog->SelectCalendar(c.id)) << c.id;
    EXPECT_EQ(dialog->EraBox()->isVisible(), !c.era.isEmpty()) << c.id;
    if (!c.era.isEmpty()) {
      const int era = dialog->EraBox()->findText(c.era);
      ASSERT_GE(era, 0) << c.id;
      dialog->EraBox()->setCurrentIndex(era);
    }
    Fill(dialog, c.id, c.year, c.month, c.day);
    QTest::mouseClick(dialog->GoButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Message()->text(), QString()) << c.id;
    EXPECT_EQ(form_->windowTitle(), c.caption) << c.id;
  }
  // A year the era does not have is named, and nothing moves.
  Open({2026, 1, 2});
  GoToDialog* dialog = OpenDialog();
  ASSERT_TRUE(dialog->SelectCalendar("japanese"));
  EXPECT_EQ(dialog->EraBox()->currentText(), QStringLiteral("Reiwa"));
  dialog->EraBox()->setCurrentIndex(dialog->EraBox()->findText(QStringLiteral("Heisei")));
  Fill(dialog, "japanese", 31, QStringLiteral("Mutsuki"), 1);
  QTest::mouseClick(dialog->GoButton(), Qt::LeftButton);
  EXPECT_EQ(
      dialog->Message()->text(),
      QStringLiteral("Für das Jahr 31 der Ära Heisei zeigt der Bericht keine Tage (Japanischer Kalender)."));
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 2.Januar 2026"));
}

TEST_F(GoToTest, TheLongCountHasFiveFields) {
  Open({2026, 12, 8});
  GoToDialog* dialog = OpenDialog();
  ASSERT_TRUE(dialog->SelectCalendar("maya"));
  EXPECT_FALSE(dialog->YearSpin()->isVisible());
  // The fields start on the selected day: 13.0.14.2.x in December 2026.
  EXPECT_EQ(dialog->LongCountSpins()[0]->value(), 13);
  for (QSpinBox* spin : dialog->LongCountSpins()) {
    EXPECT_TRUE(spin->isVisible());
    spin->setValue(0);
  }
  dialog->LongCountSpins()[0]->setValue(13);
  QTest::mouseClick(dialog->GoButton(), Qt::LeftButton);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 21.Dezember 2012"));
}

TEST_F(GoToTest, DatesThatDoNotExistLeaveTheWindowUnchanged) {
  const struct {
    std::string id;
    int year;
    QString month;
    int day;
    QString message;
  } cases[] = {
      {"jewish", 5786, QStringLiteral("Heshvan"), 30,
       QStringLiteral("Den 30. Heshvan gibt es im Jahr 5786 nicht (Heshvan hat 29 Tage).")},
      {"julian", 2001, QStringLiteral("April"), 31,
       QStringLiteral("Den 31. April gibt es im Jahr 2001 nicht (April hat 30 Tage).")},
      {"julian", 3000, QStringLiteral("Dezember"), 31,
       QStringLiteral(
           "Der 31. Dezember 3000 ist der 21.Januar 3001 und damit außerhalb der Jahre 100 bis 3000.")},
  };
  Open({2026, 12, 8});
  const QStringList report = form_->ReportLines();
  const QStringList holidays = form_->HolidayLines();
  const QString caption = form_->windowTitle();
  for (const auto& c : cases) {
    GoToDialog* dialog = OpenDialog();
    Fill(dialog, c.id, c.year, c.month, c.day);
    QTest::keyClick(dialog->GoButton(), Qt::Key_Space);
    EXPECT_EQ(dialog->Message()->text(), c.message) << c.id;
    EXPECT_TRUE(dialog->isVisible()) << c.id;
    EXPECT_FALSE(dialog->Result().has_value());
    EXPECT_EQ(form_->windowTitle(), caption);
    EXPECT_EQ(form_->ReportLines(), report);
    EXPECT_EQ(form_->HolidayLines(), holidays);
    EXPECT_EQ(form_->YearSpin()->Value(), 2026);
    // A changed field clears the message.
    dialog->DaySpin()->setValue(c.day == 1 ? 2 : 1);
    EXPECT_EQ(dialog->Message()->text(), QString());
    dialog->reject();
  }
}

TEST_F(GoToTest, FieldsStartOnTheSelectedDayAndOfferTheCalendarsMonths) {
  Open({2026, 12, 8});
  GoToDialog* dialog = OpenDialog();
  ASSERT_TRUE(dialog->SelectCalendar("jewish"));
  // 8 December 2026 is 28 Kislev 5787.
  EXPECT_EQ(dialog->YearSpin()->value(), 5787);
  EXPECT_EQ(dialog->MonthBox()->currentText(), QStringLiteral("Kislev"));
  EXPECT_EQ(dialog->DaySpin()->value(), 28);
  EXPECT_EQ(dialog->MonthBox()->count(), 13);
  ASSERT_TRUE(dialog->SelectCalendar("chinese"));
  EXPECT_EQ(dialog->MonthBox()->count(), 12);
  ASSERT_TRUE(dialog->SelectCalendar("ethiopian"));
  EXPECT_EQ(dialog->MonthBox()->count(), 13);
}

TEST_F(GoToTest, FeastsOfTheYearGoToTheirDay) {
  Open({2026, 12, 8});
  Shortcut(Qt::Key_J);
  FeastsDialog* dialog = form_->FeastsDialogShown();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Year(), 2026);
  QTreeWidget* list = dialog->List();
  EXPECT_EQ(list->topLevelItemCount(), static_cast<int>(FeastsOfYear(2026).size()));
  const QList<QTreeWidgetItem*> found =
      list->findItems(QStringLiteral("Chinesisches Neujahrsfest"), Qt::MatchExactly, 1);
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found.front()->text(0), QStringLiteral("17.Februar"));
  list->setCurrentItem(found.front());
  emit list->itemActivated(found.front(), 0);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 17.Februar 2026"));
  // The open list follows the window's year; a closed one is built anew
  // when it is opened again.
  form_->YearSpin()->setValue(2025);
  EXPECT_EQ(dialog->Year(), 2025);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Feste des Jahres 2025"));
  dialog->close();
  form_->YearSpin()->setValue(2024);
  EXPECT_EQ(dialog->Year(), 2025);
  QTest::mouseClick(form_->FeastsButton(), Qt::LeftButton);
  EXPECT_EQ(dialog->Year(), 2024);
  EXPECT_TRUE(dialog->isVisible());
}


// The month list offers a leap month only in a year that has it.
TEST_F(GoToTest, LeapMonthsOnlyInYearsThatHaveThem) {
  Open({2026, 12, 8});
  GoToDialog* dialog = OpenDialog();
  const auto months = [dialog] {
    QStringList names;
    for (int i = 0; i < dialog->MonthBox()->count(); ++i) {
      names << dialog->MonthBox()->itemText(i);
    }
    return names;
  };
  const struct {
    std::string id;
    int year;
    QString month;
    bool offered;
    int count;
  } cases[] = {
      {"jewish", 5785, QStringLiteral("Adar 2"), false, 12},
      {"jewish", 5784, QStringLiteral("Adar 2"), true, 13},
      {"chinese", 4721, QStringLiteral("Schaltmonat nach dem 2. Monat"), true, 13},
      {"chinese", 4722, QStringLiteral("Schaltmonat nach dem 2. Monat"), false, 12},
      {"chinese", 4723, QStringLiteral("Schaltmonat nach dem 6. Monat"), true, 13},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(dialog->SelectCalendar(c.id));
    dialog->YearSpin()->setValue(c.year);
    EXPECT_EQ(months().contains(c.month), c.offered) << c.id << " " << c.year;
    EXPECT_EQ(months().size(), c.count) << c.id << " " << c.year;
  }
  // A chosen leap month falls back to the month it follows where the year lacks it.
  ASSERT_TRUE(dialog->SelectCalendar("chinese"));
  dialog->YearSpin()->setValue(4721);
  dialog->MonthBox()->setCurrentIndex(dialog->MonthBox()->findText(QStringLiteral("Schaltmonat nach dem 2. Monat")));
  dialog->YearSpin()->setValue(4722);
  EXPECT_EQ(dialog->MonthBox()->currentIndex(), 1);
}

// An out-of-range year typed and confirmed with Enter is refused with a
// message; the dialog stays, with its layout, and says how dates are written.
TEST_F(GoToTest, RefusesAnOutOfRangeYearVisiblyAndKeepsItsLayout) {
  Open({2026, 12, 8});
  GoToDialog* dialog = OpenDialog();
  ASSERT_TRUE(dialog->SelectCalendar("jewish"));
  EXPECT_EQ(dialog->FormHint()->text(), QStringLiteral("Schreibweise: JJJJ-MM-TT, hier jewish:5787-9-28"))
      << dialog->FormHint()->text().toStdString();
  EXPECT_FALSE(dialog->FormHint()->text().contains(QStringLiteral("Kommandozeile")));
  dialog->adjustSize();
  QApplication::processEvents();
  const QSize size = dialog->size();
  const QRect day = dialog->DaySpin()->geometry();
  const QRect month = dialog->MonthBox()->geometry();
  QLineEdit* year = dialog->YearSpin()->findChild<QLineEdit*>();
  dialog->YearSpin()->setFocus();
  year->selectAll();
  QTest::keyClicks(year, QStringLiteral("9999"));
  QTest::keyClick(year, Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->Result().has_value());
  EXPECT_TRUE(dialog->Message()->text().startsWith(QStringLiteral("Das Jahr 9999 liegt außerhalb der Jahre")))
      << dialog->Message()->text().toStdString();
  EXPECT_EQ(dialog->YearSpin()->value(), 5787);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 8.Dezember 2026"));
  // A long message wraps in its room: the fields keep their places.
  dialog->Message()->setText(QString(40, QLatin1Char('x')).append(QStringLiteral(" lang")).repeated(12));
  QApplication::processEvents();
  EXPECT_EQ(dialog->width(), size.width());
  EXPECT_EQ(dialog->DaySpin()->geometry().width(), day.width());
  EXPECT_EQ(dialog->MonthBox()->geometry().width(), month.width());
}

TEST_F(GoToTest, ReopensOnTheCalendarUsedLast) {
  Open({2026, 12, 8});
  GoToDialog* dialog = OpenDialog();
  ASSERT_TRUE(dialog->SelectCalendar("islamic"));
  dialog->reject();
  dialog = OpenDialog();
  EXPECT_EQ(dialog->CalendarBox()->currentData().toString(), QStringLiteral("islamic"));
  dialog->reject();
  // Also after a new start.
  form_.reset();
  Open({2026, 12, 8});
  dialog = OpenDialog();
  EXPECT_EQ(dialog->CalendarBox()->currentData().toString(), QStringLiteral("islamic"));
}

// The year's eclipses for the default place; choosing one goes to its day.
TEST_F(GoToTest, EclipsesOfTheYearGoToTheirDay) {
  Open({2026, 12, 8});
  Shortcut(Qt::Key_E);
  EclipsesDialog* dialog = form_->EclipsesDialogShown();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Finsternisse des Jahres 2026"));
  QTreeWidget* list = dialog->List();
  ASSERT_EQ(list->topLevelItemCount(), 4);
  QTreeWidgetItem* august = list->topLevelItem(2);
  EXPECT_EQ(august->text(0), QStringLiteral("12.August"));
  EXPECT_EQ(august->text(1), QStringLiteral("partielle Sonnenfinsternis, Maximum 19:12:33 MEZ, 87 % bedeckt"));
  emit list->itemActivated(august, 0);
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tempulo 12.August 2026"));
}

}  // namespace
}  // namespace tempulo

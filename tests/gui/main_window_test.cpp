// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTableWidgetItem>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/gui/month_grid.h"
#include "app/gui/spin_edit.h"
#include "report/refresh.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  void Open(CivilDate today) {
    clock_ = std::make_unique<FixedClock>(today, TimeOfDay{12, 0, 0});
    form_ = std::make_unique<MainWindow>(*clock_,
                                         std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat));
    form_->SetErrorReporter([this](const QString& title, const QString& message) {
      errors_.append(title + QStringLiteral(": ") + message);
    });
    form_->SetClipboardWriter([this](const QString& text) { clipboard_ = text; });
    form_->show();
  }

  // Picks a day in the grid as a click does.
  void ClickDay(int day) {
    const QDate shown = form_->Grid()->selectedDate();
    form_->Grid()->setSelectedDate(QDate(shown.year(), shown.month(), day));
  }

  // Replaces the year field's text key by key, as a user types it.
  void TypeYear(const QString& digits) {
    QLineEdit* edit = form_->YearSpin()->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, digits);
  }

  QString Caption() const { return form_->windowTitle(); }
  QDate Grid() const { return form_->Grid()->selectedDate(); }

  QString SettingsPath() const { return settingsDir_.filePath(QStringLiteral("tempulo.conf")); }

  QTemporaryDir settingsDir_;
  std::unique_ptr<FixedClock> clock_;
  std::unique_ptr<MainWindow> form_;
  QStringList errors_;
  QString clipboard_;
};

TEST_F(WindowTest, StartsOnToday) {
  Open({2026, 12, 8});
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Dezember 2026"));
  EXPECT_EQ(form_->Heading(), QStringLiteral("Dezember 2026"));
  EXPECT_EQ(Grid(), QDate(2026, 12, 8));
  EXPECT_EQ(form_->MonthSpin()->Value(), 12);
  EXPECT_EQ(form_->YearSpin()->Value(), 2026);
  ASSERT_GE(form_->ReportLines().size(), 3);
  EXPECT_EQ(form_->ReportLines().at(0), QStringLiteral("Datum\t8.Dezember 2026"));
  EXPECT_EQ(form_->ReportLines().at(1), QStringLiteral(" "));
  EXPECT_TRUE(errors_.isEmpty());
  // The default size where the screen has room, else the screen's room.
  const QRect available = form_->screen()->availableGeometry();
  EXPECT_EQ(form_->width(), std::min(1041, available.width() - 16));
  EXPECT_EQ(form_->height(), std::min(682, available.height() - 48));
  EXPECT_TRUE(available.contains(form_->geometry())) << available.width() << "x" << available.height();
  EXPECT_EQ(form_->Grid()->firstDayOfWeek(), Qt::Monday);
  EXPECT_EQ(form_->CopyButton()->accessibleName(), QStringLiteral("Kopieren"));
  EXPECT_EQ(form_->TodayButton()->text(), QStringLiteral("&Heutiges Datum"));
  EXPECT_EQ(form_->HolidayRegion(), Region::kAll);
  EXPECT_FALSE(form_->WeekNumbersBox()->isChecked());
}

TEST_F(WindowTest, MonthChangeClampsTheDayFirst) {
  const struct {
    int year;
    int expectedDay;
  } cases[] = {{2023, 28}, {2024, 29}};
  for (const auto& c : cases) {
    Open({c.year, 3, 31});
    ASSERT_EQ(Grid(), QDate(c.year, 3, 31));
    form_->MonthSpin()->setValue(2);
    EXPECT_EQ(Grid(), QDate(c.year, 2, c.expectedDay));
    EXPECT_EQ(Caption(), QStringLiteral("Tempulo %1.Februar %2").arg(c.expectedDay).arg(c.year));
  }
}

TEST_F(WindowTest, YearChangeClampsTheDay) {
  Open({2024, 2, 29});
  form_->YearSpin()->setValue(2023);
  EXPECT_EQ(Grid(), QDate(2023, 2, 28));
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 28.Februar 2023"));
}

TEST_F(WindowTest, ReformMonthShowsASubstituteGrid) {
  Open({2026, 10, 1});
  form_->YearSpin()->setValue(1582);
  EXPECT_EQ(Grid().year(), 1584);
  EXPECT_EQ(Grid().month(), 10);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 1.Oktober 1582"));
  EXPECT_EQ(form_->Heading(), QStringLiteral("Oktober 1582"));
  form_->MonthSpin()->setValue(11);
  EXPECT_EQ(Grid(), QDate(1582, 11, 1));
  form_->MonthSpin()->setValue(10);
  form_->YearSpin()->setValue(1583);
  form_->YearSpin()->setValue(1582);
  form_->MonthSpin()->setValue(11);
  EXPECT_EQ(Grid(), QDate(1582, 11, 1));
}

TEST_F(WindowTest, EarlyYearsKeepTheirYearInCaptionAndReport) {
  Open({2026, 5, 3});
  form_->YearSpin()->setValue(1003);
  EXPECT_GE(Grid().year(), 1583);
  EXPECT_EQ(Grid().month(), 5);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 3.Mai 1003"));
  EXPECT_EQ(form_->Heading(), QStringLiteral("Mai 1003"));
  EXPECT_EQ(form_->ReportLines().at(0), QStringLiteral("Datum\t3.Mai 1003"));
  // The grid's first of the month falls on the Julian weekday of 1 May 1003.
  const auto julianWeekday =
      static_cast<int>(static_cast<long long>(JulianDateOf(FixedFromJulian({1003, 5, 1})) + 1.5L) % 7);
  EXPECT_EQ(QDate(Grid().year(), 5, 1).dayOfWeek() % 7, julianWeekday);
}

TEST_F(WindowTest, TypingAYearRefreshesOnlyForShowableYears) {
  Open({2026, 12, 8});
  const QStringList before = form_->ReportLines();
  const QDate gridBefore = Grid();
  TypeYear(QStringLiteral("20"));
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Dezember 2026"));
  EXPECT_EQ(form_->ReportLines(), before);
  EXPECT_EQ(Grid(), gridBefore);
  TypeYear(QStringLiteral("201"));
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Dezember 201"));
  EXPECT_EQ(form_->ReportLines().at(0), QStringLiteral("Datum\t8.Dezember 201"));
  TypeYear(QStringLiteral("2013"));
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 8.Dezember 2013"));
  EXPECT_EQ(Grid(), QDate(2013, 12, 8));
}

TEST_F(WindowTest, ClipboardHoldsEveryReportLineWithLf) {
  Open({2026, 12, 8});
  EXPECT_EQ(form_->CopyNotice(), QString());
  form_->CopyButton()->click();
  const QStringList lines = form_->ReportLines();
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_FALSE(clipboard_.contains(QLatin1Char('\r')));
  EXPECT_EQ(clipboard_, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  EXPECT_EQ(form_->CopyNotice(), QStringLiteral("Kopiert"));
}

// A Julian February of 28 days drawn in a Gregorian leap-year grid offers
// no 29th; the days of the neighbouring months are dimmed and choosing one
// goes there.
TEST_F(WindowTest, GridOffersOnlyTheDaysTheMonthHas) {
  for (const int year : {1003, 1501}) {
    Open({2026, 2, 1});
    form_->YearSpin()->setValue(year);
    ASSERT_TRUE(QDate::isLeapYear(Grid().year())) << "the substitute grid of February " << year;
    EXPECT_EQ(form_->Grid()->ItemForDay(29), nullptr);
    EXPECT_EQ(form_->Grid()->MonthLength(), 28);
    ClickDay(29);
    QTest::keyClick(form_->Grid(), Qt::Key_End);
    EXPECT_EQ(Caption(), QStringLiteral("Tempulo 28.Februar %1").arg(year));
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(QLatin1Char('\n')).toStdString();
  }
  // From the 29th of a Julian leap year to a common year: the 28th.
  int leap = 1004;
  while (leap < 1580 && !GridCanShow({leap, 2, 29})) {
    leap += 4;
  }
  form_->ShowDate({leap, 2, 29});
  ASSERT_EQ(Caption(), QStringLiteral("Tempulo 29.Februar %1").arg(leap));
  form_->YearSpin()->setValue(leap - 1);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 28.Februar %1").arg(leap - 1));
  EXPECT_GT(form_->ReportLines().size(), 20);
  EXPECT_TRUE(errors_.isEmpty());

  // December 2026 begins on a Tuesday and ends on a Thursday.
  const struct {
    int side;
    int day;
    QString caption;
  } neighbours[] = {{-1, 30, QStringLiteral("Tempulo 30.November 2026")},
                    {1, 2, QStringLiteral("Tempulo 2.Januar 2027")}};
  for (const auto& n : neighbours) {
    form_->ShowDate({2026, 12, 8});
    QTableWidgetItem* cell = form_->Grid()->ItemForNeighbourDay(n.side, n.day);
    ASSERT_NE(cell, nullptr) << n.day;
    EXPECT_EQ(cell->foreground().color(), form_->Grid()->MutedColour());
    QTest::mouseClick(form_->Grid()->viewport(), Qt::LeftButton, {}, form_->Grid()->visualItemRect(cell).center());
    EXPECT_EQ(Caption(), n.caption);
  }
}

TEST_F(WindowTest, TodayButtonAlwaysEndsOnToday) {
  Open({2026, 12, 31});
  form_->MonthSpin()->setValue(2);
  ASSERT_EQ(Grid(), QDate(2026, 2, 28));
  form_->YearSpin()->setValue(1500);
  form_->TodayButton()->click();
  EXPECT_EQ(Grid(), QDate(2026, 12, 31));
  EXPECT_EQ(form_->MonthSpin()->Value(), 12);
  EXPECT_EQ(form_->YearSpin()->Value(), 2026);
  EXPECT_EQ(Caption(), QStringLiteral("Tempulo 31.Dezember 2026"));
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/week_and_time.h"
#include "report/time_lines.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>
#include <string>

#include "astro/rise_set.h"
#include "report/day_values.h"
#include "report/registry.h"
#include "report/report.h"
#include "time/clock.h"
#include "calendars/modern/world_calendar.h"

namespace tempulo {
namespace {

TEST(WeekNumbers, KnownWeeks) {
  const struct {
    int year, month, day, week;
  } cases[] = {{2021, 1, 1, 53}, {2021, 1, 4, 1},    {2024, 12, 31, 1}, {2025, 12, 29, 1},
               {2026, 1, 1, 1},  {2026, 12, 31, 53}, {2000, 1, 1, 52},  {2004, 12, 31, 53}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsoWeekNumber(c.year, DayOfYear(CivilDate{c.year, c.month, c.day})), c.week)
        << c.day << "." << c.month << "." << c.year;
  }
}

// The ISO rule restated independently: the week of a day is the week of its
// Thursday, counted from the first Thursday of that Thursday's year.
int ReferenceIsoWeek(std::chrono::sys_days day) {
  using namespace std::chrono;
  const weekday wd{day};
  const int isoWeekday = wd.iso_encoding();  // Monday 1 ... Sunday 7
  const sys_days thursday = day + days{4 - isoWeekday};
  const year_month_day ymd{thursday};
  const sys_days firstOfYear{ymd.year() / January / 1};
  return static_cast<int>((thursday - firstOfYear).count() / 7 + 1);
}

TEST(WeekNumbers, AgreeWithTheIsoRuleOnEveryDay) {
  using namespace std::chrono;
  for (sys_days d = sys_days{year{1583} / January / 1}; d <= sys_days{year{3000} / December / 31};
       d += days{1}) {
    const year_month_day ymd{d};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int dd = static_cast<int>(static_cast<unsigned>(ymd.day()));
    ASSERT_EQ(IsoWeekNumber(y, DayOfYear(CivilDate{y, m, dd})), ReferenceIsoWeek(d)) << y << "-" << m << "-" << dd;
    ASSERT_EQ(WeekdayOfDate(CivilDate{y, m, dd}), static_cast<int>(weekday{d}.c_encoding()))
        << y << "-" << m << "-" << dd;
  }
}

TEST(WorldCalendar, DatesOfTheHalfYears) {
  const struct {
    int year, month, day;
    const char* text;
  } cases[] = {{2025, 1, 1, "1.1. Sonntag"},          {2025, 4, 1, "30.3. Sonnabend"},
               {2025, 3, 31, "29.3. Freitag"},        {2024, 7, 1, "31.6. Schalttag"},
               {2024, 7, 2, "1.7. Sonntag"},          {2025, 7, 2, "1.7. Sonntag"},
               {2025, 7, 1, "30.6. Sonnabend"},       {2025, 12, 31, "31.12. Weltfeiertag"},
               {2024, 12, 31, "31.12. Weltfeiertag"}, {2025, 12, 30, "30.12. Sonnabend"},
               {2024, 6, 30, "30.6. Sonnabend"}};
  for (const auto& c : cases) {
    const FixedClock clock({2025, 1, 1}, {12, 0, 0});
    DayValues values({c.year, c.month, c.day}, clock);
    Report report;
    AddWorldCalendar(values, report);
    EXPECT_EQ(report.Lines(), std::vector<std::string>{std::string("UNO-Weltkalender\t") + c.text})
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(WorldCalendar, DayOfYearAndWeekdayNames) {
  EXPECT_EQ(DayOfYear(CivilDate{2000, 12, 31}), 366);
  EXPECT_EQ(DayOfYear(CivilDate{1900, 12, 31}), 365);
  EXPECT_EQ(DayOfYear(CivilDate{2024, 3, 1}), 61);
  EXPECT_EQ(WorldWeekdayName(1), "Sonntag");
  EXPECT_EQ(WorldWeekdayName(-3), "");
}

TEST(CetTimeLines, ShiftOneHourAndMarkTheZone) {
  Report report;
  AddCetTimeLine(report, "Sonnenaufgang", 36526.0 + 10.5 / 24);
  AddCetTimeLine(report, "Mondaufgang", 36526.0 + 22.0 / 24);
  AddCetTimeLine(report, "Monduntergang", NoEvent);
  ASSERT_EQ(report.Lines().size(), 3U);
  EXPECT_EQ(report.Lines()[0], "Sonnenaufgang\t01.01.2000 11:30:00 MEZ");
  EXPECT_EQ(report.Lines()[1], "Mondaufgang\t01.01.2000 23:00:00 MEZ");
  EXPECT_EQ(report.Lines()[2], "Monduntergang\t-");
}

}  // namespace
}  // namespace tempulo

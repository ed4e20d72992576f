// SPDX-License-Identifier: GPL-3.0-or-later
// The content of printed month and year pages: every day in one cell of the
// right column, the week numbers, the region's holidays, the second calendar,
// the Sunday sun times and the marked days.
#include "report/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "time/civil.h"

namespace tempulo {
namespace {

struct MonthCase {
  int year;
  int month;
  int rows;
  int firstWeek;  // ISO week of the first row
  int lastWeek;
};

// Four to six rows, and the weeks that belong to the neighbouring year.
const MonthCase kMonths[] = {
    {2027, 2, 4, 5, 8},    // 28 days from a Monday
    {2026, 5, 5, 18, 22},  // 1 May a Friday
    {2026, 3, 6, 9, 14},   // 1 March a Sunday: six rows
    {2027, 1, 5, 53, 4},   // 2026 has 53 weeks
    {2024, 12, 6, 48, 1},  // 30 December 2024 is in week 1 of 2025
    {1583, 1, 6, 52, 5},  // 1 January a Saturday
    {2500, 12, 5, 48, 52},
};

TEST(PrintLayout, EveryDayOnceInItsWeekdayColumnAndTheWeekNumbersOfItsRows) {
  for (const MonthCase& c : kMonths) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
    const PrintMonth page = BuildPrintMonth(c.year, c.month, {});
    ASSERT_EQ(page.cells.size(), static_cast<std::size_t>(CivilMonthLength(c.year, c.month)));
    EXPECT_EQ(page.rows, c.rows);
    ASSERT_EQ(page.weekNumbers.size(), static_cast<std::size_t>(c.rows));
    EXPECT_EQ(page.weekNumbers.front(), c.firstWeek);
    EXPECT_EQ(page.weekNumbers.back(), c.lastWeek);
    std::set<std::pair<int, int>> places;
    for (std::size_t i = 0; i < page.cells.size(); ++i) {
      const PrintCell& cell = page.cells[i];
      EXPECT_EQ(cell.day, static_cast<int>(i) + 1);
      EXPECT_TRUE(places.insert({cell.row, cell.weekday}).second) << "day " << cell.day;
      EXPECT_LT(cell.row, page.rows);
      if (i > 0) {
        // The next day stands in the next column, or first in the next row.
        const PrintCell& before = page.cells[i - 1];
        EXPECT_EQ(cell.weekday, (before.weekday + 1) % 7);
        EXPECT_EQ(cell.row, before.row + (cell.weekday == 0 ? 1 : 0));
      }
    }
  }
  // October 1582 keeps its 31 numbers, as the holiday list counts it: 1-14
  // Julian (Monday to Sunday), 15-31 Gregorian from a Friday. No two days
  // share a cell.
  const PrintMonth reform = BuildPrintMonth(1582, 10, {});
  ASSERT_EQ(reform.cells.size(), 31U);
  std::set<std::pair<int, int>> places;
  for (const PrintCell& cell : reform.cells) {
    EXPECT_TRUE(places.insert({cell.row, cell.weekday}).second) << "day " << cell.day;
    // Within a row the days read from left to right.
    for (const PrintCell& other : reform.cells) {
      if (other.row == cell.row && other.day < cell.day) {
        EXPECT_LT(other.weekday, cell.weekday) << other.day << " and " << cell.day;
      }
    }
  }
  EXPECT_EQ(reform.cells[13].weekday, 6);
  EXPECT_EQ(reform.cells[14].weekday, 4);
  EXPECT_EQ(reform.cells[14].row, reform.cells[13].row + 1);
  EXPECT_EQ(reform.rows, 5);
}

TEST(PrintLayout, TheMonthListOfEveryRegionIsInTheCellsWithItsMark) {
  const std::pair<int, int> months[] = {{2026, 5}, {2026, 11}, {2017, 10}, {1994, 11}, {2019, 3}, {1600, 12}};
  for (const auto& [year, month] : months) {
    const MonthOverview overview = BuildMonthOverview(year, month);
    for (const RegionInfo& info : Regions()) {
      SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + " " + std::string(info.code));
      const PrintMonth page = BuildPrintMonth(year, month, {.region = info.region});
      for (const HolidayListEntry& entry : HolidayListEntries(overview, info.region)) {
        const std::string name = entry.text.substr(entry.text.find('\t') + 1);
        const auto& holidays = page.cells[static_cast<std::size_t>(entry.day - 1)].holidays;
        const auto found = std::find_if(holidays.begin(), holidays.end(),
                                        [&](const PrintHoliday& h) { return h.name == name; });
        ASSERT_NE(found, holidays.end()) << name;
        EXPECT_EQ(found->isPublic, entry.isPublic) << name;
      }
    }
  }
  // Observances stay in the cell, unmarked, when a region is chosen.
  const PrintMonth bavaria = BuildPrintMonth(2026, 6, {.region = Region::kBY});
  const PrintMonth hamburg = BuildPrintMonth(2026, 6, {.region = Region::kHH});
  EXPECT_TRUE(bavaria.cells[3].IsPublicHoliday());  // Fronleichnam, 4 June
  EXPECT_FALSE(hamburg.cells[3].IsPublicHoliday());
  EXPECT_FALSE(hamburg.cells[3].holidays.empty());
}

TEST(PrintLayout, SecondCalendarNumbersEveryDayAndNamesItsMonthsWhereTheyBegin) {
  struct Case {
    const char* calendar;
    int year, month, day;
    const char* secondDay;
    const char* secondMonth;  // "" where none is printed
  };
  const Case cases[] = {
      {"jewish", 2026, 9, 12, "1", "Tishri 5787"},  // Rosch ha-Schana
      {"jewish", 2026, 9, 13, "2", ""},
      {"jewish", 2026, 9, 1, "19", "Elul 5786"},  // the page's first day names its month
      {"islamic", 2026, 2, 18, "1", "Ramadan 1447"},
      {"coptic_ethiopian", 2026, 9, 11, "1", "Thuout 1743"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.calendar) + " " + std::to_string(c.month) + "-" + std::to_string(c.day));
    const PrintMonth page = BuildPrintMonth(c.year, c.month, {.secondCalendar = FindLookupCalendar(c.calendar)});
    const PrintCell& cell = page.cells[static_cast<std::size_t>(c.day - 1)];
    EXPECT_EQ(cell.secondDay, c.secondDay);
    EXPECT_EQ(cell.secondMonth, c.secondMonth);
    EXPECT_FALSE(page.secondCalendarTitle.empty());
  }
  // Roman counts run towards their marked days, the eras need a field of
  // their own: neither fits a printed month's day numbers.
  const std::vector<const LookupCalendar*> offered = SecondCalendars();
  for (const char* id : {"roman", "japanese", "goddess", "maya"}) {
    EXPECT_EQ(std::count(offered.begin(), offered.end(), FindLookupCalendar(id)), 0) << id;
  }
  for (const LookupCalendar* calendar : SecondCalendars()) {
    EXPECT_TRUE(HasPlainMonths(*calendar)) << calendar->id;
    const PrintMonth page = BuildPrintMonth(2026, 12, {.secondCalendar = calendar});
    for (const PrintCell& cell : page.cells) {
      EXPECT_FALSE(cell.secondDay.empty()) << calendar->id << " " << cell.day;
    }
    EXPECT_FALSE(page.cells.front().secondMonth.empty()) << calendar->id;
  }
}

TEST(PrintLayout, SunTimesOnSundaysFrom1900AndMarkedDays) {
  const PrintMonth may = BuildPrintMonth(2026, 5, {.marked = {{{2026, 5, 8}, "Hochzeitstag"},
                                                             {{2025, 5, 8}, "anderes Jahr"}}});
  for (const PrintCell& cell : may.cells) {
    EXPECT_EQ(cell.sunrise.empty(), !cell.IsSunday()) << cell.day;
    EXPECT_EQ(cell.sunset.empty(), !cell.IsSunday()) << cell.day;
    EXPECT_EQ(cell.marked.size(), cell.day == 8 ? 1U : 0U) << cell.day;
  }
  // 3 May 2026 at 50° N, 12° E: 04:45 and 19:34 MEZ (the report: 04:44:49, 19:34:03).
  EXPECT_EQ(may.cells[2].sunrise, "04:45");
  EXPECT_EQ(may.cells[2].sunset, "19:34");
  EXPECT_FALSE(may.sunNote.empty());
  EXPECT_EQ(may.cells[7].marked.front(), "Hochzeitstag");

  const PrintMonth before = BuildPrintMonth(1899, 12, {});
  EXPECT_TRUE(before.sunNote.empty());
  for (const PrintCell& cell : before.cells) {
    EXPECT_TRUE(cell.sunrise.empty());
  }
  EXPECT_TRUE(BuildPrintMonth(2026, 5, {.sunTimes = false}).sunNote.empty());

  // A place in the polar night: no sunrise, and it says so.
  std::string why;
  const auto svalbard = ReportPlace::For({"Longyearbyen", 78.22, 15.65, "Arctic/Longyearbyen"}, why);
  ASSERT_TRUE(svalbard) << why;
  const PrintMonth polar = BuildPrintMonth(2026, 12, {.place = &*svalbard});
  EXPECT_EQ(polar.cells[5].sunrise, "–");  // Sunday 6 December
  EXPECT_NE(polar.sunNote.find("Arctic/Longyearbyen"), std::string::npos);
}

TEST(PrintLayout, TheYearListsTheRegionsPublicHolidaysInDateOrder) {
  const PrintYear all = BuildPrintYear(2026, {});
  EXPECT_EQ(all.publicHolidays.front(), "01.01. Neujahr");
  EXPECT_EQ(all.publicHolidays.back(), "26.12. Weihnachten");
  // Nationwide there are nine; Bavaria adds Heilige Drei Könige, Fronleichnam,
  // Mariä Himmelfahrt and Allerheiligen.
  EXPECT_EQ(all.publicHolidays.size(), 9U);
  EXPECT_EQ(BuildPrintYear(2026, {.region = Region::kBY}).publicHolidays.size(), 13U);
  for (const PrintMonth& month : all.months) {
    for (const PrintCell& cell : month.cells) {
      EXPECT_TRUE(cell.sunrise.empty());
    }
  }
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// What a printed month or year page holds: which day stands in which cell of
// the grid, its week number, the region's holidays and the observances of the
// day, the festivals of other religions, the main moon phase, sunrise and
// sunset on Sundays, the day number and month name of a second calendar, and
// the days the user marked. Only content and grid positions: measuring and
// drawing belong to the painter.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "holidays/public_holidays.h"
#include "report/calendar_lookup.h"
#include "report/month_overview.h"
#include "report/report_place.h"

namespace tempulo {

// A day the user marked (an anniversary, a birthday) with the text to print.
struct MarkedDay {
  CivilDate date;
  std::string text;
};

struct PrintOptions {
  // Whose public holidays are marked; every row of the table is listed.
  Region region = Region::kAll;
  // The calendar whose day numbers and month names go into the cells;
  // nullptr for none. Only calendars of years, months and days.
  const LookupCalendar* secondCalendar = nullptr;
  // The place of sunrise and sunset; nullptr for the report's own observer
  // (50° N, 12° E) in MEZ.
  const ReportPlace* place = nullptr;
  // Sunrise and sunset on the Sundays (from 1900 on, as in the report).
  bool sunTimes = true;
  // Anniversaries and other marked days; those outside the page are ignored.
  std::vector<MarkedDay> marked{};
};

struct PrintHoliday {
  std::string name;
  bool isPublic = false;  // statutory in the chosen region
};

struct PrintCell {
  int day = 0;
  int weekday = 0;  // 0 Monday ... 6 Sunday: the cell's column
  int row = 0;      // the week row of the grid, from 0
  std::vector<PrintHoliday> holidays;  // every row of the day, in the list's order
  std::vector<std::string> festivals;
  std::vector<std::string> marked;
  MainMoonPhase moonPhase = MainMoonPhase::kNone;
  std::string moonPhaseTime;  // "HH:MM" MEZ
  std::string sunrise;        // "07:19" local time; empty when not printed
  std::string sunset;
  std::string secondDay;    // the second calendar's day number; empty for none
  std::string secondMonth;  // its month's name (and year) where the month begins or the page starts

  bool IsPublicHoliday() const;
  bool IsSunday() const { return weekday == 6; }
};

struct PrintMonth {
  int year = 0;
  int month = 0;
  std::string title;  // "Mai 2026"
  int rows = 0;       // week rows of the grid (4 to 6)
  std::vector<int> weekNumbers;  // ISO week of each row
  std::vector<PrintCell> cells;  // day 1 first
  // "Jüdischer Kalender" when a second calendar is printed, else empty.
  std::string secondCalendarTitle;
  // The note on the sunrise and sunset times ("Sonnenauf- und -untergang
  // (↑ ↓) sonntags, MEZ, 50° N, 12° O"); empty when none are printed.
  std::string sunNote;
};

// "Mo" ... "So".
std::string_view WeekdayShortName(int weekday);

// One month's page. Years 100 to 3000, months 1 to 12; the months are those of
// the report (Julian up to 1582).
PrintMonth BuildPrintMonth(int year, int month, const PrintOptions& options);

struct PrintYear {
  int year = 0;
  std::string title;  // "2026"
  std::array<PrintMonth, 12> months;
  // The region's public holidays of the year, "dd.mm. name", in date order:
  // the page's list under the months.
  std::vector<std::string> publicHolidays;
};

// A whole year on one page: the twelve months without sunrise and sunset.
PrintYear BuildPrintYear(int year, const PrintOptions& options);

// The calendars a page can show beside the civil one (those with months).
std::vector<const LookupCalendar*> SecondCalendars();

}  // namespace tempulo

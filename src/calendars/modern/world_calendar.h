// SPDX-License-Identifier: GPL-3.0-or-later
// Day of the Gregorian year and the perpetual World Calendar: each half-year
// has months of 31, 30 and 30 days twice and starts on a Sunday; the leap day
// (31 June) and the world day (31 December) stand outside the weeks.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/civil.h"
#include "time/day_count.h"

namespace tempulo {

// Day of the Gregorian year, 1..366.
int DayOfYear(CivilDate date);

struct WorldCalendarDate {
  std::int64_t year = 0;  // the Gregorian year
  int month = 0;          // 1..12
  int day = 0;            // 1..31
  friend constexpr bool operator==(const WorldCalendarDate&, const WorldCalendarDate&) = default;
};

WorldCalendarDate WorldCalendarFromFixed(FixedDay day);
FixedDay FixedFromWorldCalendar(const WorldCalendarDate& date);

// Days of a month: 31 for months 1, 4, 7, 10 and the extra days 31 June
// (leap years) and 31 December, 30 otherwise.
int WorldCalendarMonthLength(std::int64_t year, int month);
// True for 31 June and 31 December, the days outside the weeks.
bool IsWorldCalendarExtraDay(const WorldCalendarDate& date);
// Day 1..182 of the date's half-year.
int WorldDayOfHalfYear(const WorldCalendarDate& date);

// Weekday name for a day n of a half-year (n = 1 is a Sunday); empty for a
// negative n.
std::string_view WorldWeekdayName(int n);

}  // namespace tempulo

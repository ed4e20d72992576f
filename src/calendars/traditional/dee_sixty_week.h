// SPDX-License-Identifier: GPL-3.0-or-later
// The John Dee calendar and the sixty-week calendar.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

// A date of John Dee's calendar: the Julian months with 8 leap days in 33
// years, counted from 1 January of year 1 (proleptic Gregorian).
struct DeeDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const DeeDate&, const DeeDate&) = default;
};

// 1 January 1 of the calendar.
inline constexpr FixedDay kDeeEpoch{1};

// The length of the date's month: 31, 30 or 28/29 days; 0 for a month
// outside 1..12.
int DeeMonthLength(const DeeDate& date);
DeeDate DeeFromFixed(FixedDay day);
FixedDay FixedFromDee(const DeeDate& date);

// The German month names "Januar" ... "Dezember"; empty outside 1..12.
std::string_view DeeMonthName(int month);

// Eight leap years in 33: ((year - 1) mod 33) mod 4 = 3, the remainder taken
// non-negative, so the pattern runs on backwards through year 0 (common) and
// year -1 (leap).
bool IsDeeLeapYear(int year);
// The sixty-week calendar of the civil years 1937 to 2063: twelve months of
// 30 days (sixty six-day weeks) and the named days outside the months:
// New Year before January, the spring day after March, the summer day (and
// in a leap year the leap day) after June, the autumn day after September and
// the winter day after December. Its year is the civil year + 6000 and begins
// with New Year on the civil 20 December before.
enum class SixtyWeekNamedDay { kNone, kNewYear, kSpring, kSummer, kLeap, kAutumn, kWinter };

struct SixtyWeekDate {
  int year = 0;
  int month = 0;  // 1..12; 0 on a named day
  int day = 0;    // 1..30; 0 on a named day
  SixtyWeekNamedDay named = SixtyWeekNamedDay::kNone;
  friend constexpr bool operator==(const SixtyWeekDate&, const SixtyWeekDate&) = default;
};

inline constexpr int kSixtyWeekFirstCivilYear = 1937;
inline constexpr int kSixtyWeekLastCivilYear = 2063;
inline constexpr int kSixtyWeekYearOffset = 6000;

// None outside the civil years 1937 to 2063.
std::optional<SixtyWeekDate> SixtyWeekFromFixed(FixedDay day);
FixedDay FixedFromSixtyWeek(const SixtyWeekDate& date);

// The day of the six-day week (0 Sonntag .. 5 Sonnabend) of a day in a month.
int SixtyWeekWeekday(const SixtyWeekDate& date);
// The German names: months as the civil ones, the six weekdays (no
// Tuesday) and the named days; empty outside their ranges.
std::string_view SixtyWeekWeekdayName(int weekday);
std::string_view SixtyWeekNamedDayName(SixtyWeekNamedDay named);

}  // namespace tempulo

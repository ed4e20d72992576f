// The John Dee calendar and the sixty-week calendar.
#pragma once

#include <string>
#include <string_view>

#include "time/day_count.h"

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

DeeDate DeeFromFixed(FixedDay day);
FixedDay FixedFromDee(const DeeDate& date);

// The German month names "Januar" ... "Dezember"; empty outside 1..12.
std::string_view DeeMonthName(int month);

// Eight leap years in 33: ((year - 1) mod 33) mod 4 = 3, the remainder taken
// non-negative, so the pattern runs on backwards through year 0 (common) and
// year -1 (leap).
bool IsDeeLeapYear(int year);
// 31, 30 or 28/29 days; 0 for a month outside 1..12.
int DeeMonthLength(int month, int year);
// Empty outside the civil years 1937 to 2063.
std::string SixtyWeekDate(int day, int month, int year);

}  // namespace tempulo

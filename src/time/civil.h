// SPDX-License-Identifier: GPL-3.0-or-later
// The Julian and the Gregorian calendar on the day count, and the civil
// calendar of the almanac: Julian up to 4 October 1582, Gregorian from
// 15 October 1582 on.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "time/day_count.h"

namespace tempulo {

// A date of the Julian, the Gregorian or the civil calendar. Years are
// astronomical: 0 is 1 BC.
struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Raised for a day its month does not have. The message is the almanac's one
// error text.
class ConversionError : public std::runtime_error {
 public:
  ConversionError() : std::runtime_error("Fehler!") {}
};

constexpr bool IsJulianLeapYear(std::int64_t year) { return FloorMod<std::int64_t>(year, 4) == 0; }
constexpr bool IsGregorianLeapYear(std::int64_t year) {
  return FloorMod<std::int64_t>(year, 4) == 0 &&
         (FloorMod<std::int64_t>(year, 100) != 0 || FloorMod<std::int64_t>(year, 400) == 0);
}

// Days of a month 1..12 in a common or a leap year; 0 outside 1..12.
constexpr int MonthLength(bool leapYear, int month) {
  constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && leapYear ? 29 : kLengths[month - 1];
}

// Both calendars number their months alike; only the leap rule and the epoch
// differ. The count of days before a month starts from 1 March so that the
// leap day is the year's last.
constexpr std::int64_t DaysBeforeMonthFromMarch(int month) {
  const int m = month > 2 ? month - 3 : month + 9;
  return (153 * m + 2) / 5;
}

constexpr FixedDay FixedFromGregorian(CivilDate date) {
  const std::int64_t y = static_cast<std::int64_t>(date.year) - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDiv(y, std::int64_t{400});
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + DaysBeforeMonthFromMarch(date.month) + date.day - 1;
  // 1 March of the year 0 is day -305.
  return FixedDay{era * 146097 + dayOfEra - 305};
}

constexpr CivilDate GregorianFromFixed(FixedDay day) {
  const std::int64_t z = day.value + 305;
  const std::int64_t era = FloorDiv(z, std::int64_t{146097});
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const auto month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1)};
}

constexpr FixedDay FixedFromJulian(CivilDate date) {
  const std::int64_t y = static_cast<std::int64_t>(date.year) - (date.month <= 2 ? 1 : 0);
  // 1 March of the Julian year 0 is day -307, two days before the Gregorian one.
  return FixedDay{365 * y + FloorDiv<std::int64_t>(y, 4) + DaysBeforeMonthFromMarch(date.month) + date.day -
                  308};
}

constexpr CivilDate JulianFromFixed(FixedDay day) {
  const std::int64_t z = day.value + 307;
  const std::int64_t cycle = FloorDiv(z, std::int64_t{1461});
  const std::int64_t dayOfCycle = z - cycle * 1461;
  const std::int64_t yearOfCycle = (dayOfCycle - dayOfCycle / 1460) / 365;
  const std::int64_t dayOfYear = dayOfCycle - 365 * yearOfCycle;
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const auto month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const std::int64_t year = cycle * 4 + yearOfCycle + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1)};
}

// A month of a year, for what is the same on all its days.
struct YearMonth {
  int year = 0;
  int month = 0;
  friend constexpr bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The reform: the day after Julian 4 October 1582 is Gregorian 15 October.
inline constexpr FixedDay kGregorianReform = FixedFromGregorian({1582, 10, 15});
inline constexpr CivilDate kLastJulianCivilDate{1582, 10, 14};

// A civil date names a Julian-calendar date up to 14 October 1582: the window
// and the command line offer all 31 days of October 1582, and 5-14 October
// continue the Julian calendar.
constexpr bool IsJulianCivilDate(CivilDate date) {
  if (date.year != 1582) {
    return date.year < 1582;
  }
  return date.month < 10 || (date.month == 10 && date.day <= 14);
}

constexpr FixedDay FixedFromCivil(CivilDate date) {
  return IsJulianCivilDate(date) ? FixedFromJulian(date) : FixedFromGregorian(date);
}

constexpr CivilDate CivilFromFixed(FixedDay day) {
  return day < kGregorianReform ? JulianFromFixed(day) : GregorianFromFixed(day);
}

// The leap rule of the civil calendar of a year: Julian up to 1582 (which is
// a common year under both rules), Gregorian from 1583.
constexpr bool IsCivilLeapYear(std::int64_t year) {
  return year <= 1582 ? IsJulianLeapYear(year) : IsGregorianLeapYear(year);
}

constexpr int JulianMonthLength(std::int64_t year, int month) { return MonthLength(IsJulianLeapYear(year), month); }
constexpr int GregorianMonthLength(std::int64_t year, int month) {
  return MonthLength(IsGregorianLeapYear(year), month);
}

// Length of a month in the civil calendar of its year: Julian rule up to
// 1582, Gregorian from 1583 (October 1582 keeps its 31 day numbers).
constexpr int CivilMonthLength(int year, int month) { return MonthLength(IsCivilLeapYear(year), month); }

// The most days a month has in any year of either calendar: February 29.
constexpr int LongestMonthLength(int month) { return MonthLength(true, month); }

// Weekday of a civil date, 0 = Sunday ... 6 = Saturday.
constexpr int CivilWeekday(CivilDate date) { return DayOfWeek(FixedFromCivil(date)); }

// The day of a civil date; ConversionError for a day its month does not have
// (29 February of a Julian common year, day 31 of a 30-day month).
FixedDay CheckedFixedFromCivil(CivilDate date);

}  // namespace tempulo

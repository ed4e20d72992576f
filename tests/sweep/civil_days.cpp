// SPDX-License-Identifier: GPL-3.0-or-later
#include "civil_days.h"

#include <cmath>

namespace tempulo::sweep {
namespace {

// Day counts from 1 March of year 0 of each calendar, in the manner of the
// usual "days from civil" arithmetic: years begin in March, so a leap day is
// the last day of its year.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

int DayOfMarchYear(int month, int day) {
  return (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
}

void MonthDayOfMarchYear(std::int64_t dayOfYear, int& month, int& day) {
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
}

// Julian Date of day 0 of each count.
constexpr long double kJulianEpoch = 1721117.5L;     // 1 March 0, Julian calendar
constexpr long double kGregorianEpoch = 1721119.5L;  // 1 March 0, Gregorian calendar

std::int64_t DaysFrom(long double jd, long double epoch) { return std::llround(jd - epoch); }

}  // namespace

bool IsJulianLeap(std::int64_t year) { return FloorDiv(year, 4) * 4 == year; }
bool IsGregorianLeap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

long double JulianDateOfJulian(std::int64_t year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t cycle = FloorDiv(y, 4);
  const std::int64_t yearOfCycle = y - 4 * cycle;
  return kJulianEpoch +
         static_cast<long double>(cycle * 1461 + yearOfCycle * 365 + DayOfMarchYear(month, day));
}

long double JulianDateOfGregorian(std::int64_t year, int month, int day) {
  const std::int64_t y = year - (month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - 400 * era;
  const std::int64_t dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + DayOfMarchYear(month, day);
  return kGregorianEpoch + static_cast<long double>(era * 146097 + dayOfEra);
}

YearMonthDay JulianCalendarOf(long double jd) {
  const std::int64_t days = DaysFrom(jd, kJulianEpoch);
  const std::int64_t cycle = FloorDiv(days, 1461);
  const std::int64_t dayOfCycle = days - cycle * 1461;
  const std::int64_t yearOfCycle = dayOfCycle / 365 < 3 ? dayOfCycle / 365 : 3;
  YearMonthDay date;
  MonthDayOfMarchYear(dayOfCycle - 365 * yearOfCycle, date.month, date.day);
  date.year = cycle * 4 + yearOfCycle + (date.month <= 2 ? 1 : 0);
  return date;
}

YearMonthDay GregorianCalendarOf(long double jd) {
  const std::int64_t days = DaysFrom(jd, kGregorianEpoch);
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  YearMonthDay date;
  MonthDayOfMarchYear(dayOfYear, date.month, date.day);
  date.year = era * 400 + yearOfEra + (date.month <= 2 ? 1 : 0);
  return date;
}

int JulianMonthLength(int month, std::int64_t year) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && IsJulianLeap(year) ? 29 : kLengths[month - 1];
}

int GregorianMonthLength(int month, std::int64_t year) {
  if (month == 2) {
    return IsGregorianLeap(year) ? 29 : 28;
  }
  return JulianMonthLength(month, 1);
}

int CivilMonthLength(int month, int year) {
  return year <= 1582 ? JulianMonthLength(month, year) : GregorianMonthLength(month, year);
}

long double CivilJulianDate(int year, int month, int day) {
  const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day > 14)));
  return gregorian ? JulianDateOfGregorian(year, month, day) : JulianDateOfJulian(year, month, day);
}

int GregorianDayOfYear(const YearMonthDay& date) {
  return static_cast<int>(JulianDateOfGregorian(date.year, date.month, date.day) -
                          JulianDateOfGregorian(date.year, 1, 1)) +
         1;
}

int IsoWeek(const YearMonthDay& date) {
  const long double jd = JulianDateOfGregorian(date.year, date.month, date.day);
  // Day number of the day (JD + 0.5) mod 7 is 0 on Monday.
  const auto isoWeekday = static_cast<int>(static_cast<std::int64_t>(jd + 0.5L) % 7) + 1;
  const YearMonthDay thursday = GregorianCalendarOf(jd + static_cast<long double>(4 - isoWeekday));
  return (GregorianDayOfYear(thursday) - 1) / 7 + 1;
}

bool IsFehlerDay(int day, int month, int year) {
  return day == 29 && month == 2 && year <= 1582 && !IsJulianLeap(year);
}

std::vector<SweepDay> DaysOfYear(int year) {
  std::vector<SweepDay> days;
  days.reserve(367);
  for (int month = 1; month <= 12; ++month) {
    const int length = CivilMonthLength(month, year);
    for (int day = 1; day <= length; ++day) {
      days.push_back({day, month, year, CivilJulianDate(year, month, day)});
      if (day == 28 && IsFehlerDay(29, month, year)) {
        days.push_back({29, 2, year, 0, true});
      }
    }
  }
  return days;
}

}  // namespace tempulo::sweep

// SPDX-License-Identifier: GPL-3.0-or-later
// The civil days the almanac can be asked about, worked out here on their own
// (day counts of the proleptic calendars), so that the sweep does not check
// the almanac's date arithmetic against itself.
//
// A civil date is a Julian-calendar date up to 14 October 1582 and a
// Gregorian one after. October 1582 keeps all its day numbers 1..31: the days
// 5-14 continue the Julian calendar after the 4th and therefore share their
// Julian Days with the 15th-24th.
#pragma once

#include <cstdint>
#include <vector>

namespace tempulo::sweep {

struct YearMonthDay {
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

// Julian Date at 0 h of a date of the proleptic Julian / Gregorian calendar.
long double JulianDateOfJulian(std::int64_t year, int month, int day);
long double JulianDateOfGregorian(std::int64_t year, int month, int day);
// The date of the day that begins at the Julian Date `jd` (which ends in .5).
YearMonthDay JulianCalendarOf(long double jd);
YearMonthDay GregorianCalendarOf(long double jd);

bool IsJulianLeap(std::int64_t year);
bool IsGregorianLeap(std::int64_t year);
int JulianMonthLength(int month, std::int64_t year);
int GregorianMonthLength(int month, std::int64_t year);
// Day numbers of a civil month: October 1582 has 31 of them.
int CivilMonthLength(int month, int year);
// Julian Date of a civil date; for 5-14 October 1582 the Julian-calendar one.
long double CivilJulianDate(int year, int month, int day);
// Day of the year of a Gregorian date.
int GregorianDayOfYear(const YearMonthDay& date);
// Week of the year after the international rule (Monday first, week 1 holds
// the first Thursday).
int IsoWeek(const YearMonthDay& date);

// One day the sweep asks about.
struct SweepDay {
  int day = 0;
  int month = 0;
  int year = 0;
  long double jd = 0;   // Julian Date at 0 h (unused for a Fehler day)
  bool fehler = false;  // 29 February of a Julian common year before the reform
  bool warmUp = false;  // read only to know the day before the next one
};

// 29 February of a Julian common year up to 1582: the month grid can offer it
// (its substitute year may be a leap year), and the refresh must end with
// "Fehler!" after the date and holiday lines.
bool IsFehlerDay(int day, int month, int year);

// The civil days of a year in order, each Fehler day right after the 28th of
// February it would follow.
std::vector<SweepDay> DaysOfYear(int year);

}  // namespace tempulo::sweep

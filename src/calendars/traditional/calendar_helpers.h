// SPDX-License-Identifier: GPL-3.0-or-later
// Small calendar operations shared by many conversions and the report.
#pragma once

#include <string>

#include "time/date_encoding.h"

namespace tempulo {

// Fixed-point text with `decimals` decimals, then trailing zeros and a
// trailing point removed; "-0" reads "0". With 0 decimals nothing is trimmed.
std::string FormatTrimmedNumber(int width, int decimals, double value);

// Julian Day at 0 h of a date in any astronomical year (0 and negative years
// allowed), Julian calendar for dates before 15 October 1582 by calendar date
// (so 5-14 October 1582 are Julian), Gregorian after. Validates nothing.
double CalendarDateToJulianDay(int year, int month, int day);
// The calendar date that contains a Julian Day (Julian before JD 2299160.5).
CivilDate JulianDayToCalendarDate(double jd);

// Julian Day Number of a Gregorian date; (result + 1) mod 7 is the weekday
// with 0 = Sunday.
int GregorianDayNumber(int year, int month, int day);

struct MonthDay {
  int month = 0;
  int day = 0;
  friend bool operator==(const MonthDay&, const MonthDay&) = default;
};

// Thanksgiving: the fourth Thursday of November of a Gregorian year.
MonthDay FourthThursdayOfNovember(int year);

}  // namespace tempulo

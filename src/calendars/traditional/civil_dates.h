// SPDX-License-Identifier: GPL-3.0-or-later
// Civil dates and the Julian Day. A civil date is a Julian-calendar date up to
// 4 October 1582 and a Gregorian one from 15 October 1582 on.
#pragma once

#include "time/civil.h"
#include "time/date_encoding.h"

namespace tempulo {

// Julian Day of 15 October 1582 (Gregorian) at 0 h: the one switch point.
inline constexpr long double GregorianReformJD = 2299160.5L;

// Julian Day at 0 h of a date of the Julian or the Gregorian calendar. A year
// outside 1..9999 gives 0; a day outside its month raises ConversionError.
long double JulianCalendarToJulianDay(int year, int month, int day);
long double GregorianCalendarToJulianDay(int year, int month, int day);
// Julian calendar before the reform, Gregorian from it on. 5-14 October 1582
// are read as Gregorian dates and land ten days early.
long double CivilDateToJulianDay(int year, int month, int day);

// The date that contains a Julian Day. The Julian-calendar conversion has no
// answer for a negative Julian Day and then returns `unchanged`.
CivilDate JulianDayToJulianCalendar(long double jd, CivilDate unchanged = {});
CivilDate JulianDayToGregorianCalendar(long double jd);
CivilDate JulianDayToCivilDate(long double jd);

// Bridges to the date value; they use the Julian calendar before the reform.
double CivilDateToDateTime(int year, int month, int day);
CivilDate DateTimeToCivilDate(double dateValue);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/civil_dates.h"

#include "time/julian_day.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"

namespace tempulo {
namespace {

long double CalendarToJulianDay(CivilDate date, bool gregorian) {
  if (date.year < 1 || date.year > 9999) {
    return 0.0L;
  }
  const bool leap = gregorian ? IsGregorianLeapYear(date.year) : IsJulianLeapYear(date.year);
  if (date.day < 1 || date.day > MonthLength(leap, date.month)) {
    throw ConversionError();
  }
  return JulianDateOf(gregorian ? FixedFromGregorian(date) : FixedFromJulian(date));
}

}  // namespace

long double JulianCalendarToJulianDay(int year, int month, int day) {
  return CalendarToJulianDay({year, month, day}, false);
}

long double GregorianCalendarToJulianDay(int year, int month, int day) {
  return CalendarToJulianDay({year, month, day}, true);
}

long double CivilDateToJulianDay(int year, int month, int day) {
  const long double julian = JulianCalendarToJulianDay(year, month, day);
  if (julian < GregorianReformJD) {
    return julian;
  }
  return GregorianCalendarToJulianDay(year, month, day);
}

CivilDate JulianDayToJulianCalendar(long double jd, CivilDate unchanged) {
  if (jd < 0.0L) {
    return unchanged;
  }
  return JulianFromFixed(FixedFromJulianDate(jd));
}

CivilDate JulianDayToGregorianCalendar(long double jd) { return GregorianFromFixed(FixedFromJulianDate(jd)); }

CivilDate JulianDayToCivilDate(long double jd) { return CivilFromFixed(FixedFromJulianDate(jd)); }

double CivilDateToDateTime(int year, int month, int day) {
  return JulianDayToDateTime(CivilDateToJulianDay(year, month, day));
}

CivilDate DateTimeToCivilDate(double dateValue) {
  return JulianDayToCivilDate(DateTimeToJulianDay(dateValue));
}

}  // namespace tempulo

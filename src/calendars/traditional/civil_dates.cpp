#include "calendars/traditional/civil_dates.h"

#include <cmath>
#include <cstdint>

#include "astro/angles.h"

namespace tempulo {
namespace {

std::int64_t Trunc(long double x) { return static_cast<std::int64_t>(std::trunc(x)); }

bool IsJulianLeap(int year) { return year % 4 == 0; }

bool IsGregorianLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

long double CalendarToJulianDay(int year, int month, int day, bool gregorian) {
  if (year < 1 || year > 9999) {
    return 0.0L;
  }
  const bool leap = gregorian ? IsGregorianLeap(year) : IsJulianLeap(year);
  int y = year;
  int m = month;
  if (m == 1 || m == 2) {
    m += 12;
    y -= 1;
  }
  int length = 31;
  switch (m) {
    case 4:
    case 6:
    case 9:
    case 11:
      length = 30;
      break;
    case 14:
      length = leap ? 29 : 28;
      break;
    default:
      break;
  }
  if (day < 1 || day > length) {
    throw ConversionError();
  }
  std::int64_t b = 0;
  if (gregorian) {
    const std::int64_t a = y / 100;
    b = 2 - a + a / 4;
  }
  const std::int64_t whole = Trunc(365.25L * (y + 4716)) + Trunc(30.6001L * (m + 1)) + day + b;
  return static_cast<long double>(whole) - 1524.5L;
}

CivilDate JulianDayToCalendar(long double jd, bool gregorian) {
  const std::int64_t z = Trunc(jd + 0.5L);
  std::int64_t a = z;
  if (gregorian) {
    // Whole Gregorian centuries since 1 March 400 taken downward: truncating
    // toward zero would misplace 29 February for the years before 400.
    const auto alpha =
        static_cast<std::int64_t>(std::floor((static_cast<long double>(z) - 1867216.25L) / 36524.25L));
    a = z + 1 + alpha - static_cast<std::int64_t>(std::floor(static_cast<long double>(alpha) / 4.0L));
  }
  const std::int64_t b = a + 1524;
  const std::int64_t c = Trunc((static_cast<long double>(b) - 122.1L) / 365.25L);
  const std::int64_t d = Trunc(365.25L * static_cast<long double>(c));
  const std::int64_t e = Trunc(static_cast<long double>(b - d) / 30.6001L);
  CivilDate date;
  date.day = static_cast<int>(b - d - Trunc(30.6001L * static_cast<long double>(e)));
  date.year = static_cast<int>(c - 4716);
  if (e >= 14) {
    date.month = static_cast<int>(e - 13);
    date.year += 1;
  } else {
    date.month = static_cast<int>(e - 1);
  }
  return date;
}

}  // namespace

long double JulianCalendarToJulianDay(int year, int month, int day) {
  return CalendarToJulianDay(year, month, day, false);
}

long double GregorianCalendarToJulianDay(int year, int month, int day) {
  return CalendarToJulianDay(year, month, day, true);
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
  return JulianDayToCalendar(jd, false);
}

CivilDate JulianDayToGregorianCalendar(long double jd) { return JulianDayToCalendar(jd, true); }

CivilDate JulianDayToCivilDate(long double jd) {
  if (jd < GregorianReformJD) {
    return JulianDayToJulianCalendar(jd);
  }
  return JulianDayToGregorianCalendar(jd);
}

double CivilDateToDateTime(int year, int month, int day) {
  return JulianDayToDateTime(CivilDateToJulianDay(year, month, day));
}

CivilDate DateTimeToCivilDate(double dateValue) {
  return JulianDayToCivilDate(DateTimeToJulianDay(dateValue));
}

int CivilMonthLength(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      if (year <= 1582) {
        return IsJulianLeap(year) ? 29 : 28;
      }
      return IsGregorianLeap(year) ? 29 : 28;
    default:
      return 31;
  }
}

}  // namespace tempulo

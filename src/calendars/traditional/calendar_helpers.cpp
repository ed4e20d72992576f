#include "calendars/traditional/calendar_helpers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tempulo {

std::string FormatTrimmedNumber(int width, int decimals, double value) {
  char buffer[512];
  const int written = std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  std::string text(buffer, written > 0 ? static_cast<std::size_t>(written) : 0U);
  if (decimals != 0) {
    while (text.size() > 1 && text.back() == '0') {
      text.pop_back();
    }
    if (text.size() > 1 && text.back() == '.') {
      text.pop_back();
    }
  }
  if (text == "-0") {
    text = "0";
  }
  return text;
}

double CalendarDateToJulianDay(int year, int month, int day) {
  const std::int64_t key =
      static_cast<std::int64_t>(year) * 10000 + static_cast<std::int64_t>(month) * 100 + day;
  double y = year + 4712;
  double m = month + 1;
  if (month <= 2) {
    y -= 1;
    m += 12;
  }
  double c = -63.5;
  if (key >= 15821015) {
    const double a = std::trunc((y + 88) / 100);
    c = std::trunc(0.25 * a) - a - 25.5;
  }
  return std::trunc(365.25 * y) + std::trunc(30.6001 * m) + day + c;
}

CivilDate JulianDayToCalendarDate(double jd) {
  const auto z = static_cast<std::int64_t>(std::trunc(jd + 0.5));
  std::int64_t a = z;
  if (z >= 2299161) {
    const auto alpha =
        static_cast<std::int64_t>(std::trunc((static_cast<double>(z) - 1867216.25) / 36524.25));
    a = z + 1 + alpha - alpha / 4;
  }
  const std::int64_t b = a + 1524;
  const auto c = static_cast<std::int64_t>(std::trunc((static_cast<double>(b) - 122.1) / 365.25));
  const auto d = static_cast<std::int64_t>(std::trunc(365.25 * static_cast<double>(c)));
  const auto e = static_cast<std::int64_t>(std::trunc(static_cast<double>(b - d) / 30.6001));
  CivilDate date;
  date.day =
      static_cast<int>(b - d - static_cast<std::int64_t>(std::trunc(30.6001 * static_cast<double>(e))));
  date.month = static_cast<int>(e >= 14 ? e - 13 : e - 1);
  date.year = static_cast<int>(date.month > 2 ? c - 4716 : c - 4715);
  return date;
}

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int GregorianDayNumber(int year, int month, int day) {
  int y = year;
  int m = month;
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  m -= 3;
  const int c = y / 100;
  const int r = y % 100;
  return (146097 * c) / 4 + (1461 * r) / 4 + (153 * m + 2) / 5 + day + 1721119;
}

MonthDay FourthThursdayOfNovember(int year) {
  int day = 28;
  // Seven candidates always hold one Thursday; the bound only guards the loop.
  while (day > 21 && (GregorianDayNumber(year, 11, day) + 1) % 7 != 4) {
    --day;
  }
  return {11, day};
}

}  // namespace tempulo

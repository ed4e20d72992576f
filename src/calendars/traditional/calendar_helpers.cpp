// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/calendar_helpers.h"

#include "time/julian_day.h"

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
  return static_cast<double>(JulianDateOf(FixedFromCivil({year, month, day})));
}

CivilDate JulianDayToCalendarDate(double jd) { return CivilFromFixed(FixedFromJulianDate(jd)); }

int GregorianDayNumber(int year, int month, int day) {
  return static_cast<int>(FixedFromGregorian({year, month, day}).value) + 1721425;
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

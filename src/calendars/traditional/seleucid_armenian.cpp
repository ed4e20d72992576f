#include "calendars/traditional/seleucid_armenian.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

// Twelve months of 30 days and the five extra days (index 13).
constexpr std::array<std::string_view, 13> kArmenianMonths = {
    "Nawasardi", "Hori",    "Sahmi",  "Trê",      "Khalots",  "Araths",   "Mehekani",
    "Areg",      "Ahekani", "Mareri", "Margaths", "Hrotiths", "Aveleaths"};

constexpr long double kJulianCycleDays = 1461.0L;  // four Julian years

// The Julian-calendar date of any Julian Day. The shared conversion answers
// only from Julian Day 0 on; earlier days are moved forward by whole
// four-year cycles, which repeat the calendar exactly.
CivilDate JulianCalendarDateOf(long double jd) {
  if (jd >= 0.0L) {
    return JulianDayToJulianCalendar(jd);
  }
  const long double cycles = std::floor(-jd / kJulianCycleDays) + 1.0L;
  CivilDate date = JulianDayToJulianCalendar(jd + cycles * kJulianCycleDays);
  date.year -= static_cast<int>(4.0L * cycles);
  return date;
}

}  // namespace

std::string SeleucidDate(long double jd) {
  // The day and month of the Julian calendar itself: a fractional year
  // formula would read the preceding day and, once in four years, skip or
  // repeat a day.
  const CivilDate julian = JulianCalendarDateOf(jd);
  long long year = julian.year;
  int month = julian.month;
  if (month >= 10) {
    month -= 9;
    year += 312;
  } else {
    month += 3;
    year += 311;
  }
  return std::to_string(julian.day) + "." + std::to_string(month) + "." + std::to_string(year);
}

std::string ArmenianDate(long double jd) {
  const long double epoch = CalendarDateToJulianDay(552, 7, 11);
  if (jd < epoch) {
    // The era has no days before its first one.
    return "-";
  }
  const auto a = static_cast<std::int64_t>(std::trunc(jd - epoch));
  const std::int64_t year = a / 365 + 1;
  const std::int64_t r = a % 365;
  const std::int64_t month = r / 30 + 1;  // 13: the five extra days
  const std::int64_t day = r % 30 + 1;
  return std::to_string(day) + "." + std::string(kArmenianMonths[static_cast<std::size_t>(month - 1)]) + " " +
         std::to_string(year);
}

}  // namespace tempulo

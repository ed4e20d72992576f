#include "calendars/modern/french_republican.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tempulo {
namespace {

// Index 12 names the complementary days after the twelfth month.
constexpr std::array<std::string_view, 13> kMonthNames = {
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse",  "Ventôse",    "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "jour compl."};

// Indexed by the day of the month modulo 10.
constexpr std::array<std::string_view, 10> kDecadeDayNames = {
    "Decadi", "Primedi", "Duodi", "Tridi", "Quartidi", "Quintidi", "Sextidi", "Septidi", "Octidi", "Nonodi"};

// Day number (Trunc of the midnight JD) of 24 September 1791: day 1 of the
// count is 25 September 1791, the second day of year 0.
constexpr std::int64_t kEpochDay = 2375475;
constexpr std::int64_t kCycleDays = 4 * 365 + 1;
constexpr int kComplementaryMonth = 12;

}  // namespace

std::string FrenchRepublicanDate(long double jd) {
  const auto a = static_cast<std::int64_t>(std::trunc(jd)) - kEpochDay;
  if (a <= 0) {
    return "-";
  }
  const std::int64_t cycle = a / kCycleDays;
  const std::int64_t inCycle = a % kCycleDays;
  // The last day of a cycle is the sixth complementary day of its fourth year.
  const std::int64_t yearInCycle = std::min<std::int64_t>(inCycle / 365, 3);
  const std::int64_t year = 4 * cycle + yearInCycle;
  const std::int64_t dayOfYear = inCycle - 365 * yearInCycle;  // 0-based, 0..365
  const auto month = static_cast<int>(dayOfYear / 30);         // 0..12
  const auto day = static_cast<int>(dayOfYear % 30) + 1;

  const std::string dayText = std::to_string(day) + ".";
  const std::string yearText = std::to_string(year);
  if (month == kComplementaryMonth) {
    return dayText + std::string(kMonthNames[kComplementaryMonth]) + " " + yearText;
  }
  return dayText + std::string(kMonthNames[static_cast<std::size_t>(month)]) + " " + yearText + " (" +
         std::string(kDecadeDayNames[static_cast<std::size_t>(day % 10)]) + ")";
}

}  // namespace tempulo

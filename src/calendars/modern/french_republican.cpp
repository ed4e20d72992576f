// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/french_republican.h"

#include <algorithm>
#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kMonthNames = {
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse",  "Ventôse",    "Germinal",
    "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "jour compl."};

// Indexed by the day of the month modulo 10.
constexpr std::array<std::string_view, 10> kDecadeDayNames = {
    "Decadi", "Primedi", "Duodi", "Tridi", "Quartidi", "Quintidi", "Sextidi", "Septidi", "Octidi", "Nonodi"};

constexpr std::int64_t kCycleDays = 4 * 365 + 1;
constexpr int kMonthDays = 30;

}  // namespace

std::optional<FrenchRepublicanDate> FrenchRepublicanFromFixed(FixedDay day) {
  const std::int64_t count = day - kFrenchRepublicanCountZero;
  if (count <= 0) {
    return std::nullopt;
  }
  const std::int64_t cycle = count / kCycleDays;
  const std::int64_t inCycle = count % kCycleDays;
  // The last day of a cycle is the sixth complementary day of its fourth year.
  const std::int64_t yearInCycle = std::min<std::int64_t>(inCycle / 365, 3);
  const std::int64_t dayOfYear = inCycle - 365 * yearInCycle;  // 0-based, 0..365
  return FrenchRepublicanDate{4 * cycle + yearInCycle, static_cast<int>(dayOfYear / kMonthDays) + 1,
                              static_cast<int>(dayOfYear % kMonthDays) + 1};
}

FixedDay FixedFromFrenchRepublican(const FrenchRepublicanDate& date) {
  const auto cycle = FloorDiv<std::int64_t>(date.year, 4);
  const std::int64_t yearInCycle = date.year - 4 * cycle;
  return kFrenchRepublicanCountZero + (kCycleDays * cycle + 365 * yearInCycle +
                                       kMonthDays * static_cast<std::int64_t>(date.month - 1) + date.day - 1);
}

std::string_view FrenchRepublicanMonthName(int month) {
  if (month < 1 || month > static_cast<int>(kMonthNames.size())) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view DecadeDayName(int dayOfMonth) {
  return kDecadeDayNames[static_cast<std::size_t>(FloorMod(dayOfMonth, 10))];
}

}  // namespace tempulo

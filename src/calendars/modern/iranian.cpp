// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/iranian.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kMonthNames = {
    "Farvardin", "Ordibehescht", "Chordad", "Tir",    "Mordad", "Shahrivar", "Mehr",
    "Aban",      "Asar",         "Dey",     "Bahman", "Esfand", "Zusatztag"};

// The mean year, 365.2424 days, in ten-thousandths of a day.
constexpr std::int64_t kMeanYearE4 = 3652424;
constexpr std::int64_t kYearOffset = 110;
constexpr int kMonthDays = 30;

// Days of the cycle before its year y (0..128): the whole days of y mean years.
constexpr std::int64_t DaysBeforeYearOfCycle(std::int64_t y) { return kMeanYearE4 * y / 10000; }
static_assert(DaysBeforeYearOfCycle(kIranianCycleYears) == kIranianCycleDays);

}  // namespace

IranianDate IranianFromFixed(FixedDay day) {
  // Day c (1..46751) of cycle q: the cycle's first day count is the day after
  // the previous cycle's last one.
  const std::int64_t t = day - kIranianCycleZero;
  const auto q = FloorDiv<std::int64_t>(t - 1, kIranianCycleDays);
  const std::int64_t c = t - kIranianCycleDays * q;
  // The year whose first day, the day after its whole mean years, is on or
  // before c. A year never starts a ten-thousandth of a day after its mean
  // start, so the two ten-thousandths of a day taken off c decide nothing.
  const std::int64_t y = (10000 * c - 2) / kMeanYearE4;
  const std::int64_t d = c - DaysBeforeYearOfCycle(y);  // 1..365 or 366
  return {kIranianCycleYears * q + y - kYearOffset, static_cast<int>((d - 1) / kMonthDays) + 1,
          static_cast<int>((d - 1) % kMonthDays) + 1};
}

FixedDay FixedFromIranian(const IranianDate& date) {
  const std::int64_t n = date.year + kYearOffset;
  const std::int64_t q = FloorDiv(n, kIranianCycleYears);
  const std::int64_t y = n - kIranianCycleYears * q;
  return kIranianCycleZero + (kIranianCycleDays * q + DaysBeforeYearOfCycle(y) +
                              kMonthDays * static_cast<std::int64_t>(date.month - 1) + date.day);
}

int IranianYearLength(std::int64_t year) {
  const std::int64_t y = FloorMod(year + kYearOffset, kIranianCycleYears);
  return static_cast<int>(DaysBeforeYearOfCycle(y + 1) - DaysBeforeYearOfCycle(y));
}

std::string_view IranianMonthName(int month) {
  if (month < 1 || month > static_cast<int>(kMonthNames.size())) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace tempulo

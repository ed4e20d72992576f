// SPDX-License-Identifier: GPL-3.0-or-later
// An arithmetic Iranian solar calendar: a cycle of 128 years in 46751 days
// whose years start at whole multiples of a mean year of 365.2424 days, with
// twelve months of 30 days and five or six extra days; the report shows two
// year counts 457 apart.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/day_count.h"

namespace tempulo {

struct IranianDate {
  std::int64_t year = 0;
  int month = 0;  // 1..12, 13 the extra days
  int day = 0;    // 1..30, 1..5 or 1..6 in month 13
  friend constexpr bool operator==(const IranianDate&, const IranianDate&) = default;
};

// The day before the first day of the year -110 of the count (the first
// cycle's first year).
inline constexpr FixedDay kIranianCycleZero{353270};
inline constexpr std::int64_t kIranianCycleYears = 128;
inline constexpr std::int64_t kIranianCycleDays = 46751;
// The second year count is this far ahead of the first.
inline constexpr std::int64_t kIranianSecondCountOffset = 457;

IranianDate IranianFromFixed(FixedDay day);
FixedDay FixedFromIranian(const IranianDate& date);
// 365 or 366.
int IranianYearLength(std::int64_t year);

// Month names 1..13 (13: the extra days); empty outside.
std::string_view IranianMonthName(int month);

}  // namespace tempulo

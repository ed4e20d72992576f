// SPDX-License-Identifier: GPL-3.0-or-later
// The French Republican calendar (plain four-year rule): twelve months of 30
// days and five complementary days, six at the end of every fourth year.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "time/civil.h"
#include "time/day_count.h"

namespace tempulo {

struct FrenchRepublicanDate {
  std::int64_t year = 0;  // 0 for the days up to 21 September 1792
  int month = 0;          // 1..12, 13 the complementary days
  int day = 0;            // 1..30, 1..6 in month 13
  friend constexpr bool operator==(const FrenchRepublicanDate&, const FrenchRepublicanDate&) = default;
};

// The day before the count starts: day 1 is 25 September 1791, the second
// day of the year 0, whose years 0, 1, 2 have 365 days and year 3 has 366.
inline constexpr FixedDay kFrenchRepublicanCountZero = FixedFromGregorian({1791, 9, 24});

// None on and before kFrenchRepublicanCountZero.
std::optional<FrenchRepublicanDate> FrenchRepublicanFromFixed(FixedDay day);
FixedDay FixedFromFrenchRepublican(const FrenchRepublicanDate& date);

// Month names 1..13 (13: the complementary days); empty outside.
std::string_view FrenchRepublicanMonthName(int month);
// The name of a day of the ten-day week by its day of the month.
std::string_view DecadeDayName(int dayOfMonth);

}  // namespace tempulo

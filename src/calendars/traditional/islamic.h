// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetical (tabular) Islamic calendar: years 2, 5, 7, 10, 13, 16, 18,
// 21, 24, 26 and 29 of each 30-year cycle have 355 days, the months
// alternate 30 and 29 days.
#pragma once

#include <string>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

struct IslamicDay {
  int year = 0;  // year 0 and below before the epoch
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const IslamicDay&, const IslamicDay&) = default;
};

// 1 Muharram 1: 16 July 622 of the Julian calendar.
inline constexpr FixedDay kIslamicEpoch = FixedFromJulian({622, 7, 16});

IslamicDay IslamicFromFixed(FixedDay day);
FixedDay FixedFromIslamic(const IslamicDay& date);

// 1 Muharram ... 12 Dhu'l-Hijja; empty outside 1..12.
std::string_view IslamicMonthName(int month);

}  // namespace tempulo

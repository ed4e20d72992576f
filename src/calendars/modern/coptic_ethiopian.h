// SPDX-License-Identifier: GPL-3.0-or-later
// The Coptic and the Ethiopian calendars: twelve months of 30 days and five
// epagomenal days, six in every fourth year. Both share months, days and the
// leap rule; only their epochs differ, so the Ethiopian year count is 276
// ahead.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/civil.h"
#include "time/day_count.h"

namespace tempulo {

struct CopticDate {
  std::int64_t year = 0;  // Coptic year (the era of the martyrs); 0 and below before it
  int month = 0;          // 1..13, 13 the epagomenal days
  int day = 0;            // 1..30, 1..6 in month 13
  friend constexpr bool operator==(const CopticDate&, const CopticDate&) = default;
};

struct EthiopianDate {
  std::int64_t year = 0;
  int month = 0;  // 1..13, 13 the epagomenal days
  int day = 0;    // 1..30, 1..6 in month 13
  friend constexpr bool operator==(const EthiopianDate&, const EthiopianDate&) = default;
};

// 1 Thout of the year 1: 29 August 284 of the Julian calendar.
inline constexpr FixedDay kCopticEpoch = FixedFromJulian({284, 8, 29});
// 1 Meskerem of the year 1: 29 August 8 of the Julian calendar.
inline constexpr FixedDay kEthiopianEpoch = FixedFromJulian({8, 8, 29});

CopticDate CopticFromFixed(FixedDay day);
// A day outside its month (day 7 of month 13, day 31) counts on into the
// following days, as the arithmetic gives it.
FixedDay FixedFromCoptic(const CopticDate& date);
EthiopianDate EthiopianFromFixed(FixedDay day);
FixedDay FixedFromEthiopian(const EthiopianDate& date);

// Month names 1..13; empty outside.
std::string_view CopticMonthName(int month);
std::string_view EthiopianMonthName(int month);

}  // namespace tempulo

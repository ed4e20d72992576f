// SPDX-License-Identifier: GPL-3.0-or-later
// The Aztec solar year (xiuhpohualli): 18 periods of 20 days and five closing
// days, without leap days and without a year count, so a date names no single day.
#pragma once

#include <string_view>

#include "time/day_count.h"

namespace tempulo {

// Period 1 Izcalli ... 18 Tititl of days 1..20, 19 Nenmontemi of days 1..5.
struct AztecXihuitl {
  int period = 0;
  int day = 0;
  friend constexpr bool operator==(const AztecXihuitl&, const AztecXihuitl&) = default;
};

// A day that was 1 Izcalli; so is every 365th day from it (e.g. 4 October 2025).
inline constexpr FixedDay kAztecXihuitlAnchor{-327};

AztecXihuitl AztecXihuitlFromFixed(FixedDay day);

// Empty outside 1..19.
std::string_view AztecPeriodName(int period);

}  // namespace tempulo

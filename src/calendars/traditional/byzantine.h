// SPDX-License-Identifier: GPL-3.0-or-later
// The Byzantine era (Anno Mundi): the Julian calendar's days and months, the
// year beginning on 1 September and counted from the creation as the
// Byzantine church reckoned it, 1 September 5509 BC.
#pragma once

#include "time/civil.h"

namespace tempulo {

struct ByzantineDate {
  int year = 0;   // Anno Mundi
  int month = 0;  // 1 September .. 12 August
  int day = 0;
  friend constexpr bool operator==(const ByzantineDate&, const ByzantineDate&) = default;
};

// The Julian month (1..12) of a month of the Byzantine year (1 = September).
constexpr int JulianMonthOfByzantine(int month) { return (month + 7) % 12 + 1; }

ByzantineDate ByzantineFromFixed(FixedDay day);
// A day also for a date past its month's end (it runs on into the next
// month); the lookups refuse those by the round trip.
FixedDay FixedFromByzantine(const ByzantineDate& date);

}  // namespace tempulo

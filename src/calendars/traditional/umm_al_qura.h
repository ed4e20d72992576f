// SPDX-License-Identifier: GPL-3.0-or-later
// The Umm al-Qura calendar, Saudi Arabia's official Islamic calendar: its
// months begin on the days of the official table (1343-1500 AH, 1 August
// 1924 to 16 November 2077); outside the table the arithmetical Islamic
// calendar stands in.
#pragma once

#include "time/civil.h"

namespace tempulo {

struct UmmAlQuraDate {
  int year = 0;
  int month = 0;  // 1 Muharram .. 12 Dhu'l-Hijja
  int day = 0;
  // From the official table; false where the arithmetical calendar stands in.
  bool fromTable = false;
  friend constexpr bool operator==(const UmmAlQuraDate&, const UmmAlQuraDate&) = default;
};

// The first and the last day the table covers.
FixedDay UmmAlQuraTableFirstDay();
FixedDay UmmAlQuraTableLastDay();

UmmAlQuraDate UmmAlQuraFromFixed(FixedDay day);
// The day of a date, by the table for its years, else arithmetically
// (`fromTable` is not read). A day past the month's end runs on into the next
// month; the lookups refuse it by the round trip.
FixedDay FixedFromUmmAlQura(const UmmAlQuraDate& date);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The Maya calendars on the correlation 584283 (the creation date 4 Ahau
// 8 Cumku is Julian Day Number 584283).
#pragma once

#include <string_view>

#include "time/day_count.h"

namespace tempulo {

struct MayaLongCount {
  int pictun = 0;
  int baktun = 0;
  int katun = 0;
  int tun = 0;
  int uinal = 0;
  int kin = 0;
  friend constexpr bool operator==(const MayaLongCount&, const MayaLongCount&) = default;
};

// The day of the long count 0.0.0.0.0.
inline constexpr FixedDay kMayaEpoch{-1137142};

MayaLongCount MayaLongCountFromFixed(FixedDay day);
FixedDay FixedFromMayaLongCount(const MayaLongCount& count);

// The 365-day haab: month 1 Pop ... 18 Cumku of days 0..19, 19 Uayeb of days 0..4.
struct MayaHaab {
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const MayaHaab&, const MayaHaab&) = default;
};
// The 260-day tzolkin: number 1..13 and name 1 Imix ... 20 Ahau.
struct MayaTzolkin {
  int number = 0;
  int name = 0;
  friend constexpr bool operator==(const MayaTzolkin&, const MayaTzolkin&) = default;
};

// Both repeat without a year count, so a round date names no single day.
MayaHaab MayaHaabFromFixed(FixedDay day);
MayaTzolkin MayaTzolkinFromFixed(FixedDay day);

// Empty outside 1..19 and 1..20.
std::string_view MayaHaabMonthName(int month);
std::string_view MayaTzolkinName(int name);

}  // namespace tempulo

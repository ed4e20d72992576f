// SPDX-License-Identifier: GPL-3.0-or-later
// The Discordian calendar: five seasons of 73 days laid onto the Gregorian
// year, and St. Tib's Day on the Gregorian leap day outside the seasons.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/day_count.h"

namespace tempulo {

struct DiscordianDate {
  std::int64_t year = 0;  // the Year of Our Lady of Discord: Gregorian year + 1166
  int season = 0;         // 1..5; 0 on St. Tib's Day
  int day = 0;            // 1..73; 0 on St. Tib's Day
  constexpr bool IsStTibsDay() const { return season == 0; }
  friend constexpr bool operator==(const DiscordianDate&, const DiscordianDate&) = default;
};

DiscordianDate DiscordianFromFixed(FixedDay day);
FixedDay FixedFromDiscordian(const DiscordianDate& date);

// Season names 1..5; empty outside.
std::string_view DiscordianSeasonName(int season);

// Day of the year as in a common year: the leap day is not counted, so
// 1 March is always day 60.
int CommonDayOfYear(int day, int month);  // month 1..12

}  // namespace tempulo

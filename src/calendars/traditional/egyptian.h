// SPDX-License-Identifier: GPL-3.0-or-later
// The old Egyptian civil calendar: the wandering year of twelve months of 30
// days and five additional days, without leap days, and its Sothic period.
// The Armenian calendar uses the same year with its own epoch.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/day_count.h"

namespace tempulo {

// A date of a 365-day wandering year. Month 13 holds the five additional days.
struct WanderingYearDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const WanderingYearDate&, const WanderingYearDate&) = default;
};

// The date `days` days after 1 month 1 of year 1 (year 0 and below before it).
WanderingYearDate WanderingYearFromDays(std::int64_t days);
// The inverse: days from 1 month 1 of year 1 to the date.
std::int64_t DaysOfWanderingYear(const WanderingYearDate& date);

using EgyptianDate = WanderingYearDate;

// 1 Thot of year 1 in this almanac's count: Julian Date 172598.5. The count is
// one of 365-day years, so it never meets the 1461-year Sothic period out of step.
inline constexpr FixedDay kEgyptianEpoch{-1548826};
inline constexpr std::int64_t kSothicPeriodDays = 533265;  // 1461 years of 365 days

EgyptianDate EgyptianFromFixed(FixedDay day);
FixedDay FixedFromEgyptian(const EgyptianDate& date);
// The Sothic period the day lies in, 1 for the one that begins with the epoch.
std::int64_t SothicPeriodOf(FixedDay day);

// 1 Thot ... 12 Mesori, 13 the additional days; empty outside 1..13.
std::string_view EgyptianMonthName(int month);

}  // namespace tempulo

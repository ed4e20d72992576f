// SPDX-License-Identifier: GPL-3.0-or-later
// The Soviet revolutionary calendar: twelve months of 30 days laid onto the
// Gregorian year, with five holidays (six in leap years) outside the months.
#pragma once

#include <cstdint>
#include <string_view>

#include "time/day_count.h"

namespace tempulo {

// The holidays outside the months, in the order of the year.
enum class SovietHoliday : std::uint8_t {
  kNone,
  kLeninDay,    // after 30 January
  kLeapDay,     // after 30 February, leap years only
  kLabourDay1,  // after 30 April
  kLabourDay2,
  kIndustryDay1,  // after 7 November
  kIndustryDay2,
};

struct SovietDate {
  std::int64_t year = 0;  // the Gregorian year
  int month = 0;          // 1..12; 0 on a holiday
  int day = 0;            // 1..30; 0 on a holiday
  SovietHoliday holiday = SovietHoliday::kNone;
  friend constexpr bool operator==(const SovietDate&, const SovietDate&) = default;
};

SovietDate SovietFromFixed(FixedDay day);
// A date the calendar does not have (day 31, month 0 without a holiday)
// gives 1 January; the leap day of a common year gives 1 March.
FixedDay FixedFromSoviet(const SovietDate& date);

// Names of months 1..12 and of the holidays; empty outside.
std::string_view SovietMonthName(int month);
std::string_view SovietHolidayName(SovietHoliday holiday);

}  // namespace tempulo

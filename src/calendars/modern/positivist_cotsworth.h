// SPDX-License-Identifier: GPL-3.0-or-later
// The Positivist and the Cotsworth calendars: thirteen months of 28 days laid
// onto the Gregorian year, with the days left over outside the weeks.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "time/day_count.h"

namespace tempulo {

// Month 14 holds the festival days after the thirteenth month: day 1 the
// festival of all the dead, day 2 (leap years) the festival of holy women.
inline constexpr int kPositivistFestivalMonth = 14;

struct PositivistDate {
  std::int64_t year = 0;  // 1 is the Gregorian 1789
  int month = 0;          // 1..13, or kPositivistFestivalMonth
  int day = 0;            // 1..28; 1..2 in the festival month
  friend constexpr bool operator==(const PositivistDate&, const PositivistDate&) = default;
};

// The leap day is 29 June (month 6, day 29), the year day ("Sylvester")
// 29 of the thirteenth month; both belong to no week.
struct CotsworthDate {
  std::int64_t year = 0;  // 0 is the Gregorian 1922
  int month = 0;          // 1..13, month 7 "Sol"
  int day = 0;            // 1..28, or 29 for the two days outside the weeks
  friend constexpr bool operator==(const CotsworthDate&, const CotsworthDate&) = default;
};

PositivistDate PositivistFromFixed(FixedDay day);
FixedDay FixedFromPositivist(const PositivistDate& date);
CotsworthDate CotsworthFromFixed(FixedDay day);
FixedDay FixedFromCotsworth(const CotsworthDate& date);

// The person named for each day of the Positivist year: entry i names day
// i + 1; entries 0..363 cover the thirteen months, entry 364 (the festival
// of the dead) is empty.
extern const std::array<std::string_view, 365> kPositivistDayNames;

// Names: months 1..13 (empty outside); the weekday of a day of the month
// (every month starts on the same weekday); the person of a day in months
// 1..13 (empty for the festival days).
std::string_view PositivistMonthName(int month);
std::string_view PositivistWeekdayName(int dayOfMonth);
std::string_view PositivistDayName(const PositivistDate& date);
std::string_view CotsworthMonthName(int month);
std::string_view CotsworthWeekdayName(int dayOfMonth);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The Goddess and the Solilunar calendars: invented lunisolar calendars of
// 29- and 30-day months, a thirteenth month in long years, and years counted
// within eras.
#pragma once

#include <string_view>

#include "time/day_count.h"

namespace tempulo {

struct GoddessYearShape {
  int length = 0;      // 354, or 382..385
  int firstMonth = 0;  // 29, or 28..31 in a long year
};

GoddessYearShape GoddessYear(int n);
// 354, 384 or 385 days for a year 1..60 of an era.
int SolilunarYear(int era, int year);

// A date of either calendar.
struct LunisolarDate {
  int day = 0;
  int month = 0;  // 1..13
  int year = 0;
  int era = 0;
  friend bool operator==(const LunisolarDate&, const LunisolarDate&) = default;
};

// The years are found by walking from the epochs year by year (capped far
// beyond the almanac's range).
LunisolarDate GoddessFromFixed(FixedDay day);
FixedDay FixedFromGoddess(const LunisolarDate& date);
LunisolarDate SolilunarFromFixed(FixedDay day);
FixedDay FixedFromSolilunar(const LunisolarDate& date);

// Month names 1..13; empty outside.
std::string_view GoddessMonthName(int month);
std::string_view SolilunarMonthName(int month);

}  // namespace tempulo

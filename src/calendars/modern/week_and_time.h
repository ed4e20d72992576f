// SPDX-License-Identifier: GPL-3.0-or-later
// Weekday and ISO week of a day.
#pragma once

#include "time/civil.h"
#include "time/day_count.h"

namespace tempulo {

// A date of the international week calendar: weeks start on Monday, week 1
// of a year holds its first Thursday, so the week-numbering year differs from
// the Gregorian one in the last days of December and the first of January.
struct IsoWeekDate {
  int year = 0;
  int week = 0;     // 1..53
  int weekday = 0;  // 1 = Monday ... 7 = Sunday
  friend constexpr bool operator==(const IsoWeekDate&, const IsoWeekDate&) = default;
};

IsoWeekDate IsoWeekFromFixed(FixedDay day);
FixedDay FixedFromIsoWeek(const IsoWeekDate& date);

// 0 = Sunday ... 6 = Saturday, Gregorian calendar.
int WeekdayOfDate(CivilDate date);

// Week (1..53) of the day `dayOfYear` of a Gregorian year.
int IsoWeekNumber(int year, int dayOfYear);

}  // namespace tempulo

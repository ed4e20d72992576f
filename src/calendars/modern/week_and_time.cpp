// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/week_and_time.h"

#include <cstdint>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr int kSunday = 0;
constexpr int kThursday = 4;

// The Monday that opens week 1 of a week-numbering year: the Monday on or
// before 4 January, which always lies in week 1.
FixedDay FirstMondayOfIsoYear(int year) { return WeekdayOnOrBefore(1, FixedFromGregorian({year, 1, 4})); }

}  // namespace

IsoWeekDate IsoWeekFromFixed(FixedDay day) {
  // The week belongs to the year of its Thursday.
  const int weekday = DayOfWeek(day) == kSunday ? 7 : DayOfWeek(day);
  const FixedDay thursday = day + (kThursday - weekday);
  const int year = GregorianFromFixed(thursday).year;
  const auto week = static_cast<int>((day - FirstMondayOfIsoYear(year)) / 7 + 1);
  return {year, week, weekday};
}

FixedDay FixedFromIsoWeek(const IsoWeekDate& date) {
  return FirstMondayOfIsoYear(date.year) + (7 * static_cast<std::int64_t>(date.week - 1) + date.weekday - 1);
}

int WeekdayOfDate(CivilDate date) { return DayOfWeek(FixedFromGregorian(date)); }

int IsoWeekNumber(int year, int dayOfYear) {
  return IsoWeekFromFixed(FixedFromGregorian({year, 1, 1}) + (dayOfYear - 1)).week;
}

}  // namespace tempulo

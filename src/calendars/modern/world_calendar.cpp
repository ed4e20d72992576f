// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/world_calendar.h"

#include <array>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 7> kWorldWeekdays = {"Sonnabend", "Sonntag",    "Montag", "Dienstag",
                                                            "Mittwoch",  "Donnerstag", "Freitag"};

// Days of a half-year before each of its six months (0-based).
constexpr std::array<int, 6> kDaysBeforeMonthOfHalf = {0, 31, 61, 91, 122, 152};
constexpr int kHalfYearDays = 182;

}  // namespace

int DayOfYear(CivilDate date) {
  return static_cast<int>(FixedFromGregorian(date) - FixedFromGregorian({date.year, 1, 1})) + 1;
}

WorldCalendarDate WorldCalendarFromFixed(FixedDay day) {
  const int year = GregorianFromFixed(day).year;
  auto e = static_cast<int>(day - FixedFromGregorian({year, 1, 1}));  // 0..365
  const bool leap = IsGregorianLeapYear(year);
  if (leap && e == kHalfYearDays) {
    return {year, 6, 31};
  }
  if (leap && e > kHalfYearDays) {
    --e;
  }
  if (e == 2 * kHalfYearDays) {
    return {year, 12, 31};
  }
  const int half = e / kHalfYearDays;
  const int inHalf = e % kHalfYearDays;
  int m = 5;
  while (m > 0 && kDaysBeforeMonthOfHalf[static_cast<std::size_t>(m)] > inHalf) {
    --m;
  }
  return {year, 6 * half + m + 1, inHalf - kDaysBeforeMonthOfHalf[static_cast<std::size_t>(m)] + 1};
}

FixedDay FixedFromWorldCalendar(const WorldCalendarDate& date) {
  const auto year = static_cast<int>(date.year);
  const int secondHalf = date.month > 6 ? kHalfYearDays + (IsGregorianLeapYear(year) ? 1 : 0) : 0;
  return FixedFromGregorian({year, 1, 1}) + (secondHalf + WorldDayOfHalfYear(date) - 1);
}

int WorldCalendarMonthLength(std::int64_t year, int month) {
  if (month == 12 || (month == 6 && IsGregorianLeapYear(year))) {
    return 31;
  }
  return (month - 1) % 3 == 0 ? 31 : 30;
}

bool IsWorldCalendarExtraDay(const WorldCalendarDate& date) {
  return date.day == 31 && (date.month == 6 || date.month == 12);
}

int WorldDayOfHalfYear(const WorldCalendarDate& date) {
  return kDaysBeforeMonthOfHalf[static_cast<std::size_t>(FloorMod(date.month - 1, 6))] + date.day;
}

std::string_view WorldWeekdayName(int n) {
  if (n < 0) {
    return {};
  }
  return kWorldWeekdays[static_cast<std::size_t>(n % 7)];
}

}  // namespace tempulo

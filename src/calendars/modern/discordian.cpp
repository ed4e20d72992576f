// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/discordian.h"

#include <array>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 5> kSeasonNames = {"Chaos", "Zwietracht", "Verwirrung", "Bürokratie",
                                                          "Der Ausklang"};

constexpr int kSeasonDays = 73;
constexpr int kYearOffset = 1166;
// St. Tib's Day follows the 59th day of the year, 28 February.
constexpr int kDaysBeforeStTibs = 59;

}  // namespace

int CommonDayOfYear(int day, int month) {
  // 2001 is a common year.
  return static_cast<int>(FixedFromGregorian({2001, month, day}) - FixedFromGregorian({2001, 1, 1})) + 1;
}

DiscordianDate DiscordianFromFixed(FixedDay day) {
  const CivilDate g = GregorianFromFixed(day);
  const std::int64_t year = g.year + static_cast<std::int64_t>(kYearOffset);
  if (g.month == 2 && g.day == 29) {
    return {year, 0, 0};
  }
  const int c = CommonDayOfYear(g.day, g.month) - 1;  // 0..364
  return {year, c / kSeasonDays + 1, c % kSeasonDays + 1};
}

FixedDay FixedFromDiscordian(const DiscordianDate& date) {
  const auto gregorianYear = static_cast<int>(date.year - kYearOffset);
  const FixedDay newYear = FixedFromGregorian({gregorianYear, 1, 1});
  if (date.IsStTibsDay()) {
    return newYear + kDaysBeforeStTibs;
  }
  const int c = kSeasonDays * (date.season - 1) + date.day - 1;
  const int leapDay = c >= kDaysBeforeStTibs && IsGregorianLeapYear(gregorianYear) ? 1 : 0;
  return newYear + (c + leapDay);
}

std::string_view DiscordianSeasonName(int season) {
  if (season < 1 || season > static_cast<int>(kSeasonNames.size())) {
    return {};
  }
  return kSeasonNames[static_cast<std::size_t>(season - 1)];
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/islamic.h"

#include <array>
#include <cstdint>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kIslamicMonthNames = {
    "Muharram", "Safar",   "Rabi al-Awwal", "Rabi al-Akhir", "Djumada l-Ula", "Djumada l-Akhira",
    "Radjab",   "Sha'ban", "Ramadan",       "Shawwal",       "Dhu'l-Qa'dah",  "Dhu'l-Hijja"};

constexpr std::int64_t kDaysPerCycle = 10631;  // 30 years: 19 of 354 and 11 of 355 days

}  // namespace

FixedDay FixedFromIslamic(const IslamicDay& date) {
  const std::int64_t year = date.year;
  const std::int64_t month = date.month;
  // Days of the months before (30 and 29 alternating), of the years before
  // and the leap days of the cycle before the year.
  return kIslamicEpoch - 1 + date.day + 29 * (month - 1) + FloorDiv<std::int64_t>(6 * month - 1, 11) +
         354 * (year - 1) + FloorDiv<std::int64_t>(3 + 11 * year, 30);
}

IslamicDay IslamicFromFixed(FixedDay day) {
  const auto year = static_cast<int>(
      FloorDiv<std::int64_t>(30 * (day - kIslamicEpoch) + kDaysPerCycle + 15, kDaysPerCycle));
  const std::int64_t daysBefore = day - FixedFromIslamic({year, 1, 1});
  const auto month = static_cast<int>(FloorDiv<std::int64_t>(11 * daysBefore + 330, 325));
  return {year, month, static_cast<int>(day - FixedFromIslamic({year, month, 1}) + 1)};
}

std::string_view IslamicMonthName(int month) {
  return month >= 1 && month <= 12 ? kIslamicMonthNames[static_cast<std::size_t>(month - 1)]
                                   : std::string_view{};
}

}  // namespace tempulo

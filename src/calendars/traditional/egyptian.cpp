// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/egyptian.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kMonths = {"Thot",   "Phaophi",   "Athyr",    "Choiak", "Tybi",
                                                      "Mechir", "Phamenoth", "Pharmuti", "Pachon", "Payni",
                                                      "Epiphi", "Mesori",    "Zusatztag"};

}  // namespace

WanderingYearDate WanderingYearFromDays(std::int64_t days) {
  const auto dayOfYear = FloorMod<std::int64_t>(days, 365);
  return {static_cast<int>(FloorDiv<std::int64_t>(days, 365) + 1), static_cast<int>(dayOfYear / 30 + 1),
          static_cast<int>(dayOfYear % 30 + 1)};
}

std::int64_t DaysOfWanderingYear(const WanderingYearDate& date) {
  return 365 * (static_cast<std::int64_t>(date.year) - 1) + 30 * (static_cast<std::int64_t>(date.month) - 1) +
         date.day - 1;
}

EgyptianDate EgyptianFromFixed(FixedDay day) { return WanderingYearFromDays(day - kEgyptianEpoch); }

FixedDay FixedFromEgyptian(const EgyptianDate& date) { return kEgyptianEpoch + DaysOfWanderingYear(date); }

std::int64_t SothicPeriodOf(FixedDay day) {
  return FloorDiv<std::int64_t>(day - kEgyptianEpoch, kSothicPeriodDays) + 1;
}

std::string_view EgyptianMonthName(int month) {
  return month >= 1 && month <= 13 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

}  // namespace tempulo

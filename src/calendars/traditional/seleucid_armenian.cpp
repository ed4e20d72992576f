// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/seleucid_armenian.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kArmenianMonths = {
    "Nawasardi", "Hori",    "Sahmi",  "Trê",      "Khalots",  "Araths",   "Mehekani",
    "Areg",      "Ahekani", "Mareri", "Margaths", "Hrotiths", "Aveleaths"};

constexpr int kSeleucidYearsBeforeOctober = 311;  // era year = Julian year + 311 before October

}  // namespace

SeleucidDate SeleucidFromFixed(FixedDay day) {
  // The day and month of the Julian calendar itself: a fractional year
  // formula would read the preceding day and, once in four years, skip or
  // repeat a day.
  const CivilDate julian = JulianFromFixed(day);
  if (julian.month >= 10) {
    return {julian.year + kSeleucidYearsBeforeOctober + 1, julian.month - 9, julian.day};
  }
  return {julian.year + kSeleucidYearsBeforeOctober, julian.month + 3, julian.day};
}

FixedDay FixedFromSeleucid(const SeleucidDate& date) {
  if (date.month <= 3) {
    return FixedFromJulian({date.year - kSeleucidYearsBeforeOctober - 1, date.month + 9, date.day});
  }
  return FixedFromJulian({date.year - kSeleucidYearsBeforeOctober, date.month - 3, date.day});
}

std::optional<ArmenianDate> ArmenianFromFixed(FixedDay day) {
  if (day < kArmenianEpoch) {
    return std::nullopt;
  }
  return WanderingYearFromDays(day - kArmenianEpoch);
}

FixedDay FixedFromArmenian(const ArmenianDate& date) { return kArmenianEpoch + DaysOfWanderingYear(date); }

std::string_view ArmenianMonthName(int month) {
  return month >= 1 && month <= 13 ? kArmenianMonths[static_cast<std::size_t>(month - 1)]
                                   : std::string_view{};
}

}  // namespace tempulo

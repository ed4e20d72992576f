// SPDX-License-Identifier: GPL-3.0-or-later
// The Seleucid era and the Armenian wandering year.
#pragma once

#include <optional>
#include <string_view>

#include "calendars/traditional/egyptian.h"
#include "time/civil.h"

namespace tempulo {

// The Julian-calendar day and month, the months counted from October
// (1 October ... 12 September), and the era year, which begins with October
// (Julian year + 312 from October on, + 311 before).
struct SeleucidDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const SeleucidDate&, const SeleucidDate&) = default;
};

SeleucidDate SeleucidFromFixed(FixedDay day);
FixedDay FixedFromSeleucid(const SeleucidDate& date);

// The Armenian year is the Egyptian wandering year counted from 11 July 552
// (Julian calendar); month 13 holds the five extra days.
using ArmenianDate = WanderingYearDate;
inline constexpr FixedDay kArmenianEpoch = FixedFromJulian({552, 7, 11});

// None for the days before the epoch: the era has no earlier days.
std::optional<ArmenianDate> ArmenianFromFixed(FixedDay day);
FixedDay FixedFromArmenian(const ArmenianDate& date);

// 1 Nawasardi ... 12 Hrotiths, 13 Aveleaths (the extra days); empty outside.
std::string_view ArmenianMonthName(int month);

}  // namespace tempulo

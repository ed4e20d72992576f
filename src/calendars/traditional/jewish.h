// SPDX-License-Identifier: GPL-3.0-or-later
// The Jewish calendar, anchored on Gauss's Passover formula.
#pragma once

#include <optional>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

struct JewishDay {
  int year = 0;   // year of the world
  int month = 0;  // 1 Nisan ... 7 Tishri ... 12 Adar (Adar 1), 13 Adar 2
  int day = 0;
  friend constexpr bool operator==(const JewishDay&, const JewishDay&) = default;
};

// The first civil year the Passover formula is used for.
inline constexpr int kFirstPassoverYear = 358;
// Civil year + this is the year of the world that begins in its autumn.
inline constexpr int kWorldYearOffset = 3761;

// 15 Nisan of a civil year (Julian calendar up to 1582, Gregorian from 1583);
// none before kFirstPassoverYear.
std::optional<FixedDay> PassoverOf(int civilYear);
// Index 0..5 into the year lengths 353, 354, 355, 383, 384, 385; none where
// the Passover of either civil year is missing.
std::optional<int> JewishYearType(int jewishYear);

// None for the days before 1 Tishri of the year after kFirstPassoverYear - 1's
// Passover, i.e. where the formula does not reach.
std::optional<JewishDay> JewishFromFixed(FixedDay day);
std::optional<FixedDay> FixedFromJewish(const JewishDay& date);

// 1 Nisan ... 12 Adar, 13 "Adar 2"; empty outside 1..13.
std::string_view JewishMonthName(int month);

}  // namespace tempulo

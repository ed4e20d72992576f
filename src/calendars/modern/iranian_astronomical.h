// SPDX-License-Identifier: GPL-3.0-or-later
// The Iranian calendar as Iran keeps it (Solar Hijri): the year begins on
// the day of the March equinox, Tehran civil date (UTC+3:30), when the
// equinox falls before noon there, else on the day after; six months of 31
// days, five of 30, and Esfand runs on to the next Nowruz (29 or 30 days).
#pragma once

#include <optional>

#include "time/civil.h"

namespace tempulo {

struct AstronomicalIranianDate {
  int year = 0;   // Solar Hijri; the Gregorian year of its Nowruz less 621
  int month = 0;  // 1 Farvardin .. 12 Esfand
  int day = 0;
  friend constexpr bool operator==(const AstronomicalIranianDate&, const AstronomicalIranianDate&) = default;
};

// The years whose Nowruz the almanac computes: those starting in the
// Gregorian years 99 to 3001, around the civil years 100 to 3000.
inline constexpr int kAstronomicalIranianFirstYear = 99 - 621;
inline constexpr int kAstronomicalIranianLastYear = 3001 - 621;

// 1 Farvardin of a year; none outside the years above. Computed once per
// year and then remembered.
std::optional<FixedDay> NowruzOf(int year);
// None for a day outside those years.
std::optional<AstronomicalIranianDate> AstronomicalIranianFromFixed(FixedDay day);
// None outside those years; a day past its month's end runs on into the next
// month (the lookups refuse it by the round trip).
std::optional<FixedDay> FixedFromAstronomicalIranian(const AstronomicalIranianDate& date);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// A schematic Babylonian lunisolar calendar.
#pragma once

#include <optional>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

// Month 1 Nissanu .. 12 Addaru, 13 the second Addaru, 14 the second Ululu
// (which follows Ululu).
struct BabylonianDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const BabylonianDate&, const BabylonianDate&) = default;
};

// The date of a civil date (as the report selects it: a Julian-calendar date
// up to 1582). The year begins on a fixed spring date chosen by its place in
// a 19-year cycle, and the day count is taken on the Gregorian day numbers of
// the date's figures, with one day more throughout a Gregorian leap year. So
// the design is not day by day: some days get no month (none) and some dates
// recur, and there is no way back from a date to one day.
std::optional<BabylonianDate> BabylonianFromCivil(CivilDate date);

// Empty outside 1..14.
std::string_view BabylonianMonthName(int month);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The day count at the edges where the astronomy takes over: the Julian Date
// and the date value (days since 30 December 1899 00:00, its fraction the time
// of day).
#pragma once

#include <cmath>
#include <cstdint>

#include "time/day_count.h"

namespace tempulo {

// Julian Date of the start (0 h) of FixedDay{0}.
inline constexpr long double kFixedDayZeroJulianDate = 1721424.5L;
// FixedDay of 30 December 1899, the date value 0.
inline constexpr std::int64_t kDateValueEpoch = 693594;

constexpr long double JulianDateOf(FixedDay day) {
  return static_cast<long double>(day.value) + kFixedDayZeroJulianDate;
}

// The day that holds the instant.
inline FixedDay FixedFromJulianDate(long double jd) {
  return FixedDay{static_cast<std::int64_t>(std::floor(jd - kFixedDayZeroJulianDate))};
}

constexpr double DateValueOf(FixedDay day) { return static_cast<double>(day.value - kDateValueEpoch); }

inline FixedDay FixedFromDateValue(double dateValue) {
  return FixedDay{static_cast<std::int64_t>(std::floor(dateValue)) + kDateValueEpoch};
}

}  // namespace tempulo

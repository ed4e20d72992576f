// SPDX-License-Identifier: GPL-3.0-or-later
// The one day count every calendar converts to and from, and the integer
// arithmetic calendars are written in.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>

namespace tempulo {

// A day as a whole number of days: FixedDay{1} is Monday, 1 January of the
// year 1 in the proleptic Gregorian calendar. Every calendar of the almanac
// maps its dates onto this count, so that two calendars meet only here.
struct FixedDay {
  std::int64_t value = 0;

  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy misreads the defaulted comparison
  friend constexpr auto operator<=>(FixedDay, FixedDay) = default;
  friend constexpr FixedDay operator+(FixedDay day, std::int64_t days) { return FixedDay{day.value + days}; }
  friend constexpr FixedDay operator-(FixedDay day, std::int64_t days) { return FixedDay{day.value - days}; }
  friend constexpr std::int64_t operator-(FixedDay a, FixedDay b) { return a.value - b.value; }
  constexpr FixedDay& operator++() {
    ++value;
    return *this;
  }
};

// Division rounded toward minus infinity, and the remainder that goes with
// it (same sign as the divisor): the calendars count backwards through year
// 0 and negative years without a special case. The divisor must not be 0.
template <std::integral T>
constexpr T FloorDiv(T a, T b) {
  const T q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

template <std::integral T>
constexpr T FloorMod(T a, T b) {
  return a - b * FloorDiv(a, b);
}

// The remainder taken in 1..b instead of 0..b-1 (b > 0): day, month and
// cycle numbers count from 1.
template <std::integral T>
constexpr T AdjustedMod(T a, T b) {
  return b + FloorMod(a, -b);
}

// 0 = Sunday ... 6 = Saturday.
constexpr int DayOfWeek(FixedDay day) { return static_cast<int>(FloorMod<std::int64_t>(day.value, 7)); }

// The first day on or before `day` that falls on `weekday` (0 = Sunday).
constexpr FixedDay WeekdayOnOrBefore(int weekday, FixedDay day) {
  return day - FloorMod<std::int64_t>(day.value - weekday, 7);
}

}  // namespace tempulo

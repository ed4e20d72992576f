// SPDX-License-Identifier: GPL-3.0-or-later
// A moment on the scale of universal time (UT), the time of the clock and
// the day.
//
// It is held as a date value: days since 30 December 1899 00:00 UT as a
// double, the fraction the time of day. Every other form of the moment is
// computed from that one number by a named conversion, so two forms of one
// moment cannot drift apart: the Julian Date (long double, for the
// astronomy), dynamical time (TT, the time of the ephemeris), the day that
// holds it and that day's civil date.
#pragma once

#include <compare>

#include "time/civil.h"
#include "time/delta_t.h"
#include "time/julian_day.h"

namespace tempulo {

// JD = date value + kJulianDateOfDateValueZero: the Julian Date of
// 30 December 1899 00:00.
inline constexpr long double kJulianDateOfDateValueZero = 2415018.5L;

// The shift between the two counts, on whichever time scale both are read:
// the astronomy also keeps dynamical time as date values and Julian
// Ephemeris Dates.
constexpr long double JulianDateOfDateValue(double dateValue) {
  return static_cast<long double>(dateValue) + kJulianDateOfDateValueZero;
}
constexpr double DateValueOfJulianDate(long double jd) {
  return static_cast<double>(jd - kJulianDateOfDateValueZero);
}

class Instant {
 public:
  constexpr Instant() = default;

  static constexpr Instant FromDateValue(double dateValue) { return Instant(dateValue); }
  // The nearest date value; a Julian Date carries more digits than one.
  static constexpr Instant FromJulianDate(long double jd) { return Instant(DateValueOfJulianDate(jd)); }
  // The start (0 h UT) of the day.
  static constexpr Instant StartOf(FixedDay day) { return Instant(DateValueOf(day)); }
  // The moment a date value of dynamical time names.
  static Instant FromTerrestrial(double terrestrialDateValue) {
    return Instant(UniversalFromTerrestrial(terrestrialDateValue));
  }
  static Instant FromTerrestrialJulianDate(long double jde) {
    return FromTerrestrial(DateValueOfJulianDate(jde));
  }

  constexpr double DateValue() const { return dateValue_; }
  constexpr long double JulianDate() const { return JulianDateOfDateValue(dateValue_); }
  // The same moment as a date value of dynamical time.
  double TerrestrialDateValue() const { return TerrestrialFromUniversal(dateValue_); }
  // The day that holds the moment, counted in universal time.
  FixedDay Day() const { return FixedFromDateValue(dateValue_); }
  // That day in the civil calendar (Julian up to 4 October 1582).
  CivilDate Civil() const { return CivilFromFixed(Day()); }

  friend constexpr bool operator==(Instant, Instant) = default;
  friend constexpr auto operator<=>(Instant a, Instant b) { return a.dateValue_ <=> b.dateValue_; }

 private:
  constexpr explicit Instant(double dateValue) : dateValue_(dateValue) {}

  double dateValue_ = 0;
};

}  // namespace tempulo

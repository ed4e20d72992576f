// SPDX-License-Identifier: GPL-3.0-or-later
// Heliocentric position of the Earth from the truncated VSOP87 theory,
// version D (mean ecliptic and equinox of date).
//
// The series evaluation is generic; a subclass supplies the coefficient tables
// through three term lookups. Only the Earth's tables exist.
#pragma once

#include <concepts>

namespace tempulo {

// One term A * cos(B + C * tau) of a series. A is in 1e-8 rad (longitude,
// latitude) or 1e-8 AU (radius), B in rad, C in rad per Julian millennium.
// The all-zero term stands for a term that does not exist.
struct VSOPTerm {
  long double a = 0;
  long double b = 0;
  long double c = 0;
};

class TVSOP {
 public:
  // One of the three term lookups: (index within the series, power of tau).
  using TermLookup = VSOPTerm (TVSOP::*)(int index, int power) const;

  // Date value of 1 January 2000 00:00, the evaluator's own copy of the epoch.
  static constexpr double kEpochDateValue = 36526.0;
  // Highest power of tau of any series.
  static constexpr int kMaxPower = 5;

  TVSOP() = default;
  TVSOP(const TVSOP&) = delete;
  TVSOP& operator=(const TVSOP&) = delete;
  virtual ~TVSOP() = default;

  // Term `index` of the series of power `power`; the all-zero term past the
  // end of a series and for a power the series does not have.
  virtual VSOPTerm LongitudeTerm(int index, int power) const = 0;
  virtual VSOPTerm LatitudeTerm(int index, int power) const = 0;
  virtual VSOPTerm RadiusTerm(int index, int power) const = 0;

  void SetDate(double dateValue) { date_ = dateValue; }
  double Date() const { return date_; }

  // Julian millennia from J2000.0.
  long double Tau() const;
  // Sum of all powers of one lookup, in rad or AU.
  long double EvaluateSeries(TermLookup lookup) const;
  long double Longitude() const { return EvaluateSeries(&TVSOP::LongitudeTerm); }  // rad
  long double Latitude() const { return EvaluateSeries(&TVSOP::LatitudeTerm); }    // rad
  long double Radius() const { return EvaluateSeries(&TVSOP::RadiusTerm); }        // AU

  // Converts L and B (rad, in place) from the dynamical frame of VSOP87 to FK5.
  void CorrectToFK5(long double& l, long double& b) const;

 private:
  double date_ = 0;
};

class TVSOPEarth final : public TVSOP {
 public:
  VSOPTerm LongitudeTerm(int index, int power) const override;
  VSOPTerm LatitudeTerm(int index, int power) const override;
  VSOPTerm RadiusTerm(int index, int power) const override;
};

struct HeliocentricCoordinates {
  long double longitude = 0;  // degrees, [0, 360)
  long double latitude = 0;   // degrees
  long double radius = 0;     // astronomical units
};

// L, B (FK5) and R from an evaluator whose date is set to `dateValue` here.
HeliocentricCoordinates HeliocentricPosition(TVSOP& evaluator, double dateValue);

// L, B (FK5) and R from a fresh evaluator of the given class. The evaluator
// lives for this call only and is released on every way out of it.
template <std::derived_from<TVSOP> Evaluator>
HeliocentricCoordinates HeliocentricPosition(double dateValue) {
  Evaluator evaluator;
  return HeliocentricPosition(evaluator, dateValue);
}

// The Earth's heliocentric L, B (FK5) and R at a date value.
HeliocentricCoordinates EarthHeliocentricPosition(double dateValue);

}  // namespace tempulo

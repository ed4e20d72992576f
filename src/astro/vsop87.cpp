// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/vsop87.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "astro/angles.h"
#include "astro/vsop87_earth_terms.h"

namespace tempulo {
namespace {

// A series stops at its all-zero term. A subclass whose lookup never returns
// one still ends here, far beyond the longest published series.
constexpr int kMaxTermsPerSeries = 100000;

// FK5 frame constants, arcseconds.
constexpr long double kFK5LongitudeShift = 0.09033L;
constexpr long double kFK5Rotation = 0.03916L;

// The Earth's series by power; an empty span is a power the series lacks.
using Series = std::array<std::span<const VSOPTerm>, TVSOP::kMaxPower + 1>;

constexpr Series kEarthLongitude = {vsop87_earth::kL0, vsop87_earth::kL1, vsop87_earth::kL2,
                                    vsop87_earth::kL3, vsop87_earth::kL4, vsop87_earth::kL5};
constexpr Series kEarthLatitude = {vsop87_earth::kB0, vsop87_earth::kB1};
constexpr Series kEarthRadius = {vsop87_earth::kR0, vsop87_earth::kR1, vsop87_earth::kR2, vsop87_earth::kR3,
                                 vsop87_earth::kR4};

VSOPTerm Lookup(const Series& series, int index, int power) {
  if (power < 0 || power > TVSOP::kMaxPower || index < 0) {
    return {};
  }
  const std::span<const VSOPTerm> terms = series[static_cast<std::size_t>(power)];
  if (static_cast<std::size_t>(index) >= terms.size()) {
    return {};
  }
  return terms[static_cast<std::size_t>(index)];
}

}  // namespace

long double TVSOP::Tau() const {
  return (static_cast<long double>(date_) - kEpochDateValue - 0.5L) / 365250.0L;
}

long double TVSOP::EvaluateSeries(TermLookup lookup) const {
  const long double tau = Tau();
  std::array<long double, kMaxPower + 1> sums{};
  for (int power = 0; power <= kMaxPower; ++power) {
    long double sum = 0.0L;
    for (int index = 0; index < kMaxTermsPerSeries; ++index) {
      const VSOPTerm term = (this->*lookup)(index, power);
      const long double t = term.a * SeriesCosRad(term.b + term.c * tau);
      sum += t;
      if (t == 0.0L) {
        break;
      }
    }
    sums[static_cast<std::size_t>(power)] = sum;
  }
  long double result = sums[kMaxPower];
  for (int power = kMaxPower - 1; power >= 0; --power) {
    result = result * tau + sums[static_cast<std::size_t>(power)];
  }
  return result * 1e-8L;
}

void TVSOP::CorrectToFK5(long double& l, long double& b) const {
  const long double t = 10.0L * Tau();
  const long double lPrime = l + t * DegToRad(-1.397L - 0.00031L * t);
  const long double cosL = CosRad(lPrime);
  const long double sinL = SinRad(lPrime);
  l = l - DegToRad(kFK5LongitudeShift / 3600.0L) +
      DegToRad(kFK5Rotation / 3600.0L) * (cosL + sinL) * std::tan(b);
  b = b + DegToRad(kFK5Rotation / 3600.0L) * (cosL - sinL);
}

VSOPTerm TVSOPEarth::LongitudeTerm(int index, int power) const {
  return Lookup(kEarthLongitude, index, power);
}

VSOPTerm TVSOPEarth::LatitudeTerm(int index, int power) const { return Lookup(kEarthLatitude, index, power); }

VSOPTerm TVSOPEarth::RadiusTerm(int index, int power) const { return Lookup(kEarthRadius, index, power); }

HeliocentricCoordinates HeliocentricPosition(TVSOP& evaluator, double dateValue) {
  evaluator.SetDate(dateValue);
  const long double r = evaluator.Radius();
  long double l = evaluator.Longitude();
  long double b = evaluator.Latitude();
  evaluator.CorrectToFK5(l, b);
  return {NormalizeAngle(RadToDeg(l)), RadToDeg(b), r};
}

HeliocentricCoordinates EarthHeliocentricPosition(double dateValue) {
  return HeliocentricPosition<TVSOPEarth>(dateValue);
}

}  // namespace tempulo

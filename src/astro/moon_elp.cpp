// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon_elp.h"

#include <cmath>
#include <cstddef>
#include <span>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/moon_elp_terms.h"
#include "astro/sun.h"

namespace tempulo {
namespace {

constexpr long double kArcsecondsPerDegree = 3600.0L;
constexpr long double kDaysPerCentury = 36525.0L;
constexpr long double kLightKilometresPerDay = 299792.458L * 86400.0L;
// The moon's tidal secular acceleration, arcseconds per century squared:
// the one the theory's mean longitude carries (the value of the lunar laser
// ranging solution of J. Chapront, M. Chapront-Touzé and G. Francou 2002,
// which F. Espenak and J. Meeus 2006 give for the lunar ephemerides of that
// time), and the one the Delta T of time/delta_t.h was derived with (L. V.
// Morrison and F. R. Stephenson 2004). The longitude takes half their
// difference times T^2, so that the phases keep to that Delta T far from
// 2000: 4" (8 s of a phase) by the year 100, under 0.01" within 1900-2100.
constexpr long double kTheoryTidalAcceleration = -25.858L;
constexpr long double kDeltaTTidalAcceleration = -26.0L;

// One series: the sum over the powers of t of t^p times its terms. In
// double: an argument of up to 10^5 rad (ten centuries of the fastest term)
// keeps 10^-11 rad, far below the truncation, and the sine reduces it
// exactly.
// With `rate`, also the series' derivative by t, per century.
long double Evaluate(const std::array<std::span<const moon_elp::ElpTerm>, 4>& series, long double t,
                     double* rate = nullptr) {
  const auto td = static_cast<double>(t);
  double result = 0.0;
  double derivative = 0.0;
  for (std::size_t p = series.size(); p-- > 0;) {
    double sum = 0.0;
    double sumRate = 0.0;
    for (const moon_elp::ElpTerm& term : series[p]) {
      const std::array<double, 5>& f = term.f;
      const double argument = f[0] + td * (f[1] + td * (f[2] + td * (f[3] + td * f[4])));
      sum += term.a * std::sin(argument);
      if (rate != nullptr) {
        const double argumentRate = f[1] + td * (2 * f[2] + td * (3 * f[3] + td * 4 * f[4]));
        sumRate += term.a * std::cos(argument) * argumentRate;
      }
    }
    // d/dt (result * t + sum) = rate * t + result + sumRate.
    derivative = derivative * td + result + sumRate;
    result = result * td + sum;
  }
  if (rate != nullptr) {
    *rate = derivative;
  }
  return result;
}

// A polynomial in t, coefficients lowest power first, and with `rate` also
// its derivative by t.
template <typename T, std::size_t N>
long double Polynomial(const std::array<T, N>& c, long double t, long double* rate) {
  long double value = 0;
  long double derivative = 0;
  for (std::size_t i = N; i-- > 0;) {
    derivative = derivative * t + value;
    value = value * t + c[i];
  }
  if (rate != nullptr) {
    *rate = derivative;
  }
  return value;
}

// The theory's longitude is counted along the mean ecliptic of date from
// the departure point of J2000, its latitude from that ecliptic; the mean
// equinox of date lies the general precession in longitude from that point
// (IAU 1976, J. H. Lieske et al. 1977, the constants the nutation and the
// sidereal time use). With the tidal term, arcseconds in centuries.
constexpr std::array<long double, 4> kPrecessionAndTide = {
    0.0L, 5029.0966L, 1.11113L + 0.5L * (kDeltaTTidalAcceleration - kTheoryTidalAcceleration), -0.000006L};

// The longitude of date, degrees, not reduced; with `rate`, also its rate
// in degrees per day.
long double LongitudeOfDate(long double t, long double* rate = nullptr) {
  long double meanRate = 0;
  long double correctionRate = 0;
  double seriesRate = 0;
  const bool withRate = rate != nullptr;
  const long double mean = Polynomial(  // rad
      moon_elp::kMeanLongitude, t, withRate ? &meanRate : nullptr);
  const long double correction = Polynomial(kPrecessionAndTide, t, withRate ? &correctionRate : nullptr);
  const long double series = Evaluate(moon_elp::kL, t, withRate ? &seriesRate : nullptr);
  if (withRate) {
    *rate = (RadToDeg(meanRate) + (seriesRate + correctionRate) / kArcsecondsPerDegree) / kDaysPerCentury;
  }
  return RadToDeg(mean) + (series + correction) / kArcsecondsPerDegree;
}

}  // namespace

ElpMoonCoordinates ElpMoonGeometricPosition(double dateValue) {
  const long double t = JulianCenturies(dateValue);
  ElpMoonCoordinates moon;
  moon.longitude = NormalizeAngle(LongitudeOfDate(t));
  moon.latitude = Evaluate(moon_elp::kB, t) / kArcsecondsPerDegree;
  moon.distance = Evaluate(moon_elp::kR, t);
  return moon;
}

long double ElpMoonApparentLongitude(double dateValue, long double* rate) {
  // The light left the moon about 1.3 s earlier; the position then, seen
  // from the Earth now, is the apparent one but for the nutation (the
  // aberration of the Earth's motion cancels against the moon's share of it).
  // The abridged distance is good to some 30 km, a tenth of a millisecond of
  // light time.
  const long double lightTime = MoonDistance(dateValue) / kLightKilometresPerDay;
  const long double longitude =
      LongitudeOfDate(JulianCenturies(static_cast<double>(dateValue - lightTime)), rate);
  return NormalizeAngle(longitude + Nutation(dateValue).longitude);
}

void ElpMoonPosition(CelestialPosition& position, double dateValue) {
  // As for the apparent longitude above; the latitude and distance of the
  // same backdated instant.
  const long double lightTime = MoonDistance(dateValue) / kLightKilometresPerDay;
  const long double t = JulianCenturies(static_cast<double>(dateValue - lightTime));
  position.longitude = LongitudeOfDate(t);
  position.latitude = Evaluate(moon_elp::kB, t) / kArcsecondsPerDegree;
  position.distance = Evaluate(moon_elp::kR, t);
  EclipticToEquatorial(position, dateValue);
}

}  // namespace tempulo

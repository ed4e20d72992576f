// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/moon_terms.h"

namespace tempulo {
namespace {

constexpr long double kMeanDistance = 385000.56L;       // km
constexpr long double kKilometresPerAU = 149597869.0L;  // km
constexpr long double kEquatorialRadius = 6378140.0L;   // m
// Axis ratio b/a of the reference ellipsoid and its square.
constexpr long double kAxisRatio = 0.99664719L;
constexpr long double kAxisRatioSquared = 0.99330562133489609997L;
// The sun's equatorial horizontal parallax at one astronomical unit, arcseconds.
constexpr long double kSolarParallax = 8.794L;

// The eccentricity factor of a term: E for one multiple of M, E^2 for two.
long double EccentricityFactor(std::int8_t m, long double e, long double e2) {
  switch (std::abs(m)) {
    case 1:
      return e;
    case 2:
      return e2;
    default:
      return 1.0L;
  }
}

// The theory's arguments at an instant, degrees, not reduced (the sine and
// cosine helpers reduce them).
struct MoonArguments {
  long double lPrime;  // mean longitude
  long double d;       // mean elongation
  long double m;       // sun's mean anomaly
  long double mPrime;  // moon's mean anomaly
  long double f;       // argument of latitude
  long double e;       // eccentricity factor of the Earth's orbit
  long double e2;
  long double a1;
  long double a2;
  long double a3;
};

MoonArguments ArgumentsAt(double dateValue) {
  const long double t = JulianCenturies(dateValue);
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  const long double t4 = t3 * t;
  MoonArguments a;
  a.lPrime = 218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L;
  a.d = 297.8502042L + 445267.1115168L * t - 0.00163L * t2 + t3 / 545868.0L - t4 / 113065000.0L;
  a.m = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L;
  a.mPrime = 134.9634114L + 477198.8676313L * t + 0.008997L * t2 + t3 / 69699.0L - t4 / 14712000.0L;
  a.f = 93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L;
  a.e = 1.0L - 0.002516L * t - 0.0000074L * t2;
  a.e2 = a.e * a.e;
  a.a1 = 119.75L + 131.849L * t;
  a.a2 = 53.09L + 479264.29L * t;
  a.a3 = 313.45L + 481266.484L * t;
  return a;
}

long double RowArgument(const MoonArguments& a, const moon_terms::Arguments& k) {
  return a.d * k[0] + a.m * k[1] + a.mPrime * k[2] + a.f * k[3];
}

// The distance pass over the longitude/distance table, kilometres.
long double DistanceFrom(const MoonArguments& a) {
  long double sumR = 0.0L;
  for (std::size_t row = 0; row < moon_terms::kRows; ++row) {
    const moon_terms::Arguments& k = moon_terms::kLongitudeDistanceArguments[row];
    sumR += moon_terms::kDistanceCoefficients[row] * SeriesSinCosDeg(RowArgument(a, k)).cosine *
            EccentricityFactor(k[1], a.e, a.e2);
  }
  return kMeanDistance + sumR / 1000.0L;
}

// The moon's distance at the last instant asked for, per thread: a position
// and the parallax of the same instant (the topocentric correction of a rise
// or set search) need the same pass over the table.
struct DistanceMemo {
  bool valid = false;
  double dateValue = 0;
  long double distance = 0;
};

DistanceMemo& LastDistance() {
  thread_local DistanceMemo memo;
  return memo;
}

void RememberDistance(double dateValue, long double distance) {
  DistanceMemo& memo = LastDistance();
  memo.valid = true;
  memo.dateValue = dateValue;
  memo.distance = distance;
}

}  // namespace

namespace {

void ComputeMoonPosition(CelestialPosition& position, double dateValue) {
  const MoonArguments a = ArgumentsAt(dateValue);
  // Longitude and distance share their arguments: one pass takes the sine
  // for the one and the cosine for the other, each summed in the order of
  // DistanceFrom.
  long double sumL = 0.0L;
  long double sumR = 0.0L;
  for (std::size_t row = 0; row < moon_terms::kRows; ++row) {
    const moon_terms::Arguments& k = moon_terms::kLongitudeDistanceArguments[row];
    const SineAndCosine sc = SeriesSinCosDeg(RowArgument(a, k));
    const long double eccentricity = EccentricityFactor(k[1], a.e, a.e2);
    sumL += moon_terms::kLongitudeCoefficients[row] * sc.sine * eccentricity;
    sumR += moon_terms::kDistanceCoefficients[row] * sc.cosine * eccentricity;
  }
  sumL += 3958.0L * SinDeg(a.a1) + 1962.0L * SinDeg(a.lPrime - a.f) + 318.0L * SinDeg(a.a2);
  long double sumB = 0.0L;
  for (std::size_t row = 0; row < moon_terms::kRows; ++row) {
    const moon_terms::Arguments& k = moon_terms::kLatitudeArguments[row];
    sumB += moon_terms::kLatitudeCoefficients[row] * SeriesSinCosDeg(RowArgument(a, k)).sine *
            EccentricityFactor(k[1], a.e, a.e2);
  }
  sumB += -2235.0L * SinDeg(a.lPrime) + 382.0L * SinDeg(a.a3) + 175.0L * SinDeg(a.a1 - a.f) +
          175.0L * SinDeg(a.a1 + a.f) + 127.0L * SinDeg(a.lPrime - a.mPrime) -
          115.0L * SinDeg(a.lPrime + a.mPrime);

  position.distance = kMeanDistance + sumR / 1000.0L;
  RememberDistance(dateValue, position.distance);
  position.longitude = a.lPrime + sumL / 1000000.0L;
  position.latitude = sumB / 1000000.0L;
  EclipticToEquatorial(position, dateValue);
}

}  // namespace

void MoonPosition(CelestialPosition& position, double dateValue) {
  // The last instant's position, per thread: the moon's age and its phase
  // angle of one instant both need it.
  struct Memo {
    bool valid = false;
    double dateValue = 0;
    CelestialPosition position;
  };
  thread_local Memo memo;
  if (!memo.valid || memo.dateValue != dateValue) {
    ComputeMoonPosition(memo.position, dateValue);
    memo.dateValue = dateValue;
    memo.valid = true;
  }
  position.longitude = memo.position.longitude;
  position.latitude = memo.position.latitude;
  position.distance = memo.position.distance;
  position.rightAscension = memo.position.rightAscension;
  position.declination = memo.position.declination;
}

// The distance does not depend on the longitude, latitude or nutation, so its
// own pass over the table gives exactly the Distance of MoonPosition.
long double MoonDistance(double dateValue) {
  const DistanceMemo& memo = LastDistance();
  // Compared bit for bit: a NaN never matches and is computed afresh.
  if (memo.valid && memo.dateValue == dateValue) {
    return memo.distance;
  }
  const long double distance = DistanceFrom(ArgumentsAt(dateValue));
  RememberDistance(dateValue, distance);
  return distance;
}

long double MoonParallax(double dateValue) { return MoonParallaxAtDistance(MoonDistance(dateValue)); }

long double MoonParallaxAtDistance(long double distance) {
  return ArcSinDeg(SinDeg(kSolarParallax / 3600.0L) / (distance / kKilometresPerAU));
}

void TopocentricCorrection(CelestialPosition& position, double dateValue, long double latitude,
                           long double longitude, long double height) {
  TopocentricCorrection(position, dateValue, latitude, longitude, height, MoonParallax(dateValue));
}

void TopocentricCorrection(CelestialPosition& position, double dateValue, long double latitude,
                           long double longitude, long double height, long double parallax) {
  const long double u = ArcTanDeg(kAxisRatioSquared * TanDeg(latitude));
  const SineAndCosine reduced = SinCosDeg(u);
  const SineAndCosine geographic = SinCosDeg(latitude);
  const long double rhoSinPhi = kAxisRatio * reduced.sine + (height / kEquatorialRadius) * geographic.sine;
  const long double rhoCosPhi = reduced.cosine + (height / kEquatorialRadius) * geographic.cosine;
  position.parallax = parallax;
  const long double hourAngle = ApparentSiderealTime(dateValue) - longitude - position.rightAscension;
  const long double delta = position.declination;
  const long double sinParallax = SinDeg(parallax);
  const SineAndCosine declination = SinCosDeg(delta);
  const SineAndCosine hour = SinCosDeg(hourAngle);
  const long double denominator = declination.cosine - rhoCosPhi * sinParallax * hour.cosine;
  const long double deltaAlpha = ArcTanDeg(-rhoCosPhi * sinParallax * hour.sine / denominator);
  position.rightAscension += deltaAlpha;
  position.declination =
      ArcTanDeg((declination.sine - rhoSinPhi * sinParallax) * CosDeg(deltaAlpha) / denominator);
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_set.h"

#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/sun.h"

namespace tempulo {
namespace {

// Event kinds of RiseSetTransit.
enum Kind : int {
  kRise = 0,
  kSet = 1,
  kTransit = 2,
  kCivilDawn = 3,
  kNauticalDawn = 4,
  kAstronomicalDawn = 5,
  kCivilDusk = 6,
  kNauticalDusk = 7,
  kAstronomicalDusk = 8,
};

constexpr long double kSunAltitude = -0.8333L;
// The moon's altitude is 0.7275 times its parallax minus 34 arcminutes.
constexpr long double kMoonParallaxShare = 0.7275L;
constexpr long double kMoonRefraction = 0.56666666666666666667L;
constexpr long double kCivilTwilight = -6.0L;
constexpr long double kNauticalTwilight = -12.0L;
constexpr long double kAstronomicalTwilight = -18.0L;
// Sidereal degrees per solar day.
constexpr long double kSiderealRate = 360.985647L;

long double WrapDifference(long double a) {
  if (a > 100.0L) {
    a -= 360.0L;
  }
  if (a < -100.0L) {
    a += 360.0L;
  }
  return a;
}

// The fraction of a day fraction keeping its sign, lifted into [0, 1).
long double DayFraction(long double m) {
  long double f = m - std::trunc(m);
  if (f < 0.0L) {
    f += 1.0L;
  }
  return f;
}

CelestialPosition BodyPosition(bool isSun, double dateValue, long double latitude, long double longitude) {
  CelestialPosition position;
  if (isSun) {
    SunPosition(position, dateValue);
  } else {
    MoonPosition(position, dateValue);
    TopocentricCorrection(position, dateValue, latitude, longitude, 0.0L);
  }
  return position;
}

long double EventAltitude(bool isSun, int kind, double dateValue) {
  switch (kind) {
    case kRise:
    case kSet:
      if (isSun) {
        return kSunAltitude;
      } else {
        // The moon's parallax at the instant itself, not at the day's start,
        // as the topocentric correction of its position there would set it.
        return kMoonParallaxShare * MoonParallax(dateValue) - kMoonRefraction;
      }
    case kCivilDawn:
    case kCivilDusk:
      return kCivilTwilight;
    case kNauticalDawn:
    case kNauticalDusk:
      return kNauticalTwilight;
    case kAstronomicalDawn:
    case kAstronomicalDusk:
      return kAstronomicalTwilight;
    default:
      return 0.0L;
  }
}

}  // namespace

long double InterpolateThree(long double n, long double y1, long double y2, long double y3) {
  const long double a = WrapDifference(y2 - y1);
  const long double b = WrapDifference(y3 - y2);
  return y2 + n / 2.0L * (a + b + n * (b - a));
}

long double RiseSetCorrection(const RiseSetSearch& search, int which, long double m) {
  const long double theta = search.siderealTime + kSiderealRate * m;
  const long double alpha =
      InterpolateThree(m, search.rightAscension[0], search.rightAscension[1], search.rightAscension[2]);
  const long double delta =
      InterpolateThree(m, search.declination[0], search.declination[1], search.declination[2]);
  long double h = NormalizeAngle(theta - search.longitude - alpha);
  if (h > 180.0L) {
    h -= 360.0L;
  }
  const long double altitude = ArcSinDeg(SinDeg(search.latitude) * SinDeg(delta) +
                                         CosDeg(search.latitude) * CosDeg(delta) * CosDeg(h));
  switch (which) {
    case 0:
      return -h / 360.0L;
    case 1:
    case 2:
      return (altitude - search.altitude) / (360.0L * CosDeg(delta) * CosDeg(search.latitude) * SinDeg(h));
    default:
      return 0.0L;
  }
}

double RiseSetTransit(bool isSun, int kind, double dateValue, long double latitude, long double longitude) {
  RiseSetSearch search;
  search.latitude = latitude;
  search.longitude = longitude;
  search.altitude = EventAltitude(isSun, kind, dateValue);
  const double day = std::trunc(dateValue);
  search.siderealTime = ApparentSiderealTime(day);
  for (std::size_t i = 0; i < 3; ++i) {
    const CelestialPosition p = BodyPosition(isSun, day + static_cast<double>(i) - 1.0, latitude, longitude);
    search.rightAscension[i] = p.rightAscension;
    search.declination[i] = p.declination;
  }
  const long double c = (SinDeg(search.altitude) - SinDeg(latitude) * SinDeg(search.declination[1])) /
                        (CosDeg(latitude) * CosDeg(search.declination[1]));
  // Also rejects a NaN from a pole, where the denominator vanishes.
  if (!(c >= -1.0L && c <= 1.0L)) {
    return NoEvent;
  }
  const long double h0 = ArcCosDeg(c);
  const long double m0 = DayFraction((search.rightAscension[1] + longitude - search.siderealTime) / 360.0L);
  const long double m1 = DayFraction(m0 - h0 / 360.0L);
  const long double m2 = DayFraction(m0 + h0 / 360.0L);
  switch (kind) {
    case kRise:
    case kCivilDawn:
    case kNauticalDawn:
    case kAstronomicalDawn:
      return static_cast<double>(day + (m1 + RiseSetCorrection(search, 1, m1)));
    case kSet:
    case kCivilDusk:
    case kNauticalDusk:
    case kAstronomicalDusk:
      return static_cast<double>(day + (m2 + RiseSetCorrection(search, 2, m2)));
    case kTransit:
      return static_cast<double>(day + (m0 + RiseSetCorrection(search, 0, m0)));
    default:
      return 0.0;
  }
}

double SunRise(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(true, kRise, dateValue, latitude, longitude);
}

double SunSet(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(true, kSet, dateValue, latitude, longitude);
}

double SunTransit(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(true, kTransit, dateValue, latitude, longitude);
}

double MoonRise(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(false, kRise, dateValue, latitude, longitude);
}

double MoonSet(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(false, kSet, dateValue, latitude, longitude);
}

double MoonTransit(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(false, kTransit, dateValue, latitude, longitude);
}

double CivilDawn(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(true, kCivilDawn, dateValue, latitude, longitude);
}

double CivilDusk(double dateValue, long double latitude, long double longitude) {
  return RiseSetTransit(true, kCivilDusk, dateValue, latitude, longitude);
}

}  // namespace tempulo

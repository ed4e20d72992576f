// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_set.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "time/delta_t.h"

namespace tempulo {
namespace {

// The sun's centre at rise and set: 34 arcminutes of refraction and 16 of
// semidiameter below the horizon.
constexpr long double kSunAltitude = -0.8333L;
// The moon's radius in units of its horizontal parallax (1738 km over the
// Earth's 6378 km), and the refraction at the horizon.
constexpr long double kMoonRadiusShare = 0.2725L;
constexpr long double kRefraction = 34.0L / 60.0L;
constexpr long double kCivilTwilight = -6.0L;
constexpr long double kNauticalTwilight = -12.0L;
constexpr long double kAstronomicalTwilight = -18.0L;

// How fast the hour angle grows, degrees per day: the sidereal rate less the
// body's own eastward motion. The first step of a search uses it, and every
// step whose secant looks implausible.
constexpr long double kSunHourAngleRate = 360.0L;
constexpr long double kMoonHourAngleRate = 347.8L;

// A search stops once a step moves the time by less than this; the steps
// shrink by a factor of a hundred or more each, so what remains is a few
// milliseconds. It gives up after so many steps (two to four are usual).
constexpr long double kTolerance = 0.25L / 86400.0L;
constexpr int kMaxSteps = 24;
// Where the body does not reach the event's altitude at the day's start, the
// search looks again this many times further into the day.
constexpr int kStartProbes = 8;
// How often a step that lands where the body does not reach the altitude is
// halved before the search gives up.
constexpr int kMaxHalvings = 8;
// The secant slopes a search trusts, in units of the nominal rate.
constexpr long double kMinSlope = 0.2L;
constexpr long double kMaxSlope = 8.0L;

bool IsValidKind(int kind) { return kind >= kRiseEvent && kind <= kAstronomicalDuskEvent; }

bool IsRiseKind(int kind) {
  return kind == kRiseEvent || kind == kCivilDawnEvent || kind == kNauticalDawnEvent ||
         kind == kAstronomicalDawnEvent;
}

// The altitude of the body's centre that defines a rise or set of the kind;
// a transit takes that of the rise (a body that neither rises nor sets has
// no transit).
long double EventAltitude(bool isSun, int kind, long double parallax) {
  switch (kind) {
    case kCivilDawnEvent:
    case kCivilDuskEvent:
      return kCivilTwilight;
    case kNauticalDawnEvent:
    case kNauticalDuskEvent:
      return kNauticalTwilight;
    case kAstronomicalDawnEvent:
    case kAstronomicalDuskEvent:
      return kAstronomicalTwilight;
    default:
      return isSun ? kSunAltitude : -kMoonRadiusShare * parallax - kRefraction;
  }
}

long double HourAngleRate(bool isSun) { return isSun ? kSunHourAngleRate : kMoonHourAngleRate; }

}  // namespace

DaySpan CivilDaySpan(double localMidnight, double utcOffsetHours) {
  const double start = localMidnight - utcOffsetHours / 24.0;
  return {start, start + 1.0};
}

DayEvents::DayEvents(bool isSun, const DaySpan& day, long double latitude, long double longitude)
    : isSun_(isSun), day_(day), latitude_(latitude), longitude_(longitude) {
  valid_ = day.end > day.start && std::isfinite(day.start) && std::isfinite(day.end);
  if (valid_) {
    start_ = At(day.start);
  }
}

DayEvents::Sample DayEvents::At(double t) const {
  // The position at the instant's dynamical time, the sky's turn at its
  // universal time.
  const double tt = TerrestrialFromUniversal(t);
  CelestialPosition p;
  if (isSun_) {
    SunPosition(p, tt);
  } else {
    MoonPosition(p, tt);
    TopocentricCorrection(p, t, latitude_, longitude_, 0.0L);
  }
  Sample s;
  s.hourAngle = AngleDifference(ApparentSiderealTime(t) - longitude_, p.rightAscension);
  s.declination = p.declination;
  s.parallax = p.parallax;
  return s;
}

bool DayEvents::Offset(const Sample& s, int kind, long double& offset) const {
  if (kind == kTransitEvent) {
    offset = s.hourAngle;
    return true;
  }
  long double semiArc = 0;
  if (!SemiArc(s, kind, semiArc)) {
    return false;
  }
  offset = AngleDifference(s.hourAngle, IsRiseKind(kind) ? -semiArc : semiArc);
  return true;
}

bool DayEvents::SemiArc(const Sample& s, int kind, long double& semiArc) const {
  const long double altitude = EventAltitude(isSun_, kind, s.parallax);
  const long double c = (SinDeg(altitude) - SinDeg(latitude_) * SinDeg(s.declination)) /
                        (CosDeg(latitude_) * CosDeg(s.declination));
  // Also rejects a NaN from a pole, where the denominator vanishes.
  if (!(c >= -1.0L && c <= 1.0L)) {
    return false;
  }
  semiArc = ArcCosDeg(c);
  return true;
}

bool DayEvents::Converge(int kind, double t, double anchor, double& event) const {
  const long double nominal = HourAngleRate(isSun_);
  // An estimate made with the semi-arc of another instant may overshoot to
  // where the body no longer reaches the altitude: back towards the anchor,
  // where it does.
  Sample sample = At(t);
  long double offset = 0;
  for (int halvings = 0; !Offset(sample, kind, offset); sample = At(t)) {
    if (++halvings > kMaxHalvings) {
      return false;
    }
    t = anchor + (t - anchor) / 2;
  }
  long double rate = nominal;
  for (int i = 0; i < kMaxSteps; ++i) {
    const long double step = -offset / rate;
    if (std::fabs(step) < kTolerance) {
      // A transit needs a body that rises and sets at that instant.
      long double semiArc = 0;
      if (kind == kTransitEvent && !SemiArc(sample, kRiseEvent, semiArc)) {
        return false;
      }
      event = static_cast<double>(t + step);
      return true;
    }
    // Near the declination where the body stops rising and setting, a full
    // step may land where it does neither: shorter steps then.
    auto next = static_cast<double>(t + step);
    long double nextOffset = 0;
    int halvings = 0;
    for (sample = At(next); !Offset(sample, kind, nextOffset); sample = At(next)) {
      if (++halvings > kMaxHalvings) {
        return false;
      }
      next = static_cast<double>(t + std::ldexp(step, -halvings));
    }
    // The secant's slope where it is plausible, else the nominal rate (a
    // step across the wrap of the hour angle). Near the declination where
    // the body stops rising and setting, the semi-arc shrinks fast and the
    // slope is several times the nominal rate.
    const long double slope = (nextOffset - offset) / (static_cast<long double>(next) - t);
    rate = slope > kMinSlope * nominal && slope < kMaxSlope * nominal ? slope : nominal;
    t = next;
    offset = nextOffset;
  }
  return false;
}

double DayEvents::Find(int kind) const {
  if (!IsValidKind(kind)) {
    return 0.0;
  }
  if (!valid_) {
    return NoEvent;
  }
  const long double rate = HourAngleRate(isSun_);
  // The first instant of the day at which the body can reach the altitude.
  int probe = 0;
  double t = day_.start;
  long double offset = 0;
  while (!Offset(probe == 0 ? start_ : At(t), kind, offset)) {
    if (++probe == kStartProbes) {
      return NoEvent;
    }
    t = day_.start + (day_.end - day_.start) * probe / kStartProbes;
  }
  // The event next after that instant and, where the day began without the
  // altitude, the one just before it, which may still lie within the day.
  const long double behind = offset > 0.0L ? offset : 360.0L + offset;
  double estimates[3] = {static_cast<double>(t - behind / rate),
                         static_cast<double>(t + (360.0L - behind) / rate), 0};
  double anchors[3] = {t, t, 0};
  int count = 2;
  for (int i = probe == 0 ? 1 : 0; i < count; ++i) {
    double event = 0;
    if (!Converge(kind, estimates[i], anchors[i], event) || event >= day_.end) {
      continue;
    }
    if (event >= day_.start) {
      return event;
    }
    // An estimate from the day's start may settle on the event just before
    // the day; the next one is a turn of the sky later.
    if (count < 3) {
      anchors[count] = event;
      estimates[count++] = static_cast<double>(event + 360.0L / rate);
    }
  }
  return NoEvent;
}

double RiseSetTransit(bool isSun, int kind, const DaySpan& day, long double latitude, long double longitude) {
  return DayEvents(isSun, day, latitude, longitude).Find(kind);
}

double SunRise(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(true, kRiseEvent, day, latitude, longitude);
}

double SunSet(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(true, kSetEvent, day, latitude, longitude);
}

double SunTransit(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(true, kTransitEvent, day, latitude, longitude);
}

double MoonRise(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(false, kRiseEvent, day, latitude, longitude);
}

double MoonSet(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(false, kSetEvent, day, latitude, longitude);
}

double MoonTransit(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(false, kTransitEvent, day, latitude, longitude);
}

double CivilDawn(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(true, kCivilDawnEvent, day, latitude, longitude);
}

double CivilDusk(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(true, kCivilDuskEvent, day, latitude, longitude);
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/eclipses.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/moon_phases.h"
#include "astro/sun.h"
#include "time/delta_t.h"
#include "time/instant.h"

namespace tempulo {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr double kEarthRadius = 6378.137;       // km, equatorial
constexpr double kEarthFlattening = 1.0 / 298.257;
constexpr double kEccentricity2 = kEarthFlattening * (2.0 - kEarthFlattening);
constexpr double kSunRadius = 696000.0;         // km
constexpr double kMoonPenumbralK = 0.2725076;   // moon radius / Earth radius
constexpr double kMoonUmbralK = 0.2722810;
// The Earth's radius for its shadow: the mean radius and 88 km of
// atmosphere (6,459 km), in units of the equatorial radius. Danjon's rule
// (1.01) makes the shadow about 17 km smaller and the partial phases up to a
// minute shorter; the larger shadow matches the published contact times
// better.
constexpr double kShadowEnlargement = (6371.0 + 88.0) / kEarthRadius;
// Upper limb on a horizon lowered by 34' of refraction, as rise and set.
constexpr double kRefraction = 34.0 / 60.0;
constexpr double kSiderealRate = 360.98564736629;  // degrees per day
constexpr double kMeanLunation = 29.530588853;
// New moon of 6 January 2000 (date value) for counting lunations.
constexpr double kLunationZero = 36531.59766;
// Moon's ecliptic latitude at the syzygy beyond which no eclipse occurs,
// with room to spare (the limits are about 1.58 and 1.63 degrees).
constexpr double kSolarLatitudeLimit = 1.75;
constexpr double kLunarLatitudeLimit = 1.75;
// Interpolation grid around a syzygy: every hour for +-8 hours.
constexpr int kSamples = 17;
constexpr double kStep = 1.0 / 24.0;
constexpr double kHalfWindow = 8.0 / 24.0;
// Bisections and golden sections stop at about 1 ms.
constexpr int kMaxBisections = 60;
constexpr double kTimeTolerance = 1e-8;
constexpr int kMaxLunations = 45;  // 1,200 days and a margin
constexpr double kSyzygyMargin = 0.5;  // days
// Saros numbers of one eclipse of each family, by lunation: the solar eclipse
// of 21 August 2017 (series 145) and the lunar of 8 November 2022 (136). The
// series advances by one every 358 lunations and repeats every 223, so the
// number is fixed modulo 223 by 135 * s = lunations (mod 223); 38 is the
// inverse of 135.
constexpr int kSolarSarosLunation = 218;
constexpr int kSolarSaros = 145;
constexpr int kLunarSarosLunation = 282;
constexpr int kLunarSaros = 136;
constexpr int kSarosInverse = 38;

struct Vec {
  double x = 0;
  double y = 0;
  double z = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Norm(Vec a) { return std::sqrt(Dot(a, a)); }
Vec Unit(Vec a) { return (1.0 / Norm(a)) * a; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

double Angle(Vec a, Vec b) { return std::atan2(Norm(Cross(a, b)), Dot(a, b)); }

Vec Rectangular(const CelestialPosition& p) {
  const double ra = static_cast<double>(p.rightAscension) * kDeg;
  const double dec = static_cast<double>(p.declination) * kDeg;
  const auto r = static_cast<double>(p.distance);
  return {r * std::cos(dec) * std::cos(ra), r * std::cos(dec) * std::sin(ra), r * std::sin(dec)};
}

// Geocentric equatorial places of sun and moon (of date, km) on an hourly
// grid around an instant, interpolated between with four-point Lagrange
// polynomials (good to millimetres), and the sidereal time carried on from
// the middle of the grid.
class Ephemeris {
 public:
  explicit Ephemeris(double center) : first_(center - kHalfWindow) {
    for (int i = 0; i < kSamples; ++i) {
      const double tt = TerrestrialFromUniversal(first_ + i * kStep);
      CelestialPosition sun;
      CelestialPosition moon;
      SunPosition(sun, tt);
      MoonPosition(moon, tt);
      sun_[i] = Rectangular(sun);
      moon_[i] = Rectangular(moon);
    }
    siderealCenter_ = static_cast<double>(ApparentSiderealTime(center));
    center_ = center;
  }

  double First() const { return first_; }
  double Last() const { return first_ + (kSamples - 1) * kStep; }
  Vec Sun(double t) const { return At(sun_, t); }
  Vec Moon(double t) const { return At(moon_, t); }
  // Greenwich apparent sidereal time, degrees.
  double Sidereal(double t) const { return siderealCenter_ + kSiderealRate * (t - center_); }

 private:
  Vec At(const std::array<Vec, kSamples>& v, double t) const {
    const double u = (t - first_) / kStep;
    int i = static_cast<int>(std::floor(u)) - 1;
    i = std::clamp(i, 0, kSamples - 4);
    const double s = u - i;
    // Lagrange weights for nodes 0, 1, 2, 3.
    const double w0 = -(s - 1) * (s - 2) * (s - 3) / 6.0;
    const double w1 = s * (s - 2) * (s - 3) / 2.0;
    const double w2 = -s * (s - 1) * (s - 3) / 2.0;
    const double w3 = s * (s - 1) * (s - 2) / 6.0;
    return w0 * v[i] + w1 * v[i + 1] + w2 * v[i + 2] + w3 * v[i + 3];
  }

  double first_;
  double center_ = 0;
  double siderealCenter_ = 0;
  std::array<Vec, kSamples> sun_{};
  std::array<Vec, kSamples> moon_{};
};

// The instant in [a, b] where f is least (f has one minimum there).
template <typename F>
double Minimize(F f, double a, double b) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double c = b - ratio * (b - a);
  double d = a + ratio * (b - a);
  double fc = f(c);
  double fd = f(d);
  for (int i = 0; i < 2 * kMaxBisections && b - a > kTimeTolerance; ++i) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = f(d);
    }
  }
  return (a + b) / 2.0;
}

// The instant in [a, b] where f changes sign; kNoContact when it does not.
template <typename F>
double Root(F f, double a, double b) {
  double fa = f(a);
  const double fb = f(b);
  if ((fa < 0) == (fb < 0)) {
    return kNoContact;
  }
  for (int i = 0; i < kMaxBisections && b - a > kTimeTolerance; ++i) {
    const double m = (a + b) / 2.0;
    const double fm = f(m);
    if ((fm < 0) == (fa < 0)) {
      a = m;
      fa = fm;
    } else {
      b = m;
    }
  }
  return (a + b) / 2.0;
}

int Lunation(double t) { return static_cast<int>(std::lround((t - kLunationZero) / kMeanLunation)); }

int Saros(int lunation, int referenceLunation, int referenceSaros) {
  const long long delta = static_cast<long long>(lunation) - referenceLunation;
  long long residue = (delta % 223 + 223) % 223 * kSarosInverse % 223;
  // Of the numbers congruent modulo 223 the one nearest the series that are
  // under way at the time (their numbers grow by one every 358 lunations).
  const double center = static_cast<double>(delta) / 358.0;
  residue += 223 * std::llround((center - static_cast<double>(residue)) / 223.0);
  return referenceSaros + static_cast<int>(residue);
}

// ---------------------------------------------------------------- solar

// The shadow cone at one instant, in the fundamental plane through the
// Earth's centre perpendicular to the shadow axis, lengths in Earth radii.
struct Shadow {
  Vec axis;        // unit vector from the sun through the moon
  Vec closest;     // the axis' point nearest the Earth's centre, km
  double l1 = 0;   // penumbra's radius in the plane
  double l2 = 0;   // umbra's radius in the plane, negative for the antumbra
  double tanF1 = 0;
  double tanF2 = 0;
  double squeezed = 0;  // distance of the axis from the centre with the Earth's flattening taken out
};

Shadow ShadowAt(const Ephemeris& e, double t) {
  const Vec sun = e.Sun(t);
  const Vec moon = e.Moon(t);
  const Vec g = moon - sun;
  const double distance = Norm(g);
  Shadow s;
  s.axis = (1.0 / distance) * g;
  const double along = -Dot(moon, s.axis);  // moon to the plane
  s.closest = moon + along * s.axis;
  const double rm1 = kMoonPenumbralK * kEarthRadius;
  const double rm2 = kMoonUmbralK * kEarthRadius;
  const double f1 = std::asin((kSunRadius + rm1) / distance);
  const double f2 = std::asin((kSunRadius - rm2) / distance);
  s.l1 = (along * std::tan(f1) + rm1 / std::cos(f1)) / kEarthRadius;
  s.l2 = (rm2 / std::cos(f2) - along * std::tan(f2)) / kEarthRadius;
  s.tanF1 = std::tan(f1);
  s.tanF2 = std::tan(f2);
  // The Earth's outline in the plane is an ellipse squeezed north-south by
  // rho1; stretching the plane's north coordinate by 1 / rho1 makes it the
  // unit circle.
  const double sinD = -s.axis.z;
  const double rho1 = std::sqrt(1.0 - kEccentricity2 * (1.0 - sinD * sinD));
  const Vec north = Unit(Vec{0, 0, 1} - sinD * (-1.0 * s.axis));
  const double y = Dot(s.closest, north) / kEarthRadius;
  const double r2 = Dot(s.closest, s.closest) / (kEarthRadius * kEarthRadius);
  const double x2 = std::max(0.0, r2 - y * y);
  s.squeezed = std::sqrt(x2 + (y / rho1) * (y / rho1));
  return s;
}

// Geodetic latitude and east longitude of an Earth-fixed point given in the
// equatorial frame of date.
void Geodetic(Vec p, double sidereal, double& latitude, double& longitude) {
  const double horizontal = std::hypot(p.x, p.y);
  latitude = std::atan2(p.z, horizontal * (1.0 - kEccentricity2)) / kDeg;
  longitude = static_cast<double>(AngleDifference(std::atan2(p.y, p.x) / kDeg, sidereal));
}

// Where the shadow axis first meets the ellipsoid; false when it misses.
bool AxisOnSurface(const Shadow& s, Vec& point) {
  // Scale z so that the ellipsoid becomes the sphere of radius a.
  const double k = 1.0 / std::sqrt(1.0 - kEccentricity2);
  const Vec o{s.closest.x, s.closest.y, s.closest.z * k};
  Vec d{s.axis.x, s.axis.y, s.axis.z * k};
  const double b = Dot(o, d);
  const double a = Dot(d, d);
  const double c = Dot(o, o) - kEarthRadius * kEarthRadius;
  const double disc = b * b - a * c;
  if (disc < 0) {
    return false;
  }
  const double u = (-b - std::sqrt(disc)) / a;  // the side facing the moon
  point = s.closest + u * s.axis;
  return true;
}

bool SolarEclipseAt(double syzygy, Eclipse& out) {
  const Ephemeris e(syzygy);
  const double greatest = Minimize(
      [&e](double t) {
        const Shadow s = ShadowAt(e, t);
        return Dot(s.closest, s.closest);
      },
      e.First() + 2 * kStep, e.Last() - 2 * kStep);
  const Shadow s = ShadowAt(e, greatest);
  // Whether the penumbra touches the Earth at all is judged on the
  // equatorial radius, as the Canon does.
  if (Norm(s.closest) / kEarthRadius >= 1.0 + s.l1) {
    return false;
  }
  out = Eclipse{};
  out.greatest = Instant::FromDateValue(greatest);
  const double sinD = -s.axis.z;
  const Vec north = Unit(Vec{0, 0, 1} - sinD * (-1.0 * s.axis));
  const double y = Dot(s.closest, north);
  out.gamma = std::copysign(Norm(s.closest) / kEarthRadius, y);
  const double sidereal = e.Sidereal(greatest);
  Vec surface;
  out.central = s.squeezed < 1.0 && AxisOnSurface(s, surface);
  if (out.central) {
    // The umbra's radius where the axis meets the surface, nearer the moon
    // than the fundamental plane by the depth of that point.
    const double depth = Dot(surface, -1.0 * s.axis) / kEarthRadius;
    const double l1s = s.l1 - depth * s.tanF1;
    const double l2s = s.l2 + depth * s.tanF2;
    out.kind = s.l2 > 0 ? EclipseKind::kSolarTotal
                        : (l2s > 0 ? EclipseKind::kSolarHybrid : EclipseKind::kSolarAnnular);
    out.magnitude = (l1s + l2s) / (l1s - l2s);
    Geodetic(surface, sidereal, out.latitude, out.longitude);
  } else {
    if (s.squeezed < 1.0 + std::fabs(s.l2)) {
      out.kind = s.l2 > 0 ? EclipseKind::kSolarTotal : EclipseKind::kSolarAnnular;
    } else {
      out.kind = EclipseKind::kSolarPartial;
    }
    out.magnitude = (1.0 + s.l1 - s.squeezed) / (s.l1 - s.l2);
    Geodetic(s.closest, sidereal, out.latitude, out.longitude);
  }
  out.saros = Saros(Lunation(syzygy), kSolarSarosLunation, kSolarSaros);
  return true;
}

// ---------------------------------------------------------------- lunar

struct EarthShadow {
  double distance = 0;   // moon's centre from the shadow's centre, radians
  double umbra = 0;      // radii, radians
  double penumbra = 0;
  double moonRadius = 0;
};

EarthShadow EarthShadowAt(const Ephemeris& e, double t) {
  const Vec sun = e.Sun(t);
  const Vec moon = e.Moon(t);
  const double moonDistance = Norm(moon);
  const double sunDistance = Norm(sun);
  const double moonParallax = std::asin(kEarthRadius / moonDistance);
  const double sunParallax = std::asin(kEarthRadius / sunDistance);
  const double sunRadius = std::asin(kSunRadius / sunDistance);
  EarthShadow s;
  s.distance = Angle(moon, -1.0 * sun);
  s.umbra = kShadowEnlargement * moonParallax + sunParallax - sunRadius;
  s.penumbra = kShadowEnlargement * moonParallax + sunParallax + sunRadius;
  s.moonRadius = std::asin(kMoonPenumbralK * kEarthRadius / moonDistance);
  return s;
}

bool LunarEclipseAt(double syzygy, Eclipse& out) {
  const Ephemeris e(syzygy);
  const double a = e.First() + 2 * kStep;
  const double b = e.Last() - 2 * kStep;
  const double greatest = Minimize([&e](double t) { return EarthShadowAt(e, t).distance; }, a, b);
  const EarthShadow s = EarthShadowAt(e, greatest);
  const double penumbral = (s.penumbra + s.moonRadius - s.distance) / (2.0 * s.moonRadius);
  if (penumbral <= 0) {
    return false;
  }
  out = Eclipse{};
  out.greatest = Instant::FromDateValue(greatest);
  out.penumbralMagnitude = penumbral;
  out.magnitude = (s.umbra + s.moonRadius - s.distance) / (2.0 * s.moonRadius);
  out.kind = out.magnitude >= 1.0 ? EclipseKind::kLunarTotal
                                  : (out.magnitude > 0 ? EclipseKind::kLunarPartial : EclipseKind::kLunarPenumbral);
  const Vec moon = e.Moon(greatest);
  const Vec anti = -1.0 * e.Sun(greatest);
  const double north = Unit(moon).z - Unit(anti).z;
  out.gamma = std::copysign(Norm(moon) * std::sin(s.distance) / kEarthRadius, north);
  // Contacts: the moon's limb on the penumbra and the umbra, from outside
  // (P1, U1) and inside (U2).
  auto contact = [&e](double sign, bool umbra) {
    return [&e, sign, umbra](double t) {
      const EarthShadow x = EarthShadowAt(e, t);
      return x.distance - ((umbra ? x.umbra : x.penumbra) + sign * x.moonRadius);
    };
  };
  out.penumbralBegin = Root(contact(1, false), e.First(), greatest);
  out.penumbralEnd = Root(contact(1, false), greatest, e.Last());
  if (out.kind != EclipseKind::kLunarPenumbral) {
    out.partialBegin = Root(contact(1, true), e.First(), greatest);
    out.partialEnd = Root(contact(1, true), greatest, e.Last());
  }
  if (out.kind == EclipseKind::kLunarTotal) {
    out.totalBegin = Root(contact(-1, true), e.First(), greatest);
    out.totalEnd = Root(contact(-1, true), greatest, e.Last());
  }
  out.saros = Saros(Lunation(syzygy - kMeanLunation / 2.0), kLunarSarosLunation, kLunarSaros);
  return true;
}

// ---------------------------------------------------------------- local

// The observer's place and zenith in the equatorial frame of date, km.
struct Observer {
  double latitude;   // radians
  double longitude;  // degrees east
};

void ObserverAt(const Ephemeris& e, const Observer& o, double t, Vec& position, Vec& zenith) {
  const double theta = (e.Sidereal(t) + o.longitude) * kDeg;
  const double sinPhi = std::sin(o.latitude);
  const double cosPhi = std::cos(o.latitude);
  const double n = kEarthRadius / std::sqrt(1.0 - kEccentricity2 * sinPhi * sinPhi);
  position = {n * cosPhi * std::cos(theta), n * cosPhi * std::sin(theta), n * (1.0 - kEccentricity2) * sinPhi};
  zenith = {cosPhi * std::cos(theta), cosPhi * std::sin(theta), sinPhi};
}

double AltitudeOf(Vec body, Vec position, Vec zenith) {
  const Vec v = body - position;
  return std::asin(std::clamp(Dot(v, zenith) / Norm(v), -1.0, 1.0)) / kDeg;
}

// The sun's and moon's discs as the observer sees them.
struct Discs {
  double separation = 0;  // radians
  double sun = 0;         // radii, radians
  double moon = 0;
  double sunAltitude = 0;  // degrees
};

Discs DiscsAt(const Ephemeris& e, const Observer& o, double t) {
  Vec position;
  Vec zenith;
  ObserverAt(e, o, t, position, zenith);
  const Vec sun = e.Sun(t) - position;
  const Vec moon = e.Moon(t) - position;
  Discs d;
  d.separation = Angle(sun, moon);
  d.sun = std::asin(kSunRadius / Norm(sun));
  d.moon = std::asin(kMoonPenumbralK * kEarthRadius / Norm(moon));
  d.sunAltitude = std::asin(std::clamp(Dot(sun, zenith) / Norm(sun), -1.0, 1.0)) / kDeg;
  return d;
}

// Share of the sun's disc (radius r) that the moon's (radius R) covers with
// their centres d apart.
double Obscuration(double d, double r, double R) {
  if (d >= r + R) {
    return 0.0;
  }
  if (d <= std::fabs(R - r)) {
    return R >= r ? 1.0 : (R * R) / (r * r);
  }
  const double a = std::acos(std::clamp((d * d + r * r - R * R) / (2 * d * r), -1.0, 1.0));
  const double b = std::acos(std::clamp((d * d + R * R - r * r) / (2 * d * R), -1.0, 1.0));
  const double lens = r * r * (a - std::sin(2 * a) / 2) + R * R * (b - std::sin(2 * b) / 2);
  return lens / (kPi * r * r);
}

EclipseContact ContactAt(double t, double altitude) { return {t, altitude}; }

// Whether the body's upper limb stands above the horizon at some instant of
// [a, b], looked at every two minutes and at both ends.
template <typename Altitude>
bool AboveHorizonDuring(double a, double b, double radius, Altitude altitude) {
  const double limit = -(kRefraction + radius);
  constexpr double kProbe = 2.0 / 1440.0;
  const int steps = std::clamp(static_cast<int>((b - a) / kProbe), 1, 1000);
  for (int i = 0; i <= steps; ++i) {
    if (altitude(a + (b - a) * i / steps) > limit) {
      return true;
    }
  }
  return false;
}

LocalEclipse LocalSolar(const Eclipse& eclipse, const Observer& o) {
  const Ephemeris e(eclipse.greatest.DateValue());
  LocalEclipse local;
  local.kind = EclipseKind::kSolarPartial;
  const double a = e.First() + kStep;
  const double b = e.Last() - kStep;
  const double maximum = Minimize(
      [&e, &o](double t) {
        const Discs d = DiscsAt(e, o, t);
        return d.separation - d.moon;  // how far the moon's limb stands from the sun's centre
      },
      a, b);
  const Discs m = DiscsAt(e, o, maximum);
  if (m.separation >= m.sun + m.moon) {
    return local;
  }
  local.eclipsed = true;
  auto outer = [&e, &o](double t) {
    const Discs d = DiscsAt(e, o, t);
    return d.separation - (d.sun + d.moon);
  };
  auto inner = [&e, &o](double t) {
    const Discs d = DiscsAt(e, o, t);
    return d.separation - std::fabs(d.sun - d.moon);
  };
  auto altitude = [&e, &o](double t) { return DiscsAt(e, o, t).sunAltitude; };
  local.begin = ContactAt(Root(outer, e.First(), maximum), 0);
  local.end = ContactAt(Root(outer, maximum, e.Last()), 0);
  local.maximum = ContactAt(maximum, m.sunAltitude);
  if (m.separation < std::fabs(m.sun - m.moon)) {
    local.kind = m.moon > m.sun ? EclipseKind::kSolarTotal : EclipseKind::kSolarAnnular;
    local.totalBegin = ContactAt(Root(inner, local.begin.time, maximum), 0);
    local.totalEnd = ContactAt(Root(inner, maximum, local.end.time), 0);
  }
  for (EclipseContact* c : {&local.begin, &local.end, &local.totalBegin, &local.totalEnd}) {
    if (c->time != kNoContact) {
      c->altitude = altitude(c->time);
    }
  }
  local.magnitude = (m.sun + m.moon - m.separation) / (2.0 * m.sun);
  local.obscuration = Obscuration(m.separation, m.sun, m.moon);
  if (local.begin.time != kNoContact && local.end.time != kNoContact) {
    local.visible = AboveHorizonDuring(local.begin.time, local.end.time, m.sun / kDeg, altitude);
  }
  return local;
}

LocalEclipse LocalLunar(const Eclipse& eclipse, const Observer& o) {
  const Ephemeris e(eclipse.greatest.DateValue());
  LocalEclipse local;
  local.eclipsed = true;
  local.kind = eclipse.kind;
  auto altitude = [&e, &o](double t) {
    Vec position;
    Vec zenith;
    ObserverAt(e, o, t, position, zenith);
    return AltitudeOf(e.Moon(t), position, zenith);
  };
  const bool umbral = eclipse.kind != EclipseKind::kLunarPenumbral;
  const double begin = umbral ? eclipse.partialBegin : eclipse.penumbralBegin;
  const double end = umbral ? eclipse.partialEnd : eclipse.penumbralEnd;
  local.begin = ContactAt(begin, begin != kNoContact ? altitude(begin) : 0);
  local.end = ContactAt(end, end != kNoContact ? altitude(end) : 0);
  local.maximum = ContactAt(eclipse.greatest.DateValue(), altitude(eclipse.greatest.DateValue()));
  if (eclipse.totalBegin != kNoContact) {
    local.totalBegin = ContactAt(eclipse.totalBegin, altitude(eclipse.totalBegin));
    local.totalEnd = ContactAt(eclipse.totalEnd, altitude(eclipse.totalEnd));
  }
  local.magnitude = eclipse.magnitude;
  if (begin != kNoContact && end != kNoContact) {
    const double radius =
        std::asin(kMoonPenumbralK * kEarthRadius / Norm(e.Moon(eclipse.greatest.DateValue()))) / kDeg;
    local.visible = AboveHorizonDuring(begin, end, radius, altitude);
  }
  return local;
}

}  // namespace

std::vector<Eclipse> EclipsesBetween(Instant from, Instant to) {
  const double start = from.DateValue();
  double end = to.DateValue();
  std::vector<Eclipse> eclipses;
  if (!(end > start) || !std::isfinite(start) || !std::isfinite(end)) {
    return eclipses;
  }
  end = std::min(end, start + 1200.0);
  // Every new moon and the full moon after it from a lunation before the
  // span: the greatest eclipse lies within hours of its syzygy.
  // The series' syzygies suffice: each eclipse search finds its own instants.
  double t = NextApproximateMoonPhase(LunarPhase::kNewMoon, start - kMeanLunation - 1.0);
  for (int i = 0; i < kMaxLunations && t < end + 1.0; ++i) {
    for (const bool solar : {true, false}) {
      const double syzygy = solar ? t : NextApproximateMoonPhase(LunarPhase::kFullMoon, t);
      // The greatest eclipse lies within a few hours of its syzygy.
      if (syzygy < start - kSyzygyMargin || syzygy >= end + kSyzygyMargin) {
        continue;
      }
      CelestialPosition moon;
      MoonPosition(moon, TerrestrialFromUniversal(syzygy));
      const double limit = solar ? kSolarLatitudeLimit : kLunarLatitudeLimit;
      Eclipse eclipse;
      if (std::fabs(static_cast<double>(moon.latitude)) < limit &&
          (solar ? SolarEclipseAt(syzygy, eclipse) : LunarEclipseAt(syzygy, eclipse)) &&
          eclipse.greatest.DateValue() >= start && eclipse.greatest.DateValue() < end) {
        eclipses.push_back(eclipse);
      }
    }
    t = NextApproximateMoonPhase(LunarPhase::kNewMoon, t + 1.0);
  }
  std::sort(eclipses.begin(), eclipses.end(),
            [](const Eclipse& x, const Eclipse& y) { return x.greatest < y.greatest; });
  return eclipses;
}

LocalEclipse LocalCircumstances(const Eclipse& eclipse, double latitude, double longitude) {
  const Observer o{latitude * kDeg, longitude};
  return IsSolar(eclipse.kind) ? LocalSolar(eclipse, o) : LocalLunar(eclipse, o);
}

}  // namespace tempulo

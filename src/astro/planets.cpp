// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/planets.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/sun.h"
#include "astro/vsop87.h"
#include "astro/vsop87_planet_terms.h"
#include "time/delta_t.h"
#include "time/instant.h"

namespace tempulo {
namespace {

// One body's series by power; an empty span is a power the series lacks.
using Powers = std::array<std::span<const VSOPTerm>, TVSOP::kMaxPower + 1>;

struct BodySeries {
  Powers l;
  Powers b;
  Powers r;
};

namespace vp = vsop87_planets;

const BodySeries kEarth = {vp::earth::kL, vp::earth::kB, vp::earth::kR};
const std::array<BodySeries, 7> kBodies = {{
    {vp::mercury::kL, vp::mercury::kB, vp::mercury::kR},
    {vp::venus::kL, vp::venus::kB, vp::venus::kR},
    {vp::mars::kL, vp::mars::kB, vp::mars::kR},
    {vp::jupiter::kL, vp::jupiter::kB, vp::jupiter::kR},
    {vp::saturn::kL, vp::saturn::kB, vp::saturn::kR},
    {vp::uranus::kL, vp::uranus::kB, vp::uranus::kR},
    {vp::neptune::kL, vp::neptune::kB, vp::neptune::kR},
}};

constexpr std::array<std::string_view, 7> kNames = {"Merkur", "Venus",  "Mars",  "Jupiter",
                                                    "Saturn", "Uranus", "Neptun"};
constexpr std::array<std::string_view, 7> kIds = {"mercury", "venus",  "mars",   "jupiter",
                                                  "saturn",  "uranus", "neptune"};

// Light needs this many days per astronomical unit.
constexpr double kLightDaysPerAU = 0.0057755183;
// The coarse bound, in the tables' unit of 1e-8 rad or AU: 1e-6.
constexpr double kCoarseBound = 100.0;
// A term of power p counts with tau^p; the bound is taken at two centuries.
constexpr std::array<double, TVSOP::kMaxPower + 1> kSpanPowers = {1.0, 0.2, 0.04, 0.008, 0.0016, 0.00032};

constexpr double kRadPerArcsec = 4.84813681109536e-6;
constexpr long double kRefraction = 34.0L / 60.0L;
// The sun's equatorial horizontal parallax at 1 AU, degrees.
constexpr long double kEquatorialParallax = 8.794L / 3600.0L;

std::size_t Index(Planet planet) { return static_cast<std::size_t>(planet); }

// One series of one power as three columns of doubles, converted once from
// the tables' extended values (the sum has always been taken in double), and
// the number of its leading terms a coarse evaluation sums.
struct Column {
  std::vector<double> a;
  std::vector<double> b;
  std::vector<double> c;
  std::size_t coarse = 0;
};
using Columns = std::array<Column, TVSOP::kMaxPower + 1>;

Columns ColumnsOf(const Powers& powers) {
  Columns columns;
  for (std::size_t p = 0; p < columns.size(); ++p) {
    Column& column = columns[p];
    const double bound = kCoarseBound / kSpanPowers[p];
    bool coarse = true;
    for (const VSOPTerm& term : powers[p]) {
      const auto a = static_cast<double>(term.a);
      // The terms stand largest first: the coarse sum stops at the first
      // one under its bound.
      coarse = coarse && !(std::fabs(a) < bound);
      column.coarse += coarse ? 1 : 0;
      column.a.push_back(a);
      column.b.push_back(static_cast<double>(term.b));
      column.c.push_back(static_cast<double>(term.c));
    }
  }
  return columns;
}

struct PreparedBody {
  Columns l;
  Columns b;
  Columns r;
};

PreparedBody Prepare(const BodySeries& body) { return {ColumnsOf(body.l), ColumnsOf(body.b), ColumnsOf(body.r)}; }

// The Earth first, then Mercury to Neptune.
const std::array<PreparedBody, 8>& PreparedBodies() {
  static const std::array<PreparedBody, 8> prepared = {
      Prepare(kEarth),      Prepare(kBodies[0]), Prepare(kBodies[1]), Prepare(kBodies[2]),
      Prepare(kBodies[3]),  Prepare(kBodies[4]), Prepare(kBodies[5]), Prepare(kBodies[6]),
  };
  return prepared;
}

// Sum of a * cos(b + c * tau) over the first n terms. The cosine is taken
// here rather than by the library: whole quadrants come off with pi/2 in
// three pieces of 33 bits (exact products for quadrant counts below 2^20,
// arguments up to a million radians, some fifty millennia from J2000 for
// the fastest term), and the rest goes through the minimax kernels of
// degree 13 and 14, within about an ulp. The quadrant picks the kernel and
// the sign by bit masks, without a branch, so that the compiler takes the
// terms of a block several at a time; the block's terms are then added in
// their order, as the library's cosines were.
double CosineSum(const Column& column, std::size_t n, double tau) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kPio2First = 1.57079632673412561417e+00;
  constexpr double kPio2Second = 6.07710050630396597660e-11;
  constexpr double kPio2Third = 2.02226624871116645580e-21;
  // Adding and taking off 1.5 * 2^52 rounds to the nearest whole number,
  // which then stands in the low bits of the sum.
  constexpr double kRound = 6755399441055744.0;
  constexpr double kS1 = -1.66666666666666324348e-01;
  constexpr double kS2 = 8.33333333332248946124e-03;
  constexpr double kS3 = -1.98412698298579493134e-04;
  constexpr double kS4 = 2.75573137070700676789e-06;
  constexpr double kS5 = -2.50507602534068634195e-08;
  constexpr double kS6 = 1.58969099521155010221e-10;
  constexpr double kC1 = 4.16666666666666019037e-02;
  constexpr double kC2 = -1.38888888888741095749e-03;
  constexpr double kC3 = 2.48015872894767294178e-05;
  constexpr double kC4 = -2.75573143513906633035e-07;
  constexpr double kC5 = 2.08757232129817482790e-09;
  constexpr double kC6 = -1.13596475577881948265e-11;
  constexpr std::size_t kBlock = 64;
  const double* a = column.a.data();
  const double* b = column.b.data();
  const double* c = column.c.data();
  double sum = 0;
  for (std::size_t start = 0; start < n; start += kBlock) {
    const std::size_t count = std::min(kBlock, n - start);
    std::array<double, kBlock> terms;
    for (std::size_t j = 0; j < count; ++j) {
      const std::size_t i = start + j;
      const double x = b[i] + c[i] * tau;
      const double shifted = x * kTwoOverPi + kRound;
      const double k = shifted - kRound;
      const auto quadrant = std::bit_cast<std::uint64_t>(shifted);
      const double r = ((x - k * kPio2First) - k * kPio2Second) - k * kPio2Third;
      const double z = r * r;
      const double sine = r + r * z * (kS1 + z * (kS2 + z * (kS3 + z * (kS4 + z * (kS5 + z * kS6)))));
      const double half = 0.5 * z;
      const double w = 1.0 - half;
      const double cosine =
          w + (((1.0 - w) - half) + z * z * (kC1 + z * (kC2 + z * (kC3 + z * (kC4 + z * (kC5 + z * kC6))))));
      // cos(r + q pi/2): cos r, -sin r, -cos r, sin r.
      const std::uint64_t odd = std::uint64_t{0} - (quadrant & 1);
      const std::uint64_t sign = ((quadrant + 1) & 2) << 62;
      const std::uint64_t value =
          ((std::bit_cast<std::uint64_t>(sine) & odd) | (std::bit_cast<std::uint64_t>(cosine) & ~odd)) ^ sign;
      terms[j] = a[i] * std::bit_cast<double>(value);
    }
    for (std::size_t j = 0; j < count; ++j) {
      sum += terms[j];
    }
  }
  return sum;
}

// Sum of one series in rad or AU.
double Evaluate(const Columns& powers, double tau, PlanetPrecision precision) {
  double result = 0;
  for (int p = TVSOP::kMaxPower; p >= 0; --p) {
    const Column& column = powers[static_cast<std::size_t>(p)];
    const std::size_t n = precision == PlanetPrecision::kCoarse ? column.coarse : column.a.size();
    result = result * tau + CosineSum(column, n, tau);
  }
  return result * 1e-8;
}

struct Helio {
  double l = 0;  // rad
  double b = 0;  // rad
  double r = 0;  // AU
};

double Tau(double dateValue) { return (dateValue - J2000DateValue - 0.5) / 365250.0; }

Helio HelioOf(const PreparedBody& body, double dateValue, PlanetPrecision precision) {
  const double tau = Tau(dateValue);
  return {Evaluate(body.l, tau, precision), Evaluate(body.b, tau, precision), Evaluate(body.r, tau, precision)};
}

struct Vector {
  double x = 0;
  double y = 0;
  double z = 0;
};

// The Earth at the last few instants asked for: the planets of one instant
// (a day's block, a day's sample of the events) share it.
Helio EarthAt(double dateValue, PlanetPrecision precision) {
  struct Entry {
    double t = 0;
    PlanetPrecision precision = PlanetPrecision::kFull;
    bool used = false;
    Helio earth;
  };
  constexpr std::size_t kEntries = 8;
  thread_local std::array<Entry, kEntries> cache{};
  thread_local std::size_t next = 0;
  for (const Entry& e : cache) {
    if (e.used && e.t == dateValue && e.precision == precision) {
      return e.earth;
    }
  }
  Entry& e = cache[next];
  next = (next + 1) % kEntries;
  e = {dateValue, precision, true, HelioOf(PreparedBodies()[0], dateValue, precision)};
  return e.earth;
}

Vector Rectangular(const Helio& h) {
  return {h.r * std::cos(h.b) * std::cos(h.l), h.r * std::cos(h.b) * std::sin(h.l), h.r * std::sin(h.b)};
}

// The geometric geocentric place with light-time, before the frame
// correction, aberration and nutation.
struct Geometric {
  double lambda = 0;  // rad
  double beta = 0;    // rad
  double delta = 0;   // AU
  double r = 0;       // planet - sun, AU
  double l = 0;       // the planet's heliocentric longitude and latitude, rad
  double b = 0;
  Helio earth;
};

// The place from the Earth and the planet's heliocentric place at any
// instant, helioAt(t).
//
// The first pass finds the distance, the second the planet where the light
// left it; a third would move it by well under 0.01". A light-time known
// from a place a few hours away (lightTimeFrom, days) saves the first pass:
// it is a few seconds off at most, which moves the fastest planet near the
// Earth by under 1".
template <typename HelioAt>
Geometric GeometricPlaceFrom(const Helio& earth, double dateValue, const HelioAt& helioAt,
                             std::optional<double> lightTimeFrom = std::nullopt) {
  Geometric g;
  g.earth = earth;
  const Vector e = Rectangular(g.earth);
  double lightTime = lightTimeFrom.value_or(0.0);
  for (int pass = lightTimeFrom ? 1 : 0; pass < 2; ++pass) {
    const Helio p = helioAt(dateValue - lightTime);
    const Vector v = Rectangular(p);
    const double x = v.x - e.x;
    const double y = v.y - e.y;
    const double z = v.z - e.z;
    g.delta = std::sqrt(x * x + y * y + z * z);
    g.lambda = std::atan2(y, x);
    g.beta = std::atan2(z, std::hypot(x, y));
    g.r = p.r;
    g.l = p.l;
    g.b = p.b;
    lightTime = kLightDaysPerAU * g.delta;
  }
  return g;
}

Geometric GeometricPlace(Planet planet, double dateValue, PlanetPrecision precision,
                         std::optional<double> lightTimeFrom = std::nullopt) {
  const PreparedBody& body = PreparedBodies()[Index(planet) + 1];
  return GeometricPlaceFrom(
      EarthAt(dateValue, precision), dateValue, [&](double t) { return HelioOf(body, t, precision); },
      lightTimeFrom);
}

// A planet's coarse heliocentric place over a stretch: the series every
// `step` days, and Lagrange's cubic through the four samples around an
// instant in between. The series' longitude is not reduced to a turn and so
// runs on smoothly.
class HelioSamples {
 public:
  HelioSamples(Planet planet, double start, double end, double step) : start_(start), step_(step) {
    const PreparedBody& body = PreparedBodies()[Index(planet) + 1];
    const int count = std::clamp(static_cast<int>(std::ceil((end - start) / step)) + 1, 4, kMaxSamples);
    samples_.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
      samples_.push_back(HelioOf(body, start + step * k, PlanetPrecision::kCoarse));
    }
  }

  Helio At(double t) const {
    const double x = (t - start_) / step_;
    const int last = static_cast<int>(samples_.size()) - 4;
    const int first = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, last);
    const double u = x - first;
    // The weights of the samples first .. first + 3 at u (0 .. 3).
    const std::array<double, 4> w = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                                     -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
    Helio h{0, 0, 0};
    for (std::size_t k = 0; k < 4; ++k) {
      const Helio& s = samples_[static_cast<std::size_t>(first) + k];
      h.l += w[k] * s.l;
      h.b += w[k] * s.b;
      h.r += w[k] * s.r;
    }
    return h;
  }

 private:
  static constexpr int kMaxSamples = 4000;
  double start_;
  double step_;
  std::vector<Helio> samples_;
};

// Days between the samples of a planet's heliocentric place in the daily
// coarse places: Mercury and Venus (0: each instant from the series) move
// too fast for a cubic; Mars's samples two days apart keep it within
// 0.001", the slower planets' eight days apart within 1e-5".
constexpr std::array<double, 7> kHelioSampleDays = {0, 0, 2, 8, 8, 8, 8};

// Apparent longitude and latitude (rad, before nutation) and the sun's
// apparent longitude (rad, before nutation).
struct Apparent {
  double lambda = 0;
  double beta = 0;
  double sun = 0;
};

// The sun's apparent longitude before nutation, rad: the geocentric
// longitude, the frame correction to FK5 and the annual aberration.
double SunApparentBeforeNutation(const Helio& earth) {
  return earth.l + kPi - 0.09033 * kRadPerArcsec - 20.4898 * kRadPerArcsec / earth.r;
}

Apparent ApparentPlace(const Geometric& g, double dateValue) {
  const double t = (dateValue - J2000DateValue - 0.5) / 36525.0;
  // The frame correction of the theory's dynamical ecliptic to FK5.
  const double lPrime = g.lambda - (1.397 + 0.00031 * t) * t * kPi / 180.0;
  Apparent a;
  a.lambda = g.lambda + (-0.09033 + 0.03916 * (std::cos(lPrime) + std::sin(lPrime)) * std::tan(g.beta)) *
                            kRadPerArcsec;
  a.beta = g.beta + 0.03916 * (std::cos(lPrime) - std::sin(lPrime)) * kRadPerArcsec;
  // Annual aberration with the eccentricity of the Earth's orbit.
  const double sun = g.earth.l + kPi;
  const double kappa = 20.49552 * kRadPerArcsec;
  const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
  const double perihelion = (102.93735 + 1.71946 * t + 0.00046 * t * t) * kPi / 180.0;
  const double dl = (-kappa * std::cos(sun - a.lambda) + e * kappa * std::cos(perihelion - a.lambda)) /
                    std::cos(a.beta);
  const double db = -kappa * std::sin(a.beta) * (std::sin(sun - a.lambda) - e * std::sin(perihelion - a.lambda));
  a.lambda += dl;
  a.beta += db;
  a.sun = SunApparentBeforeNutation(g.earth);
  return a;
}

long double Polynomial(long double x, std::span<const long double> c) {
  // Horner's scheme from the highest power down.
  long double result = 0;
  for (std::size_t i = c.size(); i > 0; --i) {
    result = result * x + c[i - 1];
  }
  return result;
}

// The tilt of Saturn's rings towards the Earth from its geocentric ecliptic
// place (degrees), with the ring plane's inclination and node.
long double SaturnRingTilt(long double lambda, long double beta, double dateValue) {
  const long double inclination = 28.06L;
  const long double node = 169.51L + 3.82e-5L * (dateValue - J2000DateValue - 0.5);
  return ArcSinDeg(SinDeg(beta) * CosDeg(inclination) - CosDeg(beta) * SinDeg(inclination) * SinDeg(lambda - node));
}

// Sine of the latitude of a direction (ecliptic longitude, latitude) on
// Uranus's equator: the planet's pole at right ascension 257.311, declination
// -15.175 degrees (J2000), on the ecliptic of J2000.
long double UranusLatitudeSine(long double lambda, long double beta) {
  const long double alpha = 257.311L;
  const long double delta = -15.175L;
  const long double eps = 23.4393L;
  const long double poleBeta = ArcSinDeg(SinDeg(delta) * CosDeg(eps) - CosDeg(delta) * SinDeg(eps) * SinDeg(alpha));
  const long double poleLambda =
      ArcTan2Deg(SinDeg(alpha) * CosDeg(eps) + TanDeg(delta) * SinDeg(eps), CosDeg(alpha));
  return SinDeg(beta) * SinDeg(poleBeta) + CosDeg(beta) * CosDeg(poleBeta) * CosDeg(lambda - poleLambda);
}

// Right ascension and declination from the ecliptic longitude and latitude
// and the obliquity epsilon, degrees.
std::pair<long double, long double> EquatorialFromEcliptic(long double lambda, long double beta,
                                                           long double epsilon) {
  return {ArcTan2Deg(SinDeg(lambda) * CosDeg(epsilon) - TanDeg(beta) * SinDeg(epsilon), CosDeg(lambda)),
          ArcSinDeg(SinDeg(beta) * CosDeg(epsilon) + CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda))};
}

PlanetPlace ComputePlace(Planet planet, double dateValue, PlanetPrecision precision, const NutationValues& nutation,
                         std::optional<double> lightTimeFrom = std::nullopt) {
  const Geometric g = GeometricPlace(planet, dateValue, precision, lightTimeFrom);
  const Apparent a = ApparentPlace(g, dateValue);
  PlanetPlace place;
  place.longitude = NormalizeAngle(RadToDeg(a.lambda) + nutation.longitude);
  place.latitude = RadToDeg(a.beta);
  std::tie(place.rightAscension, place.declination) =
      EquatorialFromEcliptic(place.longitude, place.latitude, nutation.obliquity);
  place.distance = g.delta;
  place.sunDistance = g.r;
  place.sunLongitude = NormalizeAngle(RadToDeg(a.sun) + nutation.longitude);
  const long double east = AngleDifference(place.longitude, place.sunLongitude);
  place.eastOfSun = east > 0;
  const long double cosElongation = CosDeg(place.latitude) * CosDeg(east);
  place.elongation = ArcCosDeg(std::clamp(cosElongation, -1.0L, 1.0L));
  const long double earthSun = g.earth.r;
  const long double r = g.r;
  const long double delta = g.delta;
  const long double cosPhase = (r * r + delta * delta - earthSun * earthSun) / (2 * r * delta);
  place.phaseAngle = ArcCosDeg(std::clamp(cosPhase, -1.0L, 1.0L));
  long double subLatitude = 0;
  if (planet == Planet::kSaturn) {
    // The rings as the Earth sees them and as the sun lights them: where the
    // two lie on opposite sides of the ring plane, the lit face is turned
    // away and only its edge counts.
    const long double earthSide = SaturnRingTilt(place.longitude, place.latitude, dateValue);
    const long double sunSide = SaturnRingTilt(RadToDeg(g.l), RadToDeg(g.b), dateValue);
    subLatitude = earthSide * sunSide > 0 ? std::sqrt(earthSide * sunSide) : 0.0L;
  } else if (planet == Planet::kUranus) {
    const long double subEarth = ArcSinDeg(-UranusLatitudeSine(place.longitude, place.latitude));
    const long double subSun = ArcSinDeg(-UranusLatitudeSine(RadToDeg(g.l), RadToDeg(g.b)));
    subLatitude = (std::fabs(subEarth) + std::fabs(subSun)) / 2;
  }
  const long double julianYear = 2000.0L + (dateValue - J2000DateValue - 0.5) / 365.25L;
  place.magnitude = PlanetMagnitude(planet, place.phaseAngle, r, delta, subLatitude, julianYear);
  return place;
}

}  // namespace

std::string_view PlanetName(Planet planet) { return kNames[Index(planet)]; }
std::string_view PlanetId(Planet planet) { return kIds[Index(planet)]; }
bool IsInnerPlanet(Planet planet) { return planet == Planet::kMercury || planet == Planet::kVenus; }

PlanetPlace PlanetPosition(Planet planet, double dateValue, PlanetPrecision precision) {
  return ComputePlace(planet, dateValue, precision, Nutation(dateValue));
}

PlanetEcliptic PlanetEclipticPlace(Planet planet, double dateValue, PlanetPrecision precision) {
  const Geometric g = GeometricPlace(planet, dateValue, precision);
  const Apparent a = ApparentPlace(g, dateValue);
  return {NormalizeAngle(RadToDeg(a.lambda)), RadToDeg(a.beta), NormalizeAngle(RadToDeg(a.sun)), g.delta,
          g.earth.r};
}

std::vector<std::array<PlanetEcliptic, 7>> DailyCoarsePlaces(double origin, int days) {
  const int count = std::clamp(days, 0, kMaxDailyPlaces - 1) + 1;
  std::vector<std::array<PlanetEcliptic, 7>> places(static_cast<std::size_t>(count));
  // The light leaves the planets up to about a fifth of a day earlier.
  constexpr double kLightTimeReach = 0.25;
  for (const Planet planet : kPlanets) {
    const double step = kHelioSampleDays[Index(planet)];
    std::optional<HelioSamples> samples;
    if (step > 0) {
      samples.emplace(planet, origin - kLightTimeReach - step, origin + count + step, step);
    }
    const PreparedBody& body = PreparedBodies()[Index(planet) + 1];
    for (int d = 0; d < count; ++d) {
      const double t = origin + d;
      const Helio earth = EarthAt(t, PlanetPrecision::kCoarse);
      const Geometric g =
          samples ? GeometricPlaceFrom(earth, t, [&](double at) { return samples->At(at); })
                  : GeometricPlaceFrom(earth, t, [&](double at) { return HelioOf(body, at, PlanetPrecision::kCoarse); });
      const Apparent a = ApparentPlace(g, t);
      places[static_cast<std::size_t>(d)][Index(planet)] = {NormalizeAngle(RadToDeg(a.lambda)), RadToDeg(a.beta),
                                                             NormalizeAngle(RadToDeg(a.sun)), g.delta, g.earth.r};
    }
  }
  return places;
}

long double PlanetLongitude(Planet planet, double dateValue, PlanetPrecision precision) {
  const Apparent a = ApparentPlace(GeometricPlace(planet, dateValue, precision), dateValue);
  return NormalizeAngle(RadToDeg(a.lambda) + Nutation(dateValue).longitude);
}

long double PlanetMagnitude(Planet planet, long double phaseAngle, long double sunDistance, long double distance,
                            long double subLatitude, long double year) {
  const long double i = phaseAngle;
  const long double distances = 5.0L * std::log10(sunDistance * distance);
  switch (planet) {
    case Planet::kMercury: {
      static constexpr std::array<long double, 7> c = {-0.613L,      6.3280e-02L, -1.6336e-03L, 3.3644e-05L,
                                                       -3.4265e-07L, 1.6893e-09L, -3.0334e-12L};
      return distances + Polynomial(i, c);
    }
    case Planet::kVenus: {
      if (i < 163.7L) {
        static constexpr std::array<long double, 5> c = {-4.384L, -1.044e-03L, 3.687e-04L, -2.814e-06L,
                                                         8.938e-09L};
        return distances + Polynomial(i, c);
      }
      static constexpr std::array<long double, 3> c = {236.05828L, -2.81914L, 8.39034e-03L};
      return distances + Polynomial(i, c);
    }
    case Planet::kMars: {
      if (i <= 50.0L) {
        static constexpr std::array<long double, 3> c = {-1.601L, 2.267e-02L, -1.302e-04L};
        return distances + Polynomial(i, c);
      }
      static constexpr std::array<long double, 3> c = {-0.367L, -0.02573L, 3.445e-04L};
      return distances + Polynomial(i, c);
    }
    case Planet::kJupiter: {
      if (i <= 12.0L) {
        static constexpr std::array<long double, 3> c = {-9.395L, -3.7e-04L, 6.16e-04L};
        return distances + Polynomial(i, c);
      }
      static constexpr std::array<long double, 6> c = {1.0L, -1.507L, -0.363L, -0.062L, 2.809L, -1.876L};
      return distances - 9.428L - 2.5L * std::log10(Polynomial(i / 180.0L, c));
    }
    case Planet::kSaturn: {
      // Globe and rings together, for the phase angles seen from the Earth.
      const long double s = SinDeg(std::fabs(subLatitude));
      return distances - 8.914L - 1.825L * s + 0.026L * i - 0.378L * s * std::exp(-2.25L * i);
    }
    case Planet::kUranus: {
      // The phase curves of Uranus and Neptune begin beyond the largest
      // phase angle seen from the Earth (3.1 and 1.9 degrees).
      const long double phase = i > 3.1L ? 6.587e-03L * i + 1.045e-04L * i * i : 0.0L;
      return distances - 7.110L - 8.4e-04L * subLatitude + phase;
    }
    case Planet::kNeptune: {
      // Neptune brightened by a tenth between 1980 and 2000 and has stayed so.
      const long double atUnitDistance = std::clamp(-6.89L - 0.0054L * (year - 1980.0L), -7.00L, -6.89L);
      const long double phase = i > 1.9L ? 7.944e-03L * i + 9.617e-05L * i * i : 0.0L;
      return distances + atUnitDistance + phase;
    }
  }
  return 0;
}

SampledSky::SampledSky(double start, double span)
    : start_(start), span_(span), step_(span / (kSamples - 1)) {}

template <typename PlaceAt>
void SampledSky::TakeSamples(const PlaceAt& placeAt) {
  // The nutation changes by well under 0.1" in a day and a half: once, in
  // the middle, for every sample and the sidereal time.
  // The places at the samples' dynamical time, the sidereal time at their
  // universal time.
  const double offset = TerrestrialFromUniversal(start_) - start_;
  const double middle = start_ + span_ / 2 + offset;
  const NutationValues nutation = Nutation(middle);
  long double previous = 0;
  for (int k = 0; k < kSamples; ++k) {
    const auto index = static_cast<std::size_t>(k);
    const auto [ra, dec] = placeAt(k, start_ + step_ * k + offset, nutation);
    ra_[index] = k == 0 ? ra : previous + AngleDifference(ra, previous);
    previous = ra_[index];
    dec_[index] = dec;
  }
  equationOfEquinoxes_ = nutation.longitude * CosDeg(nutation.obliquity);
  const long double days = Instant::FromDateValue(start_).JulianDate() - 2451545.0L;
  const long double t = days / 36525.0L;
  meanSiderealStart_ = 280.46061837L + 360.98564736629L * days + t * t * (0.000387933L - t / 38710000.0L);
}

PlanetSky::PlanetSky(Planet planet, double start, double span) : SampledSky(start, span) {
  std::optional<double> lightTime;
  TakeSamples([&](int k, double t, const NutationValues& nutation) {
    // Each sample's light-time starts from the one before.
    const PlanetPlace p = ComputePlace(planet, t, PlanetPrecision::kCoarse, nutation, lightTime);
    lightTime = kLightDaysPerAU * static_cast<double>(p.distance);
    if (k == 1) {
      second_ = p;
      parallax_ = kEquatorialParallax / p.distance;
    }
    return std::pair{p.rightAscension, p.declination};
  });
}

SunSky::SunSky(double start, double span, long double altitude) : SampledSky(start, span), altitude_(altitude) {
  TakeSamples([](int /*k*/, double t, const NutationValues& nutation) {
    const Helio earth = EarthAt(t, PlanetPrecision::kCoarse);
    const long double longitude = NormalizeAngle(RadToDeg(SunApparentBeforeNutation(earth)) + nutation.longitude);
    return EquatorialFromEcliptic(longitude, -RadToDeg(earth.b), nutation.obliquity);
  });
}

void SampledSky::Place(double t, long double& siderealTime, long double& rightAscension,
                       long double& declination) const {
  // Lagrange's cubic through the four samples.
  const long double x = (static_cast<long double>(t) - start_) / step_;
  std::array<long double, kSamples> w{};
  for (int k = 0; k < kSamples; ++k) {
    long double weight = 1;
    for (int j = 0; j < kSamples; ++j) {
      if (j != k) {
        weight *= (x - j) / static_cast<long double>(k - j);
      }
    }
    w[static_cast<std::size_t>(k)] = weight;
  }
  rightAscension = 0;
  declination = 0;
  for (std::size_t k = 0; k < kSamples; ++k) {
    rightAscension += w[k] * ra_[k];
    declination += w[k] * dec_[k];
  }
  rightAscension = NormalizeAngle(rightAscension);
  const long double days = static_cast<long double>(t) - start_;
  siderealTime = NormalizeAngle(meanSiderealStart_ + 360.98564736629L * days + equationOfEquinoxes_);
}

long double SampledSky::LargestDeclination() const {
  long double largest = 0;
  for (const long double d : dec_) {
    largest = std::max(largest, std::fabs(d));
  }
  return largest;
}

long double PlanetSky::HorizonAltitude() const { return -kRefraction + parallax_; }

long double SampledSky::Altitude(double t, long double latitude, long double westLongitude) const {
  long double theta = 0;
  long double alpha = 0;
  long double delta = 0;
  Place(t, theta, alpha, delta);
  // Double precision is ample here: the place itself is good to seconds of arc.
  constexpr double kRad = 3.14159265358979323846 / 180.0;
  const auto phi = static_cast<double>(latitude) * kRad;
  const auto d = static_cast<double>(delta) * kRad;
  const auto h = static_cast<double>(theta - westLongitude - alpha) * kRad;
  const double s = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
  return std::asin(std::clamp(s, -1.0, 1.0)) / kRad;
}

namespace {

// The sun's altitude (centre, no refraction) at an instant.
long double SunAltitude(double t, long double latitude, long double westLongitude) {
  CelestialPosition sun;
  SunPosition(sun, TerrestrialFromUniversal(t));
  const long double h = ApparentSiderealTime(t) - westLongitude - sun.rightAscension;
  return ArcSinDeg(std::clamp(
      SinDeg(latitude) * SinDeg(sun.declination) + CosDeg(latitude) * CosDeg(sun.declination) * CosDeg(h), -1.0L,
      1.0L));
}

constexpr long double kDarkSunAltitude = -6.0L;
// Below this sum of the latitude's and the sun's declination's sizes the sun
// reaches at least 10 degrees above and below -6 every day.
constexpr long double kSteepDarkness = 80.0L;
// The night is scanned in steps of this many days for the planet's stretches
// above the horizon; their ends are then found to about a second. A planet
// stays up or down far longer than a step, and the night's own ends are
// samples, so no stretch falls between two.
constexpr double kScanStep = 30.0 / 1440.0;
constexpr int kMaxScanSteps = 200;
constexpr int kBisections = 12;

}  // namespace

DaySpan NightAfter(const DaySpan& day, long double latitude, long double westLongitude) {
  const double length = day.end - day.start;
  if (!(length > 0)) {
    return {0, 0};
  }
  const DaySpan next{day.end, day.end + length};
  double dusk = NoEvent;
  double dawn = NoEvent;
  // Where the sun passes -6 degrees steeply on both days, the coarse sun
  // interpolated over them finds the night's ends well within the minute
  // they are shown to, at a fraction of the cost. Near the polar circles,
  // where it may only just reach -6, the exact searches with their brackets.
  const SunSky sun(day.start, 2 * length, kDarkSunAltitude);
  if (std::fabs(latitude) + sun.LargestDeclination() < kSteepDarkness) {
    dusk = DayEvents(sun, day, latitude, westLongitude).Find(RiseSetKind::kSet);
    dawn = DayEvents(sun, next, latitude, westLongitude).Find(RiseSetKind::kRise);
  } else {
    dusk = DayEvents(Luminary::kSun, day, latitude, westLongitude).Find(RiseSetKind::kCivilDusk);
    dawn = DayEvents(Luminary::kSun, next, latitude, westLongitude).Find(RiseSetKind::kCivilDawn);
  }
  if (dusk == NoEvent) {
    const double midnight = day.start + length;
    if (SunAltitude(midnight, latitude, westLongitude) < kDarkSunAltitude) {
      return {day.start + length / 2, dawn == NoEvent ? next.start + length / 2 : dawn};
    }
    return {0, 0};
  }
  return {dusk, dawn == NoEvent ? next.end : dawn};
}

PlanetNight PlanetEvening(Planet planet, const DaySpan& day, const DaySpan& night, long double latitude,
                          long double westLongitude) {
  const double end = std::max(day.end, night.end);
  const PlanetSky sky(planet, day.start, end - day.start);
  const DayEvents events(sky, day, latitude, westLongitude);
  PlanetNight result;
  result.place = sky.SecondSample();
  result.rise = events.Find(RiseSetKind::kRise);
  result.transit = events.Find(RiseSetKind::kTransit);
  result.set = events.Find(RiseSetKind::kSet);
  if (!(night.end > night.start)) {
    return result;
  }
  const long double horizon = sky.HorizonAltitude();
  const auto above = [&](double t) { return sky.Altitude(t, latitude, westLongitude) > horizon; };
  // The edge between t0 (state a) and t1.
  const auto edge = [&](double t0, double t1, bool a) {
    for (int i = 0; i < kBisections; ++i) {
      const double mid = (t0 + t1) / 2;
      (above(mid) == a ? t0 : t1) = mid;
    }
    return (t0 + t1) / 2;
  };
  const int steps = std::min(kMaxScanSteps, static_cast<int>(std::ceil((night.end - night.start) / kScanStep)));
  double previousT = night.start;
  bool previous = above(previousT);
  double from = previous ? night.start : 0;
  for (int k = 1; k <= steps && result.stretches < 2; ++k) {
    const double t = k == steps ? night.end : night.start + (night.end - night.start) * k / steps;
    const bool now = above(t);
    if (now != previous) {
      const double at = edge(previousT, t, previous);
      if (now) {
        from = at;
      } else {
        result.from[static_cast<std::size_t>(result.stretches)] = from;
        result.to[static_cast<std::size_t>(result.stretches++)] = at;
      }
    }
    previous = now;
    previousT = t;
  }
  if (previous && result.stretches < 2) {
    result.from[static_cast<std::size_t>(result.stretches)] = from;
    result.to[static_cast<std::size_t>(result.stretches++)] = night.end;
  }
  return result;
}

long double PreciseSunApparentLongitude(double dateValue) {
  const Helio earth = EarthAt(dateValue, PlanetPrecision::kFull);
  return NormalizeAngle(RadToDeg(SunApparentBeforeNutation(earth)) + Nutation(dateValue).longitude);
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/moon_elp.h"
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

// Following an event from the day's start finds it where the body rises and
// sets all day: at latitude plus declination below 90 degrees less the
// altitude, with room for the declination's change within the day (the
// moon's up to 7 degrees, its parallax shifting it by one more) and a margin.
constexpr long double kSunDeclinationRoom = 0.5L;
constexpr long double kMoonDeclinationRoom = 9.0L;
constexpr long double kMoonLowestAltitude = 1.0L;  // below the horizon, at most, at rise and set
constexpr long double kCrossingMargin = 0.5L;
// Within that room the semi-arc changes by at most some 30 degrees a day (the
// moon at its fastest in declination), so two events of one kind lie at
// least this share of a turn apart.
constexpr long double kShortestTurnShare = 0.75L;

// The track of the day: exact positions at so many instants spread over it,
// interpolated between them; the altitude sampled every 20 minutes, in which
// the moon's altitude changes by at most 5 degrees and turns at most once.
constexpr int kSunTrackNodes = 3;
constexpr int kMoonTrackNodes = 5;
constexpr double kSamplesPerDay = 72.0;
constexpr int kMaxSamples = 100;
// A sampled extreme this close to the altitude is looked at more closely: the
// crossings on both sides of it may fall between two samples.
constexpr double kExtremeWindow = 2.0;  // degrees
constexpr int kExtremeSteps = 24;
// The crossing on the track to well under a second, then on exact positions.
constexpr double kTrackTolerance = 0.05 / 86400.0;
constexpr int kMaxTrackSteps = 60;
constexpr long double kExactTolerance = 0.01L / 86400.0L;
constexpr int kMaxExactSteps = 12;
constexpr int kMaxBisections = 60;
// The abridged moon (moon.h) lies up to 17.7" from ELP/MPP02 in right
// ascension and declination together (every 1.37 days of 1900-2100), so a
// rise or set where the altitude changes by r degrees a day is up to
// kAbridgedMoonError / r off; where that is more than kShallowSeconds, the
// instant is refined on the finer moon. At 65-70 degrees the altitude may
// change by only 0.1" a second, which makes it minutes.
constexpr long double kAbridgedMoonError = 18.0L / 3600.0L;  // degrees
constexpr long double kShallowSeconds = 5.0L;
constexpr long double kShallowRate = kAbridgedMoonError / (kShallowSeconds / 86400.0L);  // 3.6"/s
// At rise and set the altitude changes by the hour angle's rate times
// sqrt(cos^2(latitude) - sin^2(declination)), give or take the declination's
// own rate: the moon's hour angle grows by at least 340 degrees a day, its
// topocentric declination near the horizon stays within 30 degrees and changes
// by at most 7.5 degrees a day. Below some 55 degrees of latitude (the report's
// 50 degrees among them) no rise or set is that shallow, and the branch is not
// even looked at.
constexpr long double kMoonSlowestHourAngleRate = 340.0L;
constexpr long double kMoonHighestDeclination = 30.0L;
constexpr long double kMoonFastestDeclinationRate = 7.5L;
// Newton steps on the finer moon: the first with the abridged moon's rate,
// then secants, until a step is under the exact tolerance; the crossing they
// find must lie within so many days of the abridged one (the abridged moon's
// error at the shallowest crossing that is not a turn).
constexpr int kMaxFinerSteps = 4;
constexpr long double kFinerReach = 15.0L / 1440.0L;
// An abridged event at the finer moon's altitude to this (degrees) needs no
// refining: the crossings found on the finer moon in the first place.
constexpr long double kOnFinerMoon = 0.01L / 3600.0L;
// Where the track's moon turns within this of the altitude (the abridged
// moon's error and the track's own few arcseconds), whether it crosses is
// decided on the finer moon, and the crossings are found on it.
constexpr double kTurnWindow = 45.0 / 3600.0;
constexpr int kFinerExtremeSteps = 14;
// The sidereal rate, degrees per day.
constexpr double kSiderealRate = 360.98564736629;
// The moon's parallax from its distance: the sun's at one astronomical unit.
constexpr double kSolarParallaxDeg = 8.794 / 3600.0;
constexpr double kKilometresPerAU = 149597869.0;
// Axis ratio b/a of the reference ellipsoid and its square.
constexpr double kAxisRatio = 0.99664719;
constexpr double kAxisRatioSquared = 0.99330562133489609997;

// A kind cast from a number may lie outside the enumeration.
bool IsValidKind(RiseSetKind kind) { return RiseSetKindIndex(kind) < kRiseSetKindCount; }

bool IsRiseKind(RiseSetKind kind) {
  return kind == RiseSetKind::kRise || kind == RiseSetKind::kCivilDawn ||
         kind == RiseSetKind::kNauticalDawn || kind == RiseSetKind::kAstronomicalDawn;
}

// The altitude of the body's centre that defines a rise or set of the kind;
// a transit takes that of the rise (a body that neither rises nor sets has
// no transit).
long double EventAltitude(Luminary luminary, RiseSetKind kind, long double parallax) {
  switch (kind) {
    case RiseSetKind::kCivilDawn:
    case RiseSetKind::kCivilDusk:
      return kCivilTwilight;
    case RiseSetKind::kNauticalDawn:
    case RiseSetKind::kNauticalDusk:
      return kNauticalTwilight;
    case RiseSetKind::kAstronomicalDawn:
    case RiseSetKind::kAstronomicalDusk:
      return kAstronomicalTwilight;
    default:
      return luminary == Luminary::kSun ? kSunAltitude : -kMoonRadiusShare * parallax - kRefraction;
  }
}

long double HourAngleRate(Luminary luminary) {
  return luminary == Luminary::kSun ? kSunHourAngleRate : kMoonHourAngleRate;
}

constexpr double kDegree = 3.14159265358979323846 / 180.0;

double Lagrange(const double* x, const double* y, int n, double t) {
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    double term = y[i];
    for (int j = 0; j < n; ++j) {
      if (j != i) {
        term *= (t - x[j]) / (x[i] - x[j]);
      }
    }
    sum += term;
  }
  return sum;
}

// Golden-section search for the highest (or lowest) value of g between a and
// b in `steps` steps: its instant in `at`; the value, in g's own type.
template <typename G>
auto GoldenExtreme(const G& g, double a, double b, bool highest, int steps, double& at) {
  using Value = decltype(g(a));
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  const Value sign = highest ? 1 : -1;
  double c = b - ratio * (b - a);
  double d = a + ratio * (b - a);
  Value gc = sign * g(c);
  Value gd = sign * g(d);
  for (int step = 0; step < steps; ++step) {
    if (gc > gd) {
      b = d;
      d = c;
      gd = gc;
      c = b - ratio * (b - a);
      gc = sign * g(c);
    } else {
      a = c;
      c = d;
      gc = gd;
      d = a + ratio * (b - a);
      gd = sign * g(d);
    }
  }
  at = gc > gd ? c : d;
  return sign * std::max(gc, gd);
}

// Bisection of f's sign change between a and b to kExactTolerance; false
// where f is not finite at the ends or keeps its sign.
template <typename F>
bool BisectCrossing(const F& f, double a, double b, double& event) {
  auto ga = f(a);
  const auto gb = f(b);
  if (!std::isfinite(ga) || !std::isfinite(gb) || (ga < 0) == (gb < 0)) {
    return false;
  }
  for (int step = 0; step < kMaxBisections && b - a > kExactTolerance; ++step) {
    const double mid = a + (b - a) / 2;
    const auto gm = f(mid);
    if ((gm < 0) == (ga < 0)) {
      a = mid;
      ga = gm;
    } else {
      b = mid;
    }
  }
  event = a + (b - a) / 2;
  return true;
}

}  // namespace

// The body's geocentric right ascension (unwrapped), declination and
// parallax at a few instants, and its altitude sampled over the day from
// them: where the body stands at any instant to a few thousandths of a degree,
// enough to bracket every crossing.
struct DayEvents::Track {
  int nodes = 0;
  std::array<double, kMoonTrackNodes> times{};
  std::array<double, kMoonTrackNodes> rightAscension{};
  std::array<double, kMoonTrackNodes> declination{};
  std::array<double, kMoonTrackNodes> parallax{};
  double siderealStart = 0;  // degrees at times[0]
  double sinLatitude = 0;
  double cosLatitude = 0;
  double rhoSinPhi = 0;
  double rhoCosPhi = 0;
  double longitude = 0;  // west
  Luminary luminary = Luminary::kSun;
  // The samples: instants, altitudes (degrees, the body's centre) and
  // parallaxes; one before the day and one after it, so that an extreme at
  // either end is seen as one.
  std::vector<double> sampleTimes;
  std::vector<double> altitudes;
  std::vector<double> parallaxes;

  // The altitude of the body's centre (topocentric for the moon) and its
  // parallax at t.
  void At(double t, double& altitude, double& par) const {
    const double ra = Lagrange(times.data(), rightAscension.data(), nodes, t);
    double dec = Lagrange(times.data(), declination.data(), nodes, t) * kDegree;
    double hourAngle = (siderealStart + kSiderealRate * (t - times[0]) - longitude - ra) * kDegree;
    par = 0;
    if (luminary == Luminary::kMoon) {
      par = Lagrange(times.data(), parallax.data(), nodes, t);
      const double sinPar = std::sin(par * kDegree);
      const double denominator = std::cos(dec) - rhoCosPhi * sinPar * std::cos(hourAngle);
      const double deltaAlpha = std::atan(-rhoCosPhi * sinPar * std::sin(hourAngle) / denominator);
      dec = std::atan((std::sin(dec) - rhoSinPhi * sinPar) * std::cos(deltaAlpha) / denominator);
      hourAngle -= deltaAlpha;
    }
    const double sinAltitude = sinLatitude * std::sin(dec) + cosLatitude * std::cos(dec) * std::cos(hourAngle);
    altitude = std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegree;
  }

  // The altitude above the kind's at t.
  double Above(RiseSetKind kind, double t) const {
    double altitude = 0;
    double par = 0;
    At(t, altitude, par);
    return altitude - static_cast<double>(EventAltitude(luminary, kind, par));
  }
};

// One crossing's bracket: the track crosses the kind's altitude once within
// [start, end].
struct DayEvents::Bracket {
  double start = 0;
  double end = 0;
  double aboveAtStart = 0;
  double aboveAtEnd = 0;
  // The crossing is the finer moon's, to be found on it.
  bool finer = false;
};

DaySpan CivilDaySpan(double localMidnight, double utcOffsetHours) {
  const double start = localMidnight - utcOffsetHours / 24.0;
  return {start, start + 1.0};
}

DayEvents::DayEvents(Luminary luminary, const DaySpan& day, long double latitude, long double longitude)
    : latitude_(latitude), longitude_(longitude), day_(day), luminary_(luminary) {
  valid_ = day.end > day.start && std::isfinite(day.start) && std::isfinite(day.end);
  if (valid_) {
    start_ = At(day.start);
  }
  if (luminary == Luminary::kMoon) {
    const long double cosLatitude = CosDeg(latitude);
    const long double sinDeclination = SinDeg(kMoonHighestDeclination);
    const long double room = cosLatitude * cosLatitude - sinDeclination * sinDeclination;
    shallowPossible_ = !(room > 0.0L) ||
                       kMoonSlowestHourAngleRate * std::sqrt(room) - kMoonFastestDeclinationRate < kShallowRate;
  }
}

DayEvents::DayEvents(const SkyBody& body, const DaySpan& day, long double latitude, long double longitude)
    : latitude_(latitude), longitude_(longitude), body_(&body), day_(day), luminary_(Luminary::kMoon) {
  valid_ = day.end > day.start && std::isfinite(day.start) && std::isfinite(day.end);
  if (valid_) {
    start_ = At(day.start);
  }
}

DayEvents::Sample DayEvents::At(double t) const {
  if (body_ != nullptr) {
    long double theta = 0;
    long double alpha = 0;
    Sample s;
    body_->Place(t, theta, alpha, s.declination);
    s.hourAngle = AngleDifference(theta - longitude_, alpha);
    return s;
  }
  // The position at the instant's dynamical time, the sky's turn at its
  // universal time.
  const double tt = TerrestrialFromUniversal(t);
  CelestialPosition p;
  if (luminary_ == Luminary::kSun) {
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

DayEvents::Sample DayEvents::FinerAt(double t) const {
  CelestialPosition p;
  ElpMoonPosition(p, TerrestrialFromUniversal(t));
  TopocentricCorrection(p, t, latitude_, longitude_, 0.0L, MoonParallaxAtDistance(p.distance));
  Sample s;
  s.hourAngle = AngleDifference(ApparentSiderealTime(t) - longitude_, p.rightAscension);
  s.declination = p.declination;
  s.parallax = p.parallax;
  return s;
}

bool DayEvents::Offset(const Sample& s, RiseSetKind kind, long double& offset) const {
  if (kind == RiseSetKind::kTransit) {
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

bool DayEvents::SemiArc(const Sample& s, RiseSetKind kind, long double& semiArc) const {
  const long double altitude = body_ != nullptr && (kind == RiseSetKind::kRise || kind == RiseSetKind::kSet ||
                                                    kind == RiseSetKind::kTransit)
                                   ? body_->HorizonAltitude()
                                   : EventAltitude(luminary_, kind, s.parallax);
  const SineAndCosine latitude = SinCosDeg(latitude_);
  const SineAndCosine declination = SinCosDeg(s.declination);
  const long double c =
      (SinDeg(altitude) - latitude.sine * declination.sine) / (latitude.cosine * declination.cosine);
  // Also rejects a NaN from a pole, where the denominator vanishes.
  if (!(c >= -1.0L && c <= 1.0L)) {
    return false;
  }
  semiArc = ArcCosDeg(c);
  return true;
}

bool DayEvents::Converge(RiseSetKind kind, double t, double anchor, double& event) const {
  const long double nominal = body_ != nullptr ? body_->HourAngleRate() : HourAngleRate(luminary_);
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
      if (kind == RiseSetKind::kTransit && !SemiArc(sample, RiseSetKind::kRise, semiArc)) {
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

DayEvents::~DayEvents() = default;

double DayEvents::Follow(RiseSetKind kind) const {
  const long double rate = body_ != nullptr ? body_->HourAngleRate() : HourAngleRate(luminary_);
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

bool DayEvents::CrossesAllDay(RiseSetKind kind) const {
  const long double room = luminary_ == Luminary::kSun ? kSunDeclinationRoom : kMoonDeclinationRoom;
  const long double altitude =
      luminary_ == Luminary::kSun ? std::fabs(EventAltitude(Luminary::kSun, kind, 0)) : kMoonLowestAltitude;
  return std::fabs(latitude_) + std::fabs(start_.declination) + room < 90.0L - altitude - kCrossingMargin;
}

long double DayEvents::AltitudeAbove(RiseSetKind kind, double t) const { return AboveOf(At(t), kind); }

long double DayEvents::FinerAbove(RiseSetKind kind, double t) const { return AboveOf(FinerAt(t), kind); }

long double DayEvents::AboveOf(const Sample& s, RiseSetKind kind) const {
  const SineAndCosine latitude = SinCosDeg(latitude_);
  const SineAndCosine declination = SinCosDeg(s.declination);
  const long double sinAltitude =
      latitude.sine * declination.sine + latitude.cosine * declination.cosine * CosDeg(s.hourAngle);
  return ArcSinDeg(std::clamp(sinAltitude, -1.0L, 1.0L)) - EventAltitude(luminary_, kind, s.parallax);
}

const DayEvents::Track& DayEvents::TrackOfDay() const {
  if (track_) {
    return *track_;
  }
  auto track = std::make_unique<Track>();
  Track& k = *track;
  k.luminary = luminary_;
  k.nodes = luminary_ == Luminary::kSun ? kSunTrackNodes : kMoonTrackNodes;
  const int count = std::clamp(static_cast<int>(std::ceil((day_.end - day_.start) * kSamplesPerDay)), 1,
                               kMaxSamples);
  const double step = (day_.end - day_.start) / count;
  const double first = day_.start - step;
  const double last = day_.end + step;
  for (int i = 0; i < k.nodes; ++i) {
    const double t = first + (last - first) * i / (k.nodes - 1);
    CelestialPosition p;
    const double tt = TerrestrialFromUniversal(t);
    if (luminary_ == Luminary::kSun) {
      SunPosition(p, tt);
    } else {
      MoonPosition(p, tt);
      p.parallax = MoonParallax(t);  // as TopocentricCorrection takes it
    }
    const auto index = static_cast<std::size_t>(i);
    k.times[index] = t;
    const auto ra = static_cast<double>(p.rightAscension);
    k.rightAscension[index] =
        i == 0 ? ra : k.rightAscension[index - 1] + static_cast<double>(AngleDifference(ra, k.rightAscension[index - 1]));
    k.declination[index] = static_cast<double>(p.declination);
    k.parallax[index] = static_cast<double>(p.parallax);
  }
  k.siderealStart = static_cast<double>(ApparentSiderealTime(first));
  k.longitude = static_cast<double>(longitude_);
  const auto latitude = static_cast<double>(latitude_);
  k.sinLatitude = std::sin(latitude * kDegree);
  k.cosLatitude = std::cos(latitude * kDegree);
  const double u = std::atan(kAxisRatioSquared * std::tan(latitude * kDegree));
  k.rhoSinPhi = kAxisRatio * std::sin(u);
  k.rhoCosPhi = std::cos(u);
  for (int i = 0; i <= count + 2; ++i) {
    const double t = first + step * i;
    double altitude = 0;
    double par = 0;
    k.At(t, altitude, par);
    k.sampleTimes.push_back(t);
    k.altitudes.push_back(altitude);
    k.parallaxes.push_back(par);
  }
  track_ = std::move(track);
  return *track_;
}

std::vector<DayEvents::Bracket> DayEvents::Brackets(RiseSetKind kind, std::vector<Bracket>* dropped) const {
  const Track& k = TrackOfDay();
  const std::size_t n = k.sampleTimes.size();
  std::vector<double> above(n);
  for (std::size_t i = 0; i < n; ++i) {
    above[i] = k.altitudes[i] - static_cast<double>(EventAltitude(luminary_, kind, k.parallaxes[i]));
  }
  std::vector<Bracket> brackets;
  const bool rising = IsRiseKind(kind);
  auto add = [&](double a, double ga, double b, double gb, bool finer) {
    if ((ga < 0) != (gb < 0) && (gb > ga) == rising) {
      brackets.push_back({a, b, ga, gb, finer});
    }
  };
  // Golden-section search for the track's extreme between the neighbours of
  // sample i.
  auto extremeOfTrack = [&](std::size_t i, bool highest, double& at, double& value) {
    value = GoldenExtreme([&](double t) { return k.Above(kind, t); }, k.sampleTimes[i - 1], k.sampleTimes[i + 1],
                          highest, kExtremeSteps, at);
  };
  // Where the moon turns within kTurnWindow of the altitude, the finer moon
  // decides whether it crosses there: the crossing pair around the extreme
  // is then its own, or none (and the abridged one's span is dropped).
  const bool finerDecides = shallowPossible_ && (kind == RiseSetKind::kRise || kind == RiseSetKind::kSet);
  auto decideOnFiner = [&](std::size_t i, bool highest, double trackValue) {
    double at = 0;
    double fine = 0;
    FinerExtreme(kind, k.sampleTimes[i - 1], k.sampleTimes[i + 1], highest, at, fine);
    if ((fine < 0) != (above[i - 1] < 0)) {
      add(k.sampleTimes[i - 1], above[i - 1], at, fine, true);
      add(at, fine, k.sampleTimes[i + 1], above[i + 1], true);
    } else if ((trackValue < 0) != (above[i - 1] < 0) && dropped != nullptr) {
      dropped->push_back({k.sampleTimes[i - 1], k.sampleTimes[i + 1], above[i - 1], above[i + 1], true});
    }
  };
  // A sampled extreme on the far side of the altitude: the crossings on both
  // sides of it are sign changes between samples, unless the finer moon is to
  // decide them.
  std::vector<char> turned(n, 0);
  for (std::size_t i = 1; finerDecides && i + 1 < n; ++i) {
    if (std::fabs(above[i]) > kExtremeWindow || (above[i - 1] < 0) != (above[i + 1] < 0) ||
        (above[i] < 0) == (above[i - 1] < 0)) {
      continue;
    }
    const bool highest = above[i] >= 0;
    double at = 0;
    double value = 0;
    extremeOfTrack(i, highest, at, value);
    if (std::fabs(value) < kTurnWindow) {
      turned[i] = 1;
      decideOnFiner(i, highest, value);
    }
  }
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const bool crossing = (above[i] < 0) != (above[i + 1] < 0);
    if (crossing && turned[i] == 0 && turned[i + 1] == 0) {
      add(k.sampleTimes[i], above[i], k.sampleTimes[i + 1], above[i + 1], false);
    }
    if (i == 0 || crossing || (above[i - 1] < 0) != (above[i] < 0) || std::fabs(above[i]) > kExtremeWindow) {
      continue;
    }
    // A sampled extreme on the near side of the altitude: the body may cross
    // it and come back between the samples on either side.
    const bool highest = above[i] >= above[i - 1] && above[i] >= above[i + 1];
    const bool lowest = above[i] <= above[i - 1] && above[i] <= above[i + 1];
    if (!(highest && above[i] < 0) && !(lowest && above[i] >= 0)) {
      continue;
    }
    double extreme = 0;
    double aboveAtExtreme = 0;
    extremeOfTrack(i, highest, extreme, aboveAtExtreme);
    if (finerDecides && std::fabs(aboveAtExtreme) < kTurnWindow) {
      decideOnFiner(i, highest, aboveAtExtreme);
      continue;
    }
    add(k.sampleTimes[i - 1], above[i - 1], extreme, aboveAtExtreme, false);
    add(extreme, aboveAtExtreme, k.sampleTimes[i + 1], above[i + 1], false);
  }
  std::sort(brackets.begin(), brackets.end(), [](const Bracket& x, const Bracket& y) { return x.start < y.start; });
  return brackets;
}

void DayEvents::FinerExtreme(RiseSetKind kind, double a, double b, bool highest, double& at, double& above) const {
  above = static_cast<double>(
      GoldenExtreme([&](double t) { return FinerAbove(kind, t); }, a, b, highest, kFinerExtremeSteps, at));
}

bool DayEvents::Refine(RiseSetKind kind, const Bracket& bracket, double& event) const {
  if (bracket.finer) {
    // Near the moon's turn: bisection on the finer moon.
    return BisectCrossing([&](double t) { return FinerAbove(kind, t); }, bracket.start, bracket.end, event);
  }
  const Track& k = TrackOfDay();
  // The crossing on the track (regula falsi, Illinois variant).
  double a = bracket.start;
  double b = bracket.end;
  double ga = bracket.aboveAtStart;
  double gb = bracket.aboveAtEnd;
  double x = a;
  int side = 0;
  for (int step = 0; step < kMaxTrackSteps && b - a > kTrackTolerance; ++step) {
    x = (a * gb - b * ga) / (gb - ga);
    const double gx = k.Above(kind, x);
    if ((gx < 0) == (ga < 0)) {
      a = x;
      ga = gx;
      if (side == -1) {
        gb /= 2;
      }
      side = -1;
    } else {
      b = x;
      gb = gx;
      if (side == 1) {
        ga /= 2;
      }
      side = 1;
    }
  }
  // On exact positions from there: secant steps, the first with the track's
  // slope.
  const double delta = 10.0 / 86400.0;
  const long double trackSlope =
      (k.Above(kind, x + delta) - k.Above(kind, x - delta)) / (2 * delta);
  long double t = x;
  long double g = AltitudeAbove(kind, x);
  long double slope = trackSlope;
  const long double low = bracket.start - (bracket.end - bracket.start);
  const long double high = bracket.end + (bracket.end - bracket.start);
  for (int step = 0; step < kMaxExactSteps && slope != 0 && std::isfinite(g); ++step) {
    const long double move = -g / slope;
    if (std::fabs(move) < kExactTolerance) {
      event = static_cast<double>(t + move);
      return true;
    }
    const auto next = static_cast<double>(t + move);
    if (!(next > low && next < high)) {
      break;
    }
    const long double gNext = AltitudeAbove(kind, next);
    const long double secant = (gNext - g) / (static_cast<long double>(next) - t);
    // The secant where it keeps the track's sense, else the track's slope.
    slope = secant * trackSlope > 0 ? secant : trackSlope;
    t = next;
    g = gNext;
  }
  // Bisection on exact positions between the bracket's ends.
  return BisectCrossing([&](double t) { return AltitudeAbove(kind, t); }, bracket.start, bracket.end, event);
}

double DayEvents::Find(RiseSetKind kind) const {
  if (!IsValidKind(kind)) {
    return 0.0;
  }
  if (!valid_) {
    return NoEvent;
  }
  // The report's line and the structured output's list ask for the same
  // event.
  std::optional<double>& shown = shown_[RiseSetKindIndex(kind)];
  if (!shown) {
    shown = OnFinerMoon(kind, Found(kind));
  }
  return *shown;
}

double DayEvents::Found(RiseSetKind kind) const {
  std::optional<double>& known = found_[RiseSetKindIndex(kind)];
  if (!known) {
    known = FindAfresh(kind);
  }
  return *known;
}

double DayEvents::OnFinerMoon(RiseSetKind kind, double event) const {
  if (!shallowPossible_ || event == NoEvent || (kind != RiseSetKind::kRise && kind != RiseSetKind::kSet)) {
    return event;
  }
  // The altitude's rate from the hour angle's, degrees a day (near the
  // horizon; the declination's share is left out).
  const Sample s = At(event);
  const long double rate = -kMoonHourAngleRate * CosDeg(latitude_) * CosDeg(s.declination) * SinDeg(s.hourAngle);
  if (!(std::fabs(rate) < kShallowRate) || (rate > 0) != IsRiseKind(kind)) {
    return event;
  }
  long double t = event;
  long double g = FinerAbove(kind, event);
  if (std::fabs(g) < kOnFinerMoon) {
    return event;
  }
  long double slope = rate;
  for (int step = 0; step < kMaxFinerSteps && std::isfinite(g); ++step) {
    const long double move = -g / slope;
    if (std::fabs(move) < kExactTolerance) {
      const auto finer = static_cast<double>(t + move);
      // Still this day's crossing in the kind's direction.
      return finer >= day_.start && finer < day_.end && (slope > 0) == IsRiseKind(kind) ? finer : event;
    }
    const auto next = static_cast<double>(t + move);
    if (!(std::fabs(next - event) < kFinerReach)) {
      break;
    }
    const long double gNext = FinerAbove(kind, next);
    const long double secant = (gNext - g) / (static_cast<long double>(next) - t);
    slope = secant * rate > 0 ? secant : rate;
    t = next;
    g = gNext;
  }
  // Not settled near the abridged crossing: it stays.
  return event;
}

double DayEvents::FindAfresh(RiseSetKind kind) const {
  double followed = Follow(kind);
  // Another body (a planet) is followed only: the day's track is drawn from
  // the sun's or the moon's positions.
  if (kind == RiseSetKind::kTransit || body_ != nullptr || CrossesAllDay(kind)) {
    return followed;
  }
  std::vector<Bracket> dropped;
  const std::vector<Bracket> brackets = Brackets(kind, &dropped);
  for (const Bracket& span : dropped) {
    if (followed >= span.start && followed <= span.end) {
      // A crossing of the abridged moon only.
      followed = NoEvent;
    }
  }
  for (const Bracket& bracket : brackets) {
    const double width = bracket.end - bracket.start;
    if (followed != NoEvent && followed >= bracket.start - width && followed <= bracket.end + width) {
      if (!bracket.finer) {
        // The event followed from the day's start is this crossing.
        return followed;
      }
      // This crossing, to be found on the finer moon.
      followed = NoEvent;
    }
    double event = 0;
    if (!Refine(kind, bracket, event) || event < day_.start) {
      continue;
    }
    if (event >= day_.end) {
      break;
    }
    return followed != NoEvent && followed < event ? followed : event;
  }
  return followed;
}

std::vector<double> DayEvents::FindAll(RiseSetKind kind) const {
  std::vector<double> events;
  if (!IsValidKind(kind) || Find(kind) == NoEvent) {
    return events;
  }
  // The search's own instants; the first shown is Find's.
  const double first = Found(kind);
  events.push_back(first);
  if (kind == RiseSetKind::kTransit || body_ != nullptr) {
    events.front() = Find(kind);
    return events;
  }
  constexpr double kSameEvent = 60.0 / 86400.0;
  if (CrossesAllDay(kind)) {
    // The body rises and sets on every turn of the sky, with room to spare:
    // the semi-arc changes by far less than a quarter turn within a day, so
    // the next event of the kind comes most of a turn later, where it is
    // followed to, and only a day longer than that can hold it.
    const long double turn = 360.0L / HourAngleRate(luminary_);
    double next = 0;
    if (first + kShortestTurnShare * turn < day_.end && Converge(kind, first + turn, first, next) &&
        next > first + kSameEvent && next < day_.end) {
      events.push_back(OnFinerMoon(kind, next));
    }
    events.front() = Find(kind);
    return events;
  }
  for (const Bracket& bracket : Brackets(kind)) {
    // The first event's own bracket needs no refining.
    if (bracket.end <= first || first >= bracket.start - kSameEvent) {
      continue;
    }
    double event = 0;
    if (!Refine(kind, bracket, event) || event < day_.start || event >= day_.end) {
      continue;
    }
    // Not the first event again, found from a bracket of its own.
    if (std::fabs(event - events.back()) > kSameEvent && event > first) {
      events.push_back(event);
    }
  }
  events.front() = Find(kind);
  for (std::size_t i = 1; i < events.size(); ++i) {
    events[i] = OnFinerMoon(kind, events[i]);
  }
  return events;
}

double RiseSetTransit(Luminary luminary, RiseSetKind kind, const DaySpan& day, long double latitude,
                      long double longitude) {
  return DayEvents(luminary, day, latitude, longitude).Find(kind);
}

double SunRise(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kSun, RiseSetKind::kRise, day, latitude, longitude);
}

double SunSet(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kSun, RiseSetKind::kSet, day, latitude, longitude);
}

double SunTransit(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kSun, RiseSetKind::kTransit, day, latitude, longitude);
}

double MoonRise(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kMoon, RiseSetKind::kRise, day, latitude, longitude);
}

double MoonSet(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kMoon, RiseSetKind::kSet, day, latitude, longitude);
}

double MoonTransit(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kMoon, RiseSetKind::kTransit, day, latitude, longitude);
}

double CivilDawn(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kSun, RiseSetKind::kCivilDawn, day, latitude, longitude);
}

double CivilDusk(const DaySpan& day, long double latitude, long double longitude) {
  return RiseSetTransit(Luminary::kSun, RiseSetKind::kCivilDusk, day, latitude, longitude);
}

}  // namespace tempulo

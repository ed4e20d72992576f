// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/planet_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "time/instant.h"

namespace tempulo {
namespace {

// The stretch is sampled once a day with the coarse series; an event is
// bracketed between two samples and then refined with the full series. A
// pass of the moon is bracketed to half a day.
constexpr int kMaxDays = 400;
constexpr int kMargin = 2;
// Half the interval of the central difference that stands for the rate of a
// longitude or elongation, days.
constexpr double kRateHalfStep = 0.05;
// A refined instant is good to this many days (well under a second).
constexpr double kTimeTolerance = 1e-6;
constexpr int kMaxRefineSteps = 60;
// Two longitudes closer than this count as a candidate pair for a sign
// change; farther apart the difference has wrapped.
constexpr long double kWrapGuard = 60.0L;
// A candidate close conjunction is refined when the coarse latitudes differ by
// less than this.
constexpr long double kCandidateSeparation = 1.6L;
// ... and when the separation in latitude, interpolated linearly to where the
// samples' difference in longitude crosses zero, is under a degree by less
// than this. From 1900 to 2100 that estimate stays within 0.011 degrees of
// the refined separation for the moon and within 0.026 for two planets.
constexpr long double kSeparationMargin = 0.1L;

// The separation in latitude where a difference in longitude going from f0
// to f1 (opposite signs) crosses zero, the latitudes taken linearly between
// the two samples; degrees.
long double SeparationAtCrossing(long double f0, long double f1, long double latitude0, long double latitude1,
                                 long double otherLatitude0, long double otherLatitude1) {
  const long double w = f0 / (f0 - f1);
  return (latitude0 + (latitude1 - latitude0) * w) - (otherLatitude0 + (otherLatitude1 - otherLatitude0) * w);
}

using Function = std::function<long double(double)>;

// An event as the search finds it, at its instant of dynamical time.
struct DynamicalEvent {
  double time = 0;
  PlanetEventKind kind = PlanetEventKind::kConjunction;
  Planet planet = Planet::kMercury;
  Planet other = Planet::kMercury;
  long double value = 0;
};

// The zero of f in [a, b] with f(a), f(b) of opposite signs: the Illinois
// variant of regula falsi, which keeps the bracket.
double Refine(const Function& f, double a, double b, long double fa, long double fb) {
  for (int i = 0; i < kMaxRefineSteps && b - a > kTimeTolerance; ++i) {
    const auto c = static_cast<double>(b - fb * (b - a) / (fb - fa));
    const double t = c > a && c < b ? c : (a + b) / 2;
    const long double ft = f(t);
    if (ft == 0) {
      return t;
    }
    if ((ft < 0) == (fb < 0)) {
      b = t;
      fb = ft;
      fa /= 2;
    } else {
      a = t;
      fa = ft;
      fb /= 2;
    }
  }
  return (a + b) / 2;
}

// The zero of the full-precision f in [a, b], where the coarse samples change
// sign. The full values at the ends may not: a zero within the coarse series'
// error of an end (10", up to a few hours of a slow pair's drift) can lie just
// beyond it, and regula falsi on such ends would stop at an end, a whole step
// off. The bracket then moves one step beyond the end nearer zero, or else the
// other.
double RefineBracketed(const Function& f, double a, double b) {
  const long double fa = f(a);
  const long double fb = f(b);
  if ((fa < 0) != (fb < 0)) {
    return Refine(f, a, b, fa, fb);
  }
  const double step = b - a;
  const bool nearA = std::fabs(fa) < std::fabs(fb);
  for (const bool before : {nearA, !nearA}) {
    const double end = before ? a : b;
    const long double fEnd = before ? fa : fb;
    const double beyond = before ? a - step : b + step;
    const long double fBeyond = f(beyond);
    if ((fBeyond < 0) != (fEnd < 0)) {
      return before ? Refine(f, beyond, end, fBeyond, fEnd) : Refine(f, end, beyond, fEnd, fBeyond);
    }
  }
  return Refine(f, a, b, fa, fb);
}

// A zero of the full-precision f near the coarse estimate t: bracketed by
// widening steps, then refined.
double Polish(const Function& f, double t, double width) {
  for (int widen = 0; widen < 8; ++widen) {
    const double a = t - width;
    const double b = t + width;
    const long double fa = f(a);
    const long double fb = f(b);
    if ((fa < 0) != (fb < 0)) {
      return Refine(f, a, b, fa, fb);
    }
    width *= 4;
  }
  return t;
}

long double FullLongitude(Planet planet, double t) { return PlanetLongitude(planet, t, PlanetPrecision::kFull); }

long double FullElongation(Planet planet, double t) {
  const PlanetEcliptic p = PlanetEclipticPlace(planet, t, PlanetPrecision::kFull);
  return ArcCosDeg(std::clamp(CosDeg(p.latitude) * CosDeg(p.longitude - p.sunLongitude), -1.0L, 1.0L));
}

struct DaySample {
  std::array<PlanetEcliptic, 7> planets;
  long double nutation = 0;
  CelestialPosition moon;
};

std::string Degrees(long double value, int decimals = 1) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*Lf°", decimals, value);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// The search itself, in dynamical time: the places' own.
std::vector<DynamicalEvent> EventsInDynamicalTime(double start, double end) {
  std::vector<DynamicalEvent> events;
  if (!(end > start)) {
    return events;
  }
  // The samples reach a few days beyond both ends, so that an event on the
  // stretch's first or last day is bracketed too; `add` keeps the stretch.
  const double origin = start - kMargin;
  const int days = std::min(kMaxDays, static_cast<int>(std::ceil(end - start)) + 2 * kMargin);
  std::vector<DaySample> samples(static_cast<std::size_t>(days + 1));
  const std::vector<std::array<PlanetEcliptic, 7>> places = DailyCoarsePlaces(origin, days);
  for (int d = 0; d <= days; ++d) {
    const double t = origin + d;
    DaySample& s = samples[static_cast<std::size_t>(d)];
    s.planets = places[static_cast<std::size_t>(d)];
    s.nutation = Nutation(t).longitude;
    // Right after the nutation of the same instant, which it takes again.
    MoonPosition(s.moon, t);
  }
  const auto add = [&](const DynamicalEvent& e) {
    if (e.time >= start && e.time < end) {
      events.push_back(e);
    }
  };

  for (const Planet planet : kPlanets) {
    const auto index = static_cast<std::size_t>(planet);
    const auto at = [&](int d) -> const PlanetEcliptic& { return samples[static_cast<std::size_t>(d)].planets[index]; };
    // Conjunction with and opposition to the sun.
    for (const long double target : {0.0L, 180.0L}) {
      if (target == 180.0L && IsInnerPlanet(planet)) {
        continue;
      }
      const auto difference = [&](const PlanetEcliptic& p) {
        return AngleDifference(p.longitude, p.sunLongitude + target);
      };
      const Function full = [&](double t) {
        const PlanetEcliptic p = PlanetEclipticPlace(planet, t, PlanetPrecision::kFull);
        return difference(p);
      };
      for (int d = 0; d < days; ++d) {
        const long double f0 = difference(at(d));
        const long double f1 = difference(at(d + 1));
        if ((f0 < 0) == (f1 < 0) || std::fabs(f0 - f1) > kWrapGuard) {
          continue;
        }
        DynamicalEvent e;
        e.planet = planet;
        e.time = RefineBracketed(full, origin + d, origin + d + 1);
        if (target == 180.0L) {
          e.kind = PlanetEventKind::kOpposition;
        } else if (IsInnerPlanet(planet)) {
          const PlanetEcliptic p = PlanetEclipticPlace(planet, e.time, PlanetPrecision::kCoarse);
          e.kind = p.distance < p.earthSunDistance ? PlanetEventKind::kInferiorConjunction
                                                   : PlanetEventKind::kSuperiorConjunction;
        } else {
          e.kind = PlanetEventKind::kConjunction;
        }
        add(e);
      }
    }
    // Stationary points: the longitude's rate changes sign.
    {
      const Function rate = [&](double t) {
        return AngleDifference(FullLongitude(planet, t + kRateHalfStep), FullLongitude(planet, t - kRateHalfStep));
      };
      for (int d = 1; d < days; ++d) {
        const long double r0 = AngleDifference(at(d).longitude, at(d - 1).longitude);
        const long double r1 = AngleDifference(at(d + 1).longitude, at(d).longitude);
        if ((r0 < 0) == (r1 < 0)) {
          continue;
        }
        // The rates stand for the middles of their days: the station lies
        // between origin + d - 0.5 and origin + d + 0.5.
        DynamicalEvent e;
        e.planet = planet;
        e.kind = r1 < 0 ? PlanetEventKind::kStationRetrograde : PlanetEventKind::kStationDirect;
        e.time = Polish(rate, origin + d, 0.5);
        add(e);
      }
    }
    // Greatest elongations of Mercury and Venus.
    if (IsInnerPlanet(planet)) {
      const auto elongation = [&](int d) {
        const PlanetEcliptic& p = at(d);
        return ArcCosDeg(std::clamp(CosDeg(p.latitude) * CosDeg(p.longitude - p.sunLongitude), -1.0L, 1.0L));
      };
      const Function rate = [&](double t) {
        return FullElongation(planet, t + kRateHalfStep) - FullElongation(planet, t - kRateHalfStep);
      };
      for (int d = 1; d < days; ++d) {
        const long double e0 = elongation(d) - elongation(d - 1);
        const long double e1 = elongation(d + 1) - elongation(d);
        if (!(e0 > 0 && e1 <= 0)) {
          continue;
        }
        DynamicalEvent e;
        e.planet = planet;
        e.time = Polish(rate, origin + d, 0.5);
        const PlanetEcliptic p = PlanetEclipticPlace(planet, e.time, PlanetPrecision::kFull);
        e.value = FullElongation(planet, e.time);
        e.kind = AngleDifference(p.longitude, p.sunLongitude) > 0 ? PlanetEventKind::kGreatestElongationEast
                                                                   : PlanetEventKind::kGreatestElongationWest;
        add(e);
      }
    }
    // Two planets: each pair once, the inner of the two first.
    for (const Planet other : kPlanets) {
      if (other <= planet) {
        continue;
      }
      const auto otherIndex = static_cast<std::size_t>(other);
      const Function full = [&](double t) {
        return AngleDifference(PlanetEclipticPlace(planet, t, PlanetPrecision::kFull).longitude,
                               PlanetEclipticPlace(other, t, PlanetPrecision::kFull).longitude);
      };
      for (int d = 0; d < days; ++d) {
        const PlanetEcliptic& a0 = at(d);
        const PlanetEcliptic& a1 = at(d + 1);
        const PlanetEcliptic& b0 = samples[static_cast<std::size_t>(d)].planets[otherIndex];
        const PlanetEcliptic& b1 = samples[static_cast<std::size_t>(d) + 1].planets[otherIndex];
        const long double f0 = AngleDifference(a0.longitude, b0.longitude);
        const long double f1 = AngleDifference(a1.longitude, b1.longitude);
        if ((f0 < 0) == (f1 < 0) || std::fabs(f0 - f1) > kWrapGuard ||
            std::fabs(a0.latitude - b0.latitude) > kCandidateSeparation ||
            std::fabs(SeparationAtCrossing(f0, f1, a0.latitude, a1.latitude, b0.latitude, b1.latitude)) >
                kCloseConjunction + kSeparationMargin) {
          continue;
        }
        DynamicalEvent e;
        e.kind = PlanetEventKind::kPlanetConjunction;
        e.planet = planet;
        e.other = other;
        e.time = RefineBracketed(full, origin + d, origin + d + 1);
        e.value = PlanetEclipticPlace(planet, e.time, PlanetPrecision::kFull).latitude -
                  PlanetEclipticPlace(other, e.time, PlanetPrecision::kFull).latitude;
        if (std::fabs(e.value) < kCloseConjunction) {
          add(e);
        }
      }
    }
  }

  // The moon passing each planet. The moon gains on every planet by ten
  // degrees a day and more, so the difference of their longitudes changes
  // sign at most once a day: a day in which it does is halved with the
  // moon at its middle, which picks the half day the pass lies in.
  for (int d = 0; d < days; ++d) {
    const double middle = origin + d + 0.5;
    CelestialPosition middleMoon;
    bool haveMiddle = false;
    for (const Planet planet : kPlanets) {
      const auto index = static_cast<std::size_t>(planet);
      // The planet's place between the day samples, linearly.
      const auto planetAt = [&](double t) {
        const auto day = std::min(days - 1, static_cast<int>(std::floor(t - origin)));
        const PlanetEcliptic& p0 = samples[static_cast<std::size_t>(day)].planets[index];
        const PlanetEcliptic& p1 = samples[static_cast<std::size_t>(day) + 1].planets[index];
        const double w = t - (origin + day);
        const long double nutation = samples[static_cast<std::size_t>(day)].nutation;
        return std::array<long double, 2>{p0.longitude + AngleDifference(p1.longitude, p0.longitude) * w + nutation,
                                          p0.latitude + (p1.latitude - p0.latitude) * w};
      };
      const CelestialPosition& dayStartMoon = samples[static_cast<std::size_t>(d)].moon;
      const CelestialPosition& dayEndMoon = samples[static_cast<std::size_t>(d) + 1].moon;
      if (!(AngleDifference(dayStartMoon.longitude, planetAt(origin + d)[0]) < 0 &&
            AngleDifference(dayEndMoon.longitude, planetAt(origin + d + 1)[0]) >= 0)) {
        continue;
      }
      if (!haveMiddle) {
        MoonPosition(middleMoon, middle);
        haveMiddle = true;
      }
      const bool firstHalf = AngleDifference(middleMoon.longitude, planetAt(middle)[0]) >= 0;
      const double t0 = firstHalf ? origin + d : middle;
      const double t1 = firstHalf ? middle : origin + d + 1;
      const CelestialPosition& previousMoon = firstHalf ? dayStartMoon : middleMoon;
      const CelestialPosition& moon = firstHalf ? middleMoon : dayEndMoon;
      const auto p0 = planetAt(t0);
      const auto p1 = planetAt(t1);
      const long double f0 = AngleDifference(previousMoon.longitude, p0[0]);
      const long double f1 = AngleDifference(moon.longitude, p1[0]);
      if (!(f0 < 0 && f1 >= 0) || f1 - f0 > kWrapGuard ||
          std::fabs(moon.latitude - p1[1]) > kCandidateSeparation + 0.5L ||
          std::fabs(SeparationAtCrossing(f0, f1, p0[1], p1[1], previousMoon.latitude, moon.latitude)) >
              kCloseConjunction + kSeparationMargin) {
        continue;
      }
      const Function full = [&](double t) {
        CelestialPosition m;
        MoonPosition(m, t);
        return AngleDifference(m.longitude, FullLongitude(planet, t));
      };
      DynamicalEvent e;
      e.kind = PlanetEventKind::kMoonConjunction;
      e.planet = planet;
      e.time = RefineBracketed(full, t0, t1);
      CelestialPosition m;
      MoonPosition(m, e.time);
      e.value = PlanetEclipticPlace(planet, e.time, PlanetPrecision::kFull).latitude - m.latitude;
      if (std::fabs(e.value) < kCloseConjunction) {
        add(e);
      }
    }
  }
  std::sort(events.begin(), events.end(),
            [](const DynamicalEvent& a, const DynamicalEvent& b) { return a.time < b.time; });
  return events;
}

}  // namespace

std::vector<PlanetEvent> PlanetEvents(Instant start, Instant end) {
  const std::vector<DynamicalEvent> found =
      EventsInDynamicalTime(start.TerrestrialDateValue(), end.TerrestrialDateValue());
  std::vector<PlanetEvent> events;
  events.reserve(found.size());
  for (const DynamicalEvent& e : found) {
    events.push_back({Instant::FromTerrestrial(e.time), e.kind, e.planet, e.other, e.value});
  }
  return events;
}

std::string_view PlanetEventKindId(PlanetEventKind kind) {
  switch (kind) {
    case PlanetEventKind::kConjunction:
      return "conjunction";
    case PlanetEventKind::kInferiorConjunction:
      return "inferior_conjunction";
    case PlanetEventKind::kSuperiorConjunction:
      return "superior_conjunction";
    case PlanetEventKind::kOpposition:
      return "opposition";
    case PlanetEventKind::kGreatestElongationEast:
      return "greatest_elongation_east";
    case PlanetEventKind::kGreatestElongationWest:
      return "greatest_elongation_west";
    case PlanetEventKind::kStationRetrograde:
      return "station_retrograde";
    case PlanetEventKind::kStationDirect:
      return "station_direct";
    case PlanetEventKind::kMoonConjunction:
      return "moon_conjunction";
    case PlanetEventKind::kPlanetConjunction:
      return "planet_conjunction";
  }
  return "";
}

std::string PlanetEventText(const PlanetEvent& event) {
  std::string name(PlanetName(event.planet));
  const std::string side = event.value >= 0 ? "nördlich" : "südlich";
  switch (event.kind) {
    case PlanetEventKind::kConjunction:
      return name + " in Konjunktion mit der Sonne";
    case PlanetEventKind::kInferiorConjunction:
      return name + " in unterer Konjunktion mit der Sonne";
    case PlanetEventKind::kSuperiorConjunction:
      return name + " in oberer Konjunktion mit der Sonne";
    case PlanetEventKind::kOpposition:
      return name + " in Opposition zur Sonne";
    case PlanetEventKind::kGreatestElongationEast:
      return name + " in größter östlicher Elongation (" + Degrees(event.value) + ", Abendsichtbarkeit)";
    case PlanetEventKind::kGreatestElongationWest:
      return name + " in größter westlicher Elongation (" + Degrees(event.value) + ", Morgensichtbarkeit)";
    case PlanetEventKind::kStationRetrograde:
      return name + " stationär, danach rückläufig";
    case PlanetEventKind::kStationDirect:
      return name + " stationär, danach rechtläufig";
    case PlanetEventKind::kMoonConjunction:
      return "Mond bei " + name + " (" + name + " " + Degrees(std::fabs(event.value), 2) + " " + side + ")";
    case PlanetEventKind::kPlanetConjunction:
      return name + " bei " + std::string(PlanetName(event.other)) + " (" + name + " " +
             Degrees(std::fabs(event.value), 2) + " " + side + ")";
  }
  return name;
}

}  // namespace tempulo

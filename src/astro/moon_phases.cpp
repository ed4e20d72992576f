// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon_phases.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/moon_elp.h"
#include "astro/moon_phase_terms.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "time/delta_t.h"
#include "time/instant.h"

namespace tempulo {
namespace {

constexpr int kNewMoon = 0;
constexpr int kFirstQuarter = 2;
constexpr int kFullMoon = 4;
constexpr int kLastQuarter = 6;
constexpr int kKinds = 8;

// Synodic month of the age operations, days.
constexpr long double kSynodicMonth = 29.530589L;
constexpr long double kMeanLunation = 29.530588861L;
constexpr long double kLunationsPerCentury = 1236.85L;
// Phase searches step by less than a lunation so that none is skipped.
constexpr double kSearchStep = 28.0;
// A search normally needs two or three steps, the age iteration three to ten.
constexpr int kMaxSearchSteps = 100;
constexpr int kMaxAgeSteps = 100;
constexpr long double kAgeTolerance = 1e-7L;  // days

// Additional corrections of every phase: the angle A + B k - C T^2 and its
// coefficient in days.
struct AdditionalTerm {
  long double a;
  long double b;
  long double c;
  long double coefficient;
};

constexpr std::array<AdditionalTerm, 14> kAdditionalTerms = {{
    {299.77L, 0.107408L, 0.009173L, 0.000325L},
    {251.88L, 0.016321L, 0.0L, 0.000165L},
    {251.83L, 26.651886L, 0.0L, 0.000164L},
    {349.42L, 36.412478L, 0.0L, 0.000126L},
    {84.66L, 18.206239L, 0.0L, 0.000110L},
    {141.74L, 53.303771L, 0.0L, 0.000062L},
    {207.14L, 2.453732L, 0.0L, 0.000060L},
    {154.84L, 7.30686L, 0.0L, 0.000056L},
    {34.52L, 27.261239L, 0.0L, 0.000047L},
    {207.19L, 0.121824L, 0.0L, 0.000042L},
    {291.34L, 1.844379L, 0.0L, 0.000040L},
    {161.72L, 24.198154L, 0.0L, 0.000037L},
    {239.56L, 25.513099L, 0.0L, 0.000035L},
    {331.55L, 3.592518L, 0.0L, 0.000023L},
}};

bool IsPhaseKind(int kind) { return kind >= 0 && kind < kKinds; }

// The series of the mean phase leaves up to about 40 s, the abridged moon
// up to 17" (35 s): one Newton step on the elongation of ELP/MPP02's moon
// from the series' instant (dynamical time), with the sun of planets.h,
// leaves what the two theories leave. The moon's rate comes with its
// longitude; the sun's from two places an hour apart. The step is under two
// minutes, over which the rate changes by a ten-thousandth.
double RefinedPhaseInstant(int kind, double tt) {
  long double moonRate = 0;
  const long double moon = ElpMoonApparentLongitude(tt, &moonRate);
  const long double sun = PreciseSunApparentLongitude(tt);
  constexpr double kSunRateStep = 1.0 / 24;  // days
  const long double sunRate = AngleDifference(PreciseSunApparentLongitude(tt + kSunRateStep), sun) / kSunRateStep;
  const long double error = AngleDifference(moon - sun, kind * 45.0L);
  return static_cast<double>(tt - error / (moonRate - sunRate));
}

// The last refined instants, per thread: the searches ask for the same few
// lunations again and again (every step of NextMoonPhase, every day of a
// Chinese month), and a refinement costs some 16 us.
struct RefinedMemo {
  static constexpr int kSize = 16;
  struct Entry {
    bool valid = false;
    int kind = 0;
    long double k = 0;
    double instant = 0;
  };
  std::array<Entry, kSize> entries{};
  int next = 0;
};

RefinedMemo& Refinements() {
  thread_local RefinedMemo memo;
  return memo;
}

std::span<const moon_phase_terms::PhaseTerm> PeriodicTerms(int kind) {
  switch (kind) {
    case kNewMoon:
      return moon_phase_terms::kNewMoon;
    case kFullMoon:
      return moon_phase_terms::kFullMoon;
    default:
      return moon_phase_terms::kQuarter;
  }
}

// The four principal phases: mean phase plus periodic and additional terms.
double PrincipalPhaseTime(int kind, double dateValue, bool refine) {
  const MeanPhase p = MeanPhaseArguments(static_cast<LunarPhase>(kind), dateValue);
  long double periodic = 0.0L;
  for (const moon_phase_terms::PhaseTerm& term : PeriodicTerms(kind)) {
    const long double arg = p.m * term.m + p.mPrime * term.mPrime + p.f * term.f + p.omega * term.omega;
    long double value = term.coefficient * SinDeg(arg);
    switch (std::abs(term.m)) {
      case 1:
        value *= p.e;
        break;
      case 2:
        value *= p.e * p.e;
        break;
      default:
        break;
    }
    periodic += value;
  }
  long double w = 0.0L;
  if (kind == kFirstQuarter || kind == kLastQuarter) {
    w = 0.00306L - 0.00038L * p.e * CosDeg(p.m) + 0.00026L * CosDeg(p.mPrime) -
        0.00002L * CosDeg(p.mPrime - p.m) + 0.00002L * CosDeg(p.mPrime + p.m) + 0.00002L * CosDeg(2.0L * p.f);
    if (kind == kLastQuarter) {
      w = -w;
    }
  }
  const long double t = p.k / kLunationsPerCentury;
  long double additional = 0.0L;
  for (const AdditionalTerm& term : kAdditionalTerms) {
    additional += term.coefficient * SinDeg(term.a + term.b * p.k - term.c * t * t);
  }
  const double seriesInstant = DateValueOfJulianDate(p.jde + periodic + w + additional);
  if (!refine) {
    // The series give dynamical time; the clock runs in universal time.
    return Instant::FromTerrestrial(seriesInstant).DateValue();
  }
  RefinedMemo& memo = Refinements();
  for (const RefinedMemo::Entry& entry : memo.entries) {
    if (entry.valid && entry.kind == kind && entry.k == p.k) {
      return entry.instant;
    }
  }
  const double instant = Instant::FromTerrestrial(RefinedPhaseInstant(kind, seriesInstant)).DateValue();
  memo.entries[static_cast<std::size_t>(memo.next)] = {true, kind, p.k, instant};
  memo.next = (memo.next + 1) % RefinedMemo::kSize;
  return instant;
}

// The odd kinds: the instant with the target age, found by stepping by the
// age error, back at most half a synodic month and forward otherwise.
double AgePhaseTime(int kind, double dateValue) {
  const long double target = kind * kSynodicMonth / 8.0L;
  double t = dateValue;
  for (int step = 0; step < kMaxAgeSteps; ++step) {
    long double d = MoonAge(t) - target;
    if (d > kSynodicMonth / 2.0L) {
      d -= kSynodicMonth;
    }
    t = static_cast<double>(t - d);
    if (std::fabs(d) < kAgeTolerance) {
      break;
    }
  }
  return t;
}

}  // namespace

MeanPhase MeanPhaseArguments(LunarPhase phase, double dateValue) {
  const int kind = static_cast<int>(phase);
  const long double t0 = (static_cast<long double>(dateValue) - 36526.0L) / 36525.0L;
  MeanPhase p;
  p.k = RoundHalfEven(t0 * kLunationsPerCentury) + static_cast<std::int8_t>(kind) / 8.0L;
  const long double t = p.k / kLunationsPerCentury;
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  const long double t4 = t3 * t;
  // J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 49. The
  // first edition's coefficients (among them 0.1017438 T^2 for M') put the
  // phases a minute off by 1900 and 2100, an hour by 2900.
  p.jde = 2451550.09766L + kMeanLunation * p.k + 0.00015437L * t2 - 0.00000015L * t3 + 0.00000000073L * t4;
  p.m = 2.5534L + 29.10535670L * p.k - 0.0000014L * t2 - 0.00000011L * t3;
  p.mPrime = 201.5643L + 385.81693528L * p.k + 0.0107582L * t2 + 0.00001238L * t3 - 0.000000058L * t4;
  p.f = 160.7108L + 390.67050284L * p.k - 0.0016118L * t2 - 0.00000227L * t3 + 0.000000011L * t4;
  p.omega = 124.7746L - 1.56375588L * p.k + 0.0020672L * t2 + 0.00000215L * t3;
  p.e = 1.0L - 0.002516L * t0 - 0.0000074L * t0 * t0;
  return p;
}

double MoonPhaseTime(LunarPhase phase, double dateValue) {
  const int kind = static_cast<int>(phase);
  if (!IsPhaseKind(kind)) {
    return 0.0;
  }
  if (kind % 2 == 1) {
    return AgePhaseTime(kind, dateValue);
  }
  return PrincipalPhaseTime(kind, dateValue, true);
}

namespace {

// The searches, over the refined or the series' instants.
double PhaseTimeOf(LunarPhase phase, double dateValue, bool refine) {
  const int kind = static_cast<int>(phase);
  if (kind % 2 == 0 && !refine) {
    return PrincipalPhaseTime(kind, dateValue, false);
  }
  return MoonPhaseTime(phase, dateValue);
}

// The searches step through the lunations on the series and refine only
// the lunation that decides.
double PreviousPhase(LunarPhase phase, double dateValue, bool refine) {
  if (!IsPhaseKind(static_cast<int>(phase))) {
    return 0.0;
  }
  const bool principal = static_cast<int>(phase) % 2 == 0;
  const double margin = refine && principal ? kPhaseSeriesMargin : 0.0;
  double s = dateValue + kSearchStep;
  double r = PhaseTimeOf(phase, s, !principal);
  for (int step = 0; step < kMaxSearchSteps && r > dateValue + margin; ++step) {
    s -= kSearchStep;
    r = PhaseTimeOf(phase, s, !principal);
  }
  if (margin == 0.0) {
    return r;
  }
  // Within the margin the refined instants decide which lunation it is.
  r = MoonPhaseTime(phase, s);
  for (int step = 0; step < kMaxSearchSteps && r > dateValue; ++step) {
    s -= kSearchStep;
    r = MoonPhaseTime(phase, s);
  }
  return r;
}

double NextPhase(LunarPhase phase, double dateValue, bool refine) {
  if (!IsPhaseKind(static_cast<int>(phase))) {
    return 0.0;
  }
  const bool principal = static_cast<int>(phase) % 2 == 0;
  const double margin = refine && principal ? kPhaseSeriesMargin : 0.0;
  double s = dateValue - kSearchStep;
  double r = PhaseTimeOf(phase, s, !principal);
  for (int step = 0; step < kMaxSearchSteps && r < dateValue - margin; ++step) {
    s += kSearchStep;
    r = PhaseTimeOf(phase, s, !principal);
  }
  if (margin == 0.0) {
    return r;
  }
  r = MoonPhaseTime(phase, s);
  for (int step = 0; step < kMaxSearchSteps && r < dateValue; ++step) {
    s += kSearchStep;
    r = MoonPhaseTime(phase, s);
  }
  return r;
}

}  // namespace

double PreviousMoonPhase(LunarPhase phase, double dateValue) { return PreviousPhase(phase, dateValue, true); }

double NextMoonPhase(LunarPhase phase, double dateValue) { return NextPhase(phase, dateValue, true); }

double NextApproximateMoonPhase(LunarPhase phase, double dateValue) { return NextPhase(phase, dateValue, false); }

double PreviousApproximateMoonPhase(LunarPhase phase, double dateValue) {
  return PreviousPhase(phase, dateValue, false);
}

void ForgetMoonPhaseRefinements() { Refinements() = RefinedMemo{}; }

long double MoonAge(double dateValue) {
  const double tt = TerrestrialFromUniversal(dateValue);
  CelestialPosition sun;
  CelestialPosition moon;
  SunPosition(sun, tt);
  MoonPosition(moon, tt);
  return NormalizeAngle(moon.longitude - sun.longitude) / 360.0L * kSynodicMonth;
}

long double MoonPhaseAngle(double dateValue) {
  const double tt = TerrestrialFromUniversal(dateValue);
  CelestialPosition sun;
  CelestialPosition moon;
  SunPosition(sun, tt);
  MoonPosition(moon, tt);
  const long double psi = ArcCos(CosDeg(moon.latitude) * CosDeg(moon.longitude - sun.longitude));
  long double i = std::atan(sun.distance * std::sin(psi) / (moon.distance - sun.distance * std::cos(psi)));
  i = RadToDeg(i);
  if (i < 0.0L) {
    i += 180.0L;
  }
  if (NormalizeAngle(moon.longitude - sun.longitude) > 180.0L) {
    return -i;
  }
  return i;
}

long double MoonIlluminatedFraction(double dateValue) {
  return (CosDeg(MoonPhaseAngle(dateValue)) + 1.0L) / 2.0L;
}

}  // namespace tempulo

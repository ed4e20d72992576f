// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the almanac's instants for the comparisons with independent peers:
//
//   tempulo_instants_dump phases FIRST-YEAR LAST-YEAR
//     "KIND<TAB>YYYY-MM-DDTHH:MM:SS.sss" in universal time, for every new
//     moon (0), first quarter (2), full moon (4), last quarter (6) and season
//     start (S0 spring, S1 summer, S2 autumn, S3 winter) of the years.
//   tempulo_instants_dump chinese FIRST-YEAR LAST-YEAR
//     "YYYY-MM-DD<TAB>MONTH<TAB>LEAP<TAB>NEW-MOON" for the first day of every
//     Chinese month that begins in the Gregorian years, with the instant of
//     its new moon in the calendar's time of China.
//   tempulo_instants_dump phase-budget FIRST-YEAR LAST-YEAR
//     For the error budget of the principal phases, one line per phase:
//     "KIND<TAB>UT<TAB>DELTA-T<TAB>ROOT-TT<TAB>MOON-LON<TAB>MOON-LAT<TAB>
//     SUN-LON<TAB>OBLIQUITY": the series' instant as a Julian Day in universal
//     time, its Delta T in seconds, the exact root (Julian Day, dynamical
//     time) of the almanac's own apparent elongation nearest to it, and at
//     that root the moon's and sun's apparent ecliptic coordinates and the
//     true obliquity, degrees.
//   tempulo_instants_dump eclipses FIRST-YEAR LAST-YEAR [LATITUDE LONGITUDE]
//     One line per eclipse: "KIND<TAB>GREATEST<TAB>MAGNITUDE<TAB>GAMMA<TAB>
//     SAROS<TAB>LATITUDE<TAB>LONGITUDE<TAB>CENTRAL<TAB>P1<TAB>U1<TAB>U2<TAB>
//     U3<TAB>U4<TAB>P4" (the places for solar, the contacts for lunar
//     eclipses, "-" where none); with a place, then "<TAB>VISIBLE<TAB>
//     ECLIPSED<TAB>LOCAL-KIND<TAB>BEGIN<TAB>MAXIMUM<TAB>END<TAB>SECOND<TAB>
//     THIRD<TAB>OBSCURATION<TAB>ALT-BEGIN<TAB>ALT-MAXIMUM<TAB>ALT-END".
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "astro/eclipses.h"
#include "astro/moon_phases.h"
#include "astro/sun.h"
#include "astro/angles.h"
#include "astro/moon.h"
#include "calendars/traditional/chinese.h"
#include "time/date_encoding.h"
#include "time/delta_t.h"
#include "time/instant.h"

namespace {

using namespace tempulo;

void PrintInstant(const char* kind, double t) {
  const double day = std::floor(t);
  const CivilDate date = DecodeDate(day);
  const double seconds = (t - day) * 86400.0;
  const int whole = static_cast<int>(seconds);
  if (*kind != 0) {
    std::printf("%s\t", kind);
  }
  std::printf("%04d-%02d-%02dT%02d:%02d:%06.3f\n", date.year, date.month, date.day, whole / 3600,
              whole / 60 % 60, seconds - whole / 60 * 60);
}

void Phases(int first, int last) {
  const double end = EncodeDate(last + 1, 1, 1);
  for (const LunarPhase kind :
       {LunarPhase::kNewMoon, LunarPhase::kFirstQuarter, LunarPhase::kFullMoon, LunarPhase::kLastQuarter}) {
    const std::string name = std::to_string(static_cast<int>(kind));
    double t = NextMoonPhase(kind, EncodeDate(first, 1, 1));
    for (int guard = 0; t < end && guard < 2000 * 13; ++guard) {
      PrintInstant(name.c_str(), t);
      t = NextMoonPhase(kind, t + 1.0);
    }
  }
  for (int year = first; year <= last; ++year) {
    const char* names[] = {"S0", "S1", "S2", "S3"};
    const int seasons[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i) {
      PrintInstant(names[i], SeasonStart(year, seasons[i]));
    }
  }
}

// Apparent elongation of the moon from the sun minus the phase's target,
// degrees in (-180, 180], at a dynamical time.
long double ElongationError(int kind, double tt) {
  CelestialPosition sun;
  CelestialPosition moon;
  SunPosition(sun, tt);
  MoonPosition(moon, tt);
  return AngleDifference(moon.longitude - sun.longitude, kind * 45.0L);
}

// The root of the almanac's own elongation near a dynamical time: secant
// steps from a start a minute apart, a dozen at most (three suffice).
double ElongationRoot(int kind, double tt) {
  double t0 = tt - 30.0 / 86400.0;
  double t1 = tt + 30.0 / 86400.0;
  long double f0 = ElongationError(kind, t0);
  long double f1 = ElongationError(kind, t1);
  for (int step = 0; step < 12 && f1 != f0 && std::fabs(t1 - t0) > 1e-9; ++step) {
    const double t2 = static_cast<double>(t1 - f1 * (t1 - t0) / (f1 - f0));
    t0 = t1;
    f0 = f1;
    t1 = t2;
    f1 = ElongationError(kind, t1);
  }
  return t1;
}

void PhaseBudget(int first, int last) {
  const double end = EncodeDate(last + 1, 1, 1);
  for (const LunarPhase kind :
       {LunarPhase::kNewMoon, LunarPhase::kFirstQuarter, LunarPhase::kFullMoon, LunarPhase::kLastQuarter}) {
    double t = NextMoonPhase(kind, EncodeDate(first, 1, 1));
    for (int guard = 0; t < end && guard < 2000 * 13; ++guard) {
      const double root = ElongationRoot(static_cast<int>(kind), TerrestrialFromUniversal(t));
      CelestialPosition sun;
      CelestialPosition moon;
      SunPosition(sun, root);
      MoonPosition(moon, root);
      std::printf("%d\t%.9Lf\t%.4f\t%.9Lf\t%.9Lf\t%.9Lf\t%.9Lf\t%.9Lf\n", static_cast<int>(kind),
                  JulianDateOfDateValue(t), DeltaTSeconds(DecimalYearOfDateValue(t)), JulianDateOfDateValue(root),
                  moon.longitude, moon.latitude, sun.longitude, Nutation(root).obliquity);
      t = NextMoonPhase(kind, t + 1.0);
    }
  }
}

void Chinese(int first, int last) {
  const double end = EncodeDate(last + 1, 1, 1);
  for (double d = EncodeDate(first, 1, 1); d < end; d += 1.0) {
    const ChineseDateRecord c = ChineseDate(d);
    if (c.day == 1) {
      const CivilDate date = DecodeDate(d);
      std::printf("%04d-%02d-%02d\t%d\t%d\t", date.year, date.month, date.day, c.month, c.isLeapMonth ? 1 : 0);
      PrintInstant("", ChinaTimeFromUniversal(NextMoonPhase(LunarPhase::kNewMoon, UniversalFromChinaTime(d) - 1.0)));
    }
  }
}

const char* KindName(EclipseKind kind) {
  static const char* const kNames[] = {"partial", "annular", "total", "hybrid", "penumbral", "partial", "total"};
  return kNames[static_cast<int>(kind)];
}

std::string InstantText(double t) {
  if (t == kNoContact) {
    return "-";
  }
  const double day = std::floor(t);
  const CivilDate date = DecodeDate(day);
  const double seconds = (t - day) * 86400.0;
  const int whole = static_cast<int>(seconds);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%06.3f", date.year, date.month, date.day,
                whole / 3600, whole / 60 % 60, seconds - whole / 60 * 60);
  return buffer;
}

void PrintEclipses(int year, bool withPlace, double latitude, double longitude);

void Eclipses(int first, int last, bool withPlace, double latitude, double longitude) {
  for (int year = first; year <= last; ++year) {
    PrintEclipses(year, withPlace, latitude, longitude);
  }
}

void PrintEclipses(int year, bool withPlace, double latitude, double longitude) {
  for (const Eclipse& e : EclipsesBetween(Instant::FromDateValue(EncodeDate(year, 1, 1)),
                                          Instant::FromDateValue(EncodeDate(year + 1, 1, 1)))) {
    std::printf("%s-%s\t%s\t%.4f\t%.4f\t%d\t%.3f\t%.3f\t%d", IsSolar(e.kind) ? "solar" : "lunar",
                KindName(e.kind), InstantText(e.greatest.DateValue()).c_str(), e.magnitude, e.gamma, e.saros,
                e.latitude, e.longitude, e.central ? 1 : 0);
    for (const double t : {e.penumbralBegin, e.partialBegin, e.totalBegin, e.totalEnd, e.partialEnd, e.penumbralEnd}) {
      std::printf("\t%s", InstantText(t).c_str());
    }
    if (withPlace) {
      const LocalEclipse l = LocalCircumstances(e, latitude, longitude);
      std::printf("\t%d\t%d\t%s", l.visible ? 1 : 0, l.eclipsed ? 1 : 0, KindName(l.kind));
      for (const EclipseContact& c : {l.begin, l.maximum, l.end, l.totalBegin, l.totalEnd}) {
        std::printf("\t%s", InstantText(c.time).c_str());
      }
      std::printf("\t%.4f\t%.2f\t%.2f\t%.2f", l.obscuration, l.begin.altitude, l.maximum.altitude, l.end.altitude);
    }
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc >= 4 ? argv[1] : "";
  const int first = argc >= 4 ? std::atoi(argv[2]) : 0;
  const int last = argc >= 4 ? std::atoi(argv[3]) : 0;
  const bool withPlace = argc == 6 && mode == "eclipses";
  if ((mode != "phases" && mode != "phase-budget" && mode != "chinese" && mode != "eclipses") || (argc != 4 && !withPlace) || first < 1583 ||
      last > 3000 || first > last) {
    std::cerr << "Aufruf: tempulo_instants_dump phases|phase-budget|chinese|eclipses ERSTES-JAHR LETZTES-JAHR (1583-3000)"
                 " [BREITE LÄNGE]\n";
    return 2;
  }
  if (mode == "eclipses") {
    Eclipses(first, last, withPlace, withPlace ? std::atof(argv[4]) : 0.0, withPlace ? std::atof(argv[5]) : 0.0);
  } else if (mode == "phase-budget") {
    PhaseBudget(first, last);
  } else if (mode == "phases") {
    Phases(first, last);
  } else {
    Chinese(first, last);
  }
  return 0;
}

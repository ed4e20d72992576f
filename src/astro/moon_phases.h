// SPDX-License-Identifier: GPL-3.0-or-later
// Moon phases, the moon's age and its illuminated fraction. Every date value
// here, given or returned, is universal time; the positions behind them are
// taken at the matching dynamical time.
#pragma once

namespace tempulo {

// Phase kinds count eighths of a lunation: new moon, first quarter, full
// moon and last quarter on the even eighths, the crescents and gibbous phases
// in between. A value outside 0..7 has no phase.
enum class LunarPhase : int {
  kNewMoon = 0,
  kWaxingCrescent = 1,
  kFirstQuarter = 2,
  kWaxingGibbous = 3,
  kFullMoon = 4,
  kWaningGibbous = 5,
  kLastQuarter = 6,
  kWaningCrescent = 7,
};

// The mean phase of the lunation nearest to an instant (degrees not reduced).
struct MeanPhase {
  long double k = 0;       // lunation number since January 2000 plus kind / 8
  long double jde = 0;     // Julian Day of the mean phase
  long double m = 0;       // sun's mean anomaly
  long double mPrime = 0;  // moon's mean anomaly
  long double f = 0;       // moon's argument of latitude
  long double omega = 0;   // longitude of the ascending node
  long double e = 0;       // eccentricity factor of the Earth's orbit, from the instant itself
};

MeanPhase MeanPhaseArguments(LunarPhase phase, double dateValue);

// Instant of the phase of that kind in the lunation nearest to the date
// value; 0 for kinds outside 0..7.
double MoonPhaseTime(LunarPhase phase, double dateValue);
// The last phase of that kind at or before / the first at or after the date
// value; 0 for kinds outside 0..7.
double PreviousMoonPhase(LunarPhase phase, double dateValue);
double NextMoonPhase(LunarPhase phase, double dateValue);
// The principal phases are refined on ELP/MPP02's moon (moon_elp.h); these
// give the series of the mean phase alone, for searches that only need a
// start near the syzygy. The crescents and gibbous phases are
// NextMoonPhase's.
double NextApproximateMoonPhase(LunarPhase phase, double dateValue);
double PreviousApproximateMoonPhase(LunarPhase phase, double dateValue);
// The series' instant of a principal phase lies within this of the refined
// one, days: at most 1.9 minutes over 100-3000 and 19 s within 1900-2100
// (every principal phase measured).
inline constexpr double kPhaseSeriesMargin = 10.0 / 1440.0;
// Days since the last new moon, in [0, 29.530589).
long double MoonAge(double dateValue);
// Sun-moon-earth angle in degrees, magnitude in [0, 180), negative while the
// moon wanes.
long double MoonPhaseAngle(double dateValue);
// 0..1.
long double MoonIlluminatedFraction(double dateValue);

// The principal phases' refinements are remembered per thread (the last
// sixteen); this forgets them, so that a benchmark can measure a first search.
void ForgetMoonPhaseRefinements();

}  // namespace tempulo

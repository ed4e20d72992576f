// SPDX-License-Identifier: GPL-3.0-or-later
// Angle arithmetic in degrees, and Julian centuries of a date value.
//
// A date value counts days since 30 December 1899 00:00 as a double; its
// fraction is the time of day (time/instant.h converts it). Positions are
// functions of date values of dynamical time, everything shown is in
// universal time (time/delta_t.h).
#pragma once

#include <cstdint>

namespace tempulo {

inline constexpr long double kPi = 3.1415926535897932385L;

// Date value of 1 January 2000 00:00; J2000.0 itself is 36526.5.
inline constexpr double J2000DateValue = 36526.0;

long double DegToRad(long double x);
long double RadToDeg(long double x);

// The same direction in [0, 360).
long double NormalizeAngle(long double x);
// NormalizeAngle(a - b) brought into (-180, 180].
long double AngleDifference(long double a, long double b);

long double SinDeg(long double x);
long double CosDeg(long double x);
// Both of one angle from one reduction: bit for bit SinDeg(x) and CosDeg(x).
struct SineAndCosine {
  long double sine = 0;
  long double cosine = 0;
};
SineAndCosine SinCosDeg(long double x);

// The same reductions, the reduced angle's sine and cosine then to double
// precision (about one part in 1e16), several times cheaper: for the terms of
// the ephemeris series, whose truncation lies some eight orders of magnitude
// above that.
SineAndCosine SeriesSinCosDeg(long double x);
long double SeriesCosRad(long double x);
long double TanDeg(long double x);

// Sine and cosine of radians. Whole quadrants are taken off with pi/2 carried
// to about 128 bits, and the rest goes through a Taylor series in extended
// precision (within two units in the last place of the platform's own
// functions, several times faster for the large arguments of the planetary
// series).
long double SinRad(long double x);
long double CosRad(long double x);

// Radian inverses. ArcSin and ArcCos are formed through ArcTan2 so that the
// whole chain keeps extended precision; both need |x| <= 1.
long double ArcTan2(long double y, long double x);
long double ArcSin(long double x);
long double ArcCos(long double x);

long double ArcTan2Deg(long double y, long double x);  // (-180, 180]
long double ArcSinDeg(long double x);                  // [-90, 90]
long double ArcCosDeg(long double x);                  // [0, 180]
long double ArcTanDeg(long double x);                  // (-90, 90)

// A value in 1..n congruent to a modulo n (n > 0): never 0, so month and
// cycle numbers stay in their 1-based ranges.
std::int32_t PositiveRemainder(std::int32_t a, std::int32_t n);

// Julian centuries from J2000.0 (JD 2451545.0) of a date value.
long double JulianCenturies(double dateValue);

// Round half to even, as every "Round" of the almanac does.
long double RoundHalfEven(long double x);

}  // namespace tempulo

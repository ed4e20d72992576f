// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <cmath>

#include "time/instant.h"

namespace tempulo {
namespace {

// Past this the whole-turn count of NormalizeAngle leaves the 64-bit range.
constexpr long double kWholeTurnLimit = 1e18L;

// pi/2 in three parts: 32, 32 and 64 significant bits. A quadrant count below
// 2^31 times either of the first two is exact, so the reduction keeps about
// 128 bits of pi/2 however large the argument.
constexpr long double kHalfPi1 = 0x1.921fb544p+0L;
constexpr long double kHalfPi2 = 0x1.0b4611a6p-34L;
constexpr long double kHalfPi3 = 0x1.3198a2e03707344ap-69L;
constexpr long double kTwoOverPi = 0.63661977236758134307553505349005744814L;
constexpr long double kRadianReduceLimit = 0x1p+30L;

// x - q * pi/2 for the whole number q nearest to x / (pi/2).
long double ReduceByQuadrants(long double x, long double q) {
  return ((x - q * kHalfPi1) - q * kHalfPi2) - q * kHalfPi3;
}

// A whole number (a rounded quotient) as an integer. Through double where
// that is exact: the x87 conversion of a long double to an integer switches
// the rounding mode and back, which cost as much as the rest of a series
// term's reduction.
std::int64_t WholeNumber(long double q) {
  constexpr long double kExactInDouble = 0x1p+53L;
  if (std::fabs(q) < kExactInDouble) {
    return static_cast<std::int64_t>(static_cast<double>(q));
  }
  return static_cast<std::int64_t>(q);
}

// The whole number of quadrants nearest to x / 90, for |x| < kWholeTurnLimit.
// An extended division is slow; the product with 1/90 names the same number
// wherever x lies clearly inside its quadrant: x - 90 q is exact, and below
// 44.9 degrees the quotient, even with the rounding of a quotient near 1e16
// (half a thousandth), stays nearer to q than to any other whole number.
// Near the midpoint between two quadrants the division decides, as before.
long double QuadrantsOfDegrees(long double x) {
  constexpr long double kOneOver90 = 1.0L / 90.0L;
  constexpr long double kClearlyInside = 44.9L;
  const long double q = RoundHalfEven(x * kOneOver90);
  if (std::fabs(x - 90.0L * q) < kClearlyInside) {
    return q;
  }
  return RoundHalfEven(x / 90.0L);
}

// Taylor coefficients 1/n! with alternating signs, as long as a term can
// still reach 2^-64 for |r| <= pi/4.
constexpr long double Factorial(int n) { return n <= 1 ? 1.0L : n * Factorial(n - 1); }

constexpr long double kCos[11] = {1.0L,
                                  -1.0L / Factorial(2),
                                  1.0L / Factorial(4),
                                  -1.0L / Factorial(6),
                                  1.0L / Factorial(8),
                                  -1.0L / Factorial(10),
                                  1.0L / Factorial(12),
                                  -1.0L / Factorial(14),
                                  1.0L / Factorial(16),
                                  -1.0L / Factorial(18),
                                  1.0L / Factorial(20)};
constexpr long double kSin[11] = {1.0L,
                                  -1.0L / Factorial(3),
                                  1.0L / Factorial(5),
                                  -1.0L / Factorial(7),
                                  1.0L / Factorial(9),
                                  -1.0L / Factorial(11),
                                  1.0L / Factorial(13),
                                  -1.0L / Factorial(15),
                                  1.0L / Factorial(17),
                                  -1.0L / Factorial(19),
                                  1.0L / Factorial(21)};

// sum c[i] z^i for i = 1..10, in Estrin's order so that the products overlap.
long double SeriesTail(const long double (&c)[11], long double z) {
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double z8 = z4 * z4;
  const long double low = c[1] * z + (c[2] + c[3] * z) * z2;
  const long double mid = (c[4] + c[5] * z) + (c[6] + c[7] * z) * z2;
  const long double high = (c[8] + c[9] * z) + c[10] * z2;
  return low + mid * z4 + high * z8;
}

long double SinKernel(long double r) { return r + r * SeriesTail(kSin, r * r); }
long double CosKernel(long double r) { return 1.0L + SeriesTail(kCos, r * r); }

// sin(r + quadrant * 90 degrees) for a reduced |r| <= pi/4 (a little more is
// harmless).
long double SineOfQuadrant(long double r, int quadrant) {
  switch (quadrant & 3) {
    case 0:
      return SinKernel(r);
    case 1:
      return CosKernel(r);
    case 2:
      return -SinKernel(r);
    default:
      return -CosKernel(r);
  }
}

// The kernels in double for |r| <= pi/4 (a little more is harmless): Taylor
// series to r^17 and r^18, whose first term left out stays below 1e-19.
double SinKernelDouble(double r) {
  const double z = r * r;
  return r + r * z *
                 (-1.0 / 6.0 +
                  z * (1.0 / 120.0 +
                       z * (-1.0 / 5040.0 +
                            z * (1.0 / 362880.0 +
                                 z * (-1.0 / 39916800.0 +
                                      z * (1.0 / 6227020800.0 +
                                           z * (-1.0 / 1307674368000.0 + z * (1.0 / 355687428096000.0))))))));
}

double CosKernelDouble(double r) {
  const double z = r * r;
  return 1.0 +
         z * (-0.5 +
              z * (1.0 / 24.0 +
                   z * (-1.0 / 720.0 +
                        z * (1.0 / 40320.0 +
                             z * (-1.0 / 3628800.0 +
                                  z * (1.0 / 479001600.0 +
                                       z * (-1.0 / 87178291200.0 + z * (1.0 / 20922789888000.0))))))));
}

// Sine and cosine of r + quadrant * 90 degrees from those of r: the cosine
// is the sine one quadrant on.
SineAndCosine OfQuadrant(long double s, long double c, std::int64_t quadrant) {
  switch (quadrant & 3) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

// The same from the double kernels.
SineAndCosine DoubleOfQuadrant(long double reduced, std::int64_t quadrant) {
  const auto r = static_cast<double>(reduced);
  return OfQuadrant(SinKernelDouble(r), CosKernelDouble(r), quadrant);
}

}  // namespace

long double DegToRad(long double x) { return x / 180.0L * kPi; }

long double RadToDeg(long double x) { return x * 180.0L / kPi; }

// rint rounds in the current mode, which the almanac never changes from
// round-half-to-even; unlike nearbyint it needs no save and restore of the
// floating-point environment, which made it the most expensive step of every
// angle reduction.
long double RoundHalfEven(long double x) { return std::rint(x); }

long double NormalizeAngle(long double x) {
  if (!std::isfinite(x)) {
    return x;
  }
  if (std::fabs(x) >= kWholeTurnLimit) {
    // Far beyond any date: the turn count would not fit the integer, and the
    // value has no fraction of a turn left anyway.
    const long double r = std::fmod(x, 360.0L);
    return r < 0.0L ? r + 360.0L : r;
  }
  // The turn count is rounded to the nearest whole turn first so that huge
  // arguments (the moon's mean longitude over centuries) lose no precision.
  const std::int64_t k = WholeNumber(RoundHalfEven(x / 360.0L));
  long double r = x - static_cast<long double>(360 * k);
  while (r < 0.0L) {
    r += 360.0L;
  }
  // A tiny negative remainder plus one turn rounds up to the full turn, which
  // is the direction 0.
  if (r >= 360.0L) {
    r = 0.0L;
  }
  return r;
}

long double AngleDifference(long double a, long double b) {
  long double d = NormalizeAngle(a - b);
  if (d > 180.0L) {
    d -= 360.0L;
  }
  return d;
}

// SinDeg and CosDeg take whole quadrants off in degrees, which is exact: x and
// 90 q are both multiples of the spacing of numbers at x, and so is their
// difference of at most 45. The series then only sees |r| <= pi/4; the
// result equals that of the reduced angle of NormalizeAngle.
long double SinDeg(long double x) {
  if (!(std::fabs(x) < kWholeTurnLimit)) {
    return std::sin(DegToRad(NormalizeAngle(x)));
  }
  const long double q = QuadrantsOfDegrees(x);
  return SineOfQuadrant(DegToRad(x - 90.0L * q), static_cast<int>(WholeNumber(q) & 3));
}

long double CosDeg(long double x) {
  if (!(std::fabs(x) < kWholeTurnLimit)) {
    return std::cos(DegToRad(NormalizeAngle(x)));
  }
  const long double q = QuadrantsOfDegrees(x);
  return SineOfQuadrant(DegToRad(x - 90.0L * q), static_cast<int>(WholeNumber(q) & 3) + 1);
}

SineAndCosine SinCosDeg(long double x) {
  if (!(std::fabs(x) < kWholeTurnLimit)) {
    return {SinDeg(x), CosDeg(x)};
  }
  const long double q = QuadrantsOfDegrees(x);
  const long double r = DegToRad(x - 90.0L * q);
  return OfQuadrant(SinKernel(r), CosKernel(r), WholeNumber(q));
}

SineAndCosine SeriesSinCosDeg(long double x) {
  if (!(std::fabs(x) < kWholeTurnLimit)) {
    return {SinDeg(x), CosDeg(x)};
  }
  const long double q = QuadrantsOfDegrees(x);
  return DoubleOfQuadrant(DegToRad(x - 90.0L * q), WholeNumber(q));
}

long double SeriesCosRad(long double x) {
  if (!(std::fabs(x) < kRadianReduceLimit)) {
    return std::cos(x);
  }
  const long double q = RoundHalfEven(x * kTwoOverPi);
  // Only the kernel the quadrant needs: the cosine is the sine one quadrant on.
  const auto r = static_cast<double>(ReduceByQuadrants(x, q));
  switch (WholeNumber(q) & 3) {
    case 0:
      return CosKernelDouble(r);
    case 1:
      return -SinKernelDouble(r);
    case 2:
      return -CosKernelDouble(r);
    default:
      return SinKernelDouble(r);
  }
}

long double SinRad(long double x) {
  if (!(std::fabs(x) < kRadianReduceLimit)) {
    return std::sin(x);
  }
  const long double q = RoundHalfEven(x * kTwoOverPi);
  return SineOfQuadrant(ReduceByQuadrants(x, q), static_cast<int>(WholeNumber(q) & 3));
}

long double CosRad(long double x) {
  if (!(std::fabs(x) < kRadianReduceLimit)) {
    return std::cos(x);
  }
  const long double q = RoundHalfEven(x * kTwoOverPi);
  return SineOfQuadrant(ReduceByQuadrants(x, q), static_cast<int>(WholeNumber(q) & 3) + 1);
}

long double TanDeg(long double x) { return std::tan(DegToRad(NormalizeAngle(x))); }

long double ArcTan2(long double y, long double x) { return std::atan2(y, x); }

long double ArcSin(long double x) { return ArcTan2(x, std::sqrt(1.0L - x * x)); }

long double ArcCos(long double x) { return ArcTan2(std::sqrt(1.0L - x * x), x); }

long double ArcTan2Deg(long double y, long double x) { return RadToDeg(ArcTan2(y, x)); }

long double ArcSinDeg(long double x) { return RadToDeg(ArcSin(x)); }

long double ArcCosDeg(long double x) { return RadToDeg(ArcCos(x)); }

long double ArcTanDeg(long double x) { return RadToDeg(ArcTan2(x, 1.0L)); }

std::int32_t PositiveRemainder(std::int32_t a, std::int32_t n) {
  std::int32_t r = a % n;
  while (r <= 0) {
    r += n;
  }
  return r;
}

long double JulianCenturies(double dateValue) {
  return (JulianDateOfDateValue(dateValue) - 2451545.0L) / 36525.0L;
}

}  // namespace tempulo

#include "astro/angles.h"

#include <cmath>

namespace tempulo {

long double DegToRad(long double x) { return x / 180.0L * kPi; }

long double RadToDeg(long double x) { return x * 180.0L / kPi; }

long double RoundHalfEven(long double x) { return std::nearbyintl(x); }

long double NormalizeAngle(long double x) {
  if (!std::isfinite(x)) {
    return x;
  }
  // The turn count is rounded to the nearest whole turn first so that huge
  // arguments (the moon's mean longitude over centuries) lose no precision.
  const auto k = static_cast<std::int64_t>(RoundHalfEven(x / 360.0L));
  long double r = x - static_cast<long double>(360 * k);
  while (r < 0.0L) {
    r += 360.0L;
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

long double SinDeg(long double x) { return std::sin(DegToRad(NormalizeAngle(x))); }

long double CosDeg(long double x) { return std::cos(DegToRad(NormalizeAngle(x))); }

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

long double DateTimeToJulianDay(double dateValue) {
  return static_cast<long double>(dateValue) + JulianDayOffset;
}

double JulianDayToDateTime(long double jd) { return static_cast<double>(jd - JulianDayOffset); }

long double JulianCenturies(double dateValue) {
  return (DateTimeToJulianDay(dateValue) - 2451545.0L) / 36525.0L;
}

}  // namespace tempulo

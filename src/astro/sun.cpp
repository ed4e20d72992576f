// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "astro/angles.h"
#include "astro/planets.h"
#include "time/date_encoding.h"
#include "astro/vsop87.h"
#include "time/civil.h"
#include "time/delta_t.h"
#include "time/instant.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// One row of the nutation series: multipliers of D, M, M', F, Omega; the sine
// coefficient of the nutation in longitude S + S1 * T / 10 and the cosine
// coefficient of the nutation in obliquity C + C1 * T / 10, in 0.0001".
struct NutationTerm {
  std::int8_t d;
  std::int8_t m;
  std::int8_t mPrime;
  std::int8_t f;
  std::int8_t omega;
  std::int32_t s;
  std::int32_t s1;
  std::int32_t c;
  std::int32_t c1;
};

constexpr std::array<NutationTerm, 31> kNutationTerms = {{
    {0, 0, 0, 0, 1, -171996, -1742, 92025, 89},
    {-2, 0, 0, 2, 2, -13187, -16, 5736, -31},
    {0, 0, 0, 2, 2, -2274, -2, 977, -5},
    {0, 0, 0, 0, 2, 2062, 2, -895, 5},
    {0, 1, 0, 0, 0, 1426, -34, 54, -1},
    {0, 0, 1, 0, 0, 712, 1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 12, 224, -6},
    {0, 0, 0, 2, 1, -386, -4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -1},
    {-2, -1, 0, 2, 2, 217, -5, -95, 3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
}};

constexpr long double kKilometresPerAU = 149597869.0L;

// Days per radian of longitude difference in the solar-term search; the sun
// moves about one degree a day, so each step leaves a few per mille.
constexpr long double kSearchDaysPerRadian = 58.0L;
constexpr long double kSearchTolerance = 3e-10L;  // degrees
// The search normally takes three to five steps.
constexpr int kMaxSearchSteps = 100;
// Principal-term walks normally look at one or two months.
constexpr int kMaxTermMonths = 40;

// Sums of the nutation series.
struct NutationSums {
  long double longitude = 0;
  long double obliquity = 0;
};

NutationSums SumNutation(long double t) {
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  const long double d = NormalizeAngle(297.85036L + 445267.11148L * t - 0.0019142L * t2 + t3 / 189474.0L);
  const long double m = NormalizeAngle(357.52772L + 35999.05034L * t - 0.0001603L * t2 - t3 / 300000.0L);
  const long double mPrime =
      NormalizeAngle(134.96298L + 477198.867398L * t + 0.0086972L * t2 + t3 / 56250.0L);
  const long double f = NormalizeAngle(93.27191L + 483202.017538L * t - 0.0036825L * t2 + t3 / 327270.0L);
  const long double omega = NormalizeAngle(125.04452L - 1934.136261L * t + 0.0020708L * t2 + t3 / 450000.0L);
  NutationSums sums;
  for (const NutationTerm& term : kNutationTerms) {
    const long double arg = d * term.d + m * term.m + mPrime * term.mPrime + f * term.f + omega * term.omega;
    const SineAndCosine sc = SeriesSinCosDeg(arg);
    sums.longitude += sc.sine * (term.s + term.s1 * t * 0.1L);
    sums.obliquity += sc.cosine * (term.c + term.c1 * t * 0.1L);
  }
  return sums;
}

long double NutationInLongitude(long double sum) { return sum * 0.0001L / 3600.0L; }

// The sun's geocentric longitude (before nutation), latitude and distance.
struct SunEcliptic {
  long double longitude = 0;  // degrees, not reduced
  long double latitude = 0;   // degrees
  long double distance = 0;   // kilometres
};

SunEcliptic SunGeometric(double dateValue) {
  const HeliocentricCoordinates earth = EarthHeliocentricPosition(dateValue);
  long double lambda = earth.longitude + 180.0L;
  long double beta = -earth.latitude;
  const long double t = (JulianDateOfDateValue(dateValue) - 2451545.0L) / 365250.0L * 10.0L;
  const long double lambdaPrime = lambda + t * (-1.397L - 0.00031L * t);
  // The frame correction once more, on the geocentric values; the longitude
  // term with tan(beta) is left out here.
  lambda -= 0.09033L / 3600.0L;
  beta += 0.03916L / 3600.0L * (CosDeg(lambdaPrime) - SinDeg(lambdaPrime));
  // Aberration.
  lambda -= (20.4898L / 3600.0L) / earth.radius;
  return {NormalizeAngle(lambda), beta, earth.radius * kKilometresPerAU};
}

double JanuaryFirst(int year) { return EncodeDate(year, 1, 1); }

double SearchSolarLongitudeTime(int year, int n) {
  // The target reads n as an unsigned byte, the first estimate as a signed one.
  const long double target = 15.0L * static_cast<std::uint8_t>(n);
  const long double estimate = 15.218424583333333L * static_cast<std::int8_t>(n) + 31 + 28 + 21;
  // Terms past the end of the year (19 to 23) are those of January to March:
  // counted from 1 January of the year before, they land in this year.
  double t = estimate > 365.0L ? static_cast<double>(JanuaryFirst(year - 1) + estimate)
                               : static_cast<double>(JanuaryFirst(year) + estimate);
  // The instant is named to the second: the sun from the finer series.
  long double lambda = PreciseSunApparentLongitude(t);
  for (int step = 0; step < kMaxSearchSteps && std::fabs(AngleDifference(target, lambda)) > kSearchTolerance;
       ++step) {
    t = static_cast<double>(t + kSearchDaysPerRadian * SinDeg(target - lambda));
    lambda = PreciseSunApparentLongitude(t);
  }
  // The search runs in dynamical time, the position's own.
  return UniversalFromTerrestrial(t);
}

// The sun's apparent longitude from its mean longitude and the three largest
// terms of the equation of the centre, with the rate of that longitude: a
// few sines instead of the whole Earth series, for callers that only need the
// day of a term (kSolarTermMargin bounds what it costs in time).
struct FewTermSun {
  long double longitude = 0;  // degrees, not reduced
  long double rate = 0;       // degrees a day
};

FewTermSun FewTermSunAt(double dateValue) {
  const long double t = JulianCenturies(dateValue);
  const long double l0 = 280.46646L + 36000.76983L * t + 0.0003032L * t * t;
  const long double m = 357.52911L + 35999.05029L * t - 0.0001537L * t * t;
  const long double c1 = 1.914602L - 0.004817L * t - 0.000014L * t * t;
  const long double c2 = 0.019993L - 0.000101L * t;
  constexpr long double c3 = 0.000289L;
  const long double centre = c1 * SinDeg(m) + c2 * SinDeg(2.0L * m) + c3 * SinDeg(3.0L * m);
  const long double omega = 125.04L - 1934.136L * t;
  // d(centre)/dM, per degree of M.
  const long double centreRate =
      DegToRad(c1 * CosDeg(m) + 2.0L * c2 * CosDeg(2.0L * m) + 3.0L * c3 * CosDeg(3.0L * m));
  return {l0 + centre - 0.00569L - 0.00478L * SinDeg(omega),
          (36000.76983L + 35999.05029L * centreRate) / 36525.0L};
}

// Newton steps on the few-term sun; from the month-long first guess it is
// within a microsecond after four or five.
constexpr int kMaxFewTermSteps = 12;
constexpr long double kFewTermTolerance = 1e-8L;  // days

double SearchApproximateSolarLongitudeTime(int year, int n) {
  const long double target = 15.0L * static_cast<std::uint8_t>(n);
  const long double estimate = 15.218424583333333L * static_cast<std::int8_t>(n) + 31 + 28 + 21;
  double t = estimate > 365.0L ? static_cast<double>(JanuaryFirst(year - 1) + estimate)
                               : static_cast<double>(JanuaryFirst(year) + estimate);
  for (int step = 0; step < kMaxFewTermSteps; ++step) {
    const FewTermSun sun = FewTermSunAt(t);
    const long double dt = AngleDifference(target, sun.longitude) / sun.rate;
    t = static_cast<double>(t + dt);
    if (std::fabs(dt) < kFewTermTolerance) {
      break;
    }
  }
  return UniversalFromTerrestrial(t);
}

// The solar-term searches of the last few years, per thread. Every refresh
// needs the four season starts of its year, the Chinese date the terms
// around it, and the days of one year ask for the same ones again; an answer
// found again is bit for bit the same, so remembering it changes no result.
// The oldest entry makes room for a new one.
class SolarTermMemo {
 public:
  double Get(int year, int n) {
    for (std::size_t i = 0; i < size_; ++i) {
      if (years_[i] == year && terms_[i] == n) {
        return values_[i];
      }
    }
    const double value = SearchSolarLongitudeTime(year, n);
    years_[next_] = year;
    terms_[next_] = n;
    values_[next_] = value;
    next_ = (next_ + 1) % kEntries;
    size_ = std::max(size_, next_ == 0 ? kEntries : next_);
    return value;
  }

  void Clear() {
    size_ = 0;
    next_ = 0;
  }

 private:
  // Three years of all 24 terms.
  static constexpr std::size_t kEntries = 72;
  std::array<int, kEntries> years_{};
  std::array<int, kEntries> terms_{};
  std::array<double, kEntries> values_{};
  std::size_t size_ = 0;
  std::size_t next_ = 0;
};

SolarTermMemo& TermMemo() {
  thread_local SolarTermMemo memo;
  return memo;
}

// The nutation of the last instant asked for, per thread: the sun's or the
// moon's position and the sidereal time of one instant need the same one.
struct NutationMemo {
  bool valid = false;
  double dateValue = 0;
  NutationValues values;
};

NutationMemo& LastNutation() {
  thread_local NutationMemo memo;
  return memo;
}

NutationValues ComputeNutation(double dateValue) {
  const long double t = JulianCenturies(dateValue);
  const NutationSums sums = SumNutation(t);
  const long double t2 = t * t;
  const long double t3 = t2 * t;
  // Mean obliquity and nutation in obliquity are added in arcseconds.
  const long double obliquity =
      (84381.448L - 46.815L * t - 0.00059L * t2 + 0.001813L * t3 + sums.obliquity * 0.0001L) / 3600.0L;
  return {NutationInLongitude(sums.longitude), obliquity};
}

}  // namespace

NutationValues Nutation(double dateValue) {
  NutationMemo& memo = LastNutation();
  // Compared bit for bit: a NaN never matches and is computed afresh.
  if (!memo.valid || memo.dateValue != dateValue) {
    memo.values = ComputeNutation(dateValue);
    memo.dateValue = dateValue;
    memo.valid = true;
  }
  return memo.values;
}

long double ApparentSiderealTime(double dateValue) {
  const NutationValues nutation = Nutation(dateValue);
  const long double days = Instant::FromDateValue(dateValue).JulianDate() - 2451545.0L;
  const long double t = days / 36525.0L;
  const long double theta = 280.46061837L + 360.98564736629L * days +
                            t * t * (0.000387933L - t / 38710000.0L) +
                            nutation.longitude * CosDeg(nutation.obliquity);
  return NormalizeAngle(theta);
}

void EclipticToEquatorial(CelestialPosition& position, double dateValue) {
  const NutationValues nutation = Nutation(dateValue);
  position.longitude = NormalizeAngle(position.longitude + nutation.longitude);
  const SineAndCosine epsilon = SinCosDeg(nutation.obliquity);
  const SineAndCosine longitude = SinCosDeg(position.longitude);
  const SineAndCosine latitude = SinCosDeg(position.latitude);
  position.rightAscension =
      ArcTan2Deg(longitude.sine * epsilon.cosine - TanDeg(position.latitude) * epsilon.sine, longitude.cosine);
  position.declination =
      ArcSinDeg(latitude.sine * epsilon.cosine + latitude.cosine * epsilon.sine * longitude.sine);
}

void SunPosition(CelestialPosition& position, double dateValue) {
  // The last instant's position, per thread: the moon's age and its phase
  // angle of one instant both need it.
  struct Memo {
    bool valid = false;
    double dateValue = 0;
    CelestialPosition position;
  };
  thread_local Memo memo;
  if (!memo.valid || memo.dateValue != dateValue) {
    const SunEcliptic sun = SunGeometric(dateValue);
    memo.position.longitude = sun.longitude;
    memo.position.latitude = sun.latitude;
    memo.position.distance = sun.distance;
    EclipticToEquatorial(memo.position, dateValue);
    memo.dateValue = dateValue;
    memo.valid = true;
  }
  position.longitude = memo.position.longitude;
  position.latitude = memo.position.latitude;
  position.distance = memo.position.distance;
  position.rightAscension = memo.position.rightAscension;
  position.declination = memo.position.declination;
}

double SolarLongitudeTime(int year, int n) { return TermMemo().Get(year, n); }

double ApproximateSolarLongitudeTime(int year, int n) { return SearchApproximateSolarLongitudeTime(year, n); }

void ForgetSolarTermSearches() { TermMemo().Clear(); }

namespace {

// The term n of SolarLongitudeTime that starts a season; -1 for no season.
int SeasonTerm(int season) {
  switch (season) {
    case 0:
      return 18;
    case 1:
      return 0;
    case 2:
      return 6;
    case 3:
      return 12;
    default:
      return -1;
  }
}

// The principal-term walks, over either way of finding a term. A walk over
// the few-term sun answers NaN as soon as a term it compares lies within
// kSolarTermMargin of the instant: there the finer sun might decide the
// comparison the other way.
template <typename TermTime>
double NextPrincipalTermBy(double dateValue, TermTime termTime, double margin) {
  const CivilDate date = CivilFromFixed(FixedFromDateValue(dateValue));
  int year = date.year;
  int month = date.month;
  double t = dateValue;
  for (int i = 0; i < kMaxTermMonths; ++i) {
    t = termTime(year, PrincipalTermIndex(month));
    if (std::fabs(t - dateValue) < margin) {
      return std::numeric_limits<double>::quiet_NaN();
    }
    if (++month > 12) {
      month = 1;
      ++year;
    }
    if (dateValue <= t) {
      break;
    }
  }
  return t;
}

template <typename TermTime>
double PreviousPrincipalTermBy(double dateValue, TermTime termTime, double margin) {
  const CivilDate date = CivilFromFixed(FixedFromDateValue(dateValue));
  int year = date.year;
  int month = date.month;
  double t = dateValue;
  for (int i = 0; i < kMaxTermMonths; ++i) {
    t = termTime(year, PrincipalTermIndex(month));
    if (std::fabs(t - dateValue) < margin) {
      return std::numeric_limits<double>::quiet_NaN();
    }
    if (--month < 1) {
      month = 12;
      --year;
    }
    if (t < dateValue) {
      break;
    }
  }
  return t;
}

}  // namespace

double SeasonStart(int year, int season) {
  const int n = SeasonTerm(season);
  return n < 0 ? 0.0 : SolarLongitudeTime(year, n);
}

double ApproximateSeasonStart(int year, int season) {
  const int n = SeasonTerm(season);
  return n < 0 ? 0.0 : ApproximateSolarLongitudeTime(year, n);
}

int PrincipalTermIndex(int month) { return (2 * month + 18) % 24; }

double NextPrincipalTerm(double dateValue) { return NextPrincipalTermBy(dateValue, SolarLongitudeTime, 0.0); }

double PreviousPrincipalTerm(double dateValue) {
  return PreviousPrincipalTermBy(dateValue, SolarLongitudeTime, 0.0);
}

double NextApproximatePrincipalTerm(double dateValue) {
  return NextPrincipalTermBy(dateValue, ApproximateSolarLongitudeTime, kSolarTermMargin);
}

double PreviousApproximatePrincipalTerm(double dateValue) {
  return PreviousPrincipalTermBy(dateValue, ApproximateSolarLongitudeTime, kSolarTermMargin);
}

}  // namespace tempulo

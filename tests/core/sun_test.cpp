// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "astro/angles.h"
#include "astro/planets.h"
#include "time/date_encoding.h"
#include "time/delta_t.h"
#include "astro_test_support.h"

namespace tempulo {
namespace {

using testing::Text;

// |a - b| within half a unit of the last printed decimal.
::testing::AssertionResult Printed(long double actual, long double printed, int decimals) {
  const long double tolerance = 0.5L * std::pow(10.0L, -decimals);
  if (std::fabs(actual - printed) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "value " << static_cast<double>(actual) << " is not " << static_cast<double>(printed);
}

constexpr double kJ2000 = 36526.5;

TEST(SunTest, NutationAndSiderealTimeAtJ2000) {
  const NutationValues n = Nutation(kJ2000);
  EXPECT_TRUE(Printed(n.longitude, -0.0038673L, 7));
  EXPECT_TRUE(Printed(n.obliquity, 23.437687L, 6));
  EXPECT_TRUE(Printed(ApparentSiderealTime(kJ2000), 280.45707L, 5));
}

TEST(SunTest, PositionAtJ2000) {
  CelestialPosition p;
  SunPosition(p, kJ2000);
  EXPECT_TRUE(Printed(p.longitude, 280.368071L, 6));
  EXPECT_TRUE(Printed(p.latitude, 0.000215L, 6));
  EXPECT_TRUE(Printed(p.distance, 147103710.0L, 0));
  EXPECT_TRUE(Printed(p.rightAscension, -78.722531L, 6));
  EXPECT_TRUE(Printed(p.declination, -23.032519L, 6));
  EXPECT_EQ(p.parallax, 0.0L);
}

TEST(SunTest, SeasonStartsAndTermOf2000) {
  struct Case {
    int season;
    const char* text;
  };
  const Case cases[] = {{1, "20.03.2000 07:35:17"},
                        {2, "21.06.2000 01:47:45"},
                        {3, "22.09.2000 17:27:34"},
                        {0, "21.12.2000 13:37:27"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Text(SeasonStart(2000, c.season)), c.text) << c.season;
  }
  EXPECT_EQ(Text(SolarLongitudeTime(2000, 21)), "04.02.2000 12:40:22");
  for (const int season : {4, 5, 255, -1}) {
    EXPECT_EQ(SeasonStart(2000, season), 0.0) << season;
  }
}

// The season starts are found on the finer sun; the abridged one lies
// within an arcsecond of it there, and its right ascension takes the negative
// branch.
TEST(SunTest, WinterSolsticeRightAscensionIsNegative) {
  const double tt = TerrestrialFromUniversal(SeasonStart(2000, 0));
  EXPECT_LT(std::fabs(PreciseSunApparentLongitude(tt) - 270.0L), 1e-9L);
  CelestialPosition p;
  SunPosition(p, tt);
  EXPECT_LT(std::fabs(p.longitude - 270.0L), 1.0L / 3600);
  EXPECT_LT(std::fabs(p.rightAscension - -90.0L), 1.0L / 3600);
}

// The finer sun and the abridged one part by at most about an arcsecond
// (the abridged series' error and its second frame correction of 0.09")
// every 11th day of 1600-2400: an aberration or frame term with the wrong
// sign would be 40" or 0.18" off at once, and is caught by the bound on the
// mean difference.
TEST(SunTest, PreciseAndAbridgedSunAgree) {
  long double sum = 0;
  int n = 0;
  for (double t = EncodeDate(1600, 1, 1); t < EncodeDate(2400, 1, 1); t += 11.0, ++n) {
    CelestialPosition p;
    SunPosition(p, t);
    const long double d = AngleDifference(PreciseSunApparentLongitude(t), p.longitude) * 3600;
    ASSERT_LT(std::fabs(d), 1.5L) << t;
    sum += d;
  }
  // The abridged sun takes the frame correction twice.
  EXPECT_NEAR(static_cast<double>(sum / n), 0.09, 0.05);
}

TEST(SunTest, PrincipalTermIndexByMonth) {
  const int expected[] = {20, 22, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(PrincipalTermIndex(month), expected[month - 1]) << month;
  }
}

// Every term n of every year reaches n * 15 degrees, in the Gregorian month
// the term belongs to, over the whole range the calendars use.
TEST(SunTest, SolarTermsOfYears100To3000) {
  for (int year = 100; year <= 3000; year += 29) {
    for (int n = 0; n < 24; ++n) {
      const double t = SolarLongitudeTime(year, n);
      const long double longitude = PreciseSunApparentLongitude(TerrestrialFromUniversal(t));
      ASSERT_LT(std::fabs(AngleDifference(longitude, 15.0L * n)), 1e-9L) << year << " " << n;
      const CivilDate date = DecodeDate(std::floor(t));
      ASSERT_EQ(date.year, year) << year << " " << n;
      // Principal terms (even n) fall in the month PrincipalTermIndex names;
      // the odd ones in the month before or the same month.
      const int month = n % 2 == 0 ? ((n / 2 + 2) % 12) + 1 : 0;
      if (month != 0) {
        ASSERT_EQ(PrincipalTermIndex(month), n);
        ASSERT_EQ(date.month, month) << year << " " << n << " " << Text(t);
      }
    }
    const CivilDate spring = DecodeDate(std::floor(SeasonStart(year, 1)));
    const CivilDate winter = DecodeDate(std::floor(SeasonStart(year, 0)));
    ASSERT_EQ(spring.month, 3) << year;
    ASSERT_GE(spring.day, 19) << year;
    ASSERT_LE(spring.day, 22) << year;
    ASSERT_EQ(winter.month, 12) << year;
    ASSERT_GE(winter.day, 20) << year;
    ASSERT_LE(winter.day, 23) << year;
  }
}

TEST(SunTest, SeasonStartsOfModernYearsFallOnTheUsualDays) {
  for (int year = 1900; year <= 2100; ++year) {
    const CivilDate spring = DecodeDate(std::floor(SeasonStart(year, 1)));
    const CivilDate winter = DecodeDate(std::floor(SeasonStart(year, 0)));
    ASSERT_EQ(spring.month, 3);
    ASSERT_GE(spring.day, 19) << year;
    ASSERT_LE(spring.day, 21) << year;
    ASSERT_EQ(winter.month, 12);
    ASSERT_GE(winter.day, 20) << year;
    ASSERT_LE(winter.day, 23) << year;  // 23 December 1903
    const CivilDate lichun = DecodeDate(std::floor(SolarLongitudeTime(year, 21)));
    ASSERT_EQ(lichun.year, year);
    ASSERT_EQ(lichun.month, 2);
    ASSERT_LE(lichun.day, 6) << year;
  }
}

// The Chinese calendar asks for the principal terms around any day of the
// years 100 to 3000, Julian-calendar days before the reform included.
TEST(SunTest, PrincipalTermsBracketEveryInstant) {
  const double first = EncodeDate(100, 1, 1);
  const double last = EncodeDate(3000, 12, 31);
  for (double x = first; x <= last; x += 397.37) {
    const double next = NextPrincipalTerm(x);
    const double previous = PreviousPrincipalTerm(x);
    ASSERT_GE(next, x) << Text(x);
    ASSERT_LT(previous, x) << Text(x);
    ASSERT_GT(next - previous, 29.0) << Text(x);
    ASSERT_LT(next - previous, 32.0) << Text(x);
    const long double rest = std::fmod(PreciseSunApparentLongitude(TerrestrialFromUniversal(next)) + 1e-6L, 30.0L);
    ASSERT_LT(rest, 2e-6L) << Text(x);
    // The term after `previous` is the first one at or after x.
    ASSERT_EQ(NextPrincipalTerm(previous + 1e-6), next) << Text(x);
  }
}

// The few-term sun stands in for the finer one wherever only a term's day is
// needed, so its instants must keep within the margin of the searched ones
// in every part of the range: the mean longitude's error grows with the
// distance from 2000, and the terms left out swing with the anomalies.
// Measured over every term of every year 100-3000 (TEMPULO_ALL_TERM_YEARS=1):
// at most 16.0 minutes, largest near the year 100 (the margin is 30).
TEST(SunTest, FewTermSolarTermsStayWithinTheMargin) {
  const bool everyYear = std::getenv("TEMPULO_ALL_TERM_YEARS") != nullptr;
  double worst = 0;
  int worstYear = 0;
  for (int year = 100; year <= 3000; year += everyYear ? 1 : 17) {
    for (int n = 0; n < 24; ++n) {
      const double difference = std::fabs(ApproximateSolarLongitudeTime(year, n) - SolarLongitudeTime(year, n));
      if (difference > worst) {
        worst = difference;
        worstYear = year;
      }
      ASSERT_LT(difference, kSolarTermMargin) << year << " " << n;
    }
    ForgetSolarTermSearches();
  }
  RecordProperty("worst_minutes", std::to_string(worst * 1440.0));
  std::printf("few-term sun: at most %.2f min from the searched terms (year %d)\n", worst * 1440.0, worstYear);
}

// A walk over the few-term sun gives the searched walk's term, or NaN where
// a term lies within the margin of the instant; the seasons likewise.
TEST(SunTest, ApproximatePrincipalTermsAgreeOrDecline) {
  int declined = 0;
  int answered = 0;
  for (double x = EncodeDate(100, 1, 1); x <= EncodeDate(3000, 12, 31); x += 397.31) {
    for (const auto& [approximate, searched] :
         {std::pair{NextApproximatePrincipalTerm(x), NextPrincipalTerm(x)},
          std::pair{PreviousApproximatePrincipalTerm(x), PreviousPrincipalTerm(x)}}) {
      if (std::isnan(approximate)) {
        ++declined;
        continue;
      }
      ++answered;
      ASSERT_LT(std::fabs(approximate - searched), kSolarTermMargin) << Text(x);
    }
  }
  // An instant a term's own: both walks must decline rather than guess.
  const double spring = SeasonStart(2000, 1);
  EXPECT_TRUE(std::isnan(NextApproximatePrincipalTerm(spring)));
  EXPECT_TRUE(std::isnan(PreviousApproximatePrincipalTerm(spring + 0.01)));
  EXPECT_LT(std::fabs(ApproximateSeasonStart(2000, 1) - spring), kSolarTermMargin);
  EXPECT_EQ(ApproximateSeasonStart(2000, 7), 0.0);
  EXPECT_GT(answered, 20 * declined);
}

TEST(SunTest, PrincipalTermAtItsOwnInstant) {
  const double spring = SeasonStart(2000, 1);
  EXPECT_EQ(NextPrincipalTerm(spring), spring);
  const double before = PreviousPrincipalTerm(spring);
  EXPECT_EQ(Text(before), Text(SolarLongitudeTime(2000, 22)));
  EXPECT_GT(spring - before, 29.0);
  EXPECT_LT(spring - before, 31.0);
}

}  // namespace
}  // namespace tempulo

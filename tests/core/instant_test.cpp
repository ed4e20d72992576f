// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/instant.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tempulo {
namespace {

// Moments whose Julian Date and civil date are published: the epochs of the
// two counts, the Gregorian reform, the Unix epoch and J2000.0.
TEST(InstantTest, ConversionsMatchPublishedMoments) {
  struct Case {
    const char* what;
    double dateValue;
    long double jd;
    CivilDate civil;
  };
  const Case cases[] = {
      {"JD 0: noon, 1 January 4713 BC (Julian)", -2415018.5, 0.0L, {-4712, 1, 1}},
      {"last day of the Julian calendar", -115859.0, 2299159.5L, {1582, 10, 4}},
      {"first day of the Gregorian calendar", -115858.0, 2299160.5L, {1582, 10, 15}},
      {"the date value's epoch", 0.0, 2415018.5L, {1899, 12, 30}},
      {"six hours before it", -0.25, 2415018.25L, {1899, 12, 29}},
      {"the Unix epoch", 25569.0, 2440587.5L, {1970, 1, 1}},
      {"J2000.0", 36526.5, 2451545.0L, {2000, 1, 1}},
  };
  for (const Case& c : cases) {
    const Instant instant = Instant::FromDateValue(c.dateValue);
    EXPECT_EQ(instant.JulianDate(), c.jd) << c.what;
    EXPECT_EQ(Instant::FromJulianDate(c.jd), instant) << c.what;
    EXPECT_EQ(instant.Civil(), c.civil) << c.what;
    EXPECT_EQ(instant.Day(), FixedFromCivil(c.civil)) << c.what;
    EXPECT_EQ(Instant::StartOf(instant.Day()).DateValue(), std::floor(c.dateValue)) << c.what;
  }
}

// J2000.0 is 1 January 2000 12:00 of dynamical time; universal time was
// Delta T, about 63.8 s, behind.
TEST(InstantTest, DynamicalTimeRunsDeltaTAhead) {
  const Instant j2000 = Instant::FromTerrestrialJulianDate(2451545.0L);
  EXPECT_NEAR((36526.5 - j2000.DateValue()) * 86400.0, 63.8, 0.1);
  EXPECT_NEAR(j2000.TerrestrialDateValue(), 36526.5, 1e-9);
  EXPECT_EQ(Instant::FromTerrestrial(36526.5), j2000);
}

// The report reads the Julian Date of a day's start from the instant; it must
// be the day count's own, to the last bit, for every day it shows.
TEST(InstantTest, JulianDateOfADaysStartIsExact) {
  const FixedDay first = FixedFromCivil({100, 1, 1});
  const FixedDay last = FixedFromCivil({3000, 12, 31});
  for (FixedDay day = first; day <= last; ++day) {
    const Instant start = Instant::StartOf(day);
    ASSERT_EQ(start.JulianDate(), JulianDateOf(day)) << day.value;
    ASSERT_EQ(start.Day(), day) << day.value;
  }
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/moon_elp.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

bool Within(long double actual, long double expected, long double tolerance) {
  return std::fabs(actual - expected) <= tolerance;
}

// The two lunar theories part by up to 17" near 2000 and 21" by 2300 (the
// abridged one's error) in longitude and latitude and some 30 km in
// distance, every 37th day of 1600-2400. A frame slip (the departure point for the equinox of date: 1.4
// degrees a century) or a series on the wrong power of time shows at once.
TEST(MoonTest, ElpAndAbridgedTheoriesAgree) {
  for (double t = EncodeDate(1600, 1, 1); t < EncodeDate(2400, 1, 1); t += 37.0) {
    CelestialPosition abridged;
    MoonPosition(abridged, t);
    const ElpMoonCoordinates elp = ElpMoonGeometricPosition(t);
    // The abridged longitude is apparent: nutation, and about 0.7" of
    // light time the geometric one lacks.
    const long double apparent = ElpMoonApparentLongitude(t);
    ASSERT_LT(std::fabs(AngleDifference(apparent, abridged.longitude)) * 3600, 30.0L) << t;
    ASSERT_LT(std::fabs(AngleDifference(apparent, elp.longitude)) * 3600, 20.0L) << t;
    ASSERT_LT(std::fabs(elp.latitude - abridged.latitude) * 3600, 30.0L) << t;
    ASSERT_LT(std::fabs(elp.distance - abridged.distance), 40.0L) << t;
  }
}

// The finer moon's apparent place, as the rise and set searches take it
// where the abridged one is not good enough: its longitude is the apparent
// longitude of the phases, and it lies within 18" of the abridged place in
// right ascension and declination together every 7.3 days of 1900-2100 (the
// bound the searches take for the abridged moon's error; 17.7" every 1.37
// days). A slip of the light time (0.7"), the nutation or the frame shows.
TEST(MoonTest, ElpPlaceWithinTheAbridgedMoonsError) {
  long double worst = 0;
  for (double t = EncodeDate(1900, 1, 1); t < EncodeDate(2100, 1, 1); t += 7.3) {
    CelestialPosition abridged;
    CelestialPosition elp;
    MoonPosition(abridged, t);
    ElpMoonPosition(elp, t);
    ASSERT_LT(std::fabs(AngleDifference(elp.longitude, ElpMoonApparentLongitude(t))) * 3600, 1e-3L) << t;
    const long double east =
        AngleDifference(elp.rightAscension, abridged.rightAscension) * CosDeg(elp.declination) * 3600;
    const long double north = (elp.declination - abridged.declination) * 3600;
    const long double apart = std::sqrt(east * east + north * north);
    worst = std::max(worst, apart);
    ASSERT_LT(apart, 18.0L) << t;
    ASSERT_LT(std::fabs(elp.distance - abridged.distance), 15.0L) << t;
  }
  // The bound is near the actual error, not far above it.
  EXPECT_GT(worst, 14.0L);
}

// The rate the phase refinement divides by is the series' own derivative;
// against a central difference of the apparent longitude over a quarter of
// an hour it agrees within the nutation's rate (up to 4e-5 degrees a day),
// in the years near 2000 and far from them.
TEST(MoonTest, ElpLongitudeRateIsTheLongitudesDerivative) {
  for (const int year : {150, 1000, 1950, 2026, 2500, 2990}) {
    for (const int month : {1, 4, 7, 10}) {
      const double t = EncodeDate(year, month, 9) + 0.3;
      long double rate = 0;
      ElpMoonApparentLongitude(t, &rate);
      constexpr double kStep = 1.0 / 192;
      const long double difference =
          AngleDifference(ElpMoonApparentLongitude(t + kStep), ElpMoonApparentLongitude(t - kStep)) / (2 * kStep);
      EXPECT_NEAR(static_cast<double>(rate), static_cast<double>(difference), 1e-4) << year << " " << month;
      EXPECT_GT(rate, 11.0L);
      EXPECT_LT(rate, 16.0L);
    }
  }
}

TEST(MoonTest, PositionOf12April1992) {
  CelestialPosition p;
  p.parallax = 7.0L;
  MoonPosition(p, 33706);
  EXPECT_TRUE(Within(p.longitude, 133.167270L, 5e-7L)) << static_cast<double>(p.longitude);
  EXPECT_TRUE(Within(p.latitude, -3.229127L, 5e-7L)) << static_cast<double>(p.latitude);
  EXPECT_TRUE(Within(p.distance, 368409.7L, 0.05L)) << static_cast<double>(p.distance);
  EXPECT_TRUE(Within(p.rightAscension, 134.688474L, 5e-7L)) << static_cast<double>(p.rightAscension);
  EXPECT_TRUE(Within(p.declination, 13.768365L, 5e-7L)) << static_cast<double>(p.declination);
  EXPECT_EQ(p.parallax, 7.0L);  // left alone
  EXPECT_EQ(MoonDistance(33706), p.distance);
}

TEST(MoonTest, DistanceAndLongitudeOverTwoCenturies) {
  for (double d = EncodeDate(1900, 1, 1); d < EncodeDate(2100, 12, 31); d += 7.3) {
    CelestialPosition p;
    MoonPosition(p, d);
    ASSERT_GT(p.distance, 356000.0L) << d;
    ASSERT_LT(p.distance, 407000.0L) << d;
    ASSERT_GE(p.longitude, 0.0L) << d;
    ASSERT_LT(p.longitude, 360.0L) << d;
    ASSERT_LT(std::fabs(p.latitude), 5.4L) << d;
  }
}

// At the equator on the ellipsoid the observer sits on the equatorial radius:
// the parallax then shifts the declination by at most the parallax itself.
TEST(MoonTest, TopocentricCorrection) {
  const double date = 33706;
  CelestialPosition geocentric;
  MoonPosition(geocentric, date);
  const long double expectedParallax =
      ArcSinDeg(SinDeg(8.794L / 3600.0L) / (geocentric.distance / 149597869.0L));

  struct Case {
    long double latitude;
    long double longitude;
  };
  const Case cases[] = {{0, 0}, {50, -12}, {-33.9L, -18.4L}, {78, 15}};
  for (const Case& c : cases) {
    CelestialPosition p = geocentric;
    TopocentricCorrection(p, date, c.latitude, c.longitude, 0);
    EXPECT_EQ(p.parallax, expectedParallax);
    EXPECT_EQ(p.longitude, geocentric.longitude);
    EXPECT_EQ(p.distance, geocentric.distance);
    const long double shift =
        std::hypot(p.rightAscension - geocentric.rightAscension, p.declination - geocentric.declination);
    EXPECT_LT(shift, 1.2L * expectedParallax) << static_cast<double>(c.latitude);
    EXPECT_GT(shift, 0.0L) << static_cast<double>(c.latitude);
  }
}

// Seen from 50 degrees north the moon always stands lower in the sky, so its
// declination drops, by up to about a degree.
TEST(MoonTest, NorthernObserverSeesTheMoonFurtherSouth) {
  for (double d = EncodeDate(2000, 1, 1); d < EncodeDate(2001, 1, 1); d += 0.73) {
    CelestialPosition p;
    MoonPosition(p, d);
    const long double geocentric = p.declination;
    TopocentricCorrection(p, d, 50, -12, 0);
    ASSERT_LT(p.declination, geocentric) << d;
    ASSERT_GT(p.declination, geocentric - 1.05L) << d;
  }
}

}  // namespace
}  // namespace tempulo

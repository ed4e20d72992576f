// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_set.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "time/date_encoding.h"
#include "astro_test_support.h"

namespace tempulo {
namespace {

using testing::Text;

constexpr long double kLatitude = 50;
constexpr long double kLongitude = -12;

using Wrapper = double (*)(double, long double, long double);

TEST(RiseSetTest, TimesOf20March2000) {
  struct Case {
    const char* name;
    Wrapper wrapper;
    const char* text;
  };
  const Case cases[] = {
      {"SunRise", SunRise, "20.03.2000 05:14:27"},     {"SunTransit", SunTransit, "20.03.2000 11:19:22"},
      {"SunSet", SunSet, "20.03.2000 17:25:15"},       {"CivilDawn", CivilDawn, "20.03.2000 04:42:15"},
      {"CivilDusk", CivilDusk, "20.03.2000 17:57:33"}, {"MoonSet", MoonSet, "20.03.2000 05:41:45"},
      {"MoonRise", MoonRise, "20.03.2000 17:47:43"},   {"MoonTransit", MoonTransit, "21.03.2000 00:02:03"},
  };
  const double day = EncodeDate(2000, 3, 20);
  ASSERT_EQ(day, 36605);
  for (const Case& c : cases) {
    EXPECT_EQ(Text(c.wrapper(day, kLatitude, kLongitude)), c.text) << c.name;
  }
}

TEST(RiseSetTest, KindsMapToTheirEvents) {
  const double day = 36605;
  EXPECT_EQ(RiseSetTransit(true, 0, day, kLatitude, kLongitude), SunRise(day, kLatitude, kLongitude));
  EXPECT_EQ(RiseSetTransit(false, 1, day, kLatitude, kLongitude), MoonSet(day, kLatitude, kLongitude));
  // Deeper twilights begin earlier and end later.
  const double civil = RiseSetTransit(true, 3, day, kLatitude, kLongitude);
  const double nautical = RiseSetTransit(true, 4, day, kLatitude, kLongitude);
  const double astronomical = RiseSetTransit(true, 5, day, kLatitude, kLongitude);
  EXPECT_LT(astronomical, nautical);
  EXPECT_LT(nautical, civil);
  const double civilDusk = RiseSetTransit(true, 6, day, kLatitude, kLongitude);
  const double nauticalDusk = RiseSetTransit(true, 7, day, kLatitude, kLongitude);
  const double astronomicalDusk = RiseSetTransit(true, 8, day, kLatitude, kLongitude);
  EXPECT_LT(civilDusk, nauticalDusk);
  EXPECT_LT(nauticalDusk, astronomicalDusk);
  for (const int kind : {9, 42, -1}) {
    EXPECT_EQ(RiseSetTransit(true, kind, day, kLatitude, kLongitude), 0.0) << kind;
  }
}

TEST(RiseSetTest, DaysWithoutTheEvent) {
  struct Case {
    const char* what;
    bool isSun;
    int kind;
    double day;
    long double latitude;
  };
  const Case cases[] = {
      {"astronomical dusk at midsummer", true, 8, EncodeDate(2000, 6, 21), 50},
      {"astronomical dawn at midsummer", true, 5, EncodeDate(2000, 6, 21), 50},
      {"sunrise in polar night", true, 0, EncodeDate(2000, 12, 21), 80},
      {"sun transit in polar night", true, 2, EncodeDate(2000, 12, 21), 80},
      {"sunset in polar day", true, 1, EncodeDate(2000, 6, 21), 80},
      {"sunrise at the pole", true, 0, EncodeDate(2000, 6, 21), 90},
      {"a kind without event on such a day", true, 9, EncodeDate(2000, 6, 21), 80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RiseSetTransit(c.isSun, c.kind, c.day, c.latitude, kLongitude), NoEvent) << c.what;
  }
  EXPECT_NE(RiseSetTransit(true, 6, EncodeDate(2000, 6, 21), 50, kLongitude), NoEvent);
}

TEST(RiseSetTest, InterpolateThreeAcrossTheWrap) {
  struct Case {
    long double n, y1, y2, y3, expected;
  };
  const Case cases[] = {
      {0, 10, 20, 30, 20},
      {0.5L, 10, 20, 30, 25},
      {-1, 10, 20, 30, 10},
      {0.5L, 358, 359, 1, 359.875L},
      {0.5L, 178, 179.5L, -179, 180.25L},
      {0.25L, -179, 179, 177, 178.5L},
      {0.5L, 1, 2, 4, 2.875L},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(static_cast<double>(InterpolateThree(c.n, c.y1, c.y2, c.y3)), static_cast<double>(c.expected),
                1e-12)
        << static_cast<double>(c.y2);
  }
}

// Every 10th day of 1900 to 2100 at the report's observer.
TEST(RiseSetTest, SunOrderOverTwoCenturies) {
  for (double x = EncodeDate(1900, 1, 1); x <= EncodeDate(2100, 12, 31); x += 10) {
    const double rise = SunRise(x, kLatitude, kLongitude);
    const double transit = SunTransit(x, kLatitude, kLongitude);
    const double set = SunSet(x, kLatitude, kLongitude);
    const double dawn = CivilDawn(x, kLatitude, kLongitude);
    const double dusk = CivilDusk(x, kLatitude, kLongitude);
    ASSERT_LT(x, dawn) << Text(x);
    ASSERT_LT(dawn, rise) << Text(x);
    ASSERT_LT(rise, transit) << Text(x);
    ASSERT_LT(transit, set) << Text(x);
    ASSERT_LT(set, dusk) << Text(x);
    ASSERT_LT(dusk, x + 1) << Text(x);
  }
}

// The moon's events lie in or next to their day, and a time of day moves the
// sun's results not at all.
TEST(RiseSetTest, MoonEventsStayNearTheirDay) {
  for (double x = EncodeDate(2000, 1, 1); x < EncodeDate(2002, 1, 1); x += 3) {
    for (const Wrapper moon : {MoonRise, MoonSet, MoonTransit}) {
      const double t = moon(x, kLatitude, kLongitude);
      ASSERT_NE(t, NoEvent) << Text(x);
      ASSERT_GT(t, x - 0.1) << Text(x);
      ASSERT_LT(t, x + 1.1) << Text(x);
    }
    ASSERT_EQ(SunRise(x + 0.7, kLatitude, kLongitude), SunRise(x, kLatitude, kLongitude));
  }
}

}  // namespace
}  // namespace tempulo

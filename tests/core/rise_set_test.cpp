// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/rise_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/moon_elp.h"
#include "astro/sun.h"
#include "time/date_encoding.h"
#include "time/delta_t.h"
#include "astro_test_support.h"

namespace tempulo {
namespace {

using testing::Text;

constexpr long double kLatitude = 50;
constexpr long double kLongitude = -12;
constexpr double kSecond = 1.0 / 86400.0;

using Wrapper = double (*)(const DaySpan&, long double, long double);

std::string TextOrDash(double t) { return t == NoEvent ? "-" : Text(t); }

// The universal-time day of 20 March 2000. The sun's times are those of the
// published one-step search to the second, with the positions taken at
// dynamical time; the moon's are its upper limb,
// within a few seconds of an independent ephemeris. Its transit falls at
// 00:02 on 21 March, so this day has none.
TEST(RiseSetTest, TimesOf20March2000) {
  struct Case {
    const char* name;
    Wrapper wrapper;
    const char* text;
  };
  const Case cases[] = {
      {"SunRise", SunRise, "20.03.2000 05:14:27"},     {"SunTransit", SunTransit, "20.03.2000 11:19:23"},
      {"SunSet", SunSet, "20.03.2000 17:25:16"},       {"CivilDawn", CivilDawn, "20.03.2000 04:42:15"},
      {"CivilDusk", CivilDusk, "20.03.2000 17:57:33"}, {"MoonSet", MoonSet, "20.03.2000 05:45:35"},
      {"MoonRise", MoonRise, "20.03.2000 17:45:46"},   {"MoonTransit", MoonTransit, "-"},
  };
  const DaySpan day = CivilDaySpan(36605, 0);
  for (const Case& c : cases) {
    EXPECT_EQ(TextOrDash(c.wrapper(day, kLatitude, kLongitude)), c.text) << c.name;
  }
  EXPECT_EQ(Text(MoonTransit(CivilDaySpan(36606, 0), kLatitude, kLongitude)), "21.03.2000 00:03:33");
}

// Days of 2026 on which the moon's event lies between 00:00 and 01:00 MEZ:
// listed on their own day (MEZ), the day before gets the next one or none.
TEST(RiseSetTest, MoonEventsOnTheirMezDay) {
  struct Case {
    int month;
    int day;
    Wrapper wrapper;
    const char* text;  // MEZ
  };
  const Case cases[] = {
      {2, 7, MoonRise, "-"},
      {2, 8, MoonRise, "08.02.2026 00:14:17"},
      {2, 9, MoonRise, "09.02.2026 01:26:43"},
      {1, 3, MoonTransit, "-"},
      {1, 4, MoonTransit, "04.01.2026 00:53:27"},
      {1, 5, MoonTransit, "05.01.2026 01:52:52"},
      {9, 7, MoonRise, "07.09.2026 00:18:06"},
      {9, 8, MoonRise, "08.09.2026 01:44:46"},
      {9, 7, MoonSet, "07.09.2026 17:13:48"},
  };
  for (const Case& c : cases) {
    const DaySpan day = CivilDaySpan(EncodeDate(2026, c.month, c.day), kCetUtcOffsetHours);
    const double t = c.wrapper(day, kLatitude, kLongitude);
    EXPECT_EQ(t == NoEvent ? "-" : Text(t + kCetUtcOffsetHours / 24.0), c.text) << c.day << "." << c.month;
  }
}

TEST(RiseSetTest, KindsMapToTheirEvents) {
  const DaySpan day = CivilDaySpan(36605, 0);
  EXPECT_EQ(RiseSetTransit(Luminary::kSun, RiseSetKind::kRise, day, kLatitude, kLongitude),
            SunRise(day, kLatitude, kLongitude));
  EXPECT_EQ(RiseSetTransit(Luminary::kMoon, RiseSetKind::kSet, day, kLatitude, kLongitude),
            MoonSet(day, kLatitude, kLongitude));
  // Deeper twilights begin earlier and end later.
  const double civil = RiseSetTransit(Luminary::kSun, RiseSetKind::kCivilDawn, day, kLatitude, kLongitude);
  const double nautical =
      RiseSetTransit(Luminary::kSun, RiseSetKind::kNauticalDawn, day, kLatitude, kLongitude);
  const double astronomical =
      RiseSetTransit(Luminary::kSun, RiseSetKind::kAstronomicalDawn, day, kLatitude, kLongitude);
  EXPECT_LT(astronomical, nautical);
  EXPECT_LT(nautical, civil);
  const double civilDusk =
      RiseSetTransit(Luminary::kSun, RiseSetKind::kCivilDusk, day, kLatitude, kLongitude);
  const double nauticalDusk =
      RiseSetTransit(Luminary::kSun, RiseSetKind::kNauticalDusk, day, kLatitude, kLongitude);
  const double astronomicalDusk =
      RiseSetTransit(Luminary::kSun, RiseSetKind::kAstronomicalDusk, day, kLatitude, kLongitude);
  EXPECT_LT(civilDusk, nauticalDusk);
  EXPECT_LT(nauticalDusk, astronomicalDusk);
  for (const int value : {9, 42, -1}) {
    const auto kind = static_cast<RiseSetKind>(value);
    EXPECT_EQ(RiseSetTransit(Luminary::kSun, kind, day, kLatitude, kLongitude), 0.0) << value;
  }
}

TEST(RiseSetTest, DaysWithoutTheEvent) {
  struct Case {
    const char* what;
    Luminary body;
    RiseSetKind kind;
    double day;
    long double latitude;
  };
  const Case cases[] = {
      {"astronomical dusk at midsummer", Luminary::kSun, RiseSetKind::kAstronomicalDusk,
       EncodeDate(2000, 6, 21), 50},
      {"astronomical dawn at midsummer", Luminary::kSun, RiseSetKind::kAstronomicalDawn,
       EncodeDate(2000, 6, 21), 50},
      {"sunrise in polar night", Luminary::kSun, RiseSetKind::kRise, EncodeDate(2000, 12, 21), 80},
      {"sun transit in polar night", Luminary::kSun, RiseSetKind::kTransit, EncodeDate(2000, 12, 21), 80},
      {"sunset in polar day", Luminary::kSun, RiseSetKind::kSet, EncodeDate(2000, 6, 21), 80},
      {"sunrise at the pole", Luminary::kSun, RiseSetKind::kRise, EncodeDate(2000, 6, 21), 90},
      {"moonrise at the pole", Luminary::kMoon, RiseSetKind::kRise, EncodeDate(2000, 6, 21), 90},
  };
  for (const Case& c : cases) {
    const DaySpan day = CivilDaySpan(c.day, 0);
    EXPECT_EQ(RiseSetTransit(c.body, c.kind, day, c.latitude, kLongitude), NoEvent) << c.what;
  }
  const DaySpan midsummer = CivilDaySpan(EncodeDate(2000, 6, 21), 0);
  EXPECT_NE(RiseSetTransit(Luminary::kSun, RiseSetKind::kCivilDusk, midsummer, 50, kLongitude), NoEvent);
  // Spans that hold no time at all.
  const DaySpan empty[] = {{36605, 36605}, {36606, 36605}, {NAN, 36606}, {36605, INFINITY}};
  for (const DaySpan& day : empty) {
    EXPECT_EQ(SunRise(day, kLatitude, kLongitude), NoEvent) << day.start << " " << day.end;
  }
}

TEST(RiseSetTest, CivilDaySpanOfAZone) {
  const DaySpan mez = CivilDaySpan(36605, 1.0);
  EXPECT_NEAR(mez.start, 36605 - 1.0 / 24, 1e-9);
  EXPECT_NEAR(mez.end - mez.start, 1.0, 1e-12);
  const DaySpan west = CivilDaySpan(36605, -5.0);
  EXPECT_NEAR(west.start, 36605 + 5.0 / 24, 1e-9);
}

// Every 10th day of 1900 to 2100 at the report's observer.
TEST(RiseSetTest, SunOrderOverTwoCenturies) {
  for (double x = EncodeDate(1900, 1, 1); x <= EncodeDate(2100, 12, 31); x += 10) {
    const DaySpan day = CivilDaySpan(x, kCetUtcOffsetHours);
    const DayEvents sun(Luminary::kSun, day, kLatitude, kLongitude);
    const double dawn = sun.Find(RiseSetKind::kCivilDawn);
    const double rise = sun.Find(RiseSetKind::kRise);
    const double transit = sun.Find(RiseSetKind::kTransit);
    const double set = sun.Find(RiseSetKind::kSet);
    const double dusk = sun.Find(RiseSetKind::kCivilDusk);
    ASSERT_LE(day.start, dawn) << Text(x);
    ASSERT_LT(dawn, rise) << Text(x);
    ASSERT_LT(rise, transit) << Text(x);
    ASSERT_LT(transit, set) << Text(x);
    ASSERT_LT(set, dusk) << Text(x);
    ASSERT_LT(dusk, day.end) << Text(x);
  }
}

// One event, one time: wherever a day starts, in whatever zone, a search
// that holds the event finds the same instant, and a day without it has
// none: the events just before and after lie outside it.
void ExpectOneTime(Luminary body, RiseSetKind kind, double x, long double latitude, int& daysWithout) {
  const DaySpan day = CivilDaySpan(x, kCetUtcOffsetHours);
  const double t = RiseSetTransit(body, kind, day, latitude, kLongitude);
  if (t == NoEvent) {
    ++daysWithout;
    const double before =
        RiseSetTransit(body, kind, {day.start - 0.5, day.start + 0.5}, latitude, kLongitude);
    const double after = RiseSetTransit(body, kind, {day.end - 0.5, day.end + 0.5}, latitude, kLongitude);
    ASSERT_TRUE(before == NoEvent || before < day.start) << RiseSetKindIndex(kind) << " " << Text(x);
    ASSERT_TRUE(after == NoEvent || after >= day.end) << RiseSetKindIndex(kind) << " " << Text(x);
    return;
  }
  ASSERT_GE(t, day.start) << RiseSetKindIndex(kind) << " " << Text(x);
  ASSERT_LT(t, day.end) << RiseSetKindIndex(kind) << " " << Text(x);
  // Another zone's day around the same instant, starting 0.37 days before it.
  const double other = RiseSetTransit(body, kind, {t - 0.37, t + 0.63}, latitude, kLongitude);
  ASSERT_NEAR(other, t, 0.05 * kSecond) << RiseSetKindIndex(kind) << " " << Text(x);
}

// Every 7th day of 1900-2100 (every 70th under the sanitizers, whose build
// is many times slower); the sweep checks every day's report.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStride = 70;
#else
constexpr int kStride = 7;
#endif

TEST(RiseSetTest, OneEventOneTimeFrom1900To2100) {
  int moonDaysWithout[3] = {0, 0, 0};
  int sunDaysWithout = 0;
  const double first = EncodeDate(1900, 1, 1);
  const double last = EncodeDate(2100, 12, 31);
  int days = 0;
  for (double x = first; x <= last; x += kStride, ++days) {
    for (const RiseSetKind kind : {RiseSetKind::kRise, RiseSetKind::kSet, RiseSetKind::kTransit}) {
      ASSERT_NO_FATAL_FAILURE(
          ExpectOneTime(Luminary::kMoon, kind, x, kLatitude, moonDaysWithout[RiseSetKindIndex(kind)]));
    }
    for (const RiseSetKind kind : {RiseSetKind::kRise, RiseSetKind::kSet, RiseSetKind::kTransit,
                                   RiseSetKind::kCivilDawn, RiseSetKind::kCivilDusk}) {
      ASSERT_NO_FATAL_FAILURE(ExpectOneTime(Luminary::kSun, kind, x + 3, kLatitude, sunDaysWithout));
    }
  }
  EXPECT_EQ(sunDaysWithout, 0);
  // The moon skips each event on about one day of its 29.5-day month; the
  // sparser sample of the checked build counts them less evenly.
  for (const int count : moonDaysWithout) {
    EXPECT_NEAR(static_cast<double>(count) / days, 1.0 / 29.5, 0.012) << count;
  }
}

// Far north the moon stays up or down for days around its greatest
// declinations (2006 was a year of major standstill), and days begin with
// the moon circling without a rise or set; the search still finds the
// events those days have.
TEST(RiseSetTest, OneEventOneTimeAt65North) {
  int daysWithout[3] = {0, 0, 0};
  for (double x = EncodeDate(2006, 1, 1); x < EncodeDate(2007, 1, 1); x += 1) {
    for (const RiseSetKind kind : {RiseSetKind::kRise, RiseSetKind::kSet, RiseSetKind::kTransit}) {
      ASSERT_NO_FATAL_FAILURE(
          ExpectOneTime(Luminary::kMoon, kind, x, 65, daysWithout[RiseSetKindIndex(kind)]));
    }
  }
  EXPECT_GT(daysWithout[RiseSetKindIndex(RiseSetKind::kRise)], 12 * 3)
      << daysWithout[RiseSetKindIndex(RiseSetKind::kRise)];
  EXPECT_GT(daysWithout[RiseSetKindIndex(RiseSetKind::kSet)], 12 * 3)
      << daysWithout[RiseSetKindIndex(RiseSetKind::kSet)];
}

// The altitude of the body's centre less the kind's altitude, degrees, from
// the positions alone: the test's own reading of the definition. `finer`
// takes the moon from ELP/MPP02, its parallax from that theory's distance.
long double AboveOfKind(Luminary body, RiseSetKind kind, double t, long double latitude,
                        long double westLongitude, bool finer = false) {
  CelestialPosition p;
  long double altitude = -0.8333L;
  // Positions at dynamical time, the sky's turn at universal time.
  if (body == Luminary::kSun) {
    SunPosition(p, TerrestrialFromUniversal(t));
  } else if (finer) {
    ElpMoonPosition(p, TerrestrialFromUniversal(t));
    const long double parallax = ArcSinDeg(SinDeg(8.794L / 3600) * 149597869.0L / p.distance);
    TopocentricCorrection(p, t, latitude, westLongitude, 0.0L, parallax);
    altitude = -0.2725L * p.parallax - 34.0L / 60.0L;
  } else {
    MoonPosition(p, TerrestrialFromUniversal(t));
    TopocentricCorrection(p, t, latitude, westLongitude, 0.0L);
    altitude = -0.2725L * p.parallax - 34.0L / 60.0L;
  }
  switch (kind) {
    case RiseSetKind::kCivilDawn:
    case RiseSetKind::kCivilDusk:
      altitude = -6;
      break;
    case RiseSetKind::kNauticalDawn:
    case RiseSetKind::kNauticalDusk:
      altitude = -12;
      break;
    case RiseSetKind::kAstronomicalDawn:
    case RiseSetKind::kAstronomicalDusk:
      altitude = -18;
      break;
    default:
      break;
  }
  const long double hourAngle = ApparentSiderealTime(t) - westLongitude - p.rightAscension;
  const long double sinAltitude = SinDeg(latitude) * SinDeg(p.declination) +
                                  CosDeg(latitude) * CosDeg(p.declination) * CosDeg(hourAngle);
  return ArcSinDeg(std::clamp(sinAltitude, -1.0L, 1.0L)) - altitude;
}

// Days on which following the event from the day's start found nothing
// (or missed a second crossing): the body rises or sets where it only just
// reaches the altitude, or near the pole. The expected times are PyEphem's
// with the same definition, or, where its own search circles at the pole,
// the crossing of a dense scan.
TEST(RiseSetTest, EventsFarNorthAndSouth) {
  struct Case {
    const char* what;
    Luminary body;
    RiseSetKind kind;
    double day;
    long double latitude;
    const char* text;  // universal time, to the minute
  };
  const Case cases[] = {
      {"moonset at 70 N", Luminary::kMoon, RiseSetKind::kSet, EncodeDate(2026, 8, 11), 70,
       "11.08.2026 22:48"},
      {"no moonrise at 70 N", Luminary::kMoon, RiseSetKind::kRise, EncodeDate(2026, 8, 11), 70, "-"},
      {"sunset at 89.9 N", Luminary::kSun, RiseSetKind::kSet, EncodeDate(2026, 9, 24), 89.9L,
       "24.09.2026 22:00"},
  };
  for (const Case& c : cases) {
    const double t = RiseSetTransit(c.body, c.kind, CivilDaySpan(c.day, 0), c.latitude, 0);
    EXPECT_EQ(t == NoEvent ? "-" : Text(t).substr(0, 16), c.text) << c.what;
  }
  // Two moonsets in one day at 85 N: the first is the day's, both are listed.
  const DayEvents moon(Luminary::kMoon, CivilDaySpan(EncodeDate(2026, 4, 28), 0), 85, 0);
  const std::vector<double> sets = moon.FindAll(RiseSetKind::kSet);
  ASSERT_EQ(sets.size(), 2U);
  EXPECT_EQ(Text(sets[0]).substr(0, 16), "28.04.2026 03:02");
  EXPECT_EQ(Text(sets[1]).substr(0, 16), "28.04.2026 21:31");
  EXPECT_EQ(moon.Find(RiseSetKind::kSet), sets[0]);
}

// Shallow moonrises and moonsets at 65-70 degrees, where the altitude
// changes by 0.1" to 0.3" a second and the abridged moon put them 8-21 s off,
// and a day on which the moon turns 1.3" above the horizon (it had neither).
// The times are Swiss Ephemeris' (DE431, its topocentric moon at the
// almanac's Delta T, the same definition), from
//   tests/ephemeris/check_shallow_moon_swetest.py build/test/tempulo_rise_set_dump
// which runs swetest -edir/usr/share/libswe/ephe -bjJD_TT -p1 -fadR -head -ep.
TEST(RiseSetTest, ShallowMoonCrossingsOnTheFinerMoon) {
  struct Case {
    double day;
    long double latitude;
    long double eastLongitude;
    RiseSetKind kind;
    double seconds;  // universal time of day, swetest's crossing
  };
  const Case cases[] = {
      {EncodeDate(2024, 8, 17), -65, -135, RiseSetKind::kRise, 19 * 3600 + 28 * 60 + 41.36},
      {EncodeDate(2024, 8, 17), -65, -135, RiseSetKind::kSet, 19 * 3600 + 24 * 60 + 39.37},
      {EncodeDate(2023, 2, 18), 67, -135, RiseSetKind::kRise, 19 * 3600 + 58 * 60 + 38.85},
      {EncodeDate(2003, 5, 3), -70, 172.5L, RiseSetKind::kSet, 1 * 3600 + 30 * 60 + 41.07},
      {EncodeDate(2005, 7, 30), 65, 90, RiseSetKind::kRise, 13 * 3600 + 41 * 60 + 36.05},
      {EncodeDate(2004, 7, 31), 67, 90, RiseSetKind::kRise, 18 * 3600 + 18 * 60 + 45.35},
      {EncodeDate(2004, 7, 31), 67, 90, RiseSetKind::kSet, 18 * 3600 + 21 * 60 + 35.24},
  };
  for (const Case& c : cases) {
    const double t = DayEvents(Luminary::kMoon, DaySpan{c.day, c.day + 1}, c.latitude, -c.eastLongitude).Find(c.kind);
    ASSERT_NE(t, NoEvent) << Text(c.day);
    EXPECT_NEAR((t - c.day) * 86400.0, c.seconds, 3.0) << Text(c.day) << " " << RiseSetKindIndex(c.kind);
  }
}

// Every crossing of the kind's altitude in the kind's direction that a scan
// of exact positions every five minutes sees within the day is found, at the
// altitude, and nothing else; days where the body turns within 0.05 degrees
// of the altitude (a graze the scan itself may miss) are skipped. A shallow
// moonrise or moonset lies at the altitude of the finer moon instead.
TEST(RiseSetTest, EveryCrossingOfTheDay) {
  // Near the poles 24-hour days; elsewhere the 25 hours of a day the clocks
  // go back, in which the moon may rise or set twice.
  struct Latitude {
    long double degrees;
    double hours;
    int everyNthDay;
  };
  const Latitude latitudes[] = {{67, 24, 47},  {70, 24, 47},  {-70, 24, 47},    {75, 24, 47},    {80, 24, 47},
                                {-85, 24, 47}, {89.9L, 24, 47}, {-89.9L, 24, 47}, {0, 25, 23},     {50, 25, 23},
                                {-60, 25, 23}, {65, 25, 23}};
  const RiseSetKind kinds[] = {RiseSetKind::kRise, RiseSetKind::kSet, RiseSetKind::kCivilDawn,
                               RiseSetKind::kNauticalDusk};
  constexpr double kStep = 5.0 / 1440.0;
  int compared = 0;
  int twice = 0;
  int finer = 0;
  for (const auto& [latitude, hours, everyNthDay] : latitudes) {
    for (double day = EncodeDate(2026, 1, 9); day < EncodeDate(2027, 1, 1); day += everyNthDay) {
      const double end = day + hours / 24.0;
      for (const Luminary body : {Luminary::kSun, Luminary::kMoon}) {
        const DayEvents events(body, DaySpan{day, end}, latitude, kLongitude);
        for (const RiseSetKind kind : kinds) {
          if (body == Luminary::kMoon && kind != RiseSetKind::kRise && kind != RiseSetKind::kSet) {
            continue;
          }
          const bool rising = kind == RiseSetKind::kRise || kind == RiseSetKind::kCivilDawn;
          std::vector<double> scanned;
          bool grazes = false;
          long double beforeLast = 0;
          long double last = AboveOfKind(body, kind, day, latitude, kLongitude);
          for (double t = day + kStep; t < end + kStep / 2; t += kStep) {
            const long double above = AboveOfKind(body, kind, t, latitude, kLongitude);
            if ((last < 0) != (above < 0) && (above > last) == rising) {
              scanned.push_back(t);
            }
            // A sampled extreme close to the altitude.
            const bool extreme = t > day + 1.5 * kStep && (last - beforeLast) * (above - last) <= 0;
            grazes = grazes || (extreme && std::fabs(last) < 0.05L);
            beforeLast = last;
            last = above;
          }
          if (grazes) {
            continue;
          }
          const std::vector<double> found = events.FindAll(kind);
          const std::string what = std::to_string(static_cast<double>(latitude)) + " " + Text(day) + " " +
                                   (body == Luminary::kSun ? "sun " : "moon ") +
                                   std::to_string(RiseSetKindIndex(kind));
          ASSERT_EQ(found.size(), scanned.size()) << what;
          for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_GE(found[i], day) << what;
            EXPECT_LT(found[i], end) << what;
            EXPECT_LE(std::fabs(found[i] - scanned[i]), kStep) << what;
            const long double above = AboveOfKind(body, kind, found[i], latitude, kLongitude);
            const bool onFinerMoon =
                body == Luminary::kMoon &&
                std::fabs(AboveOfKind(body, kind, found[i], latitude, kLongitude, true)) < 1e-5L;
            if (onFinerMoon) {
              ++finer;
              // Never farther from the abridged moon's crossing than that
              // moon's error.
              EXPECT_LT(std::fabs(above), 18.0L / 3600) << what;
            } else {
              EXPECT_NEAR(static_cast<double>(above), 0.0, 1e-5) << what;
            }
          }
          if (!found.empty()) {
            EXPECT_EQ(found.front(), events.Find(kind)) << what;
          }
          twice += found.size() > 1 && std::fabs(latitude) < 66 ? 1 : 0;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 600);
  // Days that do have a second crossing away from the poles.
  EXPECT_GT(twice, 0);
  // Shallow moonrises and moonsets refined on the finer moon.
  EXPECT_GT(finer, 0);
}

}  // namespace
}  // namespace tempulo

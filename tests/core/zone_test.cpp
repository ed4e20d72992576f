// SPDX-License-Identifier: GPL-3.0-or-later
// Civil time of the chosen place: offsets and abbreviations on the days the
// clocks change, the local day's span, and the years after the database's
// last listed change.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "time/date_encoding.h"
#include "time/zone.h"

namespace tempulo {
namespace {

double Utc(int year, int month, int day, int hour, int minute, int second) {
  return EncodeDate(year, month, day) + ((hour * 60.0 + minute) * 60.0 + second) / 86400.0;
}

TimeZone Zone(const char* name) {
  const auto zone = TimeZone::Find(name);
  EXPECT_TRUE(zone.has_value()) << name;
  return zone.value_or(TimeZone{});
}

struct OffsetCase {
  const char* zone;
  int year, month, day, hour, minute, second;  // universal time
  int offsetSeconds;
  const char* abbreviation;
};

TEST(TimeZoneTest, OffsetsAroundTheChangesOfTheClocks) {
  const OffsetCase cases[] = {
      // Spring forward and fall back in Central Europe, German abbreviations.
      {"Europe/Berlin", 2026, 3, 29, 0, 59, 59, 3600, "MEZ"},
      {"Europe/Berlin", 2026, 3, 29, 1, 0, 0, 7200, "MESZ"},
      {"Europe/Berlin", 2026, 10, 25, 0, 59, 59, 7200, "MESZ"},
      {"Europe/Berlin", 2026, 10, 25, 1, 0, 0, 3600, "MEZ"},
      {"Europe/Zurich", 2026, 7, 15, 12, 0, 0, 7200, "MESZ"},
      {"America/New_York", 2026, 3, 8, 6, 59, 59, -18000, "EST"},
      {"America/New_York", 2026, 3, 8, 7, 0, 0, -14400, "EDT"},
      {"America/New_York", 2026, 11, 1, 5, 59, 59, -14400, "EDT"},
      {"America/New_York", 2026, 11, 1, 6, 0, 0, -18000, "EST"},
      // The US rule changed in 2007: the first Sunday of April before, the
      // second Sunday of March from then on.
      {"America/New_York", 2006, 3, 12, 12, 0, 0, -18000, "EST"},
      {"America/New_York", 2007, 3, 12, 12, 0, 0, -14400, "EDT"},
      // The southern hemisphere: summer time around New Year.
      {"Australia/Sydney", 2026, 4, 4, 15, 59, 59, 39600, "AEDT"},
      {"Australia/Sydney", 2026, 4, 4, 16, 0, 0, 36000, "AEST"},
      {"Australia/Sydney", 2026, 10, 3, 15, 59, 59, 36000, "AEST"},
      {"Australia/Sydney", 2026, 10, 3, 16, 0, 0, 39600, "AEDT"},
      // Half an hour, all year.
      {"Asia/Kolkata", 2026, 1, 15, 0, 0, 0, 19800, "IST"},
      {"Asia/Kolkata", 2026, 7, 15, 0, 0, 0, 19800, "IST"},
      // Venezuela's half hour from December 2007 to May 2016.
      {"America/Caracas", 2007, 12, 9, 6, 59, 59, -14400, "-04"},
      {"America/Caracas", 2007, 12, 9, 7, 0, 0, -16200, "-0430"},
      {"America/Caracas", 2016, 5, 1, 7, 0, 0, -14400, "-04"},
      // Moscow kept summer time all year 2011-2014.
      {"Europe/Moscow", 2012, 1, 15, 12, 0, 0, 14400, "MSK"},
      {"Europe/Moscow", 2015, 1, 15, 12, 0, 0, 10800, "MSK"},
      // After 2037 the rule goes on: summer time in July, not in January.
      {"Europe/Berlin", 2040, 7, 15, 12, 0, 0, 7200, "MESZ"},
      {"Europe/Berlin", 2040, 1, 15, 12, 0, 0, 3600, "MEZ"},
      {"Europe/Berlin", 3000, 3, 30, 0, 59, 59, 3600, "MEZ"},  // last Sunday of March 3000: the 30th
      {"Europe/Berlin", 3000, 3, 30, 1, 0, 0, 7200, "MESZ"},
      {"Australia/Sydney", 2500, 1, 15, 12, 0, 0, 39600, "AEDT"},
      {"Australia/Sydney", 2500, 7, 15, 12, 0, 0, 36000, "AEST"},
      {"America/New_York", 2999, 7, 4, 12, 0, 0, -14400, "EDT"},
      {"Asia/Kolkata", 2999, 7, 4, 12, 0, 0, 19800, "IST"},
      {"MEZ", 2026, 7, 15, 12, 0, 0, 3600, "MEZ"},
  };
  for (const OffsetCase& c : cases) {
    const ZoneOffset offset =
        Zone(c.zone).OffsetAt(Utc(c.year, c.month, c.day, c.hour, c.minute, c.second));
    EXPECT_EQ(offset.seconds, c.offsetSeconds) << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(offset.abbreviation, c.abbreviation) << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
  }
}

struct DayCase {
  const char* zone;
  int year, month, day;
  int startHour, startMinute;  // universal time, on the day before when larger than 12 and the zone is east
  int startDayShift;           // the start's UTC date minus the local date
  double hours;                // length of the local day
};

TEST(TimeZoneTest, LocalDaysOf23And25Hours) {
  const DayCase cases[] = {
      {"Europe/Berlin", 2026, 3, 29, 23, 0, -1, 23.0},
      {"Europe/Berlin", 2026, 10, 25, 22, 0, -1, 25.0},
      {"Europe/Berlin", 2026, 7, 15, 22, 0, -1, 24.0},
      {"America/New_York", 2026, 3, 8, 5, 0, 0, 23.0},
      {"America/New_York", 2026, 11, 1, 4, 0, 0, 25.0},
      {"America/New_York", 2006, 4, 2, 5, 0, 0, 23.0},
      {"America/New_York", 2007, 3, 11, 5, 0, 0, 23.0},
      {"Australia/Sydney", 2026, 4, 5, 13, 0, -1, 25.0},
      {"Australia/Sydney", 2026, 10, 4, 14, 0, -1, 23.0},
      {"Asia/Kolkata", 2026, 1, 1, 18, 30, -1, 24.0},
      {"America/Caracas", 2007, 12, 9, 4, 0, 0, 24.5},
      {"Europe/Moscow", 2011, 3, 27, 21, 0, -1, 23.0},
      {"Europe/Moscow", 2014, 10, 26, 20, 0, -1, 25.0},
      // Chile moves its clocks at midnight: 6 September 2026 has no 0:00,
      // its first instant is 1:00 local time.
      {"America/Santiago", 2026, 9, 6, 4, 0, 0, 23.0},
      {"America/Santiago", 2026, 4, 5, 4, 0, 0, 24.0},
      {"Europe/Berlin", 2040, 3, 25, 23, 0, -1, 23.0},
      {"Europe/Berlin", 2040, 10, 28, 22, 0, -1, 25.0},
      {"MEZ", 2026, 3, 29, 23, 0, -1, 24.0},
  };
  for (const DayCase& c : cases) {
    const TimeZone zone = Zone(c.zone);
    const double local = EncodeDate(c.year, c.month, c.day);
    const double start = zone.DayStart(local);
    const double end = zone.DayStart(local + 1.0);
    const double expected = local + c.startDayShift + (c.startHour * 60.0 + c.startMinute) / 1440.0;
    EXPECT_NEAR(start, expected, 0.5 / 86400.0) << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
    EXPECT_NEAR((end - start) * 24.0, c.hours, 1e-6) << c.zone << " " << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(TimeZoneTest, UnknownNamesAreRefused) {
  for (const char* name : {"", "Mars/Olympus", "europe/berlin ", "../../etc/passwd", "MESZ"}) {
    EXPECT_FALSE(TimeZone::Find(name).has_value()) << name;
  }
  EXPECT_TRUE(TimeZone::Find("MEZ")->IsFixedMez());
  EXPECT_EQ(TimeZone::Find("Europe/Berlin")->Name(), "Europe/Berlin");
}

}  // namespace
}  // namespace tempulo

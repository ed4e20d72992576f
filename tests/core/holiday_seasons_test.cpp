// SPDX-License-Identifier: GPL-3.0-or-later
// The season rows of the holiday list. They rest on the sun's season search,
// so they are kept apart from the rest of the holiday tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "astro/sun.h"
#include "time/civil.h"
#include "time/julian_day.h"
#include "holidays/holidays.h"
#include "report/holiday_lines.h"

namespace tempulo {
namespace {

// 0 spring, 1 summer, 2 autumn, 3 winter: the order of the season record.
struct SeasonCase {
  int year;
  int season;
  int month;
  int day;
};

// Dates of the calendar of each year, from the published equinox and solstice
// series, all at least two and a half hours away from midnight. Before 1583
// they are Julian dates (the Gregorian ones lie 6 days later in 1000 and 10
// in 1500); in 1583-1899 the date values are negative, so a decoding that
// takes the whole part toward zero would read the day after.
constexpr SeasonCase kSeasonCases[] = {
    {300, 0, 3, 20},  {300, 1, 6, 22},  {300, 3, 12, 20},                      //
    {1000, 1, 6, 16}, {1000, 2, 9, 17}, {1000, 3, 12, 15},                     //
    {1500, 0, 3, 11}, {1500, 1, 6, 12}, {1500, 2, 9, 13},  {1500, 3, 12, 12},  //
    {1600, 0, 3, 20}, {1600, 1, 6, 21}, {1600, 3, 12, 21},                     //
    {1700, 0, 3, 20}, {1700, 1, 6, 21}, {1700, 3, 12, 21},                     //
    {1800, 0, 3, 20}, {1800, 1, 6, 21}, {1800, 2, 9, 23},                      //
    {1899, 0, 3, 20}, {1899, 1, 6, 21}, {1899, 2, 9, 23},                      //
    {2013, 0, 3, 20}, {2013, 1, 6, 21}, {2013, 2, 9, 22},  {2013, 3, 12, 21},  //
    {2500, 0, 3, 20}, {2500, 2, 9, 22},                                        //
    {3000, 0, 3, 20}, {3000, 1, 6, 20}, {3000, 2, 9, 22},  {3000, 3, 12, 22},
};

TEST(SeasonStartDatesTest, DaysOfKnownEquinoxesAndSolstices) {
  for (const SeasonCase& c : kSeasonCases) {
    const MonthDay date = SeasonStartDates(c.year)[static_cast<std::size_t>(c.season)];
    EXPECT_EQ(date, (MonthDay{c.month, c.day})) << c.year << " season " << c.season;
  }
}

// The MEZ dates of the equinoxes and solstices of 1900-2100 that fall within
// an hour of midnight, from an independent ephemeris: between 23:00 and 24:00
// universal time they belong to the next day in MEZ (the list's zone), and
// just before midnight MEZ to the same day. Cases within three minutes of
// midnight, where the missing difference of dynamical and universal time
// could tip the day, are left out.
constexpr SeasonCase kMezSeasonCases[] = {
    {1902, 2, 9, 24},  {1906, 2, 9, 24},  {1907, 3, 12, 23}, {1911, 3, 12, 22}, {1912, 0, 3, 21},
    {1921, 1, 6, 22},  {1925, 1, 6, 21},  {1935, 2, 9, 24},  {1940, 3, 12, 22}, {1944, 3, 12, 22},
    {1945, 0, 3, 21},  {1950, 1, 6, 22},  {1954, 1, 6, 21},  {1968, 2, 9, 23},  {1977, 3, 12, 22},
    {1978, 0, 3, 21},  {1979, 1, 6, 22},  {1981, 3, 12, 21}, {1982, 0, 3, 20},  {1983, 1, 6, 22},
    {1997, 2, 9, 23},  {2001, 2, 9, 23},  {2008, 1, 6, 21},  {2010, 3, 12, 22}, {2011, 0, 3, 21},
    {2012, 1, 6, 21},  {2014, 3, 12, 22}, {2030, 2, 9, 23},  {2041, 1, 6, 21},  {2044, 0, 3, 20},
    {2047, 3, 12, 22}, {2063, 2, 9, 23},  {2070, 1, 6, 21},  {2077, 0, 3, 20},  {2080, 3, 12, 21},
    {2092, 2, 9, 22},  {2096, 2, 9, 21},  {2099, 1, 6, 21},
};

TEST(SeasonStartDatesTest, StartsNearMidnightOnTheirMezDay) {
  for (const SeasonCase& c : kMezSeasonCases) {
    const MonthDay date = SeasonStartDates(c.year)[static_cast<std::size_t>(c.season)];
    EXPECT_EQ(date, (MonthDay{c.month, c.day})) << c.year << " season " << c.season;
  }
  // In universal time the winter solstice of 2010 is on 21 December.
  EXPECT_EQ(SeasonStartDates(2010, 0.0)[3], (MonthDay{12, 21}));
}

TEST(SeasonStartDatesTest, EachDateIsTheZoneDayThatContainsTheInstant) {
  static constexpr int kSeasonCodes[] = {1, 2, 3, 0};
  static constexpr int kMonths[] = {3, 6, 9, 12};
  for (int year = 100; year <= 3000; year += 29) {
    for (const double offset : {1.0, 0.0, -10.0, 13.0}) {
      const SeasonStartRecord record = SeasonStartDates(year, offset);
      for (std::size_t i = 0; i < record.size(); ++i) {
        ASSERT_EQ(record[i].month, kMonths[i]) << year;
        const double instant = SeasonStart(year, kSeasonCodes[i]) + offset / 24.0;
        const double midnight = DateValueOf(FixedFromCivil({year, record[i].month, record[i].day}));
        ASSERT_LE(midnight, instant) << year << " season " << i << " offset " << offset;
        ASSERT_LT(instant, midnight + 1.0) << year << " season " << i << " offset " << offset;
      }
    }
  }
}

TEST(SeasonStartDatesTest, SeasonRowsAppearInTheMonthList) {
  struct Case {
    int year;
    int month;
    int day;
    const char* name;
  };
  static constexpr Case kCases[] = {
      {2013, 3, 20, "Frühlingsanfang"}, {2013, 6, 21, "Sommeranfang"},    {2013, 9, 22, "Herbstanfang"},
      {2013, 12, 21, "Winteranfang"},   {1500, 3, 11, "Frühlingsanfang"}, {2010, 12, 22, "Winteranfang"},
  };
  for (const Case& c : kCases) {
    HolidayTable table = HolidayTable::Standard();
    const std::vector<DatedHoliday> holidays = table.MonthHolidays(c.year, c.month);
    const DatedHoliday expected{c.day, c.name};
    EXPECT_NE(std::find(holidays.begin(), holidays.end(), expected), holidays.end())
        << c.name << " " << c.year;
  }
}

}  // namespace
}  // namespace tempulo

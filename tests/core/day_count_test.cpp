// SPDX-License-Identifier: GPL-3.0-or-later
// The day count and the civil calendars it carries: floor arithmetic, round
// trips over the whole range the almanac offers, and instants that published
// tables fix.
#include "time/day_count.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

TEST(DayCount, FloorArithmeticCountsBackwardsWithoutASpecialCase) {
  struct Case {
    std::int64_t a, b, div, mod, adjusted;
  };
  static constexpr Case kCases[] = {
      {7, 3, 2, 1, 1}, {-7, 3, -3, 2, 2}, {6, 3, 2, 0, 3},    {-6, 3, -2, 0, 3},
      {0, 7, 0, 0, 7}, {-1, 7, -1, 6, 6}, {13, 13, 1, 0, 13}, {-14, 13, -2, 12, 12},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(FloorDiv(c.a, c.b), c.div) << c.a << "/" << c.b;
    EXPECT_EQ(FloorMod(c.a, c.b), c.mod) << c.a << "%" << c.b;
    EXPECT_EQ(AdjustedMod(c.a, c.b), c.adjusted) << c.a << " amod " << c.b;
  }
}

// Instants fixed by published tables (Explanatory Supplement to the
// Astronomical Almanac, ch. 12 "Calendars"; the Julian Day epoch, J2000.0,
// the Modified Julian Date and the Unix epoch as defined by their standards).
TEST(DayCount, PublishedJulianDatesAndEpochs) {
  struct Case {
    CivilDate date;
    bool julianCalendar;
    long double jd;
  };
  static constexpr Case kCases[] = {
      {{-4712, 1, 1}, true, -0.5L},         // the Julian Day epoch: JD 0 is noon of this day
      {{1582, 10, 4}, true, 2299159.5L},    // last day of the Julian calendar
      {{1582, 10, 15}, false, 2299160.5L},  // first day of the Gregorian calendar
      {{1858, 11, 17}, false, 2400000.5L},  // MJD 0
      {{1899, 12, 31}, false, 2415019.5L},  // the epoch J1900.0 is its noon
      {{1970, 1, 1}, false, 2440587.5L},    // Unix epoch
      {{2000, 1, 1}, false, 2451544.5L},    // J2000.0 is its noon
      {{1, 1, 1}, true, 1721423.5L},       {{1, 1, 1}, false, 1721425.5L},
      {{333, 1, 27}, true, 1842712.5L},    // Meeus, Astronomical Algorithms, example 7.b (27.5 January 333 is
                                           // JD 1842713.0)
      {{1957, 10, 4}, false, 2436115.5L},  // Meeus, example 7.a (4.81 October 1957 is JD 2436116.31)
  };
  for (const Case& c : kCases) {
    const FixedDay day = c.julianCalendar ? FixedFromJulian(c.date) : FixedFromGregorian(c.date);
    EXPECT_EQ(JulianDateOf(day), c.jd) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    EXPECT_EQ(FixedFromJulianDate(c.jd + 0.25L), day);
  }
  EXPECT_EQ(DayOfWeek(FixedFromGregorian({1, 1, 1})), 1);       // a Monday
  EXPECT_EQ(DayOfWeek(FixedFromGregorian({1582, 10, 15})), 5);  // a Friday
  EXPECT_EQ(DayOfWeek(FixedFromGregorian({2026, 12, 8})), 2);   // a Tuesday
  EXPECT_EQ(DateValueOf(FixedFromGregorian({1899, 12, 30})), 0.0);
  EXPECT_EQ(FixedFromDateValue(-0.25), FixedFromGregorian({1899, 12, 29}));
}

// Every day of the civil years 100-3000 (and the proleptic range around
// them): to the calendar and back is the same day, the next day is the next
// date, and the Gregorian calendar agrees with the standard library's.
TEST(DayCount, EveryDayRoundTripsAndFollowsTheDayBefore) {
  const FixedDay first = FixedFromJulian({90, 1, 1});
  const FixedDay last = FixedFromGregorian({3010, 12, 31});
  CivilDate julianBefore = JulianFromFixed(first - 1);
  CivilDate gregorianBefore = GregorianFromFixed(first - 1);
  const auto next = [](CivilDate date, bool leap) {
    if (date.day < MonthLength(leap, date.month)) {
      return CivilDate{date.year, date.month, date.day + 1};
    }
    return date.month < 12 ? CivilDate{date.year, date.month + 1, 1} : CivilDate{date.year + 1, 1, 1};
  };
  for (FixedDay day = first; day <= last; ++day) {
    const CivilDate julian = JulianFromFixed(day);
    const CivilDate gregorian = GregorianFromFixed(day);
    ASSERT_EQ(FixedFromJulian(julian), day);
    ASSERT_EQ(FixedFromGregorian(gregorian), day);
    ASSERT_EQ(julian, next(julianBefore, IsJulianLeapYear(julianBefore.year))) << day.value;
    ASSERT_EQ(gregorian, next(gregorianBefore, IsGregorianLeapYear(gregorianBefore.year))) << day.value;
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{day.value - 719163}}};
    ASSERT_EQ(static_cast<int>(ymd.year()), gregorian.year);
    ASSERT_EQ(static_cast<unsigned>(ymd.month()), static_cast<unsigned>(gregorian.month));
    ASSERT_EQ(static_cast<unsigned>(ymd.day()), static_cast<unsigned>(gregorian.day));
    julianBefore = julian;
    gregorianBefore = gregorian;
  }
}

TEST(DayCount, TheCivilCalendarSwitchesOnceAndKeepsOctober1582Whole) {
  EXPECT_EQ(CivilFromFixed(kGregorianReform - 1), (CivilDate{1582, 10, 4}));
  EXPECT_EQ(CivilFromFixed(kGregorianReform), (CivilDate{1582, 10, 15}));
  // 5-14 October 1582 continue the Julian calendar when chosen.
  EXPECT_EQ(FixedFromCivil({1582, 10, 5}), kGregorianReform);
  EXPECT_EQ(FixedFromCivil({1582, 10, 14}), kGregorianReform + 9);
  EXPECT_EQ(FixedFromCivil({1582, 10, 15}), kGregorianReform);
  EXPECT_EQ(CivilMonthLength(1500, 2), 29);  // Julian leap rule up to 1582
  EXPECT_EQ(CivilMonthLength(1700, 2), 28);
  EXPECT_EQ(CivilMonthLength(1582, 10), 31);
  EXPECT_THROW(CheckedFixedFromCivil({1501, 2, 29}), ConversionError);
  EXPECT_THROW(CheckedFixedFromCivil({2026, 4, 31}), ConversionError);
  EXPECT_THROW(CheckedFixedFromCivil({2026, 13, 1}), ConversionError);
  EXPECT_NO_THROW(CheckedFixedFromCivil({1500, 2, 29}));
}

// The one leap rule, month length and weekday every layer asks: the year
// table covers both rules, the reform year and years before 1 AD.
TEST(DayCount, LeapRulesAndMonthLengthsOfBothCalendarsAndTheCivilOne) {
  struct YearCase {
    std::int64_t year;
    bool julian;
    bool gregorian;
    bool civil;
  };
  const YearCase years[] = {
      {2024, true, true, true},   {2023, false, false, false}, {2000, true, true, true},
      {1900, true, false, false}, {1700, true, false, false},  {1600, true, true, true},
      {1584, true, true, true},   {1583, false, false, false}, {1582, false, false, false},
      {1500, true, false, true},  {1004, true, true, true},    {100, true, false, true},
      {0, true, true, true},      {-1, false, false, false},   {-4, true, true, true},
      {-100, true, false, true},
  };
  for (const YearCase& c : years) {
    EXPECT_EQ(IsJulianLeapYear(c.year), c.julian) << c.year;
    EXPECT_EQ(IsGregorianLeapYear(c.year), c.gregorian) << c.year;
    EXPECT_EQ(IsCivilLeapYear(c.year), c.civil) << c.year;
    EXPECT_EQ(JulianMonthLength(c.year, 2), c.julian ? 29 : 28) << c.year;
    EXPECT_EQ(GregorianMonthLength(c.year, 2), c.gregorian ? 29 : 28) << c.year;
  }

  const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MonthLength(false, month), common[month - 1]) << month;
    EXPECT_EQ(MonthLength(true, month), month == 2 ? 29 : common[month - 1]) << month;
    EXPECT_EQ(LongestMonthLength(month), month == 2 ? 29 : common[month - 1]) << month;
  }
  for (const int month : {0, 13, -1}) {
    EXPECT_EQ(MonthLength(true, month), 0) << month;
    EXPECT_EQ(CivilMonthLength(2024, month), 0) << month;
  }

  // Every civil month from 100 to 3000 has as many days as lie between its
  // first day and the next month's, except October 1582, whose day numbers
  // 5-14 repeat 15-24 in the Julian calendar.
  for (int year = 100; year <= 3000; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const CivilDate next = month == 12 ? CivilDate{year + 1, 1, 1} : CivilDate{year, month + 1, 1};
      const std::int64_t span = FixedFromCivil(next) - FixedFromCivil({year, month, 1});
      if (year == 1582 && month == 10) {
        ASSERT_EQ(span, 21);
        continue;
      }
      ASSERT_EQ(CivilMonthLength(year, month), span) << month << "/" << year;
    }
  }
  EXPECT_EQ(CivilMonthLength(1582, 10), 31);
}

TEST(DayCount, CivilWeekdaysAcrossTheReform) {
  struct WeekdayCase {
    CivilDate date;
    int weekday;  // 0 = Sunday
  };
  const WeekdayCase cases[] = {
      {{2026, 12, 9}, 3},   {{2000, 1, 1}, 6},    {{2024, 1, 1}, 1},  {{1582, 10, 4}, 4},
      {{1582, 10, 5}, 5},   {{1582, 10, 14}, 0},  {{1582, 10, 15}, 5}, {{1582, 10, 24}, 0},
      {{1500, 2, 29}, 6},   {{100, 1, 1}, 3},     {{3000, 12, 31}, 3},
  };
  for (const WeekdayCase& c : cases) {
    EXPECT_EQ(CivilWeekday(c.date), c.weekday) << c.date.day << "." << c.date.month << "." << c.date.year;
  }
}

}  // namespace
}  // namespace tempulo

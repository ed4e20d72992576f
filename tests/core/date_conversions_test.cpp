// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include "time/date_encoding.h"
#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

struct JdCase {
  int year, month, day;
  long double jd;
};

TEST(CivilDates, KnownJulianDays) {
  const JdCase gregorian[] = {{2000, 1, 1, 2451544.5L},
                              {2001, 1, 1, 2451910.5L},
                              {1582, 10, 15, 2299160.5L},
                              {1900, 3, 1, 2415079.5L}};
  for (const auto& c : gregorian) {
    EXPECT_EQ(GregorianCalendarToJulianDay(c.year, c.month, c.day), c.jd) << c.year << "-" << c.month;
  }
  const JdCase julian[] = {{1, 1, 1, 1721423.5L}, {1582, 10, 4, 2299159.5L}, {1999, 12, 19, 2451544.5L}};
  for (const auto& c : julian) {
    EXPECT_EQ(JulianCalendarToJulianDay(c.year, c.month, c.day), c.jd) << c.year << "-" << c.month;
  }
  const JdCase civil[] = {{1582, 10, 4, 2299159.5L},
                          {1582, 10, 15, 2299160.5L},
                          {1582, 10, 10, 2299155.5L},
                          {0, 1, 1, 0.0L},
                          {10000, 1, 1, 0.0L}};
  for (const auto& c : civil) {
    EXPECT_EQ(CivilDateToJulianDay(c.year, c.month, c.day), c.jd) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(CivilDates, ImpossibleDaysRaiseTheConversionError) {
  EXPECT_NO_THROW(JulianCalendarToJulianDay(1500, 2, 29));
  EXPECT_THROW(GregorianCalendarToJulianDay(1500, 2, 29), ConversionError);
  EXPECT_THROW(JulianCalendarToJulianDay(1003, 2, 29), ConversionError);
  EXPECT_THROW(GregorianCalendarToJulianDay(2023, 4, 31), ConversionError);
  EXPECT_THROW(GregorianCalendarToJulianDay(2023, 1, 0), ConversionError);
  EXPECT_NO_THROW(GregorianCalendarToJulianDay(2000, 2, 29));
  try {
    JulianCalendarToJulianDay(1003, 2, 29);
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "Fehler!");
  }
}

TEST(CivilDates, ReformSwitchInBothDirections) {
  EXPECT_EQ(JulianDayToCivilDate(2299160.5L), (CivilDate{1582, 10, 15}));
  EXPECT_EQ(JulianDayToCivilDate(2299159.5L), (CivilDate{1582, 10, 4}));
  EXPECT_EQ(JulianDayToJulianCalendar(2451544.5L), (CivilDate{1999, 12, 19}));
  // No answer for a negative Julian Day: the caller's values stay.
  EXPECT_EQ(JulianDayToJulianCalendar(-10.5L, CivilDate{7, 8, 9}), (CivilDate{7, 8, 9}));
}

// Every day of years 1..3000 survives the round trip through the Julian Day
// in both calendars, and consecutive days have consecutive Julian Days.
TEST(CivilDates, RoundTripOfEveryDay) {
  for (const bool gregorian : {false, true}) {
    long double previous = 0;
    for (int year = 1; year <= 3000; ++year) {
      for (int month = 1; month <= 12; ++month) {
        const bool leap = gregorian ? IsGregorianLeapYear(year) : year % 4 == 0;
        const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int day = 1; day <= lengths[month - 1]; ++day) {
          const long double jd = gregorian ? GregorianCalendarToJulianDay(year, month, day)
                                           : JulianCalendarToJulianDay(year, month, day);
          if (previous != 0) {
            ASSERT_EQ(jd, previous + 1) << year << "-" << month << "-" << day;
          }
          previous = jd;
          const CivilDate back = gregorian ? JulianDayToGregorianCalendar(jd) : JulianDayToJulianCalendar(jd);
          ASSERT_EQ(back, (CivilDate{year, month, day})) << gregorian;
          // The second, non-validating conversion agrees except in the gap.
          const bool inGap = year == 1582 && month == 10 && day >= 5 && day <= 14;
          if (!inGap && gregorian == (year * 10000 + month * 100 + day >= 15821015)) {
            ASSERT_EQ(CalendarDateToJulianDay(year, month, day), static_cast<double>(jd));
            ASSERT_EQ(JulianDayToCalendarDate(static_cast<double>(jd)), (CivilDate{year, month, day}));
          }
        }
      }
    }
  }
}

TEST(CivilDates, DateValueBridgesUseTheCivilCalendar) {
  EXPECT_EQ(CivilDateToDateTime(2000, 1, 1), 36526.0);
  EXPECT_EQ(DateTimeToCivilDate(36526.75), (CivilDate{2000, 1, 1}));
  // Before 1900 the date value is negative; the day is the one that holds the instant.
  EXPECT_EQ(DateTimeToCivilDate(CivilDateToDateTime(1850, 6, 1) + 0.75), (CivilDate{1850, 6, 1}));
  EXPECT_EQ(DateTimeToCivilDate(CivilDateToDateTime(1500, 3, 1)), (CivilDate{1500, 3, 1}));
}

TEST(DateEncoding, ProlepticGregorianDateValue) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1582, 10, 15), static_cast<double>(2299160.5L - 2415018.5L));
  EXPECT_EQ(DecodeDate(36526.99), (CivilDate{2000, 1, 1}));
  // The platform's decoding takes the whole part toward zero.
  EXPECT_EQ(DecodeDate(-0.5), (CivilDate{1899, 12, 30}));
  EXPECT_FALSE(IsValidGregorianDate(1500, 2, 29));
  EXPECT_TRUE(IsValidGregorianDate(1600, 2, 29));
}

TEST(DateEncoding, DateTimeTextShowsTheSecondAndDropsAnExactMidnight) {
  EXPECT_EQ(DateTimeText(36526.0), "01.01.2000");
  EXPECT_EQ(DateTimeText(36526.5), "01.01.2000 12:00:00");
  EXPECT_EQ(DateTimeText(36526.0 + (10.5 / 24)), "01.01.2000 10:30:00");
  // 23:59:59.9996 rounds to the millisecond first and carries into the next day.
  EXPECT_EQ(DateTimeText(36526.0 + 0.999999999), "02.01.2000 00:00:00");
  EXPECT_EQ(DateTimeText(36526.0 + 59.4 / 86400), "01.01.2000 00:00:59");
}

TEST(CalendarHelpers, FormatTrimmedNumber) {
  const struct {
    int decimals;
    double value;
    const char* text;
  } cases[] = {{2, 2451544.5, "2451544.5"},
               {3, 0.0004, "0"},
               {2, -0.001, "0"},
               {0, 100, "100"},
               {2, 2.50, "2.5"},
               {2, 3.00, "3"},
               {0, -366, "-366"},
               {4, 148138.86731, "148138.8673"},
               {2, 51544, "51544"},
               {3, -0.0, "0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTrimmedNumber(1, c.decimals, c.value), c.text) << c.value;
  }
}

TEST(CalendarHelpers, CalendarDateToJulianDayDecidesByTheDate) {
  const struct {
    int y, m, d;
    double jd;
  } cases[] = {{2000, 1, 1, 2451544.5},   {1, 1, 1, 1721423.5},      {1582, 10, 4, 2299159.5},
               {1582, 10, 15, 2299160.5}, {1582, 10, 10, 2299165.5}, {0, 1, 1, 1721057.5},
               {-1, 3, 1, 1720751.5}};
  for (const auto& c : cases) {
    EXPECT_EQ(CalendarDateToJulianDay(c.y, c.m, c.d), c.jd) << c.y << "-" << c.m << "-" << c.d;
  }
  EXPECT_EQ(JulianDayToCalendarDate(2415079.5), (CivilDate{1900, 3, 1}));
  EXPECT_EQ(JulianDayToCalendarDate(2415078.5), (CivilDate{1900, 2, 28}));
}

TEST(CalendarHelpers, LeapYearsAndThanksgiving) {
  EXPECT_FALSE(IsGregorianLeapYear(1900));
  EXPECT_TRUE(IsGregorianLeapYear(2000));
  EXPECT_TRUE(IsGregorianLeapYear(2024));
  EXPECT_EQ(FourthThursdayOfNovember(2024), (MonthDay{11, 28}));
  EXPECT_EQ(FourthThursdayOfNovember(2023), (MonthDay{11, 23}));
  // Independent check with the standard library's calendar.
  using namespace std::chrono;
  for (int y = 1583; y <= 3000; ++y) {
    const year_month_day ymd{year{y} / November / Thursday[4]};
    ASSERT_EQ(FourthThursdayOfNovember(y).day, static_cast<int>(static_cast<unsigned>(ymd.day()))) << y;
    ASSERT_EQ((GregorianDayNumber(y, 3, 1) + 1) % 7,
              static_cast<int>(weekday{sys_days{year{y} / March / 1}}.c_encoding()));
  }
}

}  // namespace
}  // namespace tempulo

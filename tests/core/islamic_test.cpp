#include "calendars/traditional/islamic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

struct IslamicCase {
  int day, month, year;
  int islamicDay, islamicMonth, islamicYear;
  const char* text;
};

class IslamicDateTest : public testing::TestWithParam<IslamicCase> {};

TEST_P(IslamicDateTest, GivesDateAndText) {
  const IslamicCase& c = GetParam();
  const IslamicDateResult r = IslamicDate(c.day, c.month, c.year);
  EXPECT_EQ(r.day, c.islamicDay);
  EXPECT_EQ(r.month, c.islamicMonth);
  EXPECT_EQ(r.year, c.islamicYear);
  EXPECT_EQ(r.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Examples, IslamicDateTest,
                         testing::Values(IslamicCase{1, 1, 2000, 24, 9, 1420, "24.Ramadan 1420"},
                                         // The epoch, a Julian-calendar date, and the day before it.
                                         IslamicCase{16, 7, 622, 1, 1, 1, "1.Muharram 1"},
                                         IslamicCase{15, 7, 622, 29, 12, 0, "29.Dhu'l-Hijja 0"},
                                         // Either side of the end of the first 30-year cycle.
                                         IslamicCase{23, 8, 651, 29, 12, 30, "29.Dhu'l-Hijja 30"},
                                         IslamicCase{24, 8, 651, 1, 1, 31, "1.Muharram 31"},
                                         // Before AD 593 the cycle count turns negative; the years run on
                                         // below 0 and the month stays a real one.
                                         IslamicCase{6, 6, 593, 29, 12, -30, "29.Dhu'l-Hijja -30"},
                                         IslamicCase{7, 6, 593, 1, 1, -29, "1.Muharram -29"},
                                         IslamicCase{14, 7, 592, 27, 1, -30, "27.Muharram -30"},
                                         IslamicCase{1, 1, 100, 30, 5, -538, "30.Djumada l-Ula -538"},
                                         // Either side of the reform: consecutive days.
                                         IslamicCase{4, 10, 1582, 16, 9, 990, "16.Ramadan 990"},
                                         IslamicCase{15, 10, 1582, 17, 9, 990, "17.Ramadan 990"},
                                         IslamicCase{8, 7, 2024, 1, 1, 1446, "1.Muharram 1446"},
                                         IslamicCase{31, 12, 3000, 12, 6, 2452, "12.Djumada l-Akhira 2452"}));

TEST(JulianDayNumberTest, SwitchesCalendarAfterTheFourthOfOctober1582) {
  EXPECT_EQ(JulianDayNumber(4, 10, 1582), 2299160);
  EXPECT_EQ(JulianDayNumber(15, 10, 1582), 2299161);
  // The days that do not exist are read as Julian-calendar dates.
  EXPECT_EQ(JulianDayNumber(5, 10, 1582), 2299161);
  EXPECT_EQ(JulianDayNumber(14, 10, 1582), 2299170);
  EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545);
  EXPECT_EQ(JulianDayNumber(16, 7, 622), 1948440);
}

// The arithmetical calendar written from its definition: years 2, 5, 7, 10,
// 13, 16, 18, 21, 24, 26 and 29 of each 30-year cycle have 355 days, the
// months alternate 30 and 29 days, and 1 Muharram 1 is JDN 1948440.
long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

long long IslamicToJdn(long long y, long long m, long long d) {
  return d + 29 * (m - 1) + FloorDiv(6 * m - 1, 11) + 354 * (y - 1) + FloorDiv(3 + 11 * y, 30) + 1948439;
}

TEST(IslamicDateTest, FollowsTheThirtyYearCycleOnEveryDayOfYears100To3000) {
  const long long firstJdn = JulianDayNumber(1, 1, 100);
  const long long lastJdn = JulianDayNumber(31, 12, 3000);
  int failures = 0;
  for (long long jdn = firstJdn; jdn <= lastJdn && failures < 5; ++jdn) {
    const CivilDate civil = JulianDayToCivilDate(static_cast<long double>(jdn) - 0.5L);
    const IslamicDateResult r = IslamicDate(civil.day, civil.month, civil.year);
    const long long year = FloorDiv(30 * (jdn - 1948440) + 10646, 10631);
    const long long month = FloorDiv(11 * (jdn - IslamicToJdn(year, 1, 1)) + 330, 325);
    const long long day = jdn - IslamicToJdn(year, month, 1) + 1;
    if (r.year != year || r.month != month || r.day != day) {
      ADD_FAILURE() << civil.day << "." << civil.month << "." << civil.year << " gives " << r.text
                    << ", expected " << day << "." << month << "." << year;
      ++failures;
    }
  }
}

TEST(IslamicDateTest, AdvancesOneDayAtATimeFrom1900To2100) {
  const long double first = GregorianCalendarToJulianDay(1900, 1, 1);
  const long double last = GregorianCalendarToJulianDay(2100, 12, 31);
  IslamicDateResult previous = IslamicDate(31, 12, 1899);
  for (long double jd = first; jd <= last; jd += 1) {
    const CivilDate civil = JulianDayToGregorianCalendar(jd);
    const IslamicDateResult r = IslamicDate(civil.day, civil.month, civil.year);
    ASSERT_GE(r.month, 1);
    ASSERT_LE(r.month, 12);
    ASSERT_GE(r.day, 1);
    ASSERT_LE(r.day, 30);
    if (r.day == 1) {
      ASSERT_GE(previous.day, 29) << r.text;
      ASSERT_EQ(r.month, previous.month % 12 + 1) << r.text;
      ASSERT_EQ(r.year, previous.year + (r.month == 1 ? 1 : 0)) << r.text;
    } else {
      ASSERT_EQ(r.day, previous.day + 1) << r.text;
      ASSERT_EQ(r.month, previous.month) << r.text;
      ASSERT_EQ(r.year, previous.year) << r.text;
    }
    previous = r;
  }
}

}  // namespace
}  // namespace tempulo

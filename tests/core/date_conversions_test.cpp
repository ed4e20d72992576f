// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include "holidays/holidays.h"
#include "report/report_builder.h"
#include "report/wording.h"
#include "time/civil.h"
#include "time/date_encoding.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// The report's Julian Date reads the date in the civil calendar (5-14 October
// 1582 continue the Julian one) and refuses a day its month does not have.
TEST(ReportJulianDay, CivilCalendarAndImpossibleDays) {
  const struct {
    int year, month, day;
    long double jd;
  } cases[] = {{2000, 1, 1, 2451544.5L},  {1582, 10, 4, 2299159.5L}, {1582, 10, 10, 2299165.5L},
               {1582, 10, 15, 2299160.5L}, {1500, 2, 29, 2268991.5L}, {100, 1, 1, 1757582.5L},
               {3000, 12, 31, 2817151.5L}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReportJulianDay(CivilDate{c.year, c.month, c.day}), c.jd) << c.year << "-" << c.month << "-" << c.day;
  }
  EXPECT_THROW(ReportJulianDay(CivilDate{1003, 2, 29}), ConversionError);
  EXPECT_THROW(ReportJulianDay(CivilDate{1700, 2, 29}), ConversionError);
  EXPECT_THROW(ReportJulianDay(CivilDate{2023, 4, 31}), ConversionError);
  try {
    ReportJulianDay(CivilDate{1003, 2, 29});
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "Fehler!");
  }
}

// The day that holds an instant given as a date value, in the civil calendar.
TEST(DateValue, TheDayThatHoldsTheInstant) {
  const auto dayOf = [](double value) { return CivilFromFixed(FixedFromDateValue(value)); };
  EXPECT_EQ(dayOf(36526.75), (CivilDate{2000, 1, 1}));
  EXPECT_EQ(dayOf(DateValueOf(FixedFromCivil({1850, 6, 1})) + 0.75), (CivilDate{1850, 6, 1}));
  EXPECT_EQ(dayOf(DateValueOf(FixedFromCivil({1500, 3, 1}))), (CivilDate{1500, 3, 1}));
  EXPECT_EQ(dayOf(DateValueOf(kGregorianReform) - 1e-9), (CivilDate{1582, 10, 4}));
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

TEST(Wording, TrimmedDecimal) {
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
    EXPECT_EQ(TrimmedDecimal(c.value, c.decimals), c.text) << c.value;
  }
}

// Thanksgiving is the fourth Thursday of November; checked against the
// standard library's calendar in every Gregorian year.
TEST(Holidays, ThanksgivingIsTheFourthThursday) {
  EXPECT_EQ(Thanksgiving(2024), (MonthDay{11, 28}));
  EXPECT_EQ(Thanksgiving(2023), (MonthDay{11, 23}));
  using namespace std::chrono;
  for (int y = 1583; y <= 3000; ++y) {
    const year_month_day ymd{year{y} / November / Thursday[4]};
    ASSERT_EQ(Thanksgiving(y).day, static_cast<int>(static_cast<unsigned>(ymd.day()))) << y;
  }
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/jewish.h"

#include <gtest/gtest.h>

#include "time/civil.h"

namespace tempulo {
namespace {

FixedDay Civil(int year, int month, int day) { return FixedFromCivil({year, month, day}); }

// ---------------------------------------------------------------- reference
// The arithmetic Hebrew calendar from the molad and the postponements,
// written independently of Gauss's formula. Days are Julian Day Numbers.
constexpr long long kJdnOfFixedDayZero = 1721425;

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// Days from the epoch to the molad day of Tishri of year h, with the rule
// that moves 1 Tishri off Sunday, Wednesday and Friday.
long long ElapsedDays(long long h) {
  const long long months = FloorDiv(235 * h - 234, 19);
  const long long parts = 12084 + 13753 * months;
  const long long days = 29 * months + FloorDiv(parts, 25920);
  return ((3 * (days + 1)) % 7 < 3) ? days + 1 : days;
}

// Julian Day Number of 1 Tishri of year h.
long long NewYearJdn(long long h) {
  long long correction = 0;
  if (ElapsedDays(h + 1) - ElapsedDays(h) == 356) {
    correction = 2;
  } else if (ElapsedDays(h) - ElapsedDays(h - 1) == 382) {
    correction = 1;
  }
  return 347998 + ElapsedDays(h) + correction;
}

long long Jdn(FixedDay day) { return day.value + kJdnOfFixedDayZero; }

JewishDay ReferenceDate(long long jdn) {
  const CivilDate civil = CivilFromFixed(FixedDay{jdn - kJdnOfFixedDayZero});
  long long h = civil.year + 3761;
  if (NewYearJdn(h) > jdn) {
    --h;
  }
  const long long length = NewYearJdn(h + 1) - NewYearJdn(h);
  const bool leap = length > 355;
  long long day = jdn - NewYearJdn(h) + 1;
  int month = 7;
  for (;;) {
    int monthLength = (month % 2 == 1) ? 30 : 29;  // Nisan 30, Iyar 29, ...
    if (month == 8 && length % 10 == 5) monthLength = 30;
    if (month == 9 && length % 10 == 3) monthLength = 29;
    if (month == 12) monthLength = leap ? 30 : 29;
    if (month == 13) monthLength = leap ? 29 : 0;
    if (day <= monthLength) break;
    day -= monthLength;
    month = month % 13 + 1;
  }
  return {static_cast<int>(h), month, static_cast<int>(day)};
}

TEST(JewishReferenceTest, AgreesWithKnownNewYears) {
  EXPECT_EQ(NewYearJdn(5784), Jdn(Civil(2023, 9, 16)));
  EXPECT_EQ(NewYearJdn(5760), Jdn(Civil(1999, 9, 11)));
}

// ---------------------------------------------------------------- examples

struct PassoverCase {
  int year;
  CivilDate passover;
};

class PassoverDateTest : public testing::TestWithParam<PassoverCase> {};

TEST_P(PassoverDateTest, FallsOnTheFifteenthOfNisan) {
  const PassoverCase& c = GetParam();
  EXPECT_EQ(PassoverOf(c.year), Civil(c.passover.year, c.passover.month, c.passover.day));
}

INSTANTIATE_TEST_SUITE_P(Examples, PassoverDateTest,
                         testing::Values(PassoverCase{1999, {1999, 4, 1}}, PassoverCase{2000, {2000, 4, 20}},
                                         PassoverCase{2024, {2024, 4, 23}},
                                         // Julian-calendar dates; Q is negative in these years.
                                         PassoverCase{1500, {1500, 3, 15}}, PassoverCase{360, {360, 3, 18}},
                                         PassoverCase{358, {358, 4, 11}}));

struct JewishCase {
  CivilDate civil;
  JewishDay jewish;
};

class JewishDateTest : public testing::TestWithParam<JewishCase> {};

TEST_P(JewishDateTest, GivesYearMonthAndDay) {
  const JewishCase& c = GetParam();
  const FixedDay day = Civil(c.civil.year, c.civil.month, c.civil.day);
  EXPECT_EQ(JewishFromFixed(day), c.jewish);
  EXPECT_EQ(FixedFromJewish(c.jewish), day);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, JewishDateTest,
    testing::Values(JewishCase{{2000, 1, 1}, {5760, 10, 23}}, JewishCase{{2000, 4, 20}, {5760, 1, 15}},
                    JewishCase{{2023, 9, 15}, {5783, 6, 29}},   // the last day before 1 Tishri
                    JewishCase{{2023, 9, 16}, {5784, 7, 1}},    // 1 Tishri starts the year
                    JewishCase{{2024, 2, 12}, {5784, 12, 3}},   // first Adar of a leap year
                    JewishCase{{2024, 3, 25}, {5784, 13, 15}},  // Adar 2
                    JewishCase{{2023, 3, 22}, {5783, 12, 29}},  // common year: Adar has 29 days
                    JewishCase{{2023, 3, 23}, {5783, 1, 1}},    // and Nisan follows it
                    // Before the reform Q can be negative; with its whole part taken
                    // toward zero this day came out as 19 Nisan.
                    JewishCase{{1500, 3, 17}, {5260, 1, 17}},
                    // A day of 359 before 1 Tishri needs the Passover of 358.
                    JewishCase{{359, 1, 1}, {4119, 10, 15}}));

struct YearTypeCase {
  int jewishYear;
  int type;
};

class JewishYearTypeTest : public testing::TestWithParam<YearTypeCase> {};

TEST_P(JewishYearTypeTest, FindsTheYearLength) {
  EXPECT_EQ(JewishYearType(GetParam().jewishYear), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(Examples, JewishYearTypeTest,
                         testing::Values(YearTypeCase{5760, 5}, YearTypeCase{5784, 3}, YearTypeCase{5785, 2},
                                         YearTypeCase{5783, 2}, YearTypeCase{4119, 0},
                                         // With Q truncated these came out as spans of 356
                                         // and 382 days and fell back to type 0.
                                         YearTypeCase{4128, 1}, YearTypeCase{4148, 4}));

TEST(PassoverDateTest, HasNoAnswerBelowTheYear358) {
  EXPECT_EQ(PassoverOf(357), std::nullopt);
  EXPECT_EQ(PassoverOf(100), std::nullopt);
  ASSERT_TRUE(PassoverOf(358).has_value());
  EXPECT_EQ(Jdn(*PassoverOf(358)), NewYearJdn(358 + 3761) - 163);
}

TEST(JewishDateTest, HasNoDateWhereThePassoverIsMissing) {
  // Below 359 the report shows no Jewish date: a day of 358 before 1 Tishri
  // needs the Passover of 357.
  EXPECT_EQ(JewishFromFixed(Civil(200, 6, 1)), std::nullopt);
  EXPECT_EQ(JewishFromFixed(Civil(358, 6, 1)), std::nullopt);
  EXPECT_TRUE(JewishFromFixed(Civil(358, 12, 1)).has_value());
  EXPECT_EQ(FixedFromJewish({4100, 7, 1}), std::nullopt);
  EXPECT_EQ(JewishYearType(4100), std::nullopt);
  EXPECT_EQ(JewishMonthName(13), "Adar 2");
  EXPECT_EQ(JewishMonthName(14), "");
}

// ---------------------------------------------------------------- every year

TEST(PassoverDateTest, MatchesTheArithmeticCalendarInEveryYearFrom358To3001) {
  for (int year = 358; year <= 3001; ++year) {
    ASSERT_EQ(Jdn(PassoverOf(year).value()), NewYearJdn(year + 3761) - 163) << year;
  }
}

TEST(JewishDateTest, MatchesTheArithmeticCalendarOnEveryDayFrom359To3000) {
  const long long first = Jdn(Civil(359, 1, 1));
  const long long last = Jdn(Civil(3000, 12, 31));
  int failures = 0;
  for (long long jdn = first; jdn <= last && failures < 5; ++jdn) {
    const JewishDay got = JewishFromFixed(FixedDay{jdn - kJdnOfFixedDayZero}).value_or(JewishDay{});
    const JewishDay expected = ReferenceDate(jdn);
    if (!(got == expected)) {
      ADD_FAILURE() << "JDN " << jdn << ": " << got.day << "." << got.month << "." << got.year
                    << ", expected " << expected.day << "." << expected.month << "." << expected.year;
      ++failures;
    }
  }
}

}  // namespace
}  // namespace tempulo

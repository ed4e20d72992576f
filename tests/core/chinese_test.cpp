// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/chinese.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "astro/angles.h"
#include "astro/moon_phases.h"
#include "calendars/traditional/sexagenary.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

double Civil(int year, int month, int day) { return DateValueOf(FixedFromCivil({year, month, day})); }

// ---------------------------------------------------------------- time zone

TEST(ChinaTimeTest, UsesBeijingMeanTimeBefore1929AndEightHoursFrom1929) {
  const double in1928 = Civil(1928, 12, 31) + 0.5;
  const double in1929 = Civil(1929, 1, 1) + 0.5;
  EXPECT_NEAR(ChinaTimeFromUniversal(in1928) - in1928, 27940.0 / 86400.0, 1e-9);
  EXPECT_NEAR(ChinaTimeFromUniversal(in1929) - in1929, 1.0 / 3.0, 1e-9);
  EXPECT_NEAR(in1928 - UniversalFromChinaTime(in1928), 27940.0 / 86400.0, 1e-9);
  EXPECT_NEAR(in1929 - UniversalFromChinaTime(in1929), 1.0 / 3.0, 1e-9);
  // Before the reform the civil year is a Julian-calendar one.
  const double in1500 = Civil(1500, 3, 1) + 0.25;
  EXPECT_NEAR(ChinaTimeFromUniversal(in1500) - in1500, 27940.0 / 86400.0, 1e-9);
}

// ---------------------------------------------------------------- an idealised sky
// Mean new moons and mean major terms: every lunation and every twelfth of a
// tropical year the same length. The rules of the calendar hold for them
// exactly as for the real sky, so they test the rules alone.

constexpr double kMeanNewMoon = 36531.7597;  // 6 January 2000 18:14
constexpr double kLunation = 29.530588853;
constexpr double kMeanSolstice = 36516.3222;  // 22 December 1999 07:44
constexpr double kTermSpacing = 365.242189 / 12;

double MeanNewMoonAtOrBefore(double t) {
  return kMeanNewMoon + std::floor((t - kMeanNewMoon) / kLunation) * kLunation;
}
double MeanNewMoonAtOrAfter(double t) {
  return kMeanNewMoon + std::ceil((t - kMeanNewMoon) / kLunation) * kLunation;
}
double MeanTermAtOrAfter(double t) {
  return kMeanSolstice + std::ceil((t - kMeanSolstice) / kTermSpacing) * kTermSpacing;
}
double MeanTermBefore(double t) {
  return kMeanSolstice + (std::ceil((t - kMeanSolstice) / kTermSpacing) - 1) * kTermSpacing;
}

const ChineseAstronomy kMeanSky = {MeanNewMoonAtOrBefore, MeanNewMoonAtOrAfter, MeanTermAtOrAfter,
                                   MeanTermBefore};

// The Chinese day of an instant.
double ChinaDay(double t) { return std::floor(ChinaTimeFromUniversal(t)); }

// What must hold where a month begins, for any sky: the month before had 29
// or 30 days, a leap month repeats the number of the month before it, holds
// no major term and is the only one of its 13-month span, every other month
// follows on, and the year number changes only on 1.1.
class MonthSequence {
 public:
  explicit MonthSequence(const ChineseAstronomy& sky) : sky_(sky) {}

  void CheckNewMonth(double t, const ChineseDateRecord& d, const ChineseDateRecord& dayBefore) {
    ASSERT_EQ(d.day, 1) << t;
    ASSERT_TRUE(dayBefore.day == 29 || dayBefore.day == 30) << t << " follows day " << dayBefore.day;
    ASSERT_GE(d.month, 1) << t;
    ASSERT_LE(d.month, 12) << t;
    if (d.isLeapMonth) {
      ASSERT_TRUE(d.isLeapYear) << t;
      ASSERT_EQ(d.month, dayBefore.month) << t;
      ++leapMonthsInSpan_;
      ASSERT_EQ(leapMonthsInSpan_, 1) << t;
      // The first major term from this day on falls on or after the day the
      // next month starts.
      const double term = sky_.majorTermAtOrAfter(UniversalFromChinaTime(t));
      const double nextMonth = sky_.newMoonAtOrAfter(UniversalFromChinaTime(t + 2));
      ASSERT_GE(ChinaDay(term), ChinaDay(nextMonth)) << t;
    } else {
      ASSERT_EQ(d.month, dayBefore.month % 12 + 1) << t;
    }
    if (d.month == 12 && !d.isLeapMonth) {
      leapMonthsInSpan_ = 0;  // the month after the solstice month opens a span
    }
    ASSERT_EQ(d.elapsedYears, dayBefore.elapsedYears + (d.month == 1 && !d.isLeapMonth ? 1 : 0)) << t;
    CheckYear(t, d);
  }

  static void CheckYear(double t, const ChineseDateRecord& d) {
    ASSERT_EQ(d.yearInCycle, PositiveRemainder(d.elapsedYears, 60)) << t;
    ASSERT_EQ(d.cycle, (d.elapsedYears - 1) / 60 + 1) << t;
  }

 private:
  const ChineseAstronomy& sky_;
  int leapMonthsInSpan_ = 0;
};

// Every day from `first` to `last`.
void CheckDayByDay(double first, double last, const ChineseAstronomy& sky) {
  MonthSequence months(sky);
  ChineseDateRecord previous = ChineseDate(first - 1, sky);
  for (double t = first; t <= last; t += 1) {
    const ChineseDateRecord d = ChineseDate(t, sky);
    if (d.day == 1) {
      months.CheckNewMonth(t, d, previous);
      if (testing::Test::HasFatalFailure()) {
        return;
      }
    } else {
      ASSERT_EQ(d.day, previous.day + 1) << t;
      ASSERT_EQ(d.month, previous.month) << t;
      ASSERT_EQ(d.isLeapMonth, previous.isLeapMonth) << t;
      ASSERT_EQ(d.elapsedYears, previous.elapsedYears) << t;
      MonthSequence::CheckYear(t, d);
    }
    previous = d;
  }
}

// Every month from the one holding `first` to the one holding `last`, looked
// at on its days 29 to 31 only: a tenth of the day-by-day cost.
void CheckMonthByMonth(double first, double last, const ChineseAstronomy& sky) {
  MonthSequence months(sky);
  const ChineseDateRecord atFirst = ChineseDate(first, sky);
  double start = first - atFirst.day + 1;
  while (start <= last) {
    const ChineseDateRecord day29 = ChineseDate(start + 28, sky);
    ASSERT_EQ(day29.day, 29) << start;
    double next = start + 29;
    ChineseDateRecord lastDay = day29;
    ChineseDateRecord d = ChineseDate(next, sky);
    if (d.day == 30) {
      lastDay = d;
      next += 1;
      d = ChineseDate(next, sky);
    }
    months.CheckNewMonth(next, d, lastDay);
    if (testing::Test::HasFatalFailure()) {
      return;
    }
    start = next;
  }
}

TEST(ChineseDateMeanSkyTest, HoldsTheCalendarRulesOnEveryDayFrom1900To2100) {
  CheckDayByDay(Civil(1900, 1, 1), Civil(2100, 12, 31), kMeanSky);
}

TEST(ChineseDateMeanSkyTest, HoldsTheCalendarRulesAcrossTheReformAndEarlyYears) {
  CheckDayByDay(Civil(1575, 1, 1), Civil(1590, 12, 31), kMeanSky);
  CheckDayByDay(Civil(101, 1, 1), Civil(105, 12, 31), kMeanSky);
}

TEST(ChineseDateMeanSkyTest, StartsEachMonthOnTheDayThatHoldsItsNewMoon) {
  // Before 1900 the instants are negative date values: taken toward zero
  // they would start every month a day late.
  for (double nm = MeanNewMoonAtOrAfter(Civil(1850, 1, 1)); nm < Civil(1951, 1, 1); nm += kLunation) {
    const double day = ChinaDay(nm);
    ASSERT_EQ(ChineseDate(day, kMeanSky).day, 1) << nm;
    ASSERT_GE(ChineseDate(day - 1, kMeanSky).day, 29) << nm;
  }
}

TEST(ChineseDateMeanSkyTest, PutsTheWinterSolsticeInMonthElevenInEveryYear) {
  // Julian-calendar dates drift: by 1300 the solstice falls on 13 December,
  // and a search that started later in December found the next term.
  for (int year = 101; year <= 3000; ++year) {
    const double solstice = MeanTermAtOrAfter(Civil(year, 11, 28));
    const ChineseDateRecord d = ChineseDate(ChinaDay(solstice), kMeanSky);
    ASSERT_EQ(d.month, 11) << year;
    ASSERT_FALSE(d.isLeapMonth) << year;
  }
}

TEST(ChineseDateMeanSkyTest, CountsTheYearFromTheNewYearNotFromJanuary) {
  // Mean new moon on 5 February 2000, 07:00 universal time.
  const ChineseDateRecord newYear = ChineseDate(Civil(2000, 2, 5), kMeanSky);
  EXPECT_EQ(newYear.day, 1);
  EXPECT_EQ(newYear.month, 1);
  EXPECT_EQ(newYear.elapsedYears, 4637);
  EXPECT_EQ(newYear.cycle, 78);
  EXPECT_EQ(newYear.yearInCycle, 17);
  const ChineseDateRecord eve = ChineseDate(Civil(2000, 2, 4), kMeanSky);
  EXPECT_EQ(eve.month, 12);
  EXPECT_EQ(eve.elapsedYears, 4636);
  EXPECT_EQ(eve.yearInCycle, 16);
}

// ---------------------------------------------------------------- the real sky

struct ChineseCase {
  CivilDate civil;
  int month;
  bool isLeapMonth;
  int day;
  int elapsedYears;
};

class ChineseDateTest : public testing::TestWithParam<ChineseCase> {};

TEST_P(ChineseDateTest, GivesMonthDayAndYear) {
  const ChineseCase& c = GetParam();
  const ChineseDateRecord d = ChineseDate(Civil(c.civil.year, c.civil.month, c.civil.day));
  EXPECT_EQ(d.month, c.month);
  EXPECT_EQ(d.isLeapMonth, c.isLeapMonth);
  EXPECT_EQ(d.day, c.day);
  EXPECT_EQ(d.elapsedYears, c.elapsedYears);
  EXPECT_EQ(d.yearInCycle, PositiveRemainder(c.elapsedYears, 60));
}

INSTANTIATE_TEST_SUITE_P(NewYears, ChineseDateTest,
                         testing::Values(ChineseCase{{2000, 2, 5}, 1, false, 1, 4637},
                                         ChineseCase{{2000, 2, 4}, 12, false, 29, 4636},
                                         ChineseCase{{2000, 1, 1}, 11, false, 25, 4636},
                                         ChineseCase{{1900, 1, 31}, 1, false, 1, 4537},
                                         ChineseCase{{1912, 2, 18}, 1, false, 1, 4549},
                                         ChineseCase{{1950, 2, 17}, 1, false, 1, 4587},
                                         ChineseCase{{1985, 2, 20}, 1, false, 1, 4622},
                                         ChineseCase{{2001, 1, 24}, 1, false, 1, 4638},
                                         ChineseCase{{2024, 2, 10}, 1, false, 1, 4661},
                                         ChineseCase{{2025, 1, 29}, 1, false, 1, 4662},
                                         ChineseCase{{2025, 1, 28}, 12, false, 29, 4661}));

INSTANTIATE_TEST_SUITE_P(LeapMonths, ChineseDateTest,
                         testing::Values(ChineseCase{{2023, 3, 21}, 2, false, 30, 4660},
                                         ChineseCase{{2023, 3, 22}, 2, true, 1, 4660},
                                         ChineseCase{{2023, 4, 20}, 3, false, 1, 4660},
                                         ChineseCase{{2020, 5, 23}, 4, true, 1, 4657},
                                         ChineseCase{{2020, 6, 21}, 5, false, 1, 4657},
                                         ChineseCase{{2017, 7, 23}, 6, true, 1, 4654},
                                         ChineseCase{{2025, 7, 25}, 6, true, 1, 4662},
                                         // The leap month after the solstice month of 2033.
                                         ChineseCase{{2033, 12, 22}, 11, true, 1, 4670},
                                         ChineseCase{{2034, 1, 20}, 12, false, 1, 4670},
                                         ChineseCase{{2034, 2, 19}, 1, false, 1, 4671}));

// Either side of the change of the time zone.
INSTANTIATE_TEST_SUITE_P(ZoneChange, ChineseDateTest,
                         testing::Values(ChineseCase{{1928, 1, 23}, 1, false, 1, 4565},
                                         ChineseCase{{1929, 2, 10}, 1, false, 1, 4566}));

TEST(ChineseDateTest, HoldsTheCalendarRulesInEveryMonthFrom1900To2100) {
  // Day by day the real searches would take too long for the whole span:
  // two years with a leap month are walked day by day, and every month of
  // 1900-2100 at its end.
  CheckDayByDay(Civil(2019, 12, 1), Civil(2021, 1, 31), StandardChineseAstronomy());
  CheckMonthByMonth(Civil(1900, 1, 1), Civil(2100, 12, 31), StandardChineseAstronomy());
}

TEST(ChineseDateTest, HoldsTheCalendarRulesInEveryMonthOfEarlyAndLateYears) {
  // Negative date values, Julian-calendar solstices on 13 December, the
  // reform, and the last years the window offers.
  CheckMonthByMonth(Civil(101, 1, 1), Civil(104, 12, 31), StandardChineseAstronomy());
  CheckMonthByMonth(Civil(1298, 1, 1), Civil(1302, 12, 31), StandardChineseAstronomy());
  CheckMonthByMonth(Civil(1580, 1, 1), Civil(1585, 12, 31), StandardChineseAstronomy());
  CheckMonthByMonth(Civil(2996, 1, 1), Civil(3000, 12, 31), StandardChineseAstronomy());
}

// The searches are remembered across conversions. Whatever a conversion
// finds remembered, from neighbouring days or from years far away that push
// older entries out, must give the date a first conversion gives.
TEST(ChineseDateTest, RememberedSearchesGiveTheDateOfAFirstConversion) {
  std::vector<double> days;
  for (int i = 0; i < 40; ++i) {
    days.push_back(Civil(2023, 1, 15) + i * 9);  // through the year with a leap month
    days.push_back(Civil(1300 + i * 37, 6, 1));  // years far apart
    days.push_back(Civil(2033, 12, 1) + i);      // a leap month after the solstice month
  }
  std::vector<ChineseDateRecord> warm;
  for (const double day : days) {
    warm.push_back(ChineseDate(day));
  }
  for (std::size_t i = 0; i < days.size(); ++i) {
    ForgetChineseSearches();
    const ChineseDateRecord cold = ChineseDate(days[i]);
    EXPECT_EQ(
        std::tie(cold.elapsedYears, cold.month, cold.isLeapMonth, cold.day, cold.isLeapYear),
        std::tie(warm[i].elapsedYears, warm[i].month, warm[i].isLeapMonth, warm[i].day, warm[i].isLeapYear))
        << days[i];
  }
}

TEST(ChineseDateTest, PutsTheWinterSolsticeInMonthElevenBeforeAndAfterTheReform) {
  for (int year : {1100, 1200, 1300, 1400, 1500, 1581, 1582, 1583, 1700, 1900, 2033, 2500, 3000}) {
    const double solstice = ChineseMajorTermOnOrAfter(Civil(year, 12, 1));
    const ChineseDateRecord d = ChineseDate(solstice);
    EXPECT_EQ(d.month, 11) << year;
    EXPECT_FALSE(d.isLeapMonth) << year;
  }
}

// The calendar takes the series' new moon unless it lies within minutes of a
// midnight of China; every month's new moon must still fall on the day of
// the refined one, also for the new moons closest to midnight (2057-09-29
// 00:00:02 among them) and in early and late years, where the series and
// the refinement part most.
TEST(ChineseDateTest, NewMoonDaysAreThoseOfTheRefinedNewMoons) {
  int nearMidnight = 0;
  for (const auto& [first, last] : {std::pair{100, 130}, std::pair{1900, 2100}, std::pair{2970, 3000}}) {
    const double end = Civil(last + 1, 1, 1);
    double day = Civil(first, 1, 1);
    for (int guard = 0; day < end && guard < 3000; ++guard) {
      const double refined = NextMoonPhase(LunarPhase::kNewMoon, UniversalFromChinaTime(day));
      const double china = ChinaTimeFromUniversal(refined);
      const double fraction = china - std::floor(china);
      nearMidnight += fraction < 1.0 / 144 || fraction > 143.0 / 144;
      ASSERT_EQ(ChineseNewMoonOnOrAfter(day), std::floor(china)) << first << " " << day;
      day = std::floor(china) + 1.0;
    }
  }
  EXPECT_GT(nearMidnight, 20);  // the near cases were met
}

// ---------------------------------------------------------------- year name

struct SexagenaryCase {
  int yearInCycle;
  SexagenaryYear year;
  const char* animal;
  const char* stem;
  const char* branch;
};

class SexagenaryYearTest : public testing::TestWithParam<SexagenaryCase> {};

TEST_P(SexagenaryYearTest, NamesStemAndBranch) {
  const SexagenaryCase& c = GetParam();
  const SexagenaryYear year = SexagenaryYearOf(c.yearInCycle);
  EXPECT_EQ(year, c.year);
  EXPECT_EQ(BranchAnimalName(year.branch), c.animal);
  EXPECT_EQ(HeavenlyStemName(year.stem), c.stem);
  EXPECT_EQ(EarthlyBranchName(year.branch), c.branch);
}

INSTANTIATE_TEST_SUITE_P(Examples, SexagenaryYearTest,
                         testing::Values(SexagenaryCase{1, {1, 1}, "Ratte", "jia", "zi"},
                                         SexagenaryCase{2, {2, 2}, "Büffel", "yi", "chou"},
                                         SexagenaryCase{13, {3, 1}, "Ratte", "bing", "zi"},
                                         SexagenaryCase{17, {7, 5}, "Drache", "geng", "chen"},
                                         SexagenaryCase{42, {2, 6}, "Schlange", "yi", "si"},
                                         SexagenaryCase{60, {10, 12}, "Schwein", "gui", "hai"},
                                         // Outside 1..60 the cycle runs on.
                                         SexagenaryCase{0, {10, 12}, "Schwein", "gui", "hai"},
                                         SexagenaryCase{61, {1, 1}, "Ratte", "jia", "zi"}));

}  // namespace
}  // namespace tempulo

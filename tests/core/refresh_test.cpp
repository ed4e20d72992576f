// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/refresh.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

TEST(Refresh, ReadsTheControlsRoundingHalfToEven) {
  EXPECT_EQ(ReadSelectedDate(7, {.month = 8, .year = 2013}), (CivilDate{2013, 8, 7}));
  EXPECT_EQ(ReadSelectedDate(7, {.month = 2.5, .year = 2013.5}), (CivilDate{2014, 2, 7}));
  EXPECT_EQ(ReadSelectedDate(7, {.month = 3.5, .year = 1582.5}), (CivilDate{1582, 4, 7}));
  EXPECT_EQ(ReadSelectedDate(1, {.month = 12.4, .year = 100}), (CivilDate{100, 12, 1}));
  EXPECT_EQ(ReadSelectedDate(1, {.month = 1, .year = 3000}), (CivilDate{3000, 1, 1}));
  EXPECT_EQ(ReadSelectedDate(1, {.month = 1, .year = 99.5}), (CivilDate{100, 1, 1}));
  EXPECT_EQ(ReadSelectedDate(1, {.month = 1, .year = 3000.5}), (CivilDate{3000, 1, 1}));
}

TEST(Refresh, OutOfRangeControlsChangeNothing) {
  for (const auto& [month, year] : std::vector<std::pair<double, double>>{
           {0, 2013}, {13, 2013}, {12.6, 2013}, {8, 99}, {8, 20}, {8, 3001}, {8, 99.4}, {8, 3000.6}}) {
    EXPECT_FALSE(ReadSelectedDate(1, {.month = month, .year = year}).has_value()) << month << " " << year;
  }
}

TEST(Refresh, CaptionAndDateLine) {
  EXPECT_EQ(WindowCaption(CivilDate{2013, 8, 7}), "Tempulo 7.August 2013");
  EXPECT_EQ(DateLine(CivilDate{2013, 8, 7}), "Datum\t7.August 2013");
  EXPECT_EQ(WindowCaption(CivilDate{201, 3, 31}), "Tempulo 31.März 201");
  EXPECT_EQ(GermanMonthName(0), "");
  EXPECT_EQ(GermanMonthName(13), "");
}

TEST(Refresh, ClipboardTextEndsEveryLineWithLf) {
  const std::vector<std::string> lines = {"Datum\t1.Januar 2000", " ", "Wochentag\tSonnabend"};
  const std::string text = ClipboardText(lines);
  EXPECT_EQ(text, "Datum\t1.Januar 2000\n \nWochentag\tSonnabend\n");
  EXPECT_EQ(ClipboardText({}), "");
}

TEST(Refresh, ErrorMessagesGetAFullStopUnlessTheyEndInPunctuation) {
  EXPECT_EQ(ErrorMessageText("Fehler!"), "Fehler!");
  EXPECT_EQ(ErrorMessageText("Ungültig"), "Ungültig.");
  EXPECT_EQ(ErrorMessageText("Ende."), "Ende.");
  EXPECT_EQ(ErrorMessageText("Frage?"), "Frage?.");
}

TEST(GridSupport, ClampGridDay) {
  EXPECT_EQ(ClampGridDay({2023, 2, 31}), 28);
  EXPECT_EQ(ClampGridDay({2024, 2, 31}), 29);
  EXPECT_EQ(ClampGridDay({2024, 4, 31}), 30);
  EXPECT_EQ(ClampGridDay({2023, 2, 15}), 15);
  EXPECT_EQ(ClampGridDay({2023, 12, 31}), 31);
}

TEST(GridSupport, SubstituteYearStartsTheMonthOnTheJulianWeekday) {
  EXPECT_EQ(SubstituteGridYear({1582, 10}), 1584);
  // Every month of the years the refresh reaches before the reform: the
  // substitute Gregorian month begins on the weekday of the Julian month.
  for (int year = 100; year <= 1582; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int grid = SubstituteGridYear({year, month});
      ASSERT_GE(grid, 1583);
      const auto julianFirst = static_cast<long long>(JulianDateOf(FixedFromJulian({year, month, 1})) + 1.5L) % 7;
      const auto gridFirst = static_cast<long long>(JulianDateOf(FixedFromGregorian({grid, month, 1})) + 1.5L) % 7;
      ASSERT_EQ(julianFirst, gridFirst) << month << "/" << year;
    }
  }
  EXPECT_TRUE(NeedsSubstituteGridYear({1582, 10}));
  EXPECT_FALSE(NeedsSubstituteGridYear({1582, 11}));
  EXPECT_TRUE(NeedsSubstituteGridYear({1581, 12}));
  EXPECT_FALSE(NeedsSubstituteGridYear({1583, 1}));
  EXPECT_EQ(GridYear({1582, 10}), 1584);
  EXPECT_EQ(GridYear({1582, 11}), 1582);
}

TEST(Refresh, ImpossibleJulianDayEndsTheRefreshAfterTheDateAndHolidayLines) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  const RefreshResult result = Refresh(CivilDate{1003, 2, 29}, holidays, clock);
  ASSERT_TRUE(result.error.has_value());
  EXPECT_EQ(*result.error, "Fehler!");
  EXPECT_EQ(result.caption, "Tempulo 29.Februar 1003");
  EXPECT_EQ(result.heading, "Februar 1003");
  ASSERT_GE(result.reportLines.size(), 2U);
  EXPECT_EQ(result.reportLines[0], "Datum\t29.Februar 1003");
  EXPECT_EQ(result.reportLines[1], " ");
  for (std::size_t i = 2; i < result.reportLines.size(); ++i) {
    EXPECT_EQ(result.reportLines[i].rfind("Feier-,Gedenktag\t", 0), 0U) << result.reportLines[i];
  }
}

TEST(Refresh, AnOrdinaryDayHasNoError) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  for (const CivilDate date :
       {CivilDate{1004, 2, 29}, CivilDate{2000, 1, 1}, CivilDate{1582, 10, 5},
        CivilDate{3000, 12, 31}, CivilDate{100, 1, 1}}) {
    const RefreshResult result = Refresh(date, holidays, clock);
    EXPECT_FALSE(result.error.has_value()) << result.caption;
    EXPECT_EQ(result.reportLines.front(), DateLine(date));
  }
}

}  // namespace
}  // namespace tempulo

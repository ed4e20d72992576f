// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/islamic.h"

#include <gtest/gtest.h>

#include <string>

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
  // The civil calendar: Julian up to 14 October 1582.
  const IslamicDay r = IslamicFromFixed(FixedFromCivil({c.year, c.month, c.day}));
  EXPECT_EQ(r.day, c.islamicDay);
  EXPECT_EQ(r.month, c.islamicMonth);
  EXPECT_EQ(r.year, c.islamicYear);
  EXPECT_EQ(std::to_string(r.day) + "." + std::string(IslamicMonthName(r.month)) + " " + std::to_string(r.year),
            c.text);
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

TEST(IslamicDateTest, WayBackFromTheExamples) {
  EXPECT_EQ(FixedFromIslamic({1, 1, 1}), kIslamicEpoch);
  EXPECT_EQ(FixedFromIslamic({1420, 9, 24}), FixedFromGregorian({2000, 1, 1}));
  EXPECT_EQ(FixedFromIslamic({1446, 1, 1}), FixedFromGregorian({2024, 7, 8}));
  EXPECT_EQ(IslamicMonthName(9), "Ramadan");
  EXPECT_EQ(IslamicMonthName(13), "");
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// Worked dates of the historical and regional calendars as typed values, one
// table per calendar, and their lines in the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendars/traditional/aztec.h"
#include "calendars/traditional/babylonian.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/japanese.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "report/report.h"
#include "report/report_builder.h"
#include "time/clock.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

FixedDay Gregorian(int year, int month, int day) { return FixedFromGregorian({year, month, day}); }
FixedDay Julian(int year, int month, int day) { return FixedFromJulian({year, month, day}); }
// The day that begins at the Julian Date.
FixedDay Jd(long double jd) { return FixedFromJulianDate(jd); }

TEST(MayaTest, LongCount) {
  const struct {
    FixedDay day;
    MayaLongCount expected;
  } cases[] = {
      {Gregorian(2000, 1, 1), {0, 12, 19, 6, 15, 2}},
      {kMayaEpoch, {0, 0, 0, 0, 0, 0}},
      {Jd(584283.5L), {0, 0, 0, 0, 0, 1}},
      {Gregorian(2012, 12, 21), {0, 13, 0, 0, 0, 0}},
      {Jd(3464281.5L), {0, 19, 19, 19, 17, 19}},
      {Jd(3464282.5L), {1, 0, 0, 0, 0, 0}},
      // Before the epoch the pictun turns negative and the rest stays in range.
      {kMayaEpoch - 1, {-1, 19, 19, 19, 17, 19}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MayaLongCountFromFixed(c.day), c.expected) << c.day.value;
  }
}

TEST(MayaTest, RoundDate) {
  const struct {
    FixedDay day;
    MayaTzolkin tzolkin;
    MayaHaab haab;
  } cases[] = {
      {Gregorian(2000, 1, 1), {11, 2}, {14, 10}},  // 11 Ik; 10 Kankin
      // 19 Cumku, the five days of Uayeb and 0 Pop.
      {Gregorian(2000, 3, 30), {9, 11}, {18, 19}},
      {Gregorian(2000, 3, 31), {10, 12}, {19, 0}},
      {Gregorian(2000, 4, 4), {1, 16}, {19, 4}},
      {Gregorian(2000, 4, 5), {2, 17}, {1, 0}},
      {kMayaEpoch, {4, 20}, {18, 8}},  // 4 Ahau; 8 Cumku
      {kMayaEpoch - 1, {3, 19}, {18, 7}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MayaTzolkinFromFixed(c.day), c.tzolkin) << c.day.value;
    EXPECT_EQ(MayaHaabFromFixed(c.day), c.haab) << c.day.value;
  }
  EXPECT_EQ(MayaTzolkinName(2), "Ik");
  EXPECT_EQ(MayaHaabMonthName(19), "Uayeb");
  EXPECT_EQ(MayaHaabMonthName(20), "");
}

TEST(AztecTest, Dates) {
  const struct {
    FixedDay day;
    AztecXihuitl expected;
  } cases[] = {
      {Gregorian(2025, 12, 7), {4, 5}},  // 5.Tozoztontli
      {Gregorian(2025, 1, 1), {5, 10}},
      {Gregorian(2025, 9, 28), {18, 20}},
      {Gregorian(2025, 9, 29), {19, 1}},
      {Gregorian(2025, 10, 3), {19, 5}},
      {Gregorian(2025, 10, 4), {1, 1}},
      {Gregorian(2024, 10, 4), {1, 1}},
      // One day later after a year with 29 February.
      {Gregorian(2023, 10, 5), {1, 1}},
      {kAztecXihuitlAnchor, {1, 1}},
      {kAztecXihuitlAnchor - 1, {19, 5}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AztecXihuitlFromFixed(c.day), c.expected) << c.day.value;
  }
  EXPECT_EQ(AztecPeriodName(4), "Tozoztontli");
}

TEST(RomanTest, Numerals) {
  const struct {
    int n;
    const char* expected;
  } cases[] = {
      {1, "I"},
      {4, "IV"},
      {9, "IX"},
      {14, "XIV"},
      {40, "XL"},
      {90, "XC"},
      {400, "CD"},
      {900, "CM"},
      {1753, "MDCCLIII"},
      {2778, "MMDCCLXXVIII"},
      {3753, "MMMDCCLIII"},
      {5999, "MMMMMCMXCIX"},
      {6000, "(6000)"},
      {0, "?"},
      {-5, "(-5)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RomanNumeral(c.n), c.expected) << c.n;
  }
}

TEST(RomanTest, DayCounts) {
  const struct {
    int n;
    const char* expected;
  } cases[] = {{1, ""}, {2, "PRIDIE "}, {3, "ANTE DIEM III "}, {19, "ANTE DIEM XIX "}, {0, "?"}, {-3, "?"}};
  for (const auto& c : cases) {
    EXPECT_EQ(RomanDayCount(c.n), c.expected) << c.n;
  }
}

TEST(RomanTest, JulianCalendarDates) {
  constexpr RomanEvent K = RomanEvent::kKalends;
  constexpr RomanEvent N = RomanEvent::kNones;
  constexpr RomanEvent I = RomanEvent::kIdes;
  const struct {
    FixedDay day;
    RomanDate expected;
  } cases[] = {
      {Julian(2025, 1, 1), {2025, 1, K, 1, false}},
      {Julian(2025, 1, 2), {2025, 1, N, 4, false}},
      {Julian(2025, 1, 4), {2025, 1, N, 2, false}},
      {Julian(2025, 1, 5), {2025, 1, N, 1, false}},
      {Julian(2025, 1, 12), {2025, 1, I, 2, false}},
      {Julian(2025, 1, 13), {2025, 1, I, 1, false}},
      {Julian(2025, 1, 14), {2025, 2, K, 19, false}},
      {Julian(2025, 3, 7), {2025, 3, N, 1, false}},
      {Julian(2025, 3, 15), {2025, 3, I, 1, false}},
      {Julian(2025, 3, 16), {2025, 4, K, 17, false}},
      {Julian(2025, 4, 30), {2025, 5, K, 2, false}},
      {Julian(2025, 11, 24), {2025, 12, K, 8, false}},
      // After the December ides: the kalends of the next year's January.
      {Julian(2025, 12, 31), {2026, 1, K, 2, false}},
      // The doubled sixth day before the March kalends of a leap year.
      {Julian(2024, 2, 14), {2024, 3, K, 16, false}},
      {Julian(2024, 2, 24), {2024, 3, K, 6, false}},
      {Julian(2024, 2, 25), {2024, 3, K, 6, true}},
      {Julian(2024, 2, 26), {2024, 3, K, 5, false}},
      {Julian(2024, 2, 29), {2024, 3, K, 2, false}},
      {Julian(2025, 2, 14), {2025, 3, K, 16, false}},
      {Julian(2025, 2, 25), {2025, 3, K, 5, false}},
      {Julian(2025, 2, 28), {2025, 3, K, 2, false}},
      {Julian(1000, 1, 1), {1000, 1, K, 1, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RomanFromFixed(c.day), c.expected) << c.day.value;
    EXPECT_EQ(FixedFromRoman(c.expected), c.day) << c.day.value;
  }
  EXPECT_EQ(RomanMonthGenitive(12), "DECEMBRIS");
}

TEST(EgyptianTest, Dates) {
  const struct {
    FixedDay day;
    EgyptianDate expected;
    std::int64_t sothicPeriod;
  } cases[] = {
      {Gregorian(2025, 12, 7), {6270, 8, 24}, 5},  // 24.Pharmuti 6270
      // Proleptic Gregorian 1 January 1000 ...
      {Jd(2086302.5L), {5244, 1, 10}, 4},
      // ... and the report's 1 January 1000, a Julian-calendar date.
      {Julian(1000, 1, 1), {5244, 1, 15}, 4},
      {Jd(2086287.5L), {5243, 12, 30}, 4},
      {Jd(2086288.5L), {5243, 13, 1}, 4},
      {Jd(2086292.5L), {5243, 13, 5}, 4},
      {Jd(2086293.5L), {5244, 1, 1}, 4},
      // A new Sothic period begins with 1 Thot.
      {Jd(2305657.5L), {5844, 13, 5}, 4},
      {Jd(2305658.5L), {5845, 1, 1}, 5},
      {kEgyptianEpoch, {1, 1, 1}, 1},
      {kEgyptianEpoch - 1, {0, 13, 5}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EgyptianFromFixed(c.day), c.expected) << c.day.value;
    EXPECT_EQ(SothicPeriodOf(c.day), c.sothicPeriod) << c.day.value;
  }
  EXPECT_EQ(EgyptianMonthName(8), "Pharmuti");
  EXPECT_EQ(EgyptianMonthName(13), "Zusatztag");
  EXPECT_EQ(EgyptianMonthName(0), "");
}

TEST(SeleucidTest, JulianDayAndMonthOfTheDay) {
  const struct {
    FixedDay day;
    SeleucidDate expected;
  } cases[] = {
      // Gregorian 1 January 2000 is Julian 19 December 1999.
      {Gregorian(2000, 1, 1), {2311, 3, 19}},
      {Julian(1999, 9, 30), {2310, 12, 30}},
      {Julian(1999, 10, 1), {2311, 1, 1}},
      {Julian(2000, 1, 1), {2311, 4, 1}},
      {Julian(2000, 2, 29), {2311, 5, 29}},
      {Julian(2000, 3, 1), {2311, 6, 1}},
      {Julian(1000, 1, 1), {1311, 4, 1}},
      // Around Julian Day 0 (1 January 4713 BC, astronomical year -4712).
      {Jd(-1.5L), {-4401, 3, 31}},
      {Jd(-0.5L), {-4401, 4, 1}},
      {Jd(0.5L), {-4401, 4, 2}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SeleucidFromFixed(c.day), c.expected) << c.day.value;
  }
}

TEST(ArmenianTest, Dates) {
  const FixedDay epoch = Jd(1922867.5L);
  EXPECT_EQ(epoch, kArmenianEpoch);
  const struct {
    FixedDay day;
    ArmenianDate expected;
  } cases[] = {
      {Gregorian(2000, 1, 1), {1449, 6, 8}},  // 8.Araths 1449
      {epoch, {1, 1, 1}},
      {epoch + 29, {1, 1, 30}},
      {epoch + 30, {1, 2, 1}},
      {epoch + 360, {1, 13, 1}},
      {epoch + 364, {1, 13, 5}},
      {epoch + 365, {2, 1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArmenianFromFixed(c.day), c.expected) << c.day.value;
  }
  // Before the epoch there is no Armenian date.
  for (const FixedDay day : {epoch - 1, Julian(100, 1, 1), FixedDay{-1000000}}) {
    EXPECT_FALSE(ArmenianFromFixed(day).has_value()) << day.value;
  }
  EXPECT_EQ(ArmenianMonthName(6), "Araths");
  EXPECT_EQ(ArmenianMonthName(13), "Aveleaths");
}

TEST(BahaiTest, Dates) {
  const struct {
    FixedDay day;
    BahaiDate expected;
  } cases[] = {
      {Gregorian(2000, 1, 1), {156, 16, 2}},
      {kBahaiEpoch, {1, 1, 1}},
      // Before the era the years count on below 1; the report shows no date.
      {kBahaiEpoch - 1, {0, 20, 19}},
      // The intercalary days from 26 February: four, five when February has 29.
      {Gregorian(2025, 2, 25), {181, 18, 19}},
      {Gregorian(2025, 2, 26), {181, 19, 1}},
      {Gregorian(2025, 3, 1), {181, 19, 4}},
      {Gregorian(2025, 3, 2), {181, 20, 1}},
      {Gregorian(2024, 2, 26), {180, 19, 1}},
      {Gregorian(2024, 2, 29), {180, 19, 4}},
      {Gregorian(2024, 3, 1), {180, 19, 5}},
      {Gregorian(2024, 3, 2), {180, 20, 1}},
      {Gregorian(2024, 3, 20), {180, 20, 19}},
      {Gregorian(1900, 3, 1), {56, 19, 4}},
      {Gregorian(1900, 3, 2), {56, 20, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BahaiFromFixed(c.day), c.expected) << c.day.value;
  }
  // Year 19 is in the second Vahid, year 361 in the second Kull-i-Shay.
  EXPECT_EQ(BahaiVahid(18), 1);
  EXPECT_EQ(BahaiVahid(19), 2);
  EXPECT_EQ(BahaiKullIShay(360), 1);
  EXPECT_EQ(BahaiKullIShay(361), 2);
  EXPECT_EQ(BahaiYearName(BahaiVahid(182)), "Hubb");
  EXPECT_EQ(BahaiMonthName(19), "Ayyâm-i-Hâ");
  EXPECT_EQ(BahaiMonthName(21), "");
}

TEST(JapaneseTest, EraByWholeYear) {
  const struct {
    FixedDay day;
    JapaneseDate expected;
  } cases[] = {
      {Gregorian(2000, 1, 1), {JapaneseEra::kHeisei, 12, 1, 1}},
      {Gregorian(1989, 12, 31), {JapaneseEra::kHeisei, 1, 12, 31}},
      {Gregorian(1868, 1, 1), {JapaneseEra::kMeiji, 1, 1, 1}},
      {Gregorian(1911, 12, 31), {JapaneseEra::kMeiji, 44, 12, 31}},
      {Gregorian(1912, 1, 1), {JapaneseEra::kTaisho, 1, 1, 1}},
      {Gregorian(1925, 12, 31), {JapaneseEra::kTaisho, 14, 12, 31}},
      {Gregorian(1926, 1, 1), {JapaneseEra::kShowa, 1, 1, 1}},
      {Gregorian(1988, 12, 31), {JapaneseEra::kShowa, 63, 12, 31}},
      {Gregorian(1989, 1, 1), {JapaneseEra::kHeisei, 1, 1, 1}},
      {Gregorian(2018, 12, 31), {JapaneseEra::kHeisei, 30, 12, 31}},
      {Gregorian(2019, 1, 1), {JapaneseEra::kReiwa, 1, 1, 1}},
      {Gregorian(2024, 5, 1), {JapaneseEra::kReiwa, 6, 5, 1}},
      {Gregorian(3000, 10, 3), {JapaneseEra::kReiwa, 982, 10, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JapaneseFromFixed(c.day), c.expected) << c.day.value;
    EXPECT_EQ(FixedFromJapanese(c.expected), c.day) << c.day.value;
  }
  EXPECT_EQ(JapaneseFromFixed(Gregorian(1867, 12, 31)), std::nullopt);
  EXPECT_EQ(JapaneseMonthName(10), "Kaminazuki");
  EXPECT_EQ(JapaneseEraName(JapaneseEra::kShowa), "Showa");
}

TEST(JohnDeeTest, LeapYearsAndMonthLengths) {
  const struct {
    int year;
    bool leap;
  } years[] = {{1, false},    {3, false},   {4, true},     {8, true},          {32, true},   {33, false},
               {36, false},   {37, true},   {0, false},    {-1, true},         {-32, false}, {2000, true},
               {2024, false}, {2025, true}, {2028, false}, {-2147483647, true}};
  for (const auto& c : years) {
    EXPECT_EQ(IsDeeLeapYear(c.year), c.leap) << c.year;
  }
  EXPECT_EQ(DeeMonthLength({2000, 2, 1}), 29);
  EXPECT_EQ(DeeMonthLength({2024, 2, 1}), 28);
  EXPECT_EQ(DeeMonthLength({2024, 4, 1}), 30);
  EXPECT_EQ(DeeMonthLength({2024, 12, 1}), 31);
  EXPECT_EQ(DeeMonthLength({2024, 0, 1}), 0);
  EXPECT_EQ(DeeMonthLength({2024, 13, 1}), 0);
}

TEST(JohnDeeTest, Dates) {
  const struct {
    FixedDay day;
    DeeDate expected;
  } cases[] = {
      {Gregorian(2000, 1, 1), {2000, 1, 1}},
      {Gregorian(2000, 1, 31), {2000, 1, 31}},
      {Gregorian(2000, 12, 31), {2000, 12, 31}},
      {Gregorian(2024, 2, 29), {2024, 3, 1}},
      {Gregorian(2024, 12, 31), {2025, 1, 1}},
      {kDeeEpoch, {1, 1, 1}},
      {kDeeEpoch + 1, {1, 1, 2}},
      // Before year 1 the count goes on backwards without repeating a day.
      {kDeeEpoch - 1, {0, 12, 31}},
      {kDeeEpoch - 366 - 365, {-1, 1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeeFromFixed(c.day), c.expected) << c.day.value;
    EXPECT_EQ(FixedFromDee(c.expected), c.day) << c.day.value;
  }
  EXPECT_EQ(DeeMonthName(3), "März");
}

TEST(SixtyWeekTest, Dates) {
  const struct {
    FixedDay day;
    SixtyWeekDate expected;
    std::string_view weekday;
  } cases[] = {
      {Gregorian(2001, 1, 1), {8001, 1, 12, SixtyWeekNamedDay::kNone}, "Sonntag"},
      {Gregorian(2001, 3, 21), {8001, 0, 0, SixtyWeekNamedDay::kSpring}, ""},
      {Gregorian(2001, 3, 22), {8001, 4, 1, SixtyWeekNamedDay::kNone}, "Montag"},
      {Gregorian(2001, 6, 20), {8001, 0, 0, SixtyWeekNamedDay::kSummer}, ""},
      {Gregorian(2001, 9, 19), {8001, 0, 0, SixtyWeekNamedDay::kAutumn}, ""},
      {Gregorian(2001, 12, 19), {8001, 0, 0, SixtyWeekNamedDay::kWinter}, ""},
      {Gregorian(2001, 12, 20), {8002, 0, 0, SixtyWeekNamedDay::kNewYear}, ""},
      {Gregorian(2001, 12, 21), {8002, 1, 1, SixtyWeekNamedDay::kNone}, "Montag"},
      {Gregorian(2000, 3, 20), {8000, 0, 0, SixtyWeekNamedDay::kSpring}, ""},
      {Gregorian(2000, 6, 19), {8000, 0, 0, SixtyWeekNamedDay::kSummer}, ""},
      {Gregorian(2000, 6, 20), {8000, 0, 0, SixtyWeekNamedDay::kLeap}, ""},
      {Gregorian(2000, 6, 21), {8000, 7, 1, SixtyWeekNamedDay::kNone}, "Montag"},
      {Gregorian(2000, 2, 29), {8000, 3, 11, SixtyWeekNamedDay::kNone}, "Sonnabend"},
      {Gregorian(2000, 3, 1), {8000, 3, 12, SixtyWeekNamedDay::kNone}, "Sonntag"},
      {Gregorian(2001, 9, 18), {8001, 9, 30, SixtyWeekNamedDay::kNone}, "Sonntag"},
      {Gregorian(1937, 1, 1), {7937, 1, 12, SixtyWeekNamedDay::kNone}, "Sonntag"},
      {Gregorian(2063, 12, 31), {8064, 1, 11, SixtyWeekNamedDay::kNone}, "Sonnabend"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SixtyWeekFromFixed(c.day), c.expected) << c.day.value;
    EXPECT_EQ(FixedFromSixtyWeek(c.expected), c.day) << c.day.value;
    if (c.expected.named == SixtyWeekNamedDay::kNone) {
      EXPECT_EQ(SixtyWeekWeekdayName(SixtyWeekWeekday(c.expected)), c.weekday) << c.day.value;
    }
  }
  EXPECT_EQ(SixtyWeekFromFixed(Gregorian(1936, 12, 31)), std::nullopt);
  EXPECT_EQ(SixtyWeekFromFixed(Gregorian(2064, 1, 1)), std::nullopt);
  EXPECT_EQ(SixtyWeekNamedDayName(SixtyWeekNamedDay::kLeap), "Schalttag");
}

TEST(IndianNationalTest, Dates) {
  const struct {
    FixedDay day;
    IndianDate expected;
  } cases[] = {
      {Gregorian(2025, 12, 7), {1947, 9, 16}},  {Gregorian(2025, 3, 21), {1946, 12, 30}},
      {Gregorian(2025, 3, 22), {1947, 1, 1}},   {Gregorian(2025, 4, 21), {1947, 2, 1}},
      {Gregorian(2025, 1, 1), {1946, 10, 11}},  {Gregorian(2025, 12, 31), {1947, 10, 10}},
      {Gregorian(2024, 3, 20), {1945, 12, 30}}, {Gregorian(2024, 3, 21), {1946, 1, 1}},
      {Gregorian(2024, 4, 20), {1946, 1, 31}},  {Gregorian(2024, 4, 21), {1946, 2, 1}},
      {Gregorian(2025, 9, 22), {1947, 6, 31}},  {Gregorian(2025, 9, 23), {1947, 7, 1}},
      {Gregorian(1400, 3, 19), {1321, 12, 28}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IndianFromFixed(c.day), c.expected) << c.day.value;
  }
  EXPECT_EQ(IndianMonthName(9), "Agrahayana");
}

TEST(NanakshahiTest, Dates) {
  const struct {
    FixedDay day;
    NanakshahiDate expected;
  } cases[] = {
      {Gregorian(2025, 12, 7), {557, 9, 24}},
      {Gregorian(2025, 3, 13), {556, 12, 30}},
      {Gregorian(2025, 3, 14), {557, 1, 1}},
      {Gregorian(2024, 3, 13), {555, 12, 31}},
      {Gregorian(2025, 8, 15), {557, 5, 31}},
      {Gregorian(2025, 8, 16), {557, 6, 1}},
      {Gregorian(2025, 9, 14), {557, 6, 30}},
      {Gregorian(2025, 9, 15), {557, 7, 1}},
      {Gregorian(2025, 12, 13), {557, 9, 30}},
      {Gregorian(2025, 12, 14), {557, 10, 1}},
      {Gregorian(2025, 12, 31), {557, 10, 18}},
      {Gregorian(2026, 1, 1), {557, 10, 19}},
      {Gregorian(2026, 1, 12), {557, 10, 30}},
      {Gregorian(2026, 1, 13), {557, 11, 1}},
      {Gregorian(2026, 2, 12), {557, 12, 1}},
      // Phagun has 31 days only when its February has 29: not in 1900.
      {Gregorian(1900, 1, 1), {431, 10, 19}},
      {Gregorian(1900, 2, 28), {431, 12, 17}},
      {Gregorian(1900, 3, 1), {431, 12, 18}},
      {Gregorian(2100, 1, 1), {631, 10, 19}},
      {Gregorian(1400, 3, 19), {-68, 1, 6}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NanakshahiFromFixed(c.day), c.expected) << c.day.value;
  }
  EXPECT_EQ(NanakshahiMonthName(12), "Phagun");
}

TEST(BabylonianTest, Dates) {
  const struct {
    CivilDate civil;
    BabylonianDate expected;
  } cases[] = {
      {{2025, 12, 7}, {2772, 8, 16}},
      {{2025, 3, 31}, {2772, 1, 1}},
      {{2025, 3, 30}, {2771, 12, 29}},
      {{2025, 1, 1}, {2771, 9, 30}},
      {{2024, 4, 1}, {2770, 12, 21}},
      {{2024, 4, 2}, {2770, 12, 22}},
      {{2026, 4, 18}, {2773, 1, 1}},
      {{2026, 4, 17}, {2772, 12, 29}},
      // 2025 has a second Ululu, 2033 a second Addaru.
      {{2025, 9, 23}, {2772, 6, 29}},
      {{2025, 9, 24}, {2772, 14, 1}},
      {{2025, 10, 23}, {2772, 7, 1}},
      {{2034, 3, 20}, {2780, 12, 29}},
      {{2034, 3, 21}, {2780, 13, 1}},
      {{2034, 4, 19}, {2780, 13, 30}},
      {{2034, 4, 20}, {2781, 1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BabylonianFromCivil(c.civil), c.expected)
        << c.civil.day << "." << c.civil.month << "." << c.civil.year;
  }
  EXPECT_EQ(BabylonianMonthName(14), "Ululu 2");
}

TEST(BabylonianTest, JulianLeapDayBeforeTheReform) {
  // 1500 is a leap year of the Julian calendar only; its 29 February counts
  // as the day after 28 February and must not go blank.
  ASSERT_TRUE(BabylonianFromCivil({1500, 2, 29}).has_value());
  EXPECT_EQ(BabylonianFromCivil({1500, 2, 29}), BabylonianFromCivil({1500, 3, 1}));
}

// Dates no report reaches still give a text: no exception, no read outside a
// name table (a checked build catches that), at most an empty or "-" text.
// Days far outside the report's years still give dates inside the name
// tables (a checked build catches a read outside one).
TEST(TraditionalCalendarsTest, FarDaysStayInsideTheTables) {
  for (const std::int64_t value : {-10000000LL, -1137143LL, -1LL, 0LL, 1LL, 10000000LL}) {
    const FixedDay day{value};
    EXPECT_FALSE(EgyptianMonthName(EgyptianFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(MayaHaabMonthName(MayaHaabFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(MayaTzolkinName(MayaTzolkinFromFixed(day).name).empty()) << value;
    EXPECT_FALSE(AztecPeriodName(AztecXihuitlFromFixed(day).period).empty()) << value;
    EXPECT_FALSE(BahaiMonthName(BahaiFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(IndianMonthName(IndianFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(NanakshahiMonthName(NanakshahiFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(DeeMonthName(DeeFromFixed(day).month).empty()) << value;
    EXPECT_FALSE(RomanMonthGenitive(RomanFromFixed(day).month).empty()) << value;
  }
  for (const int year : {-10000, -1, 0, 1, 1500, 1999, 2000, 2063, 10000}) {
    for (int month = 1; month <= 12; ++month) {
      for (const int day : {1, 28, CivilMonthLength(year, month)}) {
        const std::optional<BabylonianDate> date = BabylonianFromCivil({year, month, day});
        EXPECT_TRUE(!date || !BabylonianMonthName(date->month).empty()) << day << "." << month << "." << year;
      }
    }
  }
}

// The lines these calendars add to the report, with the dates the report
// passes to them.
TEST(TraditionalReportLinesTest, LinesInTheReport) {
  const struct {
    int day;
    int month;
    int year;
    std::vector<std::string> lines;
  } cases[] = {
      {1,
       1,
       2000,
       {"Römischer Kalender\tANTE DIEM XIV KALENDIS IANVARII MMDCCLII A. V. C.",
        "Japanischer Kalender\t1.Mutsuki Heisei 12", "Seleukidischer Kalender\t19.3.2311",
        "Maya-Kalender\t0 Pictun 12 Baktun 19 Katun 6 Tun 15 Uinal 2 Kin", "\t11 Ik; 10 Kankin",
        "Bahâi-Kalender\t2.Sharaf (16) 156; Vahid: Bahâ / Kull-i-Shay: 1",
        "Armenischer Kalender\t8.Araths 1449", "John Dee-Kalender\t1.Januar 2000",
        "60 Wochen-Kalender\t12.Januar 8000, Sonntag"}},
      {1,
       1,
       1000,
       {"Römischer Kalender\tKALENDAE IANVARII MDCCLIII A. V. C.",
        "Altägyptischer Kalender\t15.Thot 5244; Sothis-Periode 4", "Bahâi-Kalender\t",
        "60 Wochen-Kalender\t"}},
      {10, 3, 1400, {"Indischer Kalender\t28.Phalguna 1321", "Sikh-Kalender\t6.Chet (1) -68"}},
      {1, 1, 1900, {"Sikh-Kalender\t19.Poh (10) 431"}},
      {7,
       12,
       2025,
       {"Japanischer Kalender\t7.Shiwasu Reiwa 7", "Babylonischer Kalender\t16.Arakhsamna (8) 2772",
        "Azteken-Kalender\t5.Tozoztontli (4)", "Indischer Kalender\t16.Agrahayana 1947",
        "Sikh-Kalender\t24.Maggar (9) 557"}},
      {1, 1, 100, {"Armenischer Kalender\t-"}},
  };
  const FixedClock clock({2025, 12, 7}, {12, 0, 0});
  for (const auto& c : cases) {
    Report report;
    BuildReport(CivilDate{c.year, c.month, c.day}, clock, report);
    const std::vector<std::string>& lines = report.Lines();
    for (const std::string& expected : c.lines) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
          << c.day << "." << c.month << "." << c.year << ": " << expected;
    }
  }
}

TEST(TraditionalReportLinesTest, JapaneseLineOnlyFrom1868) {
  const FixedClock clock({2025, 12, 7}, {12, 0, 0});
  for (const int year : {1867, 1868}) {
    Report report;
    BuildReport(CivilDate{year, 1, 1}, clock, report);
    const bool found = std::any_of(report.Lines().begin(), report.Lines().end(), [](const std::string& line) {
      return line.rfind("Japanischer Kalender\t", 0) == 0;
    });
    EXPECT_EQ(found, year >= 1868) << year;
  }
}

}  // namespace
}  // namespace tempulo

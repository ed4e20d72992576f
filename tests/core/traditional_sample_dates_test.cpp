// SPDX-License-Identifier: GPL-3.0-or-later
// Typed values of the traditional calendars against published dates: the
// sample data of E. M. Reingold and N. Dershowitz, "Calendrical Calculations"
// (Cambridge University Press, 3rd ed. 2008, appendix C "Sample Data"),
// 33 days from 586 BC to AD 2094 given by their R.D. (rata die) number, which
// is this almanac's day count (day 1 = 1 January 1 of the proleptic
// Gregorian calendar).
//
// Where this almanac deliberately keeps its own convention, the comparison
// says how the two relate:
// - the Egyptian year is counted from an epoch 3496 years before the era of
//   Nabonassar, and the almanac's Egyptian day is the book's day before
//   (its day count turns over at the noon before the civil day); so is its
//   Aztec xihuitl day;
// - the Bahá'í year of the book is split into Kull-i-Shay, Vahid and year,
//   its intercalary days are month 0 and 'Alâ month 19 (here 19 and 20);
// - the Armenian era has no days before its epoch here;
// - the Jewish date rests on Gauss's Passover formula, which is used from the
//   civil year 358 on; it must agree with the book's arithmetic calendar on
//   every sample day from there.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "calendars/traditional/aztec.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"

namespace tempulo {
namespace {

struct YearMonthDay {
  int year;
  int month;
  int day;
};

struct BookBahai {
  int kullIShay;
  int vahid;
  int year;
  int month;  // 0 the intercalary days, 19 'Alâ
  int day;
};

// The book counts the years before AD 1 without a year 0; none of its
// sample days has the doubled leap day.
struct BookRoman {
  int year;
  int month;
  RomanEvent event;
  int count;
};

constexpr RomanEvent K = RomanEvent::kKalends;
constexpr RomanEvent N = RomanEvent::kNones;
constexpr RomanEvent I = RomanEvent::kIdes;

struct SampleDay {
  std::int64_t rd;
  YearMonthDay egyptian;
  YearMonthDay armenian;
  YearMonthDay islamic;
  MayaLongCount longCount;  // without pictun
  MayaHaab haab;
  MayaTzolkin tzolkin;
  AztecXihuitl xihuitl;
  BookBahai bahai;
  BookRoman roman;
  YearMonthDay hebrew;
};

// rd, Egyptian, Armenian, Islamic (arithmetical), Maya long count (baktun
// .. kin), haab (month, day), tzolkin (number, name), Aztec xihuitl
// (month, day), Bahá'í (Western, arithmetical), Roman (year, month, event,
// count), Hebrew (arithmetical).
// clang-format off
constexpr SampleDay kSamples[] = {
    {-214193, {161, 7, 15}, {-1138, 4, 10}, {-1245, 12, 9}, {0, 6, 8, 3, 13, 9}, {11, 12}, {5, 9}, {2, 6}, {-6, 6, 3, 7, 12}, {-587, 8, K, 3}, {3174, 5, 10}},
    {-61387, {580, 3, 6}, {-720, 12, 6}, {-813, 2, 23}, {0, 7, 9, 8, 3, 15}, {5, 3}, {9, 15}, {14, 2}, {-5, 9, 3, 14, 13}, {-169, 12, I, 6}, {3593, 9, 25}},
    {25469, {818, 2, 22}, {-482, 11, 22}, {-568, 4, 1}, {0, 8, 1, 9, 8, 11}, {4, 9}, {12, 11}, {13, 8}, {-4, 2, 13, 10, 17}, {70, 10, K, 6}, {3831, 7, 3}},
    {49217, {883, 3, 15}, {-417, 12, 15}, {-501, 4, 6}, {0, 8, 4, 15, 7, 19}, {5, 12}, {9, 19}, {14, 11}, {-4, 6, 2, 11, 6}, {135, 10, N, 5}, {3896, 7, 9}},
    {171307, {1217, 9, 15}, {-82, 6, 10}, {-157, 10, 17}, {0, 9, 1, 14, 10, 9}, {14, 12}, {3, 9}, {5, 6}, {-3, 4, 13, 16, 9}, {470, 1, I, 7}, {4230, 10, 18}},
    {210155, {1324, 2, 18}, {24, 11, 18}, {-47, 6, 3}, {0, 9, 7, 2, 8, 17}, {4, 5}, {7, 17}, {13, 4}, {-3, 10, 6, 4, 4}, {576, 6, K, 15}, {4336, 3, 4}},
    {253427, {1442, 9, 10}, {143, 6, 5}, {75, 7, 13}, {0, 9, 13, 2, 12, 9}, {14, 7}, {2, 9}, {5, 1}, {-3, 16, 10, 13, 7}, {694, 11, I, 7}, {4455, 8, 13}},
    {369740, {1761, 5, 8}, {462, 2, 3}, {403, 10, 5}, {0, 10, 9, 5, 14, 2}, {8, 5}, {4, 2}, {17, 4}, {-2, 14, 6, 2, 17}, {1013, 5, K, 13}, {4773, 2, 6}},
    {400085, {1844, 6, 28}, {545, 3, 23}, {489, 5, 22}, {0, 10, 13, 10, 1, 7}, {10, 15}, {7, 7}, {1, 9}, {-2, 18, 13, 4, 8}, {1096, 6, K, 15}, {4856, 2, 23}},
    {434355, {1938, 5, 18}, {639, 2, 13}, {586, 2, 7}, {0, 10, 18, 5, 4, 17}, {8, 15}, {9, 17}, {17, 14}, {-1, 4, 12, 1, 3}, {1190, 4, K, 17}, {4950, 1, 7}},
    {452605, {1988, 5, 18}, {689, 2, 13}, {637, 8, 7}, {0, 11, 0, 15, 17, 7}, {8, 15}, {7, 7}, {17, 14}, {-1, 7, 4, 19, 9}, {1240, 3, N, 5}, {5000, 13, 8}},
    {470160, {2036, 6, 23}, {737, 3, 18}, {687, 2, 20}, {0, 11, 3, 4, 13, 2}, {10, 10}, {12, 2}, {1, 4}, {-1, 9, 15, 1, 13}, {1288, 4, K, 7}, {5048, 1, 21}},
    {473837, {2046, 7, 20}, {747, 4, 15}, {697, 7, 7}, {0, 11, 3, 14, 16, 19}, {11, 17}, {10, 19}, {2, 11}, {-1, 10, 6, 2, 19}, {1298, 5, K, 12}, {5058, 2, 7}},
    {507850, {2139, 9, 28}, {840, 6, 23}, {793, 7, 1}, {0, 11, 8, 9, 7, 12}, {15, 5}, {2, 12}, {5, 19}, {-1, 15, 4, 5, 8}, {1391, 6, N, 2}, {5151, 4, 1}},
    {524156, {2184, 5, 29}, {885, 2, 24}, {839, 7, 6}, {0, 11, 10, 14, 12, 18}, {9, 6}, {6, 18}, {18, 5}, {-1, 17, 10, 17, 16}, {1436, 2, K, 8}, {5196, 11, 7}},
    {544676, {2240, 8, 19}, {941, 5, 14}, {897, 6, 1}, {0, 11, 13, 11, 12, 18}, {13, 6}, {12, 18}, {3, 20}, {0, 1, 10, 2, 1}, {1492, 4, K, 2}, {5252, 1, 3}},
    {567118, {2302, 2, 11}, {1002, 11, 11}, {960, 9, 30}, {0, 11, 16, 14, 1, 0}, {3, 18}, {3, 20}, {12, 17}, {0, 4, 14, 10, 12}, {1553, 9, I, 5}, {5314, 7, 1}},
    {569477, {2308, 7, 30}, {1009, 4, 25}, {967, 5, 27}, {0, 11, 17, 0, 10, 19}, {12, 7}, {9, 19}, {3, 1}, {0, 5, 1, 19, 4}, {1560, 3, K, 6}, {5320, 12, 27}},
    {601716, {2396, 11, 29}, {1097, 8, 24}, {1058, 5, 18}, {0, 12, 1, 10, 2, 18}, {18, 6}, {8, 18}, {8, 20}, {0, 9, 14, 5, 6}, {1648, 6, K, 2}, {5408, 3, 20}},
    {613424, {2428, 12, 27}, {1129, 9, 22}, {1091, 6, 2}, {0, 12, 3, 2, 12, 6}, {1, 9}, {3, 6}, {10, 8}, {0, 11, 8, 6, 7}, {1680, 7, K, 12}, {5440, 4, 3}},
    {626596, {2465, 1, 24}, {1165, 10, 24}, {1128, 8, 4}, {0, 12, 4, 19, 4, 18}, {3, 1}, {6, 18}, {11, 20}, {0, 13, 6, 7, 12}, {1716, 7, I, 3}, {5476, 5, 5}},
    {645554, {2517, 1, 2}, {1217, 10, 2}, {1182, 2, 3}, {0, 12, 7, 11, 16, 16}, {1, 19}, {10, 16}, {10, 18}, {0, 16, 1, 5, 15}, {1768, 6, I, 6}, {5528, 4, 4}},
    {664224, {2568, 2, 27}, {1268, 11, 27}, {1234, 10, 10}, {0, 12, 10, 3, 14, 6}, {4, 14}, {12, 6}, {13, 13}, {0, 18, 14, 8, 2}, {1819, 8, K, 12}, {5579, 5, 11}},
    {671401, {2587, 10, 29}, {1288, 7, 24}, {1255, 1, 11}, {0, 12, 11, 3, 13, 3}, {16, 16}, {13, 3}, {7, 10}, {0, 19, 15, 1, 7}, {1839, 3, I, 1}, {5599, 1, 12}},
    {694799, {2651, 12, 7}, {1352, 9, 2}, {1321, 1, 21}, {0, 12, 14, 8, 13, 1}, {18, 14}, {11, 1}, {9, 8}, {1, 4, 3, 2, 11}, {1903, 4, I, 8}, {5663, 1, 22}},
    {704424, {2678, 4, 17}, {1379, 1, 12}, {1348, 3, 19}, {0, 12, 15, 15, 8, 6}, {7, 4}, {3, 6}, {16, 3}, {1, 5, 10, 9, 6}, {1929, 8, I, 2}, {5689, 5, 19}},
    {708842, {2690, 5, 25}, {1391, 2, 20}, {1360, 9, 8}, {0, 12, 16, 7, 13, 4}, {9, 2}, {1, 4}, {18, 1}, {1, 6, 3, 11, 3}, {1941, 10, K, 16}, {5702, 7, 8}},
    {709409, {2691, 12, 17}, {1392, 9, 12}, {1362, 4, 13}, {0, 12, 16, 9, 5, 11}, {19, 4}, {9, 11}, {9, 18}, {1, 6, 5, 2, 11}, {1943, 4, I, 8}, {5703, 1, 14}},
    {709580, {2692, 6, 3}, {1393, 2, 28}, {1362, 10, 7}, {0, 12, 16, 9, 14, 2}, {9, 10}, {11, 2}, {18, 9}, {1, 6, 5, 11, 11}, {1943, 10, K, 8}, {5704, 7, 8}},
    {727274, {2740, 11, 27}, {1441, 8, 22}, {1412, 9, 13}, {0, 12, 18, 18, 16, 16}, {18, 4}, {12, 16}, {8, 18}, {1, 8, 15, 19, 16}, {1992, 3, N, 4}, {5752, 13, 12}},
    {728714, {2744, 11, 7}, {1445, 8, 2}, {1416, 10, 5}, {0, 12, 19, 2, 16, 16}, {17, 4}, {9, 16}, {7, 18}, {1, 8, 19, 18, 19}, {1996, 2, I, 2}, {5756, 12, 5}},
    {744313, {2787, 8, 1}, {1488, 4, 26}, {1460, 10, 12}, {0, 13, 1, 6, 4, 15}, {12, 8}, {8, 15}, {3, 2}, {1, 11, 5, 13, 7}, {2038, 11, K, 5}, {5799, 8, 12}},
    {764652, {2843, 4, 20}, {1544, 1, 15}, {1518, 3, 5}, {0, 13, 4, 2, 13, 14}, {7, 7}, {2, 14}, {16, 6}, {1, 14, 4, 7, 6}, {2094, 7, N, 3}, {5854, 5, 5}},
};
// clang-format on

constexpr int kEgyptianYearsBeforeNabonassar = 3496;

TEST(TraditionalSampleDatesTest, AgreeWithThePublishedTable) {
  int armenianDays = 0;
  int jewishDays = 0;
  for (const SampleDay& s : kSamples) {
    const FixedDay day{s.rd};
    SCOPED_TRACE(s.rd);
    const EgyptianDate egyptian = EgyptianFromFixed(day + 1);
    EXPECT_EQ(egyptian, (EgyptianDate{s.egyptian.year + kEgyptianYearsBeforeNabonassar, s.egyptian.month,
                                      s.egyptian.day}));
    if (day >= kArmenianEpoch) {
      ++armenianDays;
      EXPECT_EQ(ArmenianFromFixed(day), (ArmenianDate{s.armenian.year, s.armenian.month, s.armenian.day}));
    } else {
      EXPECT_LT(s.armenian.year, 1);
    }
    EXPECT_EQ(IslamicFromFixed(day), (IslamicDay{s.islamic.year, s.islamic.month, s.islamic.day}));
    EXPECT_EQ(MayaLongCountFromFixed(day), s.longCount);
    EXPECT_EQ(MayaHaabFromFixed(day), s.haab);
    EXPECT_EQ(MayaTzolkinFromFixed(day), s.tzolkin);
    EXPECT_EQ(AztecXihuitlFromFixed(day + 1), s.xihuitl);
    if (const std::optional<JewishDay> jewish = JewishFromFixed(day)) {
      ++jewishDays;
      EXPECT_EQ(*jewish, (JewishDay{s.hebrew.year, s.hebrew.month, s.hebrew.day}));
    } else {
      EXPECT_LT(day, FixedFromCivil({359, 1, 1}));
    }
    const int romanYear = s.roman.year < 0 ? s.roman.year + 1 : s.roman.year;
    EXPECT_EQ(RomanFromFixed(day),
              (RomanDate{romanYear, s.roman.month, s.roman.event, s.roman.count, false}));
    const int bahaiMonth = s.bahai.month == 0 ? 19 : s.bahai.month == 19 ? 20 : s.bahai.month;
    EXPECT_EQ(BahaiFromFixed(day),
              (BahaiDate{361 * (s.bahai.kullIShay - 1) + 19 * (s.bahai.vahid - 1) + s.bahai.year, bahaiMonth,
                         s.bahai.day}));
  }
  EXPECT_EQ(armenianDays, 28);
  EXPECT_EQ(jewishDays, 29);
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The typed calendar values against published dates no one here computed:
// the sample data of E. M. Reingold and N. Dershowitz, "Calendrical
// Calculations" (Cambridge University Press), appendix "Sample Data" — 33
// days from 586 BC to AD 2094, given by their fixed day (R.D. 1 = Gregorian
// 1 January 1, the almanac's FixedDay{1}).
#include <gtest/gtest.h>

#include <cstdint>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/week_and_time.h"

namespace tempulo {
namespace {

struct SampleDay {
  std::int64_t rd;
  CopticDate coptic;
  IsoWeekDate iso;
};

// The Ethiopian dates of the table repeat the Coptic month and day with the
// year 276 ahead; they are checked from the Coptic column below.
constexpr SampleDay kSampleData[] = {
    {-214193, {-870, 12, 6}, {-586, 29, 7}}, {-61387, {-451, 4, 12}, {-168, 49, 3}},
    {25469, {-213, 1, 29}, {70, 39, 3}},     {49217, {-148, 2, 5}, {135, 39, 7}},
    {171307, {186, 5, 12}, {470, 2, 3}},     {210155, {292, 9, 23}, {576, 21, 1}},
    {253427, {411, 3, 11}, {694, 45, 6}},    {369740, {729, 8, 24}, {1013, 16, 7}},
    {400085, {812, 9, 23}, {1096, 21, 7}},   {434355, {906, 7, 20}, {1190, 12, 5}},
    {452605, {956, 7, 7}, {1240, 10, 6}},    {470160, {1004, 7, 30}, {1288, 14, 5}},
    {473837, {1014, 8, 25}, {1298, 17, 7}},  {507850, {1107, 10, 10}, {1391, 23, 7}},
    {524156, {1152, 5, 29}, {1436, 5, 3}},   {544676, {1208, 8, 5}, {1492, 14, 6}},
    {567118, {1270, 1, 12}, {1553, 38, 6}},  {569477, {1276, 6, 29}, {1560, 9, 6}},
    {601716, {1364, 10, 6}, {1648, 24, 3}},  {613424, {1396, 10, 26}, {1680, 26, 7}},
    {626596, {1432, 11, 19}, {1716, 30, 5}}, {645554, {1484, 10, 14}, {1768, 24, 7}},
    {664224, {1535, 11, 27}, {1819, 31, 1}}, {671401, {1555, 7, 19}, {1839, 13, 3}},
    {694799, {1619, 8, 11}, {1903, 16, 7}},  {704424, {1645, 12, 19}, {1929, 34, 7}},
    {708842, {1658, 1, 19}, {1941, 40, 1}},  {709409, {1659, 8, 11}, {1943, 16, 1}},
    {709580, {1660, 1, 26}, {1943, 40, 4}},  {727274, {1708, 7, 8}, {1992, 12, 2}},
    {728714, {1712, 6, 17}, {1996, 8, 7}},   {744313, {1755, 3, 1}, {2038, 45, 3}},
    {764652, {1810, 11, 11}, {2094, 28, 7}},
};

TEST(ModernCalendarsPublishedTest, SampleDataOfTheStandardReference) {
  for (const SampleDay& sample : kSampleData) {
    const FixedDay day{sample.rd};
    const CopticDate& coptic = sample.coptic;
    const EthiopianDate ethiopian{coptic.year + 276, coptic.month, coptic.day};
    EXPECT_EQ(CopticFromFixed(day), coptic) << sample.rd;
    EXPECT_EQ(FixedFromCoptic(coptic), day) << sample.rd;
    EXPECT_EQ(EthiopianFromFixed(day), ethiopian) << sample.rd;
    EXPECT_EQ(FixedFromEthiopian(ethiopian), day) << sample.rd;
    EXPECT_EQ(IsoWeekFromFixed(day), sample.iso) << sample.rd;
    EXPECT_EQ(FixedFromIsoWeek(sample.iso), day) << sample.rd;
  }
}

}  // namespace
}  // namespace tempulo

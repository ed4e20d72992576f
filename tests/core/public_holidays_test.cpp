// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/public_holidays.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tempulo {
namespace {

using enum Region;

TEST(PublicHolidays, RulesByRegionAndYear) {
  const struct {
    const char* row;
    int year;
    int month;
    int day;
    Region region;
    bool expected;
  } cases[] = {
      // What every Land shares marks "alle" too; a Land's own day does not.
      {"Neujahr", 2026, 1, 1, kAll, true},
      {"Fronleichnam", 2026, 6, 4, kAll, false},
      {"Fronleichnam", 2026, 6, 4, kBY, true},
      {"Fronleichnam", 2026, 6, 4, kSN, false},
      {"Fronleichnam", 2026, 6, 4, kAT, true},
      {"Fronleichnam", 2026, 6, 4, kCH, false},
      // German rules begin with unification on 3 October 1990.
      {"Neujahr", 1990, 1, 1, kBY, false},
      {"Deutscher Nationalfeiertag", 1990, 10, 3, kAll, true},
      {"Deutscher Nationalfeiertag", 1989, 10, 3, kAll, false},
      {"Neujahr", 1990, 1, 1, kAT, true},
      {"Neujahr", 1989, 1, 1, kAT, false},
      // Reformationstag: the east since 1990, the north since 2018, 2017 everywhere.
      {"Reformationstag", 1990, 10, 31, kSN, true},
      {"Reformationstag", 2016, 10, 31, kNI, false},
      {"Reformationstag", 2017, 10, 31, kBY, true},
      {"Reformationstag", 2017, 10, 31, kAll, true},
      {"Reformationstag", 2018, 10, 31, kBY, false},
      {"Reformationstag", 2018, 10, 31, kHH, true},
      // Buß- und Bettag: everywhere up to 1994, then in Saxony alone.
      {"Bußtag", 1994, 11, 16, kBW, true},
      {"Bußtag", 1995, 11, 22, kBW, false},
      {"Bußtag", 1995, 11, 22, kSN, true},
      {"Internationaler Frauentag", 2018, 3, 8, kBE, false},
      {"Internationaler Frauentag", 2019, 3, 8, kBE, true},
      {"Internationaler Frauentag", 2022, 3, 8, kMV, false},
      {"Internationaler Frauentag", 2023, 3, 8, kMV, true},
      {"Weltkindertag", 2018, 9, 20, kTH, false},
      {"Weltkindertag", 2019, 9, 20, kTH, true},
      {"Tag der Befreiung vom Faschismus", 2020, 5, 8, kBE, true},
      {"Tag der Befreiung vom Faschismus", 2021, 5, 8, kBE, false},
      {"Tag der Befreiung vom Faschismus", 2025, 5, 8, kBE, true},
      {"Ostern", 2026, 4, 5, kBB, true},
      {"Ostern", 2026, 4, 5, kBE, false},
      // The two Christmas rows: Switzerland keeps only the first as a whole.
      {"Weihnachten", 2026, 12, 25, kCH, true},
      {"Weihnachten", 2026, 12, 26, kCH, false},
      {"Weihnachten", 2026, 12, 26, kAT, true},
      {"Weihnachten", 2026, 12, 26, kAll, true},
      {"Maitag", 2026, 5, 1, kAT, false},
      {"Staatsfeiertag Österreich", 2026, 5, 1, kAT, true},
      {"Nationalfeiertag der Schweiz", 1993, 8, 1, kCH, false},
      {"Nationalfeiertag der Schweiz", 1994, 8, 1, kCH, true},
      // Observances are statutory nowhere, whatever their date.
      {"Muttertag", 2026, 5, 10, kAll, false},
      {"Heiligabend", 2026, 12, 24, kBY, false},
      {"Neujahr ", 2026, 1, 1, kAll, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPublicHoliday(c.row, c.year, c.month, c.day, c.region), c.expected)
        << c.row << " " << c.year << " " << RegionInfoOf(c.region).code;
  }
  EXPECT_TRUE(PublicHolidayRegions("Muttertag", 2026, 5, 10).Empty());
}

TEST(PublicHolidays, RegionCodesAreUniqueAndRoundTrip) {
  std::set<std::string> codes;
  ASSERT_EQ(Regions().front().region, kAll);
  for (const RegionInfo& info : Regions()) {
    EXPECT_TRUE(codes.insert(std::string(info.code)).second) << info.code;
    EXPECT_EQ(RegionFromCode(info.code), info.region);
    EXPECT_EQ(RegionInfoOf(info.region).name, info.name);
  }
  EXPECT_EQ(codes.size(), 19U);
  for (const char* bad : {"", "by", "DE", "alle ", "Bayern"}) {
    EXPECT_FALSE(RegionFromCode(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace tempulo

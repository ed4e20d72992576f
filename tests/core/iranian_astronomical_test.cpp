// SPDX-License-Identifier: GPL-3.0-or-later
// Iran's calendar with its Nowruz from the almanac's equinox: published
// first days of the year, the months, the noon rule, the report line and the
// lookup.
#include "calendars/modern/iranian_astronomical.h"

#include <gtest/gtest.h>

#include <string>

#include "report/calendar_lookup.h"
#include "report/registry.h"
#include "report/report.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

struct PublishedNowruz {
  int year;
  CivilDate gregorian;
};

// 1 Farvardin as Iran's calendar gives it. 1396, 1400, 1401 and 1404 begin
// the day after the equinox, which fell after noon in Tehran; 1399 and 1403
// on the equinox's day (before noon); 1398 and 1402 the day after the
// equinox by UTC, which in Tehran was already past midnight.
constexpr PublishedNowruz kPublished[] = {
    {1396, {2017, 3, 21}}, {1397, {2018, 3, 21}}, {1398, {2019, 3, 21}}, {1399, {2020, 3, 20}},
    {1400, {2021, 3, 21}}, {1401, {2022, 3, 21}}, {1402, {2023, 3, 21}}, {1403, {2024, 3, 20}},
    {1404, {2025, 3, 21}}, {1405, {2026, 3, 21}},
};

TEST(AstronomicalIranian, PublishedNowruz) {
  for (const PublishedNowruz& p : kPublished) {
    const FixedDay day = FixedFromGregorian(p.gregorian);
    EXPECT_EQ(NowruzOf(p.year), day) << p.year;
    EXPECT_EQ(AstronomicalIranianFromFixed(day), (AstronomicalIranianDate{p.year, 1, 1})) << p.year;
    EXPECT_EQ(AstronomicalIranianFromFixed(day - 1)->year, p.year - 1) << p.year;
  }
}

TEST(AstronomicalIranian, MonthsOfAYear) {
  struct Case {
    CivilDate gregorian;
    AstronomicalIranianDate date;
  };
  // 1399 is a year of 366 days: Esfand 30 is 20 March 2021.
  const Case cases[] = {
      {{2020, 4, 19}, {1399, 1, 31}},  {{2020, 4, 20}, {1399, 2, 1}},   {{2020, 9, 21}, {1399, 6, 31}},
      {{2020, 9, 22}, {1399, 7, 1}},   {{2021, 2, 18}, {1399, 11, 30}}, {{2021, 2, 19}, {1399, 12, 1}},
      {{2021, 3, 20}, {1399, 12, 30}}, {{2025, 3, 20}, {1403, 12, 30}}, {{2026, 3, 20}, {1404, 12, 29}},
  };
  for (const Case& c : cases) {
    const FixedDay day = FixedFromGregorian(c.gregorian);
    EXPECT_EQ(AstronomicalIranianFromFixed(day), c.date) << c.gregorian.year << "-" << c.gregorian.month;
    EXPECT_EQ(FixedFromAstronomicalIranian(c.date), day) << c.date.year;
  }
}

TEST(AstronomicalIranian, EveryYearHas365Or366DaysAcrossTheRange) {
  for (int year = kAstronomicalIranianFirstYear; year < kAstronomicalIranianLastYear; ++year) {
    const std::int64_t length = *NowruzOf(year + 1) - *NowruzOf(year);
    ASSERT_TRUE(length == 365 || length == 366) << year << ": " << length;
  }
  EXPECT_FALSE(NowruzOf(kAstronomicalIranianFirstYear - 1));
  EXPECT_FALSE(NowruzOf(kAstronomicalIranianLastYear + 1));
  EXPECT_TRUE(AstronomicalIranianFromFixed(FixedFromJulian({100, 1, 1})));
  EXPECT_TRUE(AstronomicalIranianFromFixed(FixedFromGregorian({3000, 12, 31})));
}

std::string LineOf(CivilDate date) {
  const std::optional<EntryChoice> choice = EntryChoice::Parse("iranian,iranian_astronomical");
  Report report;
  BuildReport(date, FixedClock(date, {12, 0, 0}), report, nullptr, &*choice);
  std::string lines;
  for (const std::string& line : report.Lines()) {
    if (line.starts_with("Iranischer")) {
      lines += line + "\n";
    }
  }
  return lines;
}

TEST(AstronomicalIranian, ReportLineBesideTheArithmeticOne) {
  EXPECT_EQ(LineOf({2021, 3, 21}),
            "Iranischer Kalender\t6.Zusatztag 942 / 1399\nIranischer Kalender (amtlich)\t1.Farvardin 1400\n");
  EXPECT_FALSE(EntryChoice().Shows("iranian_astronomical"));
}

TEST(AstronomicalIranian, LookedUpFromItsDates) {
  struct Case {
    const char* text;
    std::optional<CivilDate> civil;
  };
  const Case cases[] = {
      {"iranian_astronomical:1400-1-1", CivilDate{2021, 3, 21}},
      {"iranian_astronomical:1399-12-30", CivilDate{2021, 3, 20}},
      {"iranian_astronomical:1404-12-30", std::nullopt},  // Esfand 1404 has 29 days
      {"iranian_astronomical:1404-7-31", std::nullopt},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_EQ(ParseAnyDateArgument(c.text, why), c.civil) << c.text << ": " << why;
    EXPECT_EQ(why.empty(), c.civil.has_value()) << c.text;
  }
}

}  // namespace
}  // namespace tempulo

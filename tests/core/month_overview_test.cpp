// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/month_overview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "report/day_festivals.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

using enum Region;

std::set<int> PublicDays(const MonthOverview& month, Region region) {
  std::set<int> days;
  for (const DayOverview& day : month.days) {
    if (day.IsPublicHoliday(region)) {
      days.insert(day.day);
    }
  }
  return days;
}

TEST(MonthOverview, PublicHolidaysOnTheirDaysPerRegion) {
  const struct {
    int year;
    int month;
    Region region;
    std::set<int> days;
  } cases[] = {
      // Easter 2026 is 5 April: Himmelfahrt 14 May, Pfingsten 24 May, Fronleichnam 4 June.
      {2026, 5, kAll, {1, 14, 25}}, {2026, 5, kBY, {1, 14, 25}},  {2026, 5, kBB, {1, 14, 24, 25}},
      {2026, 5, kAT, {1, 14, 25}},  {2026, 5, kCH, {14, 24, 25}}, {2026, 6, kAll, {}},
      {2026, 6, kBW, {4}},          {2026, 12, kAll, {25, 26}},   {2026, 12, kAT, {8, 25, 26}},
      {2026, 12, kCH, {25}},        {2026, 11, kBY, {1}},         {2026, 11, kSN, {18}},
      {1994, 11, kAll, {16}},       {1989, 12, kAll, {}},         {1500, 12, kAll, {}},
  };
  for (const auto& c : cases) {
    const MonthOverview month = BuildMonthOverview(c.year, c.month);
    EXPECT_EQ(PublicDays(month, c.region), c.days)
        << c.year << "-" << c.month << " " << RegionInfoOf(c.region).code;
  }
}

TEST(MonthOverview, MonthLengthAndWeekdaysFollowTheReportsCalendar) {
  const struct {
    int year;
    int month;
    std::size_t length;
    int day;
    int weekday;  // 0 Monday
  } cases[] = {
      {2026, 5, 31, 25, 0},   // Pfingstmontag
      {2024, 2, 29, 29, 3},   // Thursday
      {2100, 2, 28, 28, 6},   // Gregorian common year: Sunday
      {1500, 2, 29, 29, 5},   // Julian leap year: Saturday
      {1582, 10, 31, 4, 3},   // the last Julian day, a Thursday
      {1582, 10, 31, 15, 4},  // the first Gregorian day, a Friday
  };
  for (const auto& c : cases) {
    const MonthOverview month = BuildMonthOverview(c.year, c.month);
    ASSERT_EQ(month.days.size(), c.length) << c.year << "-" << c.month;
    ASSERT_NE(month.Day(c.day), nullptr);
    EXPECT_EQ(month.Day(c.day)->weekday, c.weekday) << c.year << "-" << c.month << "-" << c.day;
  }
  const MonthOverview may = BuildMonthOverview(2026, 5);
  EXPECT_EQ(may.Day(0), nullptr);
  EXPECT_EQ(may.Day(32), nullptr);
}

// The window's list for "alle" is the report's holiday list, line for line.
TEST(MonthOverview, ListOfAllRowsIsTheReportsHolidayList) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable table = HolidayTable::Standard();
  for (const auto& [year, month] : std::vector<std::pair<int, int>>{
           {2026, 5}, {2026, 12}, {2024, 2}, {2023, 2}, {1500, 2}, {1582, 10}, {1000, 3}, {3000, 11}}) {
    const RefreshResult result = Refresh(CivilDate{year, month, 1}, table, clock);
    std::vector<std::string> texts;
    for (const HolidayListEntry& entry : HolidayListEntries(BuildMonthOverview(year, month), kAll)) {
      texts.push_back(entry.text);
    }
    EXPECT_EQ(texts, result.holidayLines) << year << "-" << month;
  }
}

TEST(MonthOverview, RegionListHoldsOnlyItsStatutoryRowsWithTheirDays) {
  const MonthOverview may = BuildMonthOverview(2026, 5);
  const std::vector<HolidayListEntry> at = HolidayListEntries(may, kAT);
  ASSERT_EQ(at.size(), 3U);
  EXPECT_EQ(at[0].text, "01\tStaatsfeiertag Österreich");
  EXPECT_EQ(at[0].day, 1);
  EXPECT_EQ(at[1].text, "14\tHimmelfahrt");
  EXPECT_EQ(at[2].text, "25\tPfingstmontag");
  for (const HolidayListEntry& entry : at) {
    EXPECT_TRUE(entry.isPublic);
  }
  // A further row of the same day keeps the day's number out of its text, not its day.
  const std::vector<HolidayListEntry> all = HolidayListEntries(may, kAll);
  const auto second = std::find_if(all.begin(), all.end(), [](const HolidayListEntry& e) {
    return e.text == "\tStaatsfeiertag Österreich";
  });
  ASSERT_NE(second, all.end());
  EXPECT_EQ(second->day, 1);
  EXPECT_FALSE(second->isPublic);
}

TEST(MonthOverview, MainMoonPhasesOnTheirMezDays) {
  // January 2024: last quarter 4th 03:30 UT, new moon 11th 11:57 UT, first
  // quarter 18th 03:53 UT, full moon 25th 17:54 UT.
  const MonthOverview january = BuildMonthOverview(2024, 1);
  std::vector<std::pair<int, MainMoonPhase>> phases;
  for (const DayOverview& day : january.days) {
    if (day.moonPhase != MainMoonPhase::kNone) {
      phases.emplace_back(day.day, day.moonPhase);
    }
  }
  const std::vector<std::pair<int, MainMoonPhase>> expected = {{4, MainMoonPhase::kLastQuarter},
                                                               {11, MainMoonPhase::kNewMoon},
                                                               {18, MainMoonPhase::kFirstQuarter},
                                                               {25, MainMoonPhase::kFullMoon}};
  EXPECT_EQ(phases, expected);
  // The time the report gives for the phase, from the day before.
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable table = HolidayTable::Standard();
  const RefreshResult dayBefore = Refresh(CivilDate{2024, 1, 24}, table, clock);
  const auto line = std::find_if(dayBefore.reportLines.begin(), dayBefore.reportLines.end(),
                                 [](const std::string& l) { return l.starts_with("Nächster Vollmond\t"); });
  ASSERT_NE(line, dayBefore.reportLines.end());
  EXPECT_EQ(line->substr(line->find('\t') + 1, 16), "25.01.2024 " + january.Day(25)->moonPhaseTime);
  // No phases before 1900, as in the report.
  for (const DayOverview& day : BuildMonthOverview(1899, 6).days) {
    EXPECT_EQ(day.moonPhase, MainMoonPhase::kNone);
  }
}

// The eclipses of 2026 on the MEZ days of their greatest eclipse (NASA's
// canon: 17 Feb 12:12 TD, 3 Mar 11:34, 12 Aug 17:46, 28 Aug 04:13), and
// no mark in a month without one.
TEST(MonthOverview, EclipsesOnTheirMezDays) {
  const struct {
    int month;
    int day;
    const char* kind;
  } cases[] = {
      {2, 17, "ringförmige Sonnenfinsternis"},
      {3, 3, "totale Mondfinsternis"},
      {8, 12, "totale Sonnenfinsternis"},
      {8, 28, "partielle Mondfinsternis"},
  };
  for (const auto& c : cases) {
    const MonthOverview month = BuildMonthOverview(2026, c.month);
    int marked = 0;
    for (const DayOverview& day : month.days) {
      marked += static_cast<int>(day.eclipses.size());
    }
    EXPECT_EQ(marked, c.month == 8 ? 2 : 1) << c.month;
    const DayOverview& day = *month.Day(c.day);
    ASSERT_EQ(day.eclipses.size(), 1U) << c.month << "-" << c.day;
    EXPECT_EQ(day.eclipses[0].kind, c.kind);
    EXPECT_NE(DayToolTipText(month, day).find(std::string(c.kind) + " " + day.eclipses[0].time + " MEZ"),
              std::string::npos);
    EXPECT_NE(DayAccessibleText(month, day, kBY, false).find(c.kind), std::string::npos);
  }
  for (const DayOverview& day : BuildMonthOverview(2026, 5).days) {
    EXPECT_TRUE(day.eclipses.empty()) << day.day;
  }
}

TEST(MonthOverview, FestivalsOfOtherReligions) {
  const struct {
    int year;
    int month;
    int day;
    const char* festival;
  } cases[] = {
      {2024, 2, 10, "Chinesisches Neujahrsfest"},
      {2024, 6, 10, "Drachenbootfest"},
      {2025, 1, 7, "Genna, Äthiopisches Weihnachten"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> festivals = FestivalsOfDay(c.year, c.month, c.day);
    EXPECT_NE(std::find(festivals.begin(), festivals.end(), c.festival), festivals.end())
        << c.year << "-" << c.month << "-" << c.day;
    const MonthOverview month = BuildMonthOverview(c.year, c.month);
    EXPECT_TRUE(month.Day(c.day)->HasSmallMark());
  }
  // In a row or alone, a day's Chinese festivals are the same.
  for (int day = 1; day <= 29; ++day) {
    const std::vector<std::string> inRow = FestivalsOfDay(2023, 12, day);
    FestivalsOfDay(2000, 1, 1);
    EXPECT_EQ(FestivalsOfDay(2023, 12, day), inRow) << day;
  }
}

TEST(MonthOverview, TextsOfADay) {
  const MonthOverview may = BuildMonthOverview(2026, 5);
  const DayOverview& whitMonday = *may.Day(25);
  EXPECT_EQ(LongDateText(may, whitMonday), "Montag, 25. Mai 2026");
  EXPECT_EQ(DayAccessibleText(may, whitMonday, kBY, true)
                .rfind("Montag, 25. Mai 2026, Pfingstmontag (gesetzlicher Feiertag)", 0),
            0U);
  EXPECT_TRUE(DayAccessibleText(may, whitMonday, kBY, true).ends_with(", heute"));
  EXPECT_FALSE(DayAccessibleText(may, whitMonday, kBY, false).ends_with(", heute"));
  // 1 May in Switzerland: two rows, neither statutory there.
  EXPECT_EQ(DayAccessibleText(may, *may.Day(1), kCH, false),
            "Freitag, 1. Mai 2026, Maitag, Staatsfeiertag Österreich, Vollmond");
  EXPECT_EQ(DayToolTipText(may, *may.Day(1)),
            "Freitag, 1. Mai 2026\nMaitag – gesetzlicher Feiertag: Deutschland\n"
            "Staatsfeiertag Österreich – gesetzlicher Feiertag: Österreich\nVollmond 18:23 MEZ");
  // An observance says that it is none.
  EXPECT_EQ(DayToolTipText(may, *may.Day(25)),
            "Montag, 25. Mai 2026\nPfingstmontag – gesetzlicher Feiertag: Deutschland, Österreich, Schweiz\n"
            "Adams Handtuchtag – kein gesetzlicher Feiertag\nGroße Wallfahrt, Beginn der Hadsch");
  EXPECT_EQ(StatutoryPlacesText(PublicHolidayRegions("Fronleichnam", 2026, 6, 4)),
            "BW, BY, HE, NW, RP, SL, Österreich");
  EXPECT_EQ(StatutoryPlacesText(PublicHolidayRegions("Neujahr", 2026, 1, 1)),
            "Deutschland, Österreich, Schweiz");
  EXPECT_EQ(StatutoryPlacesText(RegionSet()), "");
}

TEST(MonthOverview, CacheKeepsRecentMonthsOnly) {
  MonthOverviewCache cache;
  const MonthOverview* first = &cache.Get(2026, 5);
  EXPECT_EQ(&cache.Get(2026, 5), first);
  for (int i = 0; i < 40; ++i) {
    const MonthOverview& month = cache.Get(2000 + i / 12, i % 12 + 1);
    EXPECT_EQ(month.year, 2000 + i / 12);
    EXPECT_EQ(month.month, i % 12 + 1);
    EXPECT_LE(cache.Size(), MonthOverviewCache::kCapacity);
  }
}

}  // namespace
}  // namespace tempulo

namespace tempulo {
namespace {

TEST(MoonDisc, LitPartAndDirectionOfTheDay) {
  // January 2024: last quarter on the 4th, new moon on the 11th, full moon on the 25th.
  const struct {
    int day;
    double minimum;
    double maximum;
    bool waxing;
  } cases[] = {
      {11, 0.0, 0.02, true},   {15, 0.1, 0.4, true}, {25, 0.97, 1.0, true},
      {27, 0.85, 0.99, false}, {4, 0.4, 0.7, false},
  };
  for (const auto& c : cases) {
    const std::optional<MoonDisc> disc = MoonDiscOfDay(2024, 1, c.day);
    ASSERT_TRUE(disc.has_value());
    EXPECT_GE(disc->illuminated, c.minimum) << c.day;
    EXPECT_LE(disc->illuminated, c.maximum) << c.day;
    if (c.day != 11 && c.day != 25) {  // at new and full moon the direction turns
      EXPECT_EQ(disc->waxing, c.waxing) << c.day;
    }
  }
  EXPECT_FALSE(MoonDiscOfDay(1899, 12, 31).has_value());
  EXPECT_EQ(MoonDiscText({0.453, true}), "Mond: 45 % beleuchtet, zunehmend");
  EXPECT_EQ(MoonDiscText({1.0, false}), "Mond: 100 % beleuchtet, abnehmend");
}

}  // namespace
}  // namespace tempulo

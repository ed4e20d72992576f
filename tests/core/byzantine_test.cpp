// SPDX-License-Identifier: GPL-3.0-or-later
// The Byzantine era against published dates, its report line and its lookup.
#include "calendars/traditional/byzantine.h"

#include <gtest/gtest.h>

#include <string>

#include "report/calendar_lookup.h"
#include "report/registry.h"
#include "report/report.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

struct PublishedDay {
  CivilDate julian;  // Julian calendar, astronomical year
  ByzantineDate byzantine;
};

// The epoch, the year 7000 AM that was awaited as the world's end, the fall
// of Constantinople (29 May 6961) and both sides of the new year 2026
// (7534 until 31 August Julian, 7535 from 1 September).
constexpr PublishedDay kPublished[] = {
    {{-5508, 9, 1}, {1, 1, 1}},     {{-5507, 8, 31}, {1, 12, 31}},  {{1491, 9, 1}, {7000, 1, 1}},
    {{1453, 5, 29}, {6961, 9, 29}}, {{2026, 1, 1}, {7534, 5, 1}},   {{2026, 8, 31}, {7534, 12, 31}},
    {{2026, 9, 1}, {7535, 1, 1}},   {{2024, 2, 29}, {7532, 6, 29}},
};

TEST(Byzantine, PublishedDatesBothWays) {
  for (const PublishedDay& p : kPublished) {
    const FixedDay day = FixedFromJulian(p.julian);
    EXPECT_EQ(ByzantineFromFixed(day), p.byzantine) << p.julian.year << "-" << p.julian.month;
    EXPECT_EQ(FixedFromByzantine(p.byzantine), day) << p.byzantine.year;
  }
}

TEST(Byzantine, EveryDayOfFourYearsRoundTrips) {
  const FixedDay first = FixedFromJulian({2023, 1, 1});
  ByzantineDate previous = ByzantineFromFixed(first - 1);
  for (FixedDay day = first; day < first + 4 * 366; day = day + 1) {
    const ByzantineDate date = ByzantineFromFixed(day);
    ASSERT_EQ(FixedFromByzantine(date), day);
    // The year turns exactly where the month goes from 12 to 1.
    EXPECT_EQ(date.year - previous.year, date.month == 1 && date.day == 1 ? 1 : 0);
    previous = date;
  }
}

std::string LineOf(CivilDate date, std::string_view label) {
  const std::optional<EntryChoice> choice = EntryChoice::Parse("byzantine");
  Report report;
  BuildReport(date, FixedClock(date, {12, 0, 0}), report, nullptr, &*choice);
  for (const std::string& line : report.Lines()) {
    if (line.starts_with(std::string(label) + "\t")) {
      return line;
    }
  }
  return {};
}

TEST(Byzantine, ReportLineAndDefault) {
  EXPECT_EQ(LineOf({2026, 12, 9}, "Byzantinischer Kalender"),
            "Byzantinischer Kalender\t26.November 7535 Anno Mundi");
  EXPECT_EQ(LineOf({2026, 9, 13}, "Byzantinischer Kalender"),
            "Byzantinischer Kalender\t31.August 7534 Anno Mundi");
  EXPECT_FALSE(EntryChoice().Shows("byzantine"));
}

TEST(Byzantine, LookedUpFromItsDates) {
  struct Case {
    const char* text;
    std::optional<CivilDate> civil;
  };
  const Case cases[] = {
      {"byzantine:7535-1-1", CivilDate{2026, 9, 14}},
      {"byzantine:6961-9-29", CivilDate{1453, 5, 29}},
      {"byzantine:7532-6-29", CivilDate{2024, 3, 13}},
      {"byzantine:7534-6-29", std::nullopt},  // February 2026 (Julian) has 28 days
      {"byzantine:7535-13-1", std::nullopt},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_EQ(ParseAnyDateArgument(c.text, why), c.civil) << c.text << ": " << why;
    EXPECT_EQ(why.empty(), c.civil.has_value()) << c.text;
  }
}

}  // namespace
}  // namespace tempulo

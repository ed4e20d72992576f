// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace tempulo {
namespace {

constexpr TimeOfDay kNoon{12, 0, 0};

int CountLinesStartingWith(const std::string& text, const std::string& prefix) {
  int count = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    if (text.compare(at, prefix.size(), prefix) == 0) {
      ++count;
    }
    if (end == std::string::npos) {
      break;
    }
    at = end + 1;
  }
  return count;
}

// The optional lines appear only when asked for, after the default report,
// which they leave as it was.
TEST(PlanetCli, OptionalLinesOnlyWhenAsked) {
  const CliRun plain = RunCliAt({"--date", "2026-12-09"}, kNoon);
  ASSERT_EQ(plain.status, 0);
  struct Case {
    std::vector<std::string> extra;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {{"--planets"}, {"Planeten\t", "Merkur\t", "Venus\t", "Mars\t", "Jupiter\t", "Saturn\t", "Uranus\t", "Neptun\t"}},
      {{"--sun-hours"}, {"Goldene Stunde\t", "Blaue Stunde\t"}},
      {{"--sun-altitude", "-12"}, {"Sonne bei -12.0°\t"}},
      {{"--sun-altitude=10,5"}, {"Sonne bei 10.5°\t"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--date", "2026-12-09"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const CliRun run = RunCliAt(args, kNoon);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, plain.out.size()), plain.out);
    for (const std::string& label : c.labels) {
      EXPECT_EQ(CountLinesStartingWith(run.out, label), 1) << label;
      EXPECT_EQ(CountLinesStartingWith(plain.out, label), 0) << label;
    }
  }
  // Before 1900 there is no sun and moon block, and no planets either.
  const CliRun early = RunCliAt({"--date", "1850-01-01", "--planets"}, kNoon);
  EXPECT_EQ(CountLinesStartingWith(early.out, "Planeten\t"), 0);
}

TEST(PlanetCli, BadValuesEndWithAGermanMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--sun-altitude", "95"}, "Sonnenhöhe"},
      {{"--sun-altitude", "zehn"}, "Sonnenhöhe"},
      {{"--sun-altitude", ""}, "Sonnenhöhe"},
      {{"--sun-altitude", "nan"}, "Sonnenhöhe"},
      {{"--planet-events", "1899"}, "1900 bis 3000"},
      {{"--planet-events", "3001"}, "liegt nicht zwischen"},
      {{"--planet-events", "2026", "--date", "2026-01-01"}, "--planet-events"},
      {{"--planet-events", "2026", "--planets"}, "--planet-events"},
      {{"--planets=ja"}, "nimmt keinen Wert"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCliAt(c.args, kNoon);
    EXPECT_EQ(run.status, 2) << c.args.front();
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(PlanetCli, TheYearsEventsInEveryForm) {
  const CliRun text = RunCliAt({"--planet-events", "2020"}, kNoon);
  ASSERT_EQ(text.status, 0);
  // Mars in opposition on 13 October 2020 at 23:2x UT: the next day in MEZ.
  const std::size_t mars = text.out.find(" MEZ\tMars in Opposition zur Sonne\n");
  ASSERT_NE(mars, std::string::npos);
  EXPECT_EQ(text.out.substr(mars - 19, 14), "14.10.2020 00:");
  EXPECT_NE(text.out.find("Jupiter bei Saturn"), std::string::npos);
  const CliRun tsv = RunCliAt({"--planet-events", "2020", "--format", "tsv"}, kNoon);
  EXPECT_EQ(tsv.out.rfind("time\tkind\tplanet\tother\tdegrees\ttext\n", 0), 0u);
  EXPECT_NE(tsv.out.find("\topposition\tmars\t\t\t"), std::string::npos);
  const CliRun json = RunCliAt({"--planet-events", "2020", "--format", "json"}, kNoon);
  EXPECT_NE(json.out.find("\"kind\": \"planet_conjunction\""), std::string::npos);
  const CliRun ics = RunCliAt({"--planet-events", "2020", "--ics"}, kNoon);
  EXPECT_EQ(ics.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  EXPECT_NE(ics.out.find("SUMMARY:Mars in Opposition zur Sonne\r\n"), std::string::npos);
  // The plain --ics stays the holidays' calendar.
  const CliRun holidays = RunCliAt({"--ics", "--year", "2020"}, kNoon);
  EXPECT_EQ(holidays.out.find("Opposition"), std::string::npos);
}

}  // namespace
}  // namespace tempulo

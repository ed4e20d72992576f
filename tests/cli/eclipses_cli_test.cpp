// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report --eclipses YEAR.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace tempulo {
namespace {

CliRun Eclipses(std::vector<std::string> args) { return RunCliAt(args, {12, 0, 0}); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(EclipsesCli, TextListsTheYearAsTheReportWordsIt) {
  const CliRun run = Eclipses({"--eclipses", "2026"});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> expected = {
      "2026-02-17\tringförmige Sonnenfinsternis, Maximum 13:11:54 MEZ, hier nicht sichtbar",
      "2026-03-03\ttotale Mondfinsternis, Maximum 12:33:42 MEZ, Größe 1.16, hier nicht sichtbar",
      "2026-08-12\tpartielle Sonnenfinsternis, Maximum 19:12:33 MEZ, 87 % bedeckt",
      "2026-08-28\tpartielle Mondfinsternis, Maximum 05:12:58 MEZ, Größe 0.93",
  };
  EXPECT_EQ(Lines(run.out), expected);
}

// Before the reform the year and the dates are those of the Julian calendar,
// as the report's days.
TEST(EclipsesCli, JulianDatesBeforeTheReform) {
  const std::vector<std::string> lines = Lines(Eclipses({"--eclipses", "1000"}).out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "1000-03-22\tHalbschatten-Mondfinsternis, Maximum 21:58:31 MEZ, Größe 0.57");
}

// The same eclipse in each form for a place with summer time: the maximum's
// date and time agree across text, TSV and JSON.
TEST(EclipsesCli, FormsAgreeForAPlace) {
  const CliRun text = Eclipses({"--eclipses", "2026", "--place", "Berlin"});
  const CliRun tsv = Eclipses({"--eclipses=2026", "--format", "tsv", "--place", "Berlin"});
  const CliRun json = Eclipses({"--eclipses", "2026", "--format=json", "--place", "Berlin"});
  ASSERT_EQ(text.status, 0);
  ASSERT_EQ(tsv.status, 0);
  ASSERT_EQ(json.status, 0);
  const std::vector<std::string> textLines = Lines(text.out);
  const std::vector<std::string> tsvLines = Lines(tsv.out);
  const std::vector<std::string> jsonLines = Lines(json.out);
  ASSERT_EQ(textLines.size(), 4U);
  ASSERT_EQ(tsvLines.size(), 5U);  // with its header
  ASSERT_EQ(jsonLines.size(), 4U);
  EXPECT_EQ(textLines[2], "2026-08-12\tpartielle Sonnenfinsternis, Maximum 20:08:09 MESZ, 85 % bedeckt");
  const nlohmann::json august = nlohmann::json::parse(jsonLines[2]);
  EXPECT_EQ(august["kind"], "solar_total");
  EXPECT_EQ(august["saros"], 126);
  EXPECT_EQ(august["local"]["kind"], "solar_partial");
  EXPECT_EQ(august["local"]["maximum"]["time"], "2026-08-12T20:08:09+02:00");
  EXPECT_NE(tsvLines[3].find("\t2026-08-12T20:08:09+02:00\t"), std::string::npos) << tsvLines[3];
}

TEST(EclipsesCli, CalendarFileHasOneEventPerEclipse) {
  const CliRun run = Eclipses({"--eclipses", "2026", "--ics"});
  ASSERT_EQ(run.status, 0);
  std::size_t events = 0;
  for (std::size_t at = run.out.find("BEGIN:VEVENT\r\n"); at != std::string::npos;
       at = run.out.find("BEGIN:VEVENT\r\n", at + 1)) {
    ++events;
  }
  EXPECT_EQ(events, 4U);
  EXPECT_NE(run.out.find("DTSTART:20260812T171937Z\r\n"), std::string::npos);
  EXPECT_EQ(run.out.rfind("END:VCALENDAR\r\n"), run.out.size() - 15);
}

TEST(EclipsesCli, YearAndCombinationsAreChecked) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--eclipses", "99"},
           {"--eclipses", "3001"},
           {"--eclipses", "x"},
           {"--eclipses"},
           {"--eclipses", "2026", "--year", "2026"},
           {"--eclipses", "2026", "--date", "2026-01-01"},
           {"--eclipses", "2026", "--holidays"},
           {"--eclipses", "2026", "--eclipses", "2027"},
       }) {
    const CliRun run = Eclipses(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
}  // namespace tempulo

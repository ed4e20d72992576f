// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "time/clock.h"
#include "report/report.h"
#include "report/report_builder.h"
#include "astro/rise_set.h"
#include "report/time_lines.h"

namespace tempulo {
namespace {

std::vector<std::string> ReportLines(int day, int month, int year) {
  const FixedClock clock({2024, 5, 1}, {12, 0, 0});
  Report report;
  BuildReport(CivilDate{year, month, day}, clock, report);
  return report.Lines();
}

// The lines after the last separator: the sun and moon block.
std::vector<std::string> LastBlock(const std::vector<std::string>& lines) {
  std::size_t i = lines.size();
  while (i > 0 && lines[i - 1] != " ") {
    --i;
  }
  return {lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end()};
}

TEST(SunMoonBlockTest, WholeBlockOf20March2000) {
  const std::vector<std::string> expected = {
      "Morgendämmerung\t20.03.2000 05:42:15 MEZ",
      "Abenddämmerung\t20.03.2000 18:57:33 MEZ",
      "Mondalter\t14.56 Tage",
      "Aktuelle Phase\t99.82 %",
      "Mondabstand\t378904.07 km",
      "Nächster Neumond\t04.04.2000 19:11:59 MEZ",
      "Nächstes 1.Viertel\t11.04.2000 14:30:20 MEZ",
      "Nächster Vollmond\t20.03.2000 05:44:20 MEZ",
      "Nächstes 3.Viertel\t28.03.2000 01:20:39 MEZ",
      "Mondaufgang\t20.03.2000 18:45:46 MEZ",
      "Mondkulmination\t20.03.2000 00:15:34 MEZ",
      "Monduntergang\t20.03.2000 06:45:35 MEZ",
      "Sonnenaufgang\t20.03.2000 06:14:27 MEZ",
      "Sonnenkulmination\t20.03.2000 12:19:23 MEZ",
      "Sonnenuntergang\t20.03.2000 18:25:16 MEZ",
  };
  EXPECT_EQ(LastBlock(ReportLines(20, 3, 2000)), expected);
}

// The block's events belong to the report's own day in MEZ: the moonrise at
// 00:14 MEZ on 8 February 2026 (23:14 on the 7th in universal time) is listed
// on the 8th, and the 7th has none.
TEST(SunMoonBlockTest, MoonEventsOfTheMezDay) {
  struct Case {
    int day;
    int month;
    const char* line;
  };
  const Case cases[] = {
      {7, 2, "Mondaufgang\t-"},
      {8, 2, "Mondaufgang\t08.02.2026 00:14:17 MEZ"},
      {4, 1, "Mondkulmination\t04.01.2026 00:53:27 MEZ"},
      {3, 1, "Mondkulmination\t-"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> block = LastBlock(ReportLines(c.day, c.month, 2026));
    const std::string label = std::string(c.line).substr(0, std::string(c.line).find('\t') + 1);
    bool found = false;
    for (const std::string& line : block) {
      if (line.rfind(label, 0) == 0) {
        EXPECT_EQ(line, c.line);
        found = true;
      }
    }
    EXPECT_TRUE(found) << c.line;
  }
}

TEST(SunMoonBlockTest, OnlyFrom1900On) {
  const std::vector<std::string> before = ReportLines(31, 12, 1899);
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(before.back(), " ");
  const std::vector<std::string> from = LastBlock(ReportLines(1, 1, 1900));
  ASSERT_EQ(from.size(), 15u);
  EXPECT_EQ(from[0].rfind("Morgendämmerung\t01.01.1900 ", 0), 0u) << from[0];
}

TEST(SunMoonBlockTest, NoEventReadsDash) {
  Report report;
  AddCetTimeLine(report, "Mondaufgang", NoEvent);
  AddCetTimeLine(report, "Sonnenaufgang", 36605.4375);  // 10:30 universal time
  const std::vector<std::string> expected = {"Mondaufgang\t-", "Sonnenaufgang\t20.03.2000 11:30:00 MEZ"};
  EXPECT_EQ(report.Lines(), expected);
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/eclipse_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astro/rise_set.h"
#include "report/report.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

// The report's line on the days of eclipses, for the default place (50 N,
// 12 E, MEZ): what it sees, or that it sees nothing; none the day before or
// after.
TEST(EclipseLinesTest, LineOnTheDayOfTheMaximum) {
  struct Case {
    int year, month, day;
    const char* line;  // empty: no line
  };
  const Case cases[] = {
      {2026, 8, 12, "Finsternis\tpartielle Sonnenfinsternis, Maximum 19:12:33 MEZ, 87 % bedeckt"},
      {2026, 8, 11, ""},
      {2026, 8, 13, ""},
      {2026, 8, 28, "Finsternis\tpartielle Mondfinsternis, Maximum 05:12:58 MEZ, Größe 0.93"},
      {2026, 3, 3, "Finsternis\ttotale Mondfinsternis, Maximum 12:33:42 MEZ, Größe 1.16, hier nicht sichtbar"},
      {2024, 4, 8, "Finsternis\ttotale Sonnenfinsternis, Maximum 19:17:18 MEZ, hier nicht sichtbar"},
      {2025, 3, 29, "Finsternis\tpartielle Sonnenfinsternis, Maximum 12:15:01 MEZ, 13 % bedeckt"},
  };
  for (const Case& c : cases) {
    Report report;
    const DaySpan day = CivilDaySpan(EncodeDate(c.year, c.month, c.day), kCetUtcOffsetHours);
    AddEclipseLines(report, day.start, day.end, 50.0, 12.0, TimeZone{});
    const std::vector<std::string> expected =
        std::string(c.line).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.line};
    EXPECT_EQ(report.Lines(), expected) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(EclipseLinesTest, YearListInOrderWithinTheYear) {
  const std::vector<PlacedEclipse> year = EclipsesOfYear(2026, TimeZone{}, 50.0, 12.0);
  ASSERT_EQ(year.size(), 4U);
  for (std::size_t i = 1; i < year.size(); ++i) {
    EXPECT_LT(year[i - 1].maximum, year[i].maximum);
  }
  EXPECT_EQ(EclipseKindName(year[0].eclipse.kind), "ringförmige Sonnenfinsternis");
  EXPECT_TRUE(EclipsesOfYear(99, TimeZone{}, 50.0, 12.0).empty());
  EXPECT_TRUE(EclipsesOfYear(3001, TimeZone{}, 50.0, 12.0).empty());
}

}  // namespace
}  // namespace tempulo

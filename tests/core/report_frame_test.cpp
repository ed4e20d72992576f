// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "report/registry.h"
#include "report/report_builder.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

std::vector<std::string> ReportOf(int day, int month, int year, TimeOfDay now = {12, 0, 0}) {
  const FixedClock clock({2026, 12, 8}, now);
  Report report;
  BuildReport(CivilDate{year, month, day}, clock, report);
  return report.Lines();
}

// The value of the first line with this label, or "<none>".
std::string ValueOf(const std::vector<std::string>& lines, const std::string& label) {
  for (const std::string& line : lines) {
    if (line.rfind(label + "\t", 0) == 0) {
      return line.substr(label.size() + 1);
    }
  }
  return "<none>";
}

bool HasLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// Without a choice the report is the default set: an entry that is off by
// default adds no line, and the lines are those of the default choice.
TEST(ReportFrame, WithoutAChoiceTheDefaultSetShows) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  Report plain(true);
  BuildReport(CivilDate{2026, 12, 9}, clock, plain);
  const EntryChoice defaults;
  Report chosen(true);
  BuildReport(CivilDate{2026, 12, 9}, clock, chosen, nullptr, &defaults);
  EXPECT_EQ(plain.Lines(), chosen.Lines());
  for (const ReportEntry& entry : ReportEntries()) {
    if (!entry.shownByDefault) {
      EXPECT_EQ(std::count(plain.LineEntries().begin(), plain.LineEntries().end(), entry.id), 0) << entry.id;
    }
  }
}

TEST(ReportFrame, FirstOfJanuary2000) {
  const auto lines = ReportOf(1, 1, 2000);
  ASSERT_GE(lines.size(), 3U);
  EXPECT_EQ(lines[0], "Wochentag\tSonnabend");
  EXPECT_EQ(lines[1], "\t1.Tag des Jahres / 52.Woche des Jahres");
  EXPECT_EQ(lines[2], "Julianisches Datum\t2451544.5 / modifiziert 51544");
  EXPECT_EQ(ValueOf(lines, "Julianischer Kalender"), "19.Dezember 1999");
  EXPECT_EQ(ValueOf(lines, "Tag seit 1.1.1 / 1.1.2001"), "730121 / -366");
  EXPECT_EQ(ValueOf(lines, "UNO-Weltkalender"), "1.1. Sonntag");
  EXPECT_EQ(ValueOf(lines, "Berber-Kalender"), "19.Jember 2949");
}

TEST(ReportFrame, GregorianDayCountsFromTheReform) {
  EXPECT_EQ(ValueOf(ReportOf(15, 10, 1582), "Gregorianischer Tag"), "1");
  EXPECT_EQ(ValueOf(ReportOf(4, 10, 1582), "Gregorianischer Tag"), "0");
  // 5-14 October 1582 continue the Julian calendar.
  EXPECT_EQ(ValueOf(ReportOf(5, 10, 1582), "Gregorianischer Tag"), "1");
  EXPECT_EQ(ValueOf(ReportOf(5, 10, 1582), "Julianisches Datum"), "2299160.5 / modifiziert -100840");
  EXPECT_EQ(ValueOf(ReportOf(4, 10, 1582), "Julianisches Datum"), "2299159.5 / modifiziert -100841");
}

TEST(ReportFrame, LinesThatDependOnTheYear) {
  const struct {
    int year;
    bool dayOfYear, japanese, sunAndMoon;
  } cases[] = {{1582, false, false, false}, {1583, true, false, false}, {1867, true, false, false},
               {1868, true, true, false},   {1899, true, true, false},  {1900, true, true, true},
               {1000, false, false, false}, {3000, true, true, true}};
  for (const auto& c : cases) {
    const auto lines = ReportOf(20, 3, c.year);
    EXPECT_EQ(lines[1].find(".Tag des Jahres") != std::string::npos, c.dayOfYear) << c.year;
    EXPECT_EQ(HasLineStartingWith(lines, "UNO-Weltkalender\t"), c.dayOfYear) << c.year;
    EXPECT_EQ(HasLineStartingWith(lines, "Japanischer Kalender\t"), c.japanese) << c.year;
    EXPECT_EQ(HasLineStartingWith(lines, "Sonnenuntergang\t"), c.sunAndMoon) << c.year;
    if (!c.sunAndMoon) {
      EXPECT_EQ(lines.back(), " ") << c.year;
    }
  }
}

TEST(ReportFrame, HeadingNamesTheChosenMonthAndYear) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  Report report;
  BuildReport(CivilDate{1003, 5, 3}, clock, report);
  EXPECT_EQ(report.Heading(), "Mai 1003");
}

TEST(ReportFrame, StardateFollowsTheClock) {
  EXPECT_EQ(ValueOf(ReportOf(1, 1, 2323, {0, 0, 0}), "Star Trek Sternzeit"), "0");
  EXPECT_EQ(ValueOf(ReportOf(1, 1, 2323, {12, 0, 0}), "Star Trek Sternzeit"), "1.369");
  EXPECT_EQ(ValueOf(ReportOf(31, 12, 2322, {0, 0, 0}), "Star Trek Sternzeit"), "-2.738");
}

TEST(ReportFrame, PiCalendarAndItsNewYearsEve) {
  // Walk a few PI-years: every "PI-Silvester" line follows a PI line of 28.12.
  int silvesters = 0;
  for (long double jd = JulianDateOf(FixedFromGregorian({2000, 1, 1}));
       jd < JulianDateOf(FixedFromGregorian({2004, 1, 1})); jd += 1) {
    const CivilDate d = GregorianFromFixed(FixedFromJulianDate(jd));
    const auto lines = ReportOf(d.day, d.month, d.year);
    const auto pi = std::find_if(lines.begin(), lines.end(),
                                 [](const std::string& l) { return l.rfind("PI-Kalender\t", 0) == 0; });
    ASSERT_NE(pi, lines.end());
    const bool silvester = pi + 1 != lines.end() && *(pi + 1) == "\tPI-Silvester";
    EXPECT_EQ(silvester, pi->find("\t28.12.") != std::string::npos) << *pi;
    silvesters += silvester ? 1 : 0;
  }
  EXPECT_GE(silvesters, 3);
  EXPECT_LE(silvesters, 5);
}

TEST(ReportFrame, ImpossibleDayRaisesAfterTheHeading) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  Report report;
  EXPECT_THROW(BuildReport(CivilDate{1003, 2, 29}, clock, report), ConversionError);
  EXPECT_EQ(report.Heading(), "Februar 1003");
  EXPECT_TRUE(report.Lines().empty());
}

TEST(ReportFrame, JulianDateOfTheDay) {
  EXPECT_EQ(ReportJulianDay(CivilDate{2000, 1, 1}), 2451544.5L);
  EXPECT_EQ(ReportJulianDay(CivilDate{1582, 10, 4}), 2299159.5L);
  EXPECT_EQ(ReportJulianDay(CivilDate{1582, 10, 5}), 2299160.5L);
  EXPECT_EQ(ReportJulianDay(CivilDate{1582, 10, 14}), 2299169.5L);
  EXPECT_EQ(ReportJulianDay(CivilDate{1582, 10, 15}), 2299160.5L);
  EXPECT_EQ(ReportJulianDay(CivilDate{1000, 1, 1}), 2086307.5L);
  EXPECT_THROW(ReportJulianDay(CivilDate{1900, 2, 29}), ConversionError);
}

}  // namespace
}  // namespace tempulo

namespace tempulo {
namespace {

// Before the reform every line names the same day as the report's JD: the
// lines computed from the date value (Jewish, Chinese) read the Julian date.
TEST(ReportFrame, DateValueNamesTheSameDayAsTheJulianDayBeforeTheReform) {
  const auto lines = ReportOf(17, 3, 1500);
  EXPECT_EQ(ValueOf(lines, "Julianisches Datum"), "2269008.5 / modifiziert -130992");
  EXPECT_EQ(ValueOf(lines, "Jüdischer Kalender"), "17.Nisan 5260");
  // Read as a proleptic Gregorian date, the same numbers would be Julian
  // 8 March 1500, 8 Nisan.
}

}  // namespace
}  // namespace tempulo

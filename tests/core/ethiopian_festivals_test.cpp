// SPDX-License-Identifier: GPL-3.0-or-later
// The Ethiopian feasts, each on the date of the calendar it follows, and the
// report steps that feed the reform-era calendars.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "time/civil.h"
#include "time/clock.h"
#include "time/julian_day.h"
#include "report/festivals.h"
#include "report/report.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

long double Gregorian(int year, int month, int day) { return JulianDateOf(FixedFromGregorian({year, month, day})); }
long double Julian(int year, int month, int day) { return JulianDateOf(FixedFromJulian({year, month, day})); }

std::vector<std::string> Festivals(const EthiopianFestivalDay& day) {
  Report report;
  AddEthiopianFestivals(day, report);
  return report.Lines();
}

EthiopianFestivalDay GregorianDay(int year, int month, int day, CivilDate easter = {}) {
  return {Gregorian(year, month, day), day, month, 0, 0, easter};
}

using Lines = std::vector<std::string>;

TEST(EthiopianFestivalsTest, EachFeastOnItsOwnCalendarsDate) {
  struct Case {
    const char* what;
    EthiopianFestivalDay day;
    Lines expected;
  };
  const CivilDate easter2025{2025, 4, 20};
  const CivilDate easter2005{2005, 5, 1};
  const Case cases[] = {
      {"Genna", GregorianDay(2025, 1, 7), {"\tGenna, Äthiopisches Weihnachten"}},
      // Genna keeps the civil 7 January; in the Julian calendar that is 11 Tir.
      {"Genna and Timkat on Julian 7 January",
       {Julian(1500, 1, 7), 7, 1, 0, 0, {}},
       {"\tGenna, Äthiopisches Weihnachten", "\tTimkat"}},
      {"Timkat 11 Tir", GregorianDay(2025, 1, 19), {"\tTimkat"}},
      // After an Ethiopian leap year Tir starts a day later.
      {"Timkat after a leap year", GregorianDay(2024, 1, 20), {"\tTimkat"}},
      {"no Timkat a day early", GregorianDay(2024, 1, 19), {}},
      {"Enqutatash", GregorianDay(2025, 9, 11), {"\tEnqutatash, Neujahr"}},
      {"Enqutatash after the sixth Pagume", GregorianDay(2023, 9, 12), {"\tEnqutatash, Neujahr"}},
      {"Meskal", GregorianDay(2025, 9, 27), {"\tMeskal"}},
      {"Meskal after the sixth Pagume", GregorianDay(2023, 9, 28), {"\tMeskal"}},
      {"Id Al Fitir on 1 Shawwal",
       {Gregorian(2025, 3, 30), 30, 3, 1, 10, easter2025},
       {"\tId Al Fitir, Fastenmonatende"}},
      {"Id Al Adha on 10 Dhu'l-Hijja",
       {Gregorian(2025, 6, 6), 6, 6, 10, 12, easter2025},
       {"\tId Al Adha"}},
      {"Moulid on 12 Rabi al-Awwal",
       {Gregorian(2025, 9, 4), 4, 9, 12, 3, easter2025},
       {"\tMoulid, Geburt des Propheten"}},
      {"Good Friday", GregorianDay(2025, 4, 18, easter2025), {"\tÄthiopischer Karfreitag"}},
      {"Holy Saturday is no feast", GregorianDay(2025, 4, 19, easter2025), {}},
      {"Easter", GregorianDay(2025, 4, 20, easter2025), {"\tFasika, Äthiopisches Osterfest"}},
      {"Good Friday in the month before Easter",
       GregorianDay(2005, 4, 29, easter2005),
       {"\tÄthiopischer Karfreitag"}},
      {"Easter before the reform, Julian calendar",
       {Julian(1500, 4, 19), 19, 4, 0, 0, {1500, 4, 19}},
       {"\tFasika, Äthiopisches Osterfest"}},
      // The former fixed Gregorian days carry nothing by themselves.
      {"old fixed Id Al Fitir", GregorianDay(2025, 3, 13, easter2025), {}},
      {"old fixed Easter", GregorianDay(2025, 4, 27, easter2025), {}},
      {"no Easter date known", GregorianDay(2025, 4, 20, CivilDate{}), {}},
      {"an Easter date that is no date", GregorianDay(2025, 4, 20, CivilDate{2025, 13, 40}), {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Festivals(c.day), c.expected) << c.what;
  }
}

TEST(EthiopianFestivalsTest, SeveralFeastsOnOneDayKeepTheRowOrder) {
  // 7 January that is also 1 Shawwal and 12 Rabi al-Awwal cannot happen, but
  // the rows are tested one after the other all the same.
  EthiopianFestivalDay day = GregorianDay(2025, 1, 7);
  day.islamicDay = 1;
  day.islamicMonth = 10;
  EXPECT_EQ(Festivals(day), (Lines{"\tGenna, Äthiopisches Weihnachten", "\tId Al Fitir, Fastenmonatende"}));
  EthiopianFestivalDay meskerem = GregorianDay(2025, 9, 11);
  meskerem.islamicDay = 12;
  meskerem.islamicMonth = 3;
  EXPECT_EQ(Festivals(meskerem), (Lines{"\tMoulid, Geburt des Propheten", "\tEnqutatash, Neujahr"}));
}

// The report's lines that start with a label.
std::string LineOf(const Lines& lines, const std::string& label) {
  const auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& line) { return line.rfind(label + "\t", 0) == 0; });
  return it == lines.end() ? std::string() : it->substr(label.size() + 1);
}

Lines ReportOf(int day, int month, int year) {
  const FixedClock clock({2025, 1, 1}, {12, 0, 0});
  Report report;
  BuildReport(CivilDate{year, month, day}, clock, report);
  return report.Lines();
}

TEST(ModernCalendarReportTest, GregorianBasedLinesReadTheProlepticGregorianDateBeforeTheReform) {
  // 28 February, 29 February and 1 March 1500 of the Julian calendar are
  // 9, 10 and 11 March of the proleptic Gregorian calendar.
  // Days 68, 69 and 70 of the Gregorian year 1500, a common one.
  struct Case {
    int day, month;
    const char* positivist;
    const char* cotsworth;
    const char* discordian;
  };
  const Case cases[] = {
      {28, 2, "12.Aristoteles -288, Freitag, Tag: Archytas", "12.März -422, Donnerstag", "68.Chaos 2666 YOLD"},
      {29, 2, "13.Aristoteles -288, Sonnabend, Tag: Apollonius von Tyana", "13.März -422, Freitag",
       "69.Chaos 2666 YOLD"},
      {1, 3, "14.Aristoteles -288, Sonntag, Tag: Pythagoras", "14.März -422, Sonnabend", "70.Chaos 2666 YOLD"},
  };
  std::vector<std::string> seen;
  for (const Case& c : cases) {
    const Lines lines = ReportOf(c.day, c.month, 1500);
    EXPECT_EQ(LineOf(lines, "Positivisten-Kalender"), c.positivist);
    EXPECT_EQ(LineOf(lines, "Cotsworth-Kalender"), c.cotsworth);
    EXPECT_EQ(LineOf(lines, "Diskordianischer Kalender"), c.discordian);
    seen.push_back(LineOf(lines, "Positivisten-Kalender"));
  }
  EXPECT_NE(seen[0], seen[1]);
  EXPECT_NE(seen[1], seen[2]);
  // Julian 1 January 1500 is a day of the Gregorian year 1500 already; the
  // last days of Julian 1499 are the first days of it.
  EXPECT_EQ(LineOf(ReportOf(1, 1, 1500), "Diskordianischer Kalender"), "10.Chaos 2666 YOLD");
  EXPECT_EQ(LineOf(ReportOf(31, 12, 1499), "Diskordianischer Kalender"), "9.Chaos 2666 YOLD");
  // After the reform the civil date is the Gregorian one.
  EXPECT_EQ(LineOf(ReportOf(15, 10, 1582), "Diskordianischer Kalender"), "69.Bürokratie 2748 YOLD");
}

TEST(ModernCalendarReportTest, LinesInTheirPlaces) {
  const Lines january = ReportOf(7, 1, 2025);
  const auto ethiopian = std::find(january.begin(), january.end(), "Äthiopischer Kalender\t29.Tahesas 2017");
  ASSERT_NE(ethiopian, january.end());
  ASSERT_NE(ethiopian + 1, january.end());
  EXPECT_EQ(*(ethiopian - 1), "Koptischer Kalender\t29.Khoiak 1741");
  EXPECT_EQ(*(ethiopian + 1), "\tGenna, Äthiopisches Weihnachten");

  // The civil 1 January 1000 is a Julian date.
  const Lines year1000 = ReportOf(1, 1, 1000);
  EXPECT_EQ(LineOf(year1000, "Göttinnen-Kalender"), "25.Hathor 1225 4.Ära");
  EXPECT_EQ(LineOf(year1000, "Solilunar-Kalender"), "23.Julius 45 85.Ära");
  EXPECT_EQ(LineOf(year1000, "Iranischer Kalender"), "21.Dey -79 / 378");

  EXPECT_EQ(LineOf(ReportOf(31, 12, 1916), "Sowjetischer Revolutionskalender"), "");
  EXPECT_EQ(LineOf(ReportOf(1, 1, 1917), "Sowjetischer Revolutionskalender"), "1.Januar 1917");
  EXPECT_EQ(LineOf(ReportOf(11, 3, 1609), "Darischer Marskalender"), "");
  EXPECT_EQ(LineOf(ReportOf(7, 12, 2025), "Darischer Marskalender"),
            "18.Mithuna 221 (14); 4.Wochentag, Sol Mercurii");
}

}  // namespace
}  // namespace tempulo

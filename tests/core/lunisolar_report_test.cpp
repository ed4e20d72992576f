// SPDX-License-Identifier: GPL-3.0-or-later
// The report's Islamic, Jewish and Chinese lines and their festival tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/festivals.h"
#include "report/report.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

const FixedClock kClock({2024, 5, 17}, {12, 0, 0});

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// The report lines from the one starting with `from` up to the one before the
// line starting with `to`, without the Japanese line that stands between the
// Jewish and the Chinese block.
std::vector<std::string> ReportBlock(int day, int month, int year, const std::string& from,
                                     const std::string& to) {
  Report report;
  BuildReport(CivilDate{year, month, day}, kClock, report);
  std::vector<std::string> block;
  bool inside = false;
  for (const std::string& line : report.Lines()) {
    if (StartsWith(line, from)) {
      inside = true;
    } else if (StartsWith(line, to)) {
      break;
    }
    if (inside && !StartsWith(line, "Japanischer Kalender\t")) {
      block.push_back(line);
    }
  }
  return block;
}

struct BlockCase {
  int day, month, year;
  std::vector<std::string> lines;
};

class IslamicJewishLinesTest : public testing::TestWithParam<BlockCase> {};

TEST_P(IslamicJewishLinesTest, FollowEachOtherWithTheirFestivals) {
  const BlockCase& c = GetParam();
  EXPECT_EQ(ReportBlock(c.day, c.month, c.year, "Islamischer Kalender\t", "Chinesischer Kalender\t"),
            c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, IslamicJewishLinesTest,
    testing::Values(
        BlockCase{1, 1, 2000, {"Islamischer Kalender\t24.Ramadan 1420", "Jüdischer Kalender\t23.Tevet 5760"}},
        BlockCase{8,
                  7,
                  2024,
                  {"Islamischer Kalender\t1.Muharram 1446", "\tIslamisches Neujahrsfest",
                   "Jüdischer Kalender\t2.Tammuz 5784"}},
        BlockCase{11,
                  3,
                  2024,
                  {"Islamischer Kalender\t1.Ramadan 1445", "\tBeginn der Fastenzeit, Ramadan",
                   "Jüdischer Kalender\t1.Adar 2 5784"}},
        // Both tables can match one day.
        BlockCase{16,
                  9,
                  2023,
                  {"Islamischer Kalender\t1.Rabi al-Awwal 1445", "\tAuswanderung nach Medina",
                   "Jüdischer Kalender\t1.Tishri 5784", "\tRosh Hashanah, Jüdisches Neujahr"}},
        // Hanukkah begins on 25 Kislev, not on the 23rd.
        BlockCase{8,
                  12,
                  2023,
                  {"Islamischer Kalender\t25.Djumada l-Ula 1445", "Jüdischer Kalender\t25.Kislev 5784",
                   "\tHanukkah"}},
        BlockCase{6,
                  12,
                  2023,
                  {"Islamischer Kalender\t23.Djumada l-Ula 1445", "Jüdischer Kalender\t23.Kislev 5784"}},
        // Passover week: 15 to 21 Nisan.
        BlockCase{
            19, 4, 2000, {"Islamischer Kalender\t14.Muharram 1421", "Jüdischer Kalender\t14.Nisan 5760"}},
        BlockCase{
            20,
            4,
            2000,
            {"Islamischer Kalender\t15.Muharram 1421", "Jüdischer Kalender\t15.Nisan 5760", "\tPassahfest"}},
        BlockCase{
            26,
            4,
            2000,
            {"Islamischer Kalender\t21.Muharram 1421", "Jüdischer Kalender\t21.Nisan 5760", "\tPassahfest"}},
        BlockCase{
            27, 4, 2000, {"Islamischer Kalender\t22.Muharram 1421", "Jüdischer Kalender\t22.Nisan 5760"}},
        // The Jewish date starts with the year 359; its first days need the
        // Passover of 358.
        BlockCase{31, 12, 358, {"Islamischer Kalender\t13.Djumada l-Ula -271"}},
        BlockCase{
            1, 1, 359, {"Islamischer Kalender\t14.Djumada l-Ula -271", "Jüdischer Kalender\t15.Tevet 4119"}},
        BlockCase{1, 6, 100, {"Islamischer Kalender\t5.Dhu'l-Qa'dah -538"}}));

// ---------------------------------------------------------------- festival tables

template <typename Date>
std::vector<std::string> Festivals(void (*add)(const Date&, Report&), const Date& date) {
  Report report;
  add(date, report);
  return report.Lines();
}

std::vector<std::string> Islamic(int month, int day) {
  return Festivals(AddIslamicFestivals, IslamicDay{1421, month, day});
}
std::vector<std::string> Jewish(int month, int day) {
  return Festivals(AddJewishFestivals, JewishDay{5760, month, day});
}
std::vector<std::string> Chinese(int month, int day) {
  ChineseDateRecord date;
  date.month = month;
  date.day = day;
  return Festivals(AddChineseFestivals, date);
}

TEST(FestivalTablesTest, IslamicRowsMatchDayAndMonth) {
  EXPECT_EQ(Islamic(3, 12), std::vector<std::string>{"\tGeburt des Propheten"});
  EXPECT_EQ(Islamic(2, 28), std::vector<std::string>{"\tTodestag des Propheten"});
  EXPECT_EQ(Islamic(12, 10), std::vector<std::string>{"\tIslamisches Opferfest"});
  EXPECT_TRUE(Islamic(12, 3).empty());
}

TEST(FestivalTablesTest, JewishRowsMatchMonthAndDay) {
  EXPECT_EQ(Jewish(7, 10), std::vector<std::string>{"\tYom Kippur, Versöhnungstag"});
  EXPECT_EQ(Jewish(9, 25), std::vector<std::string>{"\tHanukkah"});
  EXPECT_TRUE(Jewish(9, 23).empty());
  EXPECT_EQ(Jewish(2, 5), std::vector<std::string>{"\tJom ha-Azma''ut, Unabhängigkeitstag"});
  EXPECT_TRUE(Jewish(5, 2).empty());
}

TEST(FestivalTablesTest, ChineseRowsMatchDayAndMonth) {
  EXPECT_EQ(Chinese(5, 5), std::vector<std::string>{"\tDrachenbootfest"});
  EXPECT_EQ(Chinese(8, 15), std::vector<std::string>{"\tErntemondfest"});
  EXPECT_EQ(Chinese(12, 24), std::vector<std::string>{"\tHimmelfahrt der Götter"});
  EXPECT_TRUE(Chinese(15, 8).empty());
}

// ---------------------------------------------------------------- solar term

TEST(SolarTermIndexTest, CountsFifteenDegreeTermsOfTheSunsLongitude) {
  EXPECT_EQ(SolarTermIndex(180.0L), 0);  // the sun at exactly 360 degrees
  EXPECT_EQ(SolarTermIndex(180.5L), 0);
  EXPECT_EQ(SolarTermIndex(179.999L), 23);
  EXPECT_EQ(SolarTermIndex(0.0L), 12);
  EXPECT_EQ(SolarTermIndex(90.0L), 18);
  EXPECT_EQ(SolarTermIndex(359.999L), 11);
}

// ---------------------------------------------------------------- Chinese block

class ChineseLinesTest : public testing::TestWithParam<BlockCase> {};

TEST_P(ChineseLinesTest, GiveDateYearNameTermAndFestivals) {
  const BlockCase& c = GetParam();
  EXPECT_EQ(ReportBlock(c.day, c.month, c.year, "Chinesischer Kalender\t", "Französischer"), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ChineseLinesTest,
    testing::Values(BlockCase{1,
                              1,
                              2000,
                              {"Chinesischer Kalender\t25.11. des 16.Jahres im 78.Zyklus (4697)",
                               "\tJahr : Hase (ji-mao); Dongzhi - Wintersonnenwende"}},
                    BlockCase{5,
                              2,
                              2000,
                              {"Chinesischer Kalender\t1.1. des 17.Jahres im 78.Zyklus (4698)",
                               "\tJahr : Drache (geng-chen); Lichun - Frühlingsanfang",
                               "\tChinesisches Neujahrsfest"}},
                    // A leap month: "tan" after the month, and the festivals of
                    // the month it repeats.
                    BlockCase{22,
                              3,
                              2023,
                              {"Chinesischer Kalender\t1.2.tan des 40.Jahres im 78.Zyklus (4721)",
                               "\tJahr : Hase (gui-mao); Chunfen - Frühlingstagundnachtgleiche",
                               "\tGedeihen der Saaten"}}));

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/holidays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "time/civil.h"
#include "time/julian_day.h"
#include "report/holiday_lines.h"
#include "report/refresh.h"
#include "time/clock.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 3000;

// ---------------------------------------------------------------- helpers

// Julian Day of a civil date: Julian up to 14 October 1582 (5-14 October
// continue the Julian calendar), Gregorian after.
long double DateJD(int year, int month, int day) {
  const bool julian = year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day <= 14)));
  return julian ? JulianDateOf(FixedFromJulian({year, month, day}))
                : JulianDateOf(FixedFromGregorian({year, month, day}));
}

// 0 = Sunday ... 6 = Saturday.
int WeekdayOfJD(long double jd) { return static_cast<int>(static_cast<std::int64_t>(jd + 1.5L) % 7); }

// Julian Easter by the Paschal full moons of the 19-year cycle (days counted
// from 1 March): the first Sunday after the full moon of the golden number.
CivilDate JulianEasterByFullMoons(int year) {
  static constexpr std::array<int, 19> kFullMoons = {36, 25, 44, 33, 22, 41, 30, 49, 38, 27,
                                                     46, 35, 24, 43, 32, 21, 40, 29, 48};
  const long double fullMoon =
      JulianDateOf(FixedFromJulian({year, 3, 1})) + kFullMoons[static_cast<std::size_t>(year % 19)] - 1;
  return JulianFromFixed(FixedFromJulianDate(fullMoon + 7 - WeekdayOfJD(fullMoon)));
}

// The anonymous Gregorian algorithm.
CivilDate GregorianEasterAnonymous(int year) {
  const int a = year % 19;
  const int b = year / 100;
  const int c = year % 100;
  const int h = (19 * a + b - b / 4 - (b - (b + 8) / 25 + 1) / 3 + 15) % 30;
  const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
  const int n = h + l - 7 * ((a + 11 * h + 22 * l) / 451) + 114;
  return {year, n / 31, n % 31 + 1};
}

// A Julian-calendar date moved onto the Gregorian calendar by counting the
// days between the calendars off one at a time (valid from March on).
CivilDate JulianToGregorianByDays(CivilDate date) {
  const int shift = date.year / 100 - date.year / 400 - 2;
  for (int i = 0; i < shift; ++i) {
    if (++date.day > CivilMonthLength(date.year, date.month)) {
      date.day = 1;
      ++date.month;
    }
  }
  return date;
}

CivilDate AddDays(CivilDate date, int days) {
  const long double jd = DateJD(date.year, date.month, date.day) + days;
  return date.year <= 1582 ? JulianFromFixed(FixedFromJulianDate(jd)) : GregorianFromFixed(FixedFromJulianDate(jd));
}

// The month's list and the day's report lines, worded as the refresh words them.
void BuildList(HolidayTable& table, int year, int month, int day, std::vector<std::string>& list,
               Report& report) {
  const std::vector<DatedHoliday> holidays = table.MonthHolidays(year, month);
  const std::vector<std::string> lines = HolidayListLines(holidays);
  list.insert(list.end(), lines.begin(), lines.end());
  AddHolidayReportLines(holidays, day, report);
}

struct BuiltList {
  std::vector<std::string> month;  // the month's list
  std::vector<std::string> day;    // the selected day's names from the report
};

BuiltList Build(int year, int month, int day) {
  HolidayTable table = HolidayTable::Standard();
  BuiltList built;
  Report report;
  BuildList(table, year, month, day, built.month, report);
  for (const std::string& line : report.Lines()) {
    built.day.push_back(line.substr(std::string("Feier-,Gedenktag\t").size()));
  }
  return built;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// ---------------------------------------------------------------- the table

TEST(HolidayTableTest, LoadParsesRowsAndCutsNamesByCharacters) {
  std::string long40;
  std::string exact38;
  for (int i = 0; i < 40; ++i) {
    long40 += "ä";
  }
  for (int i = 0; i < 38; ++i) {
    exact38 += "Ö";
  }
  const std::string row40 = "3,4," + long40;
  const std::string row38 = "5,6," + exact38;
  HolidayTable table;
  table.Load({"1,2,Eins, zwei, drei", row40, row38, "7,8,", "x,1,Kein Tag", "1,Kein Monat", "",
              "256,1,Zu groß", "-1,1,Negativ", "1, 2,Leerzeichen", "9,10,Letzte"});
  const std::vector<HolidayRecord>& records = table.Records();
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].name, "Eins, zwei, drei");
  EXPECT_EQ(records[0].day, 1);
  EXPECT_EQ(records[0].month, 2);
  EXPECT_EQ(records[1].name, Utf8Left(long40, 38));
  EXPECT_EQ(Utf8Length(records[1].name), 38u);
  EXPECT_EQ(records[2].name, exact38);
  EXPECT_EQ(records[3].name, "");
  EXPECT_EQ(records[4].name, "Letzte");

  EXPECT_EQ(HolidayTable::Standard().Records().size(), 125u);
}

TEST(HolidayTableTest, ShortTableTakesNoMovableDateOutsideItself) {
  HolidayTable table;
  table.Load({"0,0,Beweglich", "1,1,Neujahr"});
  std::vector<std::string> monthList;
  Report report;
  for (int month = 1; month <= 12; ++month) {
    BuildList(table, 2013, month, 1, monthList, report);
  }
  EXPECT_EQ(monthList, std::vector<std::string>{"01\tNeujahr"});
  EXPECT_EQ(table.Records()[0].day, 0);
}

// ---------------------------------------------------------------- computus

TEST(EasterTest, MatchesIndependentComputusForEveryYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const CivilDate julian = JulianEasterByFullMoons(year);
    ASSERT_EQ(JulianEasterDay(year), julian.month == 3 ? julian.day : julian.day + 31) << year;
    const CivilDate expected = year <= 1582 ? julian : GregorianEasterAnonymous(year);
    ASSERT_EQ(EasterSunday(year), expected) << year;
    if (year >= 1583) {
      ASSERT_EQ(GregorianEasterDay(year), expected.month == 3 ? expected.day : expected.day + 31) << year;
    }
  }
}

TEST(EasterTest, OrthodoxEasterIsTheJulianComputusInTheCalendarOfItsYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const CivilDate julian = JulianEasterByFullMoons(year);
    const CivilDate easter = year <= 1582 ? julian : JulianToGregorianByDays(julian);
    ASSERT_EQ(OrthodoxEasterSunday(year), easter) << year;
    ASSERT_EQ(OrthodoxPentecost(year), AddDays(easter, 49)) << year;
  }
}

TEST(EasterTest, OrthodoxDatesOfKnownYears) {
  struct Case {
    int year;
    CivilDate easter;
    CivilDate pentecost;
  };
  static constexpr Case kCases[] = {
      {1500, {1500, 4, 19}, {1500, 6, 7}},   // Julian calendar, as computed
      {1900, {1900, 4, 22}, {1900, 6, 10}},  // 12 days after the Julian date
      {2013, {2013, 5, 5}, {2013, 6, 23}},  {2024, {2024, 5, 5}, {2024, 6, 23}},
      {2101, {2101, 4, 24}, {2101, 6, 12}},  // 14 days
      {3000, {3000, 4, 20}, {3000, 6, 8}},   // 21 days
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(OrthodoxEasterSunday(c.year), c.easter) << c.year;
    EXPECT_EQ(OrthodoxPentecost(c.year), c.pentecost) << c.year;
  }
}

// ---------------------------------------------------------------- every year

enum Weekday { kSun = 0, kMon, kTue, kWed, kThu, kFri, kSat };
constexpr int kNotEasterCycle = 1000;

struct MovableRow {
  int row;
  MonthDay first;  // the earliest and the latest date the row may take
  MonthDay last;
  Weekday weekday;
  int daysAfterEaster;
};

// Orthodox Easter reaches 16 May (Julian 25 April + 21 days) in 3000.
constexpr std::array<MovableRow, 27> kMovableRows = {{
    {6, {3, 20}, {4, 23}, kFri, -2},
    {7, {3, 22}, {4, 25}, kSun, 0},
    {8, {3, 23}, {4, 26}, kMon, 1},
    {9, {5, 10}, {6, 13}, kSun, 49},
    {10, {5, 11}, {6, 14}, kMon, 50},
    {11, {4, 30}, {6, 3}, kThu, 39},
    {14, {11, 16}, {11, 22}, kWed, kNotEasterCycle},
    {15, {5, 21}, {6, 24}, kThu, 60},
    {17, {2, 3}, {3, 9}, kTue, -47},
    {18, {11, 22}, {11, 28}, kThu, kNotEasterCycle},
    {19, {2, 2}, {3, 8}, kMon, -48},
    {20, {3, 15}, {4, 18}, kSun, -7},
    {25, {2, 4}, {3, 10}, kWed, -46},
    {26, {3, 25}, {3, 31}, kSun, kNotEasterCycle},
    {27, {10, 25}, {10, 31}, kSun, kNotEasterCycle},
    {28, {12, 18}, {12, 24}, kSun, kNotEasterCycle},
    {29, {12, 11}, {12, 17}, kSun, kNotEasterCycle},
    {30, {12, 4}, {12, 10}, kSun, kNotEasterCycle},
    {31, {11, 27}, {12, 3}, kSun, kNotEasterCycle},
    {32, {5, 8}, {5, 14}, kSun, kNotEasterCycle},
    {33, {3, 29}, {5, 2}, kSun, 7},
    {34, {5, 17}, {6, 20}, kSun, 56},
    {35, {3, 19}, {4, 22}, kThu, -3},
    {36, {3, 22}, {5, 16}, kSun, kNotEasterCycle},
    {37, {5, 10}, {7, 4}, kSun, kNotEasterCycle},
    {123, {10, 1}, {10, 7}, kSun, kNotEasterCycle},
    {124, {11, 20}, {11, 26}, kSun, kNotEasterCycle},
}};

bool Before(MonthDay a, MonthDay b) { return a.month < b.month || (a.month == b.month && a.day < b.day); }

TEST(MovableFeastTest, EveryYearStaysInItsMonthAndOnItsWeekday) {
  HolidayTable table = HolidayTable::Standard();
  const SeasonStartRecord seasons = {{{3, 20}, {6, 21}, {9, 22}, {12, 21}}};
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    table.ApplyMovableDates(year, seasons);
    const std::vector<HolidayRecord>& records = table.Records();
    const long double easterJD = DateJD(year, records[6].month, records[6].day);
    for (const MovableRow& movable : kMovableRows) {
      const HolidayRecord& record = records[static_cast<std::size_t>(movable.row - 1)];
      if ((movable.row == 26 || movable.row == 27) && year < 1983) {
        ASSERT_EQ(record.day, 0) << year << " row " << movable.row;
        continue;
      }
      const MonthDay date = {record.month, record.day};
      ASSERT_GE(record.day, 1) << year << " row " << movable.row;
      ASSERT_LE(record.day, CivilMonthLength(year, record.month)) << year << " row " << movable.row;
      ASSERT_FALSE(Before(date, movable.first)) << year << " row " << movable.row;
      ASSERT_FALSE(Before(movable.last, date)) << year << " row " << movable.row;
      const long double jd = DateJD(year, record.month, record.day);
      if (movable.daysAfterEaster != kNotEasterCycle) {
        ASSERT_EQ(jd - easterJD, movable.daysAfterEaster) << year << " row " << movable.row;
      }
      ASSERT_EQ(WeekdayOfJD(jd), movable.weekday) << year << " row " << movable.row;
    }
  }
}

// ---------------------------------------------------------------- the list

TEST(HolidayListTest, EntriesOfSelectedDays) {
  struct Case {
    int year;
    int month;
    int day;
    const char* name;
    bool listed;
  };
  static constexpr Case kCases[] = {
      // Easter 2000 and its cycle.
      {2000, 4, 23, "Ostern", true},
      {2000, 4, 21, "Karfreitag", true},
      {2000, 4, 24, "Ostermontag", true},
      {2000, 4, 30, "Weißer Sonntag", true},
      {2000, 4, 16, "Palmsonntag", true},
      {2000, 4, 20, "Gründonnerstag", true},
      // Easter on 22 March puts Ascension on 30 April.
      {1598, 4, 30, "Himmelfahrt", true},
      {1693, 4, 30, "Himmelfahrt", true},
      {1761, 4, 30, "Himmelfahrt", true},
      {1818, 4, 30, "Himmelfahrt", true},
      {2285, 4, 30, "Himmelfahrt", true},
      {1478, 4, 30, "Himmelfahrt", true},
      {1573, 4, 30, "Himmelfahrt", true},
      // Easter on 16 April: Fasching on the last day of February.
      {2028, 2, 29, "Fasching", true},
      {2017, 2, 28, "Fasching", true},
      {2013, 11, 20, "Bußtag", true},
      {2013, 11, 24, "Totensonntag", true},
      {2013, 12, 1, "1.Advent, Beginn des Kirchenjahres", true},
      {2013, 12, 8, "2.Advent", true},
      {2013, 12, 15, "3.Advent", true},
      {2013, 12, 22, "4.Advent", true},
      {2012, 11, 25, "Totensonntag", true},
      // 4.Advent on the 21st puts 1.Advent into November.
      {2014, 11, 30, "1.Advent, Beginn des Kirchenjahres", true},
      // Summer time from 1983 on.
      {1982, 3, 28, "Anfang der Sommerzeit", false},
      {1982, 9, 26, "Ende der Sommerzeit", false},
      {1983, 3, 27, "Anfang der Sommerzeit", true},
      {1983, 10, 30, "Ende der Sommerzeit", true},
      // Orthodox Easter in the Gregorian calendar of its own year.
      {2013, 5, 5, "Orthodoxer Ostersonntag", true},
      {2013, 6, 23, "Orthodoxer Pfingstsonntag", true},
      {1900, 4, 22, "Orthodoxer Ostersonntag", true},
      {1900, 4, 23, "Orthodoxer Ostersonntag", false},
      {2101, 4, 24, "Orthodoxer Ostersonntag", true},
      {2101, 6, 12, "Orthodoxer Pfingstsonntag", true},
      // Before the reform the Julian weekdays: 1500 began on a Wednesday.
      {1500, 5, 10, "Muttertag", true},
      {1500, 11, 18, "Bußtag", true},
      {1500, 12, 20, "4.Advent", true},
      // 1582 up to 14 October by its Julian weekdays: 13 May and 7 October
      // are Sundays, 9 May and 3 October Wednesdays. November and December
      // are Gregorian: 17 November a Wednesday, 19 December a Sunday.
      {1582, 5, 13, "Muttertag", true},
      {1582, 5, 9, "Muttertag", false},
      {1582, 10, 7, "Erntedankfest", true},
      {1582, 10, 3, "Erntedankfest", false},
      {1582, 11, 17, "Bußtag", true},
      {1582, 12, 19, "4.Advent", true},
      {1582, 11, 21, "Totensonntag", true},
      // The leap day only in leap years of the year's calendar.
      {2024, 2, 29, "Schalttag", true},
      {2023, 2, 29, "Schalttag", false},
      {2100, 2, 29, "Schalttag", false},
      {2000, 2, 29, "Schalttag", true},
      {1700, 2, 29, "Schalttag", false},
      {1500, 2, 29, "Schalttag", true},
      {1300, 2, 29, "Schalttag", true},
      {1582, 2, 29, "Schalttag", false},
      // Mended fixed rows.
      {2013, 3, 25, "Maria Verkündigung", true},
      {2013, 5, 23, "Maria Verkündigung", false},
      {2013, 10, 24, "Tag der Vereinten Nationen", true},
      {2013, 8, 24, "Tag der Vereinten Nationen", false},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Contains(Build(c.year, c.month, c.day).day, c.name), c.listed)
        << c.name << " " << c.day << "." << c.month << "." << c.year;
  }
}

TEST(HolidayListTest, MonthListHasDayNumbersOnFirstEntriesOnly) {
  const std::vector<std::string> november = {
      "01\tAller Heiligen", "02\tAllerseelen",     "11\tMartinstag", "\tUnabhängigkeitstag Polen",
      "14\tTag des Apfels", "\tWelt-Diabetes-Tag", "20\tBußtag",     "\tTag der Rechte des Kindes",
      "24\tTotensonntag",   "28\tThanksgiving",
  };
  EXPECT_EQ(Build(2013, 11, 1).month, november);

  const std::vector<std::string> may = Build(2013, 5, 1).month;
  ASSERT_GE(may.size(), 2u);
  EXPECT_EQ(may[0], "01\tMaitag");
  EXPECT_EQ(may[1], "\tStaatsfeiertag Österreich");
}

TEST(HolidayListTest, SelectedDayFollowsTheDateLineInTheReport) {
  HolidayTable table = HolidayTable::Standard();
  const FixedClock clock({2013, 12, 25}, {12, 0, 0});
  const RefreshResult result = Refresh(CivilDate{2013, 12, 25}, table, clock);
  ASSERT_GE(result.reportLines.size(), 4u);
  EXPECT_EQ(result.reportLines[0], "Datum\t25.Dezember 2013");
  EXPECT_EQ(result.reportLines[1], " ");
  EXPECT_EQ(result.reportLines[2], "Feier-,Gedenktag\tWeihnachten");
  EXPECT_NE(result.reportLines[3].rfind("Feier-,Gedenktag\t", 0), 0u);
  EXPECT_TRUE(Contains(result.holidayLines, "25\tWeihnachten"));
}

TEST(HolidayListTest, MovableRowsFollowEachRefreshedYear) {
  HolidayTable table = HolidayTable::Standard();
  std::vector<std::string> list1983;
  std::vector<std::string> list1982;
  Report report;
  BuildList(table, 1983, 3, 1, list1983, report);
  BuildList(table, 1982, 3, 1, list1982, report);
  // 27 March 1983 is also Palm Sunday, so the row follows it.
  EXPECT_TRUE(Contains(list1983, "\tAnfang der Sommerzeit"));
  EXPECT_EQ(list1982, Build(1982, 3, 1).month);
  for (const std::string& line : list1982) {
    EXPECT_EQ(line.find("Sommerzeit"), std::string::npos) << line;
  }
}

TEST(HolidayListTest, MonthOutsideTheYearListsNothing) {
  HolidayTable table = HolidayTable::Standard();
  std::vector<std::string> monthList;
  Report report;
  BuildList(table, 2013, 0, 1, monthList, report);
  BuildList(table, 2013, 13, 1, monthList, report);
  EXPECT_TRUE(monthList.empty());
  EXPECT_TRUE(report.Lines().empty());
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// Examples and edge cases of the reform, invented and planetary calendars,
// one table per calendar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/day_values.h"
#include "report/registry.h"
#include "report/report.h"
#include "time/civil.h"
#include "time/clock.h"
#include "time/julian_day.h"
#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"

namespace tempulo {
namespace {

long double Gregorian(int year, int month, int day) { return JulianDateOf(FixedFromGregorian({year, month, day})); }
long double Julian(int year, int month, int day) { return JulianDateOf(FixedFromJulian({year, month, day})); }

// The lines one report entry words for the civil day that holds a Julian Date.
std::vector<std::string> EntryLines(void (*add)(DayValues&, Report&), long double jd) {
  const FixedClock clock({2025, 1, 1}, {12, 0, 0});
  DayValues values(CivilFromFixed(FixedFromJulianDate(jd)), clock);
  Report report;
  add(values, report);
  return report.Lines();
}

// The text after the label of an entry's first line.
std::string EntryText(void (*add)(DayValues&, Report&), long double jd) {
  const std::vector<std::string> lines = EntryLines(add, jd);
  return lines.empty() ? std::string() : lines.front().substr(lines.front().find('\t') + 1);
}

struct JdCase {
  long double jd;
  const char* expected;
};

TEST(FrenchRepublicanTest, EpochYearEndsAndWeekNames) {
  const JdCase cases[] = {
      {Gregorian(1791, 9, 24), "-"},
      {Gregorian(1791, 9, 25), "2.Vendémiaire 0 (Duodi)"},
      {Gregorian(1792, 9, 22), "5.jour compl. 0"},
      {Gregorian(1792, 9, 23), "1.Vendémiaire 1 (Primedi)"},
      {Gregorian(1792, 10, 2), "10.Vendémiaire 1 (Decadi)"},
      {Gregorian(1795, 9, 22), "5.jour compl. 3"},
      {Gregorian(1795, 9, 23), "6.jour compl. 3"},
      {Gregorian(1795, 9, 24), "1.Vendémiaire 4 (Primedi)"},
      {Gregorian(2025, 9, 21), "2.jour compl. 233"},
      {Gregorian(2025, 12, 7), "14.Frimaire 234 (Quartidi)"},
      // Far in the future the plain four-year rule still runs: no century
      // correction.
      {Gregorian(3000, 12, 31), "30.Frimaire 1209 (Decadi)"},
  };
  for (const JdCase& c : cases) {
    EXPECT_EQ(EntryText(AddFrenchRepublican, c.jd), c.expected) << static_cast<double>(c.jd);
  }
}

TEST(SovietTest, HolidaysAndMonths) {
  struct Case {
    int year;
    int dayOfYear;
    const char* expected;
  };
  const Case cases[] = {
      {1917, 1, "1.Januar 1917"},
      {2021, 31, "Lenintag 2021"},
      {2020, 61, "30.Februar 2020"},
      {2020, 62, "Schalttag 2020"},
      {2020, 63, "1.März 2020"},
      {2025, 62, "1.März 2025"},
      {2025, 122, "1.Tag der Arbeit 2025"},
      {2025, 123, "2.Tag der Arbeit 2025"},
      {2025, 124, "1.Mai 2025"},
      {2025, 310, "7.November 2025"},
      {2025, 311, "1.Tag der Industrie 2025"},
      {2025, 312, "2.Tag der Industrie 2025"},
      {2025, 313, "8.November 2025"},
      {2020, 314, "8.November 2020"},
      {2025, 341, "6.Dezember 2025"},
      {2020, 366, "30.Dezember 2020"},
      {2025, 365, "30.Dezember 2025"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryText(AddSoviet, Gregorian(c.year, 1, 1) + c.dayOfYear - 1), c.expected)
        << c.year << " " << c.dayOfYear;
  }
  // Nothing before the revolution's year.
  EXPECT_TRUE(EntryLines(AddSoviet, Gregorian(1916, 12, 31)).empty());
}

TEST(CopticEthiopianTest, ArithmeticCalendarFromTheJulianDay) {
  struct Case {
    long double jd;
    const char* coptic;
    const char* ethiopian;
  };
  const Case cases[] = {
      {Gregorian(2025, 12, 7), "28.Athor 1742", "28.Hidar 2018"},
      {Gregorian(2025, 1, 1), "23.Khoiak 1741", "23.Tahesas 2017"},
      {Gregorian(2025, 9, 10), "5.Nasie 1741", "5.Pagume 2017"},
      {Gregorian(2025, 9, 11), "1.Thuout 1742", "1.Meskerem 2018"},
      // The year before a Gregorian leap year ends with a sixth epagomenal
      // day, and the new year and the following months start a day later.
      {Gregorian(2023, 9, 11), "6.Nasie 1739", "6.Pagume 2015"},
      {Gregorian(2023, 9, 12), "1.Thuout 1740", "1.Meskerem 2016"},
      {Gregorian(2023, 12, 31), "21.Khoiak 1740", "21.Tahesas 2016"},
      {Gregorian(2024, 1, 1), "22.Khoiak 1740", "22.Tahesas 2016"},
      {Gregorian(2024, 1, 9), "30.Khoiak 1740", "30.Tahesas 2016"},
      {Gregorian(2024, 1, 10), "1.Tobi 1740", "1.Tir 2016"},
      {Gregorian(2024, 2, 29), "21.Mekhir 1740", "21.Yekatit 2016"},
      {Gregorian(2024, 3, 1), "22.Mekhir 1740", "22.Yekatit 2016"},
      {Gregorian(2024, 9, 10), "5.Nasie 1740", "5.Pagume 2016"},
      {Gregorian(2024, 9, 11), "1.Thuout 1741", "1.Meskerem 2017"},
      // 1 Thout of year 1: 29 August 284 of the Julian calendar.
      {Julian(284, 8, 29), "1.Thuout 1", "1.Meskerem 277"},
      {Julian(284, 8, 28), "5.Nasie 0", "5.Pagume 276"},
      // Julian 1 January 100 follows a Coptic leap year: 1 Thout fell on 30 August 99.
      {Julian(100, 1, 1), "5.Tobi -184", "5.Tir 92"},
      {Julian(99, 8, 29), "6.Nasie -185", "6.Pagume 91"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryLines(AddCopticEthiopian, c.jd),
              (std::vector<std::string>{std::string("Koptischer Kalender\t") + c.coptic,
                                        std::string("Äthiopischer Kalender\t") + c.ethiopian}))
        << static_cast<double>(c.jd);
  }
  EXPECT_EQ(CopticMonthName(0), "");
  EXPECT_EQ(EthiopianMonthName(14), "");
}

TEST(IranianTest, ExamplesExtraDaysAndCycleStarts) {
  const JdCase cases[] = {
      {Gregorian(2025, 12, 7), "22.Asar 947 / 1404"},
      {Gregorian(2025, 3, 15), "30.Esfand 946 / 1403"},
      {Gregorian(2025, 3, 16), "1.Zusatztag 946 / 1403"},
      {Gregorian(2025, 3, 20), "5.Zusatztag 946 / 1403"},
      {Gregorian(2025, 3, 21), "1.Farvardin 947 / 1404"},
      {Gregorian(2025, 4, 19), "30.Farvardin 947 / 1404"},
      {Gregorian(2025, 4, 20), "1.Ordibehescht 947 / 1404"},
      // The proleptic Gregorian 1 January 1000.
      {2086302.5L, "16.Dey -79 / 378"},
      // The first day of a 128-year cycle is the leap day of the year before.
      {Gregorian(1992, 3, 21), "6.Zusatztag 913 / 1370"},
      {Gregorian(1992, 3, 22), "1.Farvardin 914 / 1371"},
      {Gregorian(2120, 3, 21), "6.Zusatztag 1041 / 1498"},
      {Gregorian(2120, 3, 22), "1.Farvardin 1042 / 1499"},
      // Before the day-count epoch: cycles counted downward.
      {2074693.5L, "5.Zusatztag -111 / 346"},
      {2074694.5L, "6.Zusatztag -111 / 346"},
      {2074695.5L, "1.Farvardin -110 / 347"},
      {Julian(100, 1, 1), "14.Dey -979 / -522"},
  };
  for (const JdCase& c : cases) {
    EXPECT_EQ(EntryText(AddIranian, c.jd), c.expected) << static_cast<double>(c.jd);
  }
}

TEST(PositivistCotsworthTest, ExamplesFestivalsAndLeapDays) {
  struct Case {
    int year, month, day;
    const char* positivist;
    const char* cotsworth;
  };
  const Case cases[] = {
      {2025, 1, 1, "1.Moses 237, Montag, Tag: Prometheus", "1.Januar 103, Sonntag"},
      {2025, 12, 7, "5.Bichat 237, Freitag, Tag: Bradley", "5.Dezember 103, Donnerstag"},
      {2025, 12, 30, "28.Bichat 237, Sonntag, Tag: Gall", "28.Dezember 103, Sonnabend"},
      {2025, 12, 31, "Festtag der großen Toten", "Sylvester 103"},
      {2025, 6, 17, "28.Saint Paul 237, Sonntag, Tag: Bossuet", "28.Juni 103, Sonnabend"},
      {2025, 6, 18, "1.Charlemagne 237, Montag, Tag: Theodorich der Große", "1.Sol 103, Sonntag"},
      {2024, 2, 29, "4.Aristoteles 236, Donnerstag, Tag: Anaxagoras", "4.März 102, Mittwoch"},
      {2024, 6, 16, "28.Saint Paul 236, Sonntag, Tag: Bossuet", "28.Juni 102, Sonnabend"},
      {2024, 6, 17, "1.Charlemagne 236, Montag, Tag: Theodorich der Große", "Olympic 102"},
      {2024, 6, 18, "2.Charlemagne 236, Dienstag, Tag: Pelayo", "1.Sol 102, Sonntag"},
      {2024, 12, 30, "Festtag der großen Toten", "28.Dezember 102, Sonnabend"},
      {2024, 12, 31, "Festtag der heiligen Jungfrau", "Sylvester 102"},
      {1789, 1, 15, "15.Moses 1, Montag, Tag: Fo-Hi", "15.Januar -133, Sonntag"},
      {1788, 2, 2, "5.Homer 0, Freitag, Tag: Sophokles", "5.Februar -134, Donnerstag"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryText(AddPositivist, Gregorian(c.year, c.month, c.day)), c.positivist);
    EXPECT_EQ(EntryText(AddCotsworth, Gregorian(c.year, c.month, c.day)), c.cotsworth);
  }
}

TEST(PositivistCotsworthTest, DayNameListHoldsEveryDayOnce) {
  EXPECT_EQ(kPositivistDayNames[0], "Prometheus");
  EXPECT_EQ(kPositivistDayNames[29], "Tyrtæus");
  EXPECT_EQ(kPositivistDayNames[111], "Plinius der Ältere");
  EXPECT_EQ(kPositivistDayNames[363], "Gall");
  EXPECT_EQ(kPositivistDayNames[364], "");
  for (std::size_t i = 0; i < 364; ++i) {
    EXPECT_FALSE(kPositivistDayNames[i].empty()) << i;
  }
}

TEST(DiscordianTest, SeasonsAndStTibsDay) {
  struct Case {
    int day, month, year;
    const char* expected;
  };
  const Case cases[] = {
      {1, 1, 2025, "1.Chaos 3191 YOLD"},           {29, 2, 2024, "St.Tib's Day 3190 YOLD"},
      {28, 2, 2024, "59.Chaos 3190 YOLD"},         {1, 3, 2024, "60.Chaos 3190 YOLD"},
      {1, 3, 2025, "60.Chaos 3191 YOLD"},          {14, 3, 2025, "73.Chaos 3191 YOLD"},
      {15, 3, 2025, "1.Zwietracht 3191 YOLD"},     {7, 12, 2025, "49.Der Ausklang 3191 YOLD"},
      {31, 12, 2024, "73.Der Ausklang 3190 YOLD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryText(AddDiscordian, Gregorian(c.year, c.month, c.day)), c.expected);
  }
  EXPECT_EQ(CommonDayOfYear(1, 3), 60);
  EXPECT_EQ(CommonDayOfYear(31, 12), 365);
}

TEST(GoddessSolilunarTest, EpochsExamplesAndTheWalkBackwards) {
  struct Case {
    long double jd;
    const char* goddess;
    const char* solilunar;
  };
  const Case cases[] = {
      {Gregorian(1999, 2, 15), "29.Maat 537 5.Ära", "1.Lilius 24 102.Ära"},
      {Gregorian(1999, 2, 16), "1.Astarte 538 5.Ära", "2.Lilius 24 102.Ära"},
      {Gregorian(1999, 3, 16), "29.Astarte 538 5.Ära", "30.Lilius 24 102.Ära"},
      {Gregorian(1999, 3, 17), "1.Bast 538 5.Ära", "1.Aristarchus 25 102.Ära"},
      {Gregorian(2025, 12, 7), "17.Lakshmi 564 5.Ära", "18.Ibrahim 51 102.Ära"},
      // The proleptic Gregorian 1 January 1000 and the civil (Julian) one.
      {2086302.5L, "20.Hathor 1225 4.Ära", "18.Julius 45 85.Ära"},
      {2086307.5L, "25.Hathor 1225 4.Ära", "23.Julius 45 85.Ära"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryText(AddGoddess, c.jd), c.goddess) << static_cast<double>(c.jd);
    EXPECT_EQ(EntryText(AddSolilunar, c.jd), c.solilunar) << static_cast<double>(c.jd);
  }
}

TEST(GoddessSolilunarTest, GoddessYearLengths) {
  struct Case {
    int n, length, firstMonth;
  };
  const Case cases[] = {
      {538, 354, 29}, {540, 384, 30}, {543, 385, 31}, {2, 382, 28},  {1001, 382, 28},
      {499, 383, 29}, {599, 384, 30}, {993, 385, 31}, {-3, 385, 31}, {-2, 354, 29},
  };
  for (const Case& c : cases) {
    const GoddessYearShape shape = GoddessYear(c.n);
    EXPECT_EQ(shape.length, c.length) << c.n;
    EXPECT_EQ(shape.firstMonth, c.firstMonth) << c.n;
  }
}

TEST(MarsTest, ExampleAndEpoch) {
  struct Case {
    int year, month, day;
    TimeOfDay time;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {2025,
       12,
       7,
       {12, 0, 0},
       {"Julianisches Marsdatum\t148138.8673, 379.Tag des Marsjahres",
        "Darischer Marskalender\t18.Mithuna 221 (14); 4.Wochentag, Sol Mercurii"}},
      // Later on the same day the next sol has begun.
      {2025,
       12,
       7,
       {15, 30, 0},
       {"Julianisches Marsdatum\t148139.0092, 380.Tag des Marsjahres",
        "Darischer Marskalender\t19.Mithuna 221 (14); 5.Wochentag, Sol Jovis"}},
      {1609, 3, 11, {23, 59, 59}, {}},
      {1609, 3, 12, {0, 59, 59}, {}},
      // The first sol after the epoch is the last sol of the year before.
      {1609,
       3,
       12,
       {1, 0, 0},
       {"Julianisches Marsdatum\t0, 668.Tag des Marsjahres",
        "Darischer Marskalender\t28.Vrishika -1 (24); 7.Wochentag, Sol Saturni"}},
      {1609,
       3,
       13,
       {12, 0, 0},
       {"Julianisches Marsdatum\t1.4193, 0.Tag des Marsjahres",
        "Darischer Marskalender\t1.Sagittarius 0 (1); 1.Wochentag, Sol Solis"}},
  };
  for (const Case& c : cases) {
    const FixedClock clock({2025, 1, 1}, c.time);
    DayValues values({c.year, c.month, c.day}, clock);
    Report report;
    AddMars(values, report);
    EXPECT_EQ(report.Lines(), c.lines) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(MarsTest, YearSplitKeepsTheCountInsideItsYear) {
  struct Case {
    long double sols;
    long long year;
    long double rest;
  };
  const Case cases[] = {
      {0.5L, -1, 669.5L},
      {1.0L, 0, 1.0L},
      {668.5L, 0, 668.5L},   // year 0 is short; its last sol
      {669.0L, 1, 1.0L},     // year 1 is long
      {1337.5L, 1, 669.5L},  // its last sol
      {2005.5L, 2, 668.5L},  // year 2 is short
      {2006.5L, 3, 1.5L},    // no sol 669 in a short year
      // Year 100 has 668 sols although its month 24 has 28.
      {66860.25L, 100, 1.25L},
      {67527.5L, 100, 668.5L},
      {67528.5L, 101, 1.5L},
  };
  for (const Case& c : cases) {
    const MarsYearSplit split = SplitMarsYears(c.sols);
    EXPECT_EQ(split.year, c.year) << static_cast<double>(c.sols);
    EXPECT_NEAR(static_cast<double>(split.sols), static_cast<double>(c.rest), 1e-9)
        << static_cast<double>(c.sols);
  }
  EXPECT_EQ(DarianMonthLength({.year = 200, .month = 24}), 28);
  EXPECT_EQ(MarsYearLength(200), 668);
  EXPECT_EQ(DarianMonthLength({.year = 222, .month = 24}), 27);
  EXPECT_EQ(DarianMonthLength({.year = 222, .month = 18}), 27);
  EXPECT_EQ(DarianDateOf(2006.5L).month, 1);
}

}  // namespace
}  // namespace tempulo

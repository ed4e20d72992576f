// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/calendar_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendars/traditional/chinese.h"
#include "calendars/traditional/maya.h"
#include "report/registry.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

const LookupCalendar& Calendar(std::string_view id) {
  const LookupCalendar* calendar = FindLookupCalendar(id);
  EXPECT_NE(calendar, nullptr) << id;
  return *calendar;
}

std::optional<CivilDate> From(const std::string& text) {
  std::string why;
  std::optional<CivilDate> date = ParseAnyDateArgument(text, why);
  EXPECT_TRUE(date.has_value()) << text << ": " << why;
  return date;
}

// The date a calendar's report line shows for the day, looked up again,
// names that day: for a sample of days over the whole range 100..3000 and
// its two ends. The Chinese calendar, a thousand times costlier per day, is
// sampled more thinly.
TEST(CalendarLookup, TheReportsDateOfADayLeadsBackToIt) {
  const FixedDay first = FixedFromCivil({100, 1, 1});
  const FixedDay last = FixedFromCivil({3000, 12, 31});
  for (const LookupCalendar& calendar : LookupCalendars()) {
    const std::int64_t stride = calendar.id == "chinese" ? 997 : 37;
    const ReportEntry* entry = FindReportEntry(calendar.id);
    int checked = 0;
    for (FixedDay day = first; day <= last; day = day + stride) {
      for (const FixedDay probe : {day, day + 1}) {
        const CivilDate civil = CivilFromFixed(probe);
        const std::optional<CalendarFields> shown = calendar.fromFixed(probe);
        if (!shown || civil.year > 3000 || (entry != nullptr && !entry->AppliesTo(civil.year))) {
          continue;
        }
        std::string why;
        const std::optional<CivilDate> found = LookUpDate(calendar, *shown, why);
        ASSERT_TRUE(found.has_value())
            << calendar.id << " " << civil.year << "-" << civil.month << "-" << civil.day << ": " << why;
        EXPECT_EQ(*found, civil) << calendar.id;
        ++checked;
      }
    }
    for (const FixedDay end : {first, last}) {
      if (const std::optional<CalendarFields> shown = calendar.fromFixed(end)) {
        std::string why;
        if (entry == nullptr || entry->AppliesTo(CivilFromFixed(end).year)) {
          EXPECT_EQ(LookUpDate(calendar, *shown, why), CivilFromFixed(end)) << calendar.id << ": " << why;
        }
      }
    }
    EXPECT_GT(checked, 50) << calendar.id;
  }
}

TEST(ChineseWayBack, EveryDayOfTwoLeapYearsAndTheirNeighbours) {
  // 2020 (leap month after the 4th) and 1984..1985 (leap month after the
  // 10th), day by day: the way back returns each day, and the day after the
  // last of a month is no 30th where the month has 29 days.
  for (const auto& [from, to] : std::vector<std::pair<CivilDate, CivilDate>>{
           {{2020, 1, 1}, {2021, 2, 15}}, {{1984, 10, 1}, {1985, 1, 31}}}) {
    for (FixedDay day = FixedFromCivil(from); day <= FixedFromCivil(to); ++day) {
      const ChineseDateRecord d = ChineseDate(DateValueOf(day));
      EXPECT_EQ(FixedFromChinese(d.elapsedYears, d.month, d.isLeapMonth, d.day), day) << day.value;
      if (d.day == 29 && ChineseDate(DateValueOf(day + 1)).day == 1) {
        EXPECT_FALSE(FixedFromChinese(d.elapsedYears, d.month, d.isLeapMonth, 30).has_value()) << day.value;
      }
    }
  }
}

// Published dates, none computed here.
struct Published {
  std::string from;
  CivilDate civil;
};

TEST(CalendarLookup, PublishedConversions) {
  const std::vector<Published> cases = {
      // Chinese New Year (1st day of the 1st month), from the Hong Kong
      // Observatory's Gregorian-Lunar calendar conversion tables; the report
      // numbers the year 2026-2027 as 4724.
      {"chinese:4598-1-1", {1900, 1, 31}},
      {"chinese:4610-1-1", {1912, 2, 18}},
      {"chinese:4648-1-1", {1950, 2, 17}},
      {"chinese:4683-1-1", {1985, 2, 20}},
      {"chinese:4688-1-1", {1990, 1, 27}},
      {"chinese:4698-1-1", {2000, 2, 5}},
      {"chinese:4699-1-1", {2001, 1, 24}},
      {"chinese:4702-1-1", {2004, 1, 22}},
      {"chinese:4706-1-1", {2008, 2, 7}},
      {"chinese:4710-1-1", {2012, 1, 23}},
      {"chinese:4715-1-1", {2017, 1, 28}},
      {"chinese:4718-1-1", {2020, 1, 25}},
      {"chinese:4721-1-1", {2023, 1, 22}},
      {"chinese:4722-1-1", {2024, 2, 10}},
      {"chinese:4723-1-1", {2025, 1, 29}},
      {"chinese:4724-1-1", {2026, 2, 17}},
      {"chinese:4731-1-1", {2033, 1, 31}},
      {"chinese:4748-1-1", {2050, 1, 23}},
      {"chinese:4798-1-1", {2100, 2, 9}},
      // Roman dates (Julian calendar, years from the founding of Rome): the
      // ides of March, the day before the nones of January, the count to the
      // January kalends from after the December ides, and the doubled day of
      // a leap year (ANTE DIEM BIS VI KALENDAS MARTIAS, 25 February).
      {"roman:2779-9-1", {2026, 3, 28}},
      {"roman:2779-2-2", {2026, 1, 17}},
      {"roman:2779-1-19", {2026, 12, 27}},
      {"roman:2779-1-1", {2026, 1, 14}},
      {"roman:2777-37-6", {2024, 3, 9}},
      {"roman:2777-7-6", {2024, 3, 8}},
      // Japanese eras, each for its whole Gregorian years, by name or number.
      {"japanese:meiji-1-1-1", {1868, 1, 1}},
      {"japanese:Heisei-1-1-8", {1989, 1, 8}},
      {"japanese:4-30-12-31", {2018, 12, 31}},
      {"japanese:REIWA-8-12-9", {2026, 12, 9}},
      // The epochs of the Goddess and the Solilunar counts.
      {"goddess:5-538-1-1", {1999, 2, 16}},
      {"solilunar:102-25-1-1", {1999, 3, 17}},
      // Leap months of the same tables: the leap 4th month of 2020, the leap
      // 2nd month of 2023, the leap 6th month of 2017.
      {"chinese:4718-4tan-1", {2020, 5, 23}},
      {"chinese:4721-2tan-1", {2023, 3, 22}},
      {"chinese:4715-6tan-1", {2017, 7, 23}},
      // Jewish New Year, 1 Tishri, and the first day of Passover, 15 Nisan,
      // as the published Jewish calendars list them.
      {"jewish:5760-7-1", {1999, 9, 11}},
      {"jewish:5761-7-1", {2000, 9, 30}},
      {"jewish:5784-7-1", {2023, 9, 16}},
      {"jewish:5785-7-1", {2024, 10, 3}},
      {"jewish:5786-7-1", {2025, 9, 23}},
      {"jewish:5787-7-1", {2026, 9, 12}},
      {"jewish:5784-1-15", {2024, 4, 23}},
      // 1 Muharram of the tabular (arithmetic) Islamic calendar, epoch
      // 16 July 622 (Julian), as the tabular calendar's published tables
      // give it.
      {"islamic:1-1-1", {622, 7, 16}},
      {"islamic:1421-1-1", {2000, 4, 6}},
      {"islamic:1445-1-1", {2023, 7, 19}},
      // The long count with the correlation 584283 (0.0.0.0.0 is Julian Day
      // Number 584283): 13.0.0.0.0 ended the 13th baktun on 21 December 2012.
      {"maya:13.0.0.0.0", {2012, 12, 21}},
      // Ethiopian New Year 2016, Coptic 1 Thout 1740, Indian 1 Chaitra 1946
      // (a leap year, so 21 March).
      {"ethiopian:2016-1-1", {2023, 9, 12}},
      {"coptic_ethiopian:1740-1-1", {2023, 9, 12}},
      {"indian:1946-1-1", {2024, 3, 21}},
      // The Julian calendar: the day before the reform.
      {"julian:1582-10-4", {1582, 10, 4}},
      {"julian:1582-10-5", {1582, 10, 15}},
      {"julian:2000-1-1", {2000, 1, 14}},
  };
  for (const Published& c : cases) {
    EXPECT_EQ(From(c.from), c.civil) << c.from;
  }
  // The correlation itself.
  EXPECT_EQ(JulianDateOf(FixedFromMayaLongCount({})), 584282.5L);
}

struct Rejected {
  std::string from;
  std::string why;
};

TEST(CalendarLookup, DatesThatDoNotExistAreNamed) {
  const std::vector<Rejected> cases = {
      {"jewish:5786-8-30", "Den 30. Heshvan gibt es im Jahr 5786 nicht (Heshvan hat 29 Tage)."},
      {"jewish:5785-13-1", "Das Jahr 5785 hat keinen Monat Adar 2."},
      {"jewish:5785-14-1", "Den Monat 14 gibt es nicht (Jüdischer Kalender: 1 bis 13)."},
      {"chinese:4722-2tan-1", "Das Jahr 4722 hat keinen Schaltmonat nach dem 2. Monat."},
      {"islamic:1445-2-30", "Den 30. Safar gibt es im Jahr 1445 nicht (Safar hat 29 Tage)."},
      {"julian:1900-2-30", "Den 30. Februar gibt es im Jahr 1900 nicht (Februar hat 29 Tage)."},
      {"julian:1901-4-31", "Den 31. April gibt es im Jahr 1901 nicht (April hat 30 Tage)."},
      {"coptic_ethiopian:1739-13-7", "Den 7. "},
      {"maya:13.0.0.18.0", "Die Stelle Uinal 18 liegt außerhalb von 0 bis 17."},
      {"maya:20.0.0.0.0", "Die Stelle Baktun 20 liegt außerhalb von 0 bis 19."},
      {"maya:7.0.0.0.0", "außerhalb der Jahre 100 bis 3000"},
      {"julian:99-12-31", "außerhalb der Jahre 100 bis 3000"},
      {"julian:3001-1-1", "außerhalb der Jahre 100 bis 3000"},
      {"islamic:9999-1-1", "Das Jahr 9999 liegt außerhalb der Jahre 100 bis 3000 (Islamischer Kalender)."},
      {"jewish:4100-7-1", "Das Jahr 4100 liegt außerhalb"},
      {"jewish:4115-7-1", "Für das Jahr 4115 zeigt der Bericht keine Tage (Jüdischer Kalender)."},
      {"jewish:4119-7-1", "erst ab dem Jahr 359"},
      {"julian:2000-1-32", "Einen 32. Tag hat kein Monat (Julianischer Kalender)."},
      {"nowhere:2000-1-1", "Den Kalender \"nowhere\" kennt --from nicht"},
      {"maya:13.0.0.0", "hat nicht die Form B.K.T.U.K"},
      {"maya:13.0.0.0.0.0", "hat nicht die Form B.K.T.U.K"},
      {"islamic:1445-1", "hat nicht die Form JJJJ-MM-TT"},
      {"islamic:1445-x-1", "hat nicht die Form JJJJ-MM-TT"},
      {"islamic:1445-1tan-1", "hat nicht die Form JJJJ-MM-TT"},
      {"islamic:--1-1-1", "hat nicht die Form JJJJ-MM-TT"},
      {"chinese:", "hat nicht die Form"},
      {"2026-02-29", "Den 29. Februar 2026 gibt es nicht."},
      {"roman:2779-37-6", "Das Jahr 2779 hat keinen Monat Schalttag"},
      {"roman:2779-1-20", "Einen 20. Tag hat kein Monat (Römischer Kalender)."},
      {"roman:2779-2-5", "Den 5. Nonen des Januar gibt es im Jahr 2779 nicht (Nonen des Januar hat 4 Tage)."},
      {"japanese:heisei-31-1-1",
       "Für das Jahr 31 der Ära Heisei zeigt der Bericht keine Tage (Japanischer Kalender)."},
      {"japanese:6-1-1-1", "Die Ära 6 gibt es im Bericht nicht (Japanischer Kalender: 1 Meiji bis 5 Reiwa)."},
      {"japanese:edo-1-1-1", "hat nicht die Form ÄRA-JJ-MM-TT"},
      {"japanese:meiji-1-1", "hat nicht die Form ÄRA-JJ-MM-TT"},
      {"goddess:3-1-1-1", "Die Ära 3 gibt es im Bericht nicht (Göttinnen-Kalender: 4.Ära bis 5.Ära)."},
      {"solilunar:102-61-1-1", "Das Jahr 61 liegt außerhalb der Jahre 100 bis 3000 (Solilunar-Kalender)."},
  };
  for (const Rejected& c : cases) {
    std::string why;
    EXPECT_FALSE(ParseAnyDateArgument(c.from, why).has_value()) << c.from;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.from << ": " << why;
  }
}

TEST(CalendarLookup, PlainDatesAndNegativeYears) {
  EXPECT_EQ(From("2026-12-08"), (CivilDate{2026, 12, 8}));
  EXPECT_EQ(From("1582-10-10"), (CivilDate{1582, 10, 10}));
  // Years before an era's start are negative in the report.
  const std::optional<CivilDate> coptic = From("coptic_ethiopian:-184-5-5");
  ASSERT_TRUE(coptic.has_value());
  EXPECT_EQ(coptic->year, 100);
}

TEST(CalendarLookup, MonthListsCarryTheLeapMonths) {
  const std::vector<CalendarMonth> jewish = MonthsOf(Calendar("jewish"));
  ASSERT_EQ(jewish.size(), 13U);
  EXPECT_EQ(jewish.front().name, "Nisan");
  EXPECT_EQ(jewish.back().name, "Adar 2");
  const std::vector<CalendarMonth> chinese = MonthsOf(Calendar("chinese"));
  ASSERT_EQ(chinese.size(), 24U);
  EXPECT_EQ(chinese[1].name, "Schaltmonat nach dem 1. Monat");
  EXPECT_TRUE(chinese[1].leapMonth);
  EXPECT_EQ(MonthsOf(Calendar("coptic_ethiopian")).size(), 13U);
  EXPECT_TRUE(MonthsOf(Calendar("maya")).empty());
  // Every calendar's identifier is unique, and each is an entry of the
  // report or a line of one.
  for (const LookupCalendar& calendar : LookupCalendars()) {
    EXPECT_EQ(FindLookupCalendar(calendar.id), &calendar);
    EXPECT_NE(LookupHelpText().find(std::string(calendar.id)), std::string::npos);
  }
}

}  // namespace
}  // namespace tempulo

namespace tempulo {
namespace {

// "--from help" gives every way a whole line of its own, however long its
// date form, and lines up the columns by characters.
TEST(CalendarLookup, HelpNamesEveryWayOnALineOfItsOwn) {
  const std::string help = LookupHelpText();
  for (const LookupCalendar& calendar : LookupCalendars()) {
    const std::string start = "\n  " + std::string(calendar.id) + " ";
    const std::size_t at = help.find(start);
    ASSERT_NE(at, std::string::npos) << calendar.id;
    const std::string line = help.substr(at + 1, help.find('\n', at + 1) - at - 1);
    EXPECT_TRUE(line.ends_with(" " + std::string(calendar.label))) << line;
    EXPECT_NE(line.find(" " + std::string(calendar.form) + " "), std::string::npos) << line;
  }
  EXPECT_NE(help.find("\n  goddess            ÄRA-JJJJ-MM-TT                           Göttinnen-Kalender\n"),
            std::string::npos);
}

}  // namespace
}  // namespace tempulo

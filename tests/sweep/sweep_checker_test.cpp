// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep must catch what it is there for: a real refresh with one fault
// put in is checked beside the same refresh unchanged, and the fault's check
// must count more findings. And its own date arithmetic must be right.
#include "sweep_checker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "civil_days.h"
#include "holidays/holidays.h"
#include "name_tables.h"
#include "report/registry.h"
#include "report_lines.h"
#include "sweep_runner.h"

namespace tempulo::sweep {
namespace {

// Puts the fault into a refresh; false when the line to change is not there
// (a part still to be built).
using Change = std::function<bool(RefreshResult&)>;

// Replaces the value of the first line with this label.
Change SetValue(std::string label, std::string value) {
  return [label, value](RefreshResult& r) {
    for (std::string& line : r.reportLines) {
      if (line.rfind(label + "\t", 0) == 0) {
        line = label + "\t" + value;
        return true;
      }
    }
    return false;
  };
}

Change Replace(std::string label, std::string from, std::string to) {
  return [label, from, to](RefreshResult& r) {
    for (std::string& line : r.reportLines) {
      const std::size_t at = line.find(from);
      if (line.rfind(label + "\t", 0) == 0 && at != std::string::npos) {
        line.replace(at, from.size(), to);
        return true;
      }
    }
    return false;
  };
}

Change Remove(std::string label) {
  return [label](RefreshResult& r) {
    return std::erase_if(r.reportLines,
                         [&](const std::string& line) { return line.rfind(label + "\t", 0) == 0; }) > 0;
  };
}

struct Fault {
  const char* name;
  int day;
  int month;
  int year;
  Change change;
  const char* check;  // the check that must find it
};

std::int64_t Findings(const SweepChecker& checker, const std::string& check) {
  const auto it = checker.Stats().byCheck.find(check);
  return it == checker.Stats().byCheck.end() ? 0 : it->second.unexpected;
}

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

class PlantedFault : public ::testing::TestWithParam<Fault> {};

TEST_P(PlantedFault, IsFound) {
  const Fault& fault = GetParam();
  HolidayTable holidays = HolidayTable::Standard();
  const long double jd = CivilJulianDate(fault.year, fault.month, fault.day);
  const YearMonthDay before = jd - 1 < 2299160.5L ? JulianCalendarOf(jd - 1) : GregorianCalendarOf(jd - 1);
  const SweepDay dayBefore{before.day, before.month, static_cast<int>(before.year), jd - 1};
  const SweepDay day{fault.day, fault.month, fault.year, jd};
  const RefreshResult first =
      Refresh(CivilDate{dayBefore.year, dayBefore.month, dayBefore.day}, holidays, SweepClock());
  const RefreshResult second = Refresh(CivilDate{day.year, day.month, day.day}, holidays, SweepClock());

  SweepChecker clean;
  clean.Check(dayBefore, first);
  clean.Check(day, second);
  RefreshResult changed = second;
  if (!fault.change(changed)) {
    GTEST_SKIP() << "nothing to change: " << fault.name;
  }
  SweepChecker planted;
  planted.Check(dayBefore, first);
  planted.Check(day, changed);
  EXPECT_GT(Findings(planted, fault.check), Findings(clean, fault.check)) << fault.name;
}

const Fault kFaults[] = {
    {"nan", 1, 1, 2000, SetValue("Julianisches Datum", "nan / modifiziert 51544"), "Zahlen: nan/inf/-0"},
    {"wrong Julian Date", 1, 1, 2000, SetValue("Julianisches Datum", "2451545.5 / modifiziert 51545"),
     "julian_date: value"},
    {"day 0", 1, 1, 2000, Replace("Altägyptischer Kalender", "12.Pachon", "0.Pachon"), "egyptian: day"},
    {"day beyond the month", 1, 1, 2000, Replace("Altägyptischer Kalender", "12.Pachon", "31.Pachon"),
     "egyptian: day"},
    {"name outside the table", 1, 1, 2000, Replace("Armenischer Kalender", "Araths", "Arath"),
     "armenian: name"},
    {"skipped day", 1, 1, 2000, Replace("Koptischer Kalender", "22.Khoiak", "23.Khoiak"),
     "coptic_ethiopian: succession"},
    {"repeated day", 1, 1, 2000, Replace("Azteken-Kalender", "3.Hueitozoztli", "2.Hueitozoztli"),
     "aztec: succession"},
    {"skipped day at the reform", 15, 10, 1582, Replace("Julianischer Kalender", "5.Oktober", "6.Oktober"),
     "julian: value"},
    {"missing line", 1, 1, 2000, Remove("Sowjetischer Revolutionskalender"), "soviet: order"},
    {"line out of its years", 1, 1, 1800,
     [](RefreshResult& r) {
       r.reportLines.insert(r.reportLines.begin() + 9, "Japanischer Kalender\t1.Mutsuki Meiji 1");
       return true;
     },
     "Bericht: order"},
    {"lines swapped", 1, 1, 2000,
     [](RefreshResult& r) {
       for (std::size_t i = 0; i + 1 < r.reportLines.size(); ++i) {
         if (r.reportLines[i].rfind("Azteken-Kalender\t", 0) == 0) {
           std::swap(r.reportLines[i], r.reportLines[i + 1]);
           return true;
         }
       }
       return false;
     },
     "bahai: order"},
    {"wrong weekday name", 2, 1, 2000, SetValue("UNO-Weltkalender", "2.1. Sonntag"), "world: name"},
    {"Roman date of another day", 1, 1, 2000, Replace("Römischer Kalender", "XIV", "XIII"), "roman: value"},
    {"Positivist day name", 1, 1, 2000, Replace("Positivisten-Kalender", "Prometheus", "Hercules"),
     "positivist: name"},
    {"empty value", 1, 1, 2000, SetValue("60 Wochen-Kalender", ""), "sixty_week: format"},
    {"sunrise at noon", 1, 1, 2000, SetValue("Sonnenaufgang", "01.01.2000 12:00:00 MEZ"),
     "sun_moon.sunrise: value"},
    {"moon age against the phases", 1, 1, 2000, SetValue("Mondalter", "10.5 Tage"),
     "sun_moon.next_last_quarter: value"},
    {"lit fraction against the age", 1, 1, 2000, SetValue("Aktuelle Phase", "90 %"),
     "sun_moon.moon_phase: value"},
    {"unexpected error", 1, 1, 2000,
     [](RefreshResult& r) {
       r.error = "Fehler!";
       return true;
     },
     "Fehler!: unexpected"},
    {"wrong caption", 1, 1, 2000,
     [](RefreshResult& r) {
       r.caption = "Tempulo 2.Januar 2000";
       return true;
     },
     "Fenster: caption"},
    {"holiday missing from the month's list", 1, 5, 2000,
     [](RefreshResult& r) {
       if (r.holidayLines.empty()) {
         return false;
       }
       r.holidayLines.pop_back();
       return true;
     },
     "Feiertagsliste: value"},
    {"holiday missing from the report", 25, 12, 2000,
     [](RefreshResult& r) {
       return std::erase_if(r.reportLines,
                            [](const std::string& l) { return l == "Feier-,Gedenktag\tWeihnachten"; }) > 0;
     },
     "holiday: value"},
};

INSTANTIATE_TEST_SUITE_P(Faults, PlantedFault, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

// A line without checking code of its own is read by its calendar's way: a
// date the way does not give is found.
TEST(SweepLines, ALineWithoutCheckingCodeIsReadByItsWay) {
  HolidayTable holidays = HolidayTable::Standard();
  const EntryChoice all = EntryChoice::All();
  // 20 September 2026 is 7 September 7535 of the Byzantine era (Julian months).
  const SweepDay before{19, 9, 2026, CivilJulianDate(2026, 9, 19)};
  const SweepDay day{20, 9, 2026, CivilJulianDate(2026, 9, 20)};
  const RefreshResult first = Refresh(CivilDate{2026, 9, 19}, holidays, SweepClock(), {.entries = &all});
  const RefreshResult second = Refresh(CivilDate{2026, 9, 20}, holidays, SweepClock(), {.entries = &all});
  SweepChecker clean({}, 5, true);
  clean.Check(before, first);
  clean.Check(day, second);
  EXPECT_EQ(clean.Stats().unexpected, 0);
  RefreshResult changed = second;
  ASSERT_TRUE(Replace("Byzantinischer Kalender", "7.September 7535", "7.September 7534")(changed));
  SweepChecker planted({}, 5, true);
  planted.Check(before, first);
  planted.Check(day, changed);
  EXPECT_EQ(Findings(planted, "byzantine: value"), 1);
}

// The sweep's lines are the entry table's: every entry shown by default with
// its further lines, in the table's order, and every piece of checking code
// names a line the table has, so none is left behind when a line goes.
TEST(SweepLines, AreTheEntryTables) {
  const auto entries = ReportEntries();
  const std::vector<SweptLine>& lines = SweptLines();
  std::size_t position = 0;
  for (const SweptLine& line : lines) {
    if (line.entry.empty()) {
      EXPECT_EQ(position, 0U) << line.id << ": the refresh's own lines come first";
      continue;
    }
    while (position < entries.size() && entries[position].id != line.entry) {
      ++position;
    }
    ASSERT_LT(position, entries.size()) << line.id << " is out of the table's order";
    EXPECT_TRUE(entries[position].shownByDefault) << line.id;
    if (line.id == line.entry) {
      EXPECT_EQ(line.label, entries[position].label) << line.id;
    } else {
      EXPECT_EQ(ReportLineId(line.entry, line.label), line.id);
    }
    EXPECT_EQ(LineIndexOf(lines, line.id), &line - lines.data()) << line.id << " is listed twice";
  }
  const EntryChoice shown;
  for (const ReportEntry& entry : entries) {
    EXPECT_EQ(LineIndexOf(lines, entry.id) >= 0, shown.Shows(entry)) << entry.id;
  }
  for (const ReportLineIdRow& row : ReportLineIds()) {
    EXPECT_EQ(LineIndexOf(lines, row.id) >= 0, row.entry.empty() || shown.Shows(row.entry)) << row.id;
  }
  for (const LineRule& rule : LineRules()) {
    const int index = LineIndexOf(lines, rule.id);
    ASSERT_GE(index, 0) << rule.id << " is no line of the default report";
    EXPECT_EQ(lines[static_cast<std::size_t>(index)].rule, &rule) << rule.id;
  }
}

// The sweep reads names through the code's accessors: each table it uses
// is full, every index names something, and no name stands twice (a wrong
// offset or count would show as an empty or repeated name).
TEST(SweepNames, TablesAreFullAndDistinct) {
  const std::vector<std::pair<const char*, const NameTable*>> tables = {
      {"German months", &kGermanMonths},
      {"report weekdays", &kReportWeekdays},
      {"Berber months", &kBerberMonths},
      {"Jewish months", &kJewishMonths},
      {"Islamic months", &kIslamicMonths},
      {"solar terms", &kSolarTerms},
      {"animals", &kAnimals},
      {"stems", &kStems},
      {"branches", &kBranches},
      {"Japanese months", &kJapaneseMonths},
      {"Roman months", &kRomanMonths},
      {"French months", &kFrenchMonths},
      {"decade days", &kDecadeDays},
      {"Egyptian months", &kEgyptianMonths},
      {"Armenian months", &kArmenianMonths},
      {"Maya signs", &kMayaSigns},
      {"Maya months", &kMayaMonths},
      {"Aztec periods", &kAztecPeriods},
      {"Bahai months", &kBahaiMonths},
      {"Bahai years", &kBahaiYearNames},
      {"Coptic months", &kCopticMonths},
      {"Ethiopian months", &kEthiopianMonths},
      {"Indian months", &kIndianMonths},
      {"Nanakshahi months", &kNanakshahiMonths},
      {"Babylonian months", &kBabylonianMonths},
      {"Iranian months", &kIranianMonths},
      {"Positivist months", &kPositivistMonths},
      {"Positivist weekdays", &kPositivistWeekdays},
      {"Cotsworth months", &kCotsworthMonths},
      {"Saturday-first weekdays", &kSaturdayFirstWeekdays},
      {"Goddess months", &kGoddessMonths},
      {"Solilunar months", &kSolilunarMonths},
      {"Discordian seasons", &kDiscordianSeasons},
      {"Mars months", &kMarsMonths},
      {"Mars sols", &kMarsSols},
      {"six-day week", &kSixDayWeek},
      {"sixty-week named days", &kSixtyWeekNamedDays},
      {"festivals", &kFestivals},
      {"Positivist days", &kPositivistDayNames},
  };
  for (const auto& [what, table] : tables) {
    for (int i = 0; i < table->count; ++i) {
      EXPECT_FALSE((*table)[i].empty()) << what << " " << i;
      EXPECT_EQ(IndexOf(*table, (*table)[i]), i) << what << " " << i << " " << (*table)[i];
    }
    EXPECT_TRUE((*table)[table->count].empty()) << what << " is longer than the sweep reads";
  }
  // Spot checks of the offsets against published names.
  EXPECT_EQ(kReportWeekdays[0], "Dienstag");  // JD 0 began on a Monday noon
  EXPECT_EQ(kJewishMonths[0], "Nisan");
  EXPECT_EQ(kSolarTerms[0], "Chunfen - Frühlingstagundnachtgleiche");
  EXPECT_EQ(kPositivistDayNames[0], "Prometheus");
  EXPECT_EQ(kPositivistDayNames[363], "Gall");
  EXPECT_EQ(kSixtyWeekNamedDays[5], "Neujahr");
  EXPECT_EQ(kDecadeDays[0], "Decadi");
}

TEST(SweepNames, HolidayRowsAreTheBuiltInTable) {
  const std::vector<HolidayRow>& rows = HolidayRows();
  ASSERT_EQ(rows.size(), StandardHolidayRows().size());
  for (const HolidayRow& row : rows) {
    EXPECT_TRUE(row.day >= 0 && row.day <= 31 && row.month >= 0 && row.month <= 12 && !row.name.empty())
        << row.day << "," << row.month << "," << row.name;
  }
  EXPECT_EQ(rows[0].name, "Neujahr");
  EXPECT_EQ(rows[0].day, 1);
  EXPECT_EQ(rows[0].month, 1);
}

TEST(SweepDays, CivilCalendarAroundTheReform) {
  EXPECT_EQ(CivilJulianDate(2000, 1, 1), 2451544.5L);
  EXPECT_EQ(CivilJulianDate(1582, 10, 4), 2299159.5L);
  EXPECT_EQ(CivilJulianDate(1582, 10, 5), 2299160.5L);  // continues the Julian calendar
  EXPECT_EQ(CivilJulianDate(1582, 10, 15), 2299160.5L);
  EXPECT_EQ(CivilJulianDate(100, 1, 1), 1757582.5L);
  EXPECT_EQ(JulianCalendarOf(2451544.5L), (YearMonthDay{1999, 12, 19}));
  EXPECT_EQ(GregorianCalendarOf(2299160.5L), (YearMonthDay{1582, 10, 15}));
  EXPECT_EQ(JulianCalendarOf(JulianDateOfJulian(-288, 2, 29)), (YearMonthDay{-288, 2, 29}));
  EXPECT_EQ(DaysOfYear(1582).size(), 366U);  // October keeps its 31 day numbers; the Fehler day
  EXPECT_EQ(DaysOfYear(1500).size(), 366U);  // a Julian leap year
  EXPECT_EQ(DaysOfYear(1501).size(), 366U);  // 365 days and the Fehler day
  EXPECT_TRUE(DaysOfYear(1501)[59].fehler);
  EXPECT_EQ(DaysOfYear(1900).size(), 365U);
}

TEST(SweepDays, WeeksAndEaster) {
  EXPECT_EQ(IsoWeek({2021, 1, 1}), 53);
  EXPECT_EQ(IsoWeek({2021, 1, 4}), 1);
  EXPECT_EQ(IsoWeek({2024, 12, 31}), 1);
  EXPECT_EQ(IsoWeek({2026, 12, 31}), 53);
  EXPECT_EQ(GregorianEaster(2000), (YearMonthDay{2000, 4, 23}));
  EXPECT_EQ(GregorianEaster(1818), (YearMonthDay{1818, 3, 22}));
  EXPECT_EQ(JulianEaster(1478), (YearMonthDay{1478, 3, 22}));
  // Orthodox Easter 2013: Julian 22 April, Gregorian 5 May.
  const YearMonthDay orthodox = JulianEaster(2013);
  EXPECT_EQ(GregorianCalendarOf(JulianDateOfJulian(2013, orthodox.month, orthodox.day)),
            (YearMonthDay{2013, 5, 5}));
}

TEST(SweepDays, TimeLines) {
  long double moment = 0;
  ASSERT_TRUE(ReadCetMoment("20.03.2000 07:04:05 MEZ", moment));
  EXPECT_NEAR(static_cast<double>(moment), 2451623.5 + (7 * 3600 + 4 * 60 + 5) / 86400.0, 1e-9);
  EXPECT_TRUE(ReadCetMoment("21.03.2000 MEZ", moment));
  EXPECT_FALSE(ReadCetMoment("-", moment));
  EXPECT_FALSE(ReadCetMoment("30.02.2000 07:04:05 MEZ", moment));
  EXPECT_FALSE(ReadCetMoment("20.03.2000 24:00:00 MEZ", moment));
  EXPECT_FALSE(ReadCetMoment("20.3.2000 07:04:05 MEZ", moment));
}

}  // namespace
}  // namespace tempulo::sweep

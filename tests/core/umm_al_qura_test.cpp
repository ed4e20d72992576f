// SPDX-License-Identifier: GPL-3.0-or-later
// The Umm al-Qura calendar: published month starts, the whole official table
// both ways, the arithmetical calendar at its edges, its report line and its
// lookup.
#include "calendars/traditional/umm_al_qura.h"

#include <gtest/gtest.h>

#include <string>

#include "calendars/traditional/islamic.h"
#include "calendars/traditional/umm_al_qura_table.h"
#include "report/calendar_lookup.h"
#include "report/registry.h"
#include "report/report.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

struct MonthStart {
  int year;
  int month;
  CivilDate gregorian;
};

// The first of Muharram, Ramadan and Shawwal 1440-1450 as the Umm al-Qura
// calendar publishes them; the arithmetical calendar is a day off in several.
constexpr MonthStart kPublished[] = {
    {1440, 1, {2018, 9, 11}}, {1440, 9, {2019, 5, 6}},  {1440, 10, {2019, 6, 4}},
    {1441, 1, {2019, 8, 31}}, {1441, 9, {2020, 4, 24}}, {1441, 10, {2020, 5, 24}},
    {1442, 1, {2020, 8, 20}}, {1442, 9, {2021, 4, 13}}, {1442, 10, {2021, 5, 13}},
    {1443, 1, {2021, 8, 9}},  {1443, 9, {2022, 4, 2}},  {1443, 10, {2022, 5, 2}},
    {1444, 1, {2022, 7, 30}}, {1444, 9, {2023, 3, 23}}, {1444, 10, {2023, 4, 21}},
    {1445, 1, {2023, 7, 19}}, {1445, 9, {2024, 3, 11}}, {1445, 10, {2024, 4, 10}},
    {1446, 1, {2024, 7, 7}},  {1446, 9, {2025, 3, 1}},  {1446, 10, {2025, 3, 30}},
    {1447, 1, {2025, 6, 26}}, {1447, 9, {2026, 2, 18}}, {1447, 10, {2026, 3, 20}},
    {1448, 1, {2026, 6, 16}}, {1449, 1, {2027, 6, 6}},  {1450, 1, {2028, 5, 25}},
};

TEST(UmmAlQura, PublishedMonthStartsBothWays) {
  int differsFromArithmetic = 0;
  for (const MonthStart& p : kPublished) {
    const FixedDay day = FixedFromGregorian(p.gregorian);
    EXPECT_EQ(UmmAlQuraFromFixed(day), (UmmAlQuraDate{p.year, p.month, 1, true})) << p.year << "-" << p.month;
    EXPECT_EQ(FixedFromUmmAlQura({p.year, p.month, 1}), day) << p.year << "-" << p.month;
    differsFromArithmetic += IslamicFromFixed(day).day != 1 ? 1 : 0;
  }
  EXPECT_GT(differsFromArithmetic, 0);
}

TEST(UmmAlQura, EveryDayOfTheTableBothWays) {
  const FixedDay first = UmmAlQuraTableFirstDay();
  const FixedDay last = UmmAlQuraTableLastDay();
  EXPECT_EQ(GregorianFromFixed(first), (CivilDate{1924, 8, 1}));
  EXPECT_EQ(GregorianFromFixed(last), (CivilDate{2077, 11, 16}));
  UmmAlQuraDate previous{kUmmAlQuraFirstYear, 0, 0, true};
  for (FixedDay day = first; day <= last; ++day) {
    const UmmAlQuraDate date = UmmAlQuraFromFixed(day);
    ASSERT_TRUE(date.fromTable);
    ASSERT_EQ(FixedFromUmmAlQura(date), day);
    if (date.day == 1) {
      // Each month of the table starts where the last one ended, and the
      // table's own number says so. The table as published has 28 and
      // 31 day months in its first decades (none after 1364); from then on
      // 29 or 30.
      if (previous.month != 0) {
        EXPECT_TRUE(previous.day >= 28 && previous.day <= 31) << previous.year << "-" << previous.month;
        EXPECT_TRUE(previous.year < 1365 || previous.day == 29 || previous.day == 30)
            << previous.year << "-" << previous.month;
      }
      const int index = (date.year - kUmmAlQuraFirstYear) * 12 + date.month - 1;
      const int written = kUmmAlQuraMonthStarts[static_cast<std::size_t>(index)];
      EXPECT_EQ(GregorianFromFixed(day), (CivilDate{written / 10000, written / 100 % 100, written % 100}));
    } else {
      EXPECT_EQ(date.day, previous.day + 1);
    }
    previous = date;
  }
}

TEST(UmmAlQura, ArithmeticOutsideTheTable) {
  const UmmAlQuraDate before = UmmAlQuraFromFixed(UmmAlQuraTableFirstDay() - 1);
  EXPECT_FALSE(before.fromTable);
  EXPECT_EQ(before.year, kUmmAlQuraFirstYear - 1);
  const UmmAlQuraDate after = UmmAlQuraFromFixed(UmmAlQuraTableLastDay() + 1);
  EXPECT_EQ(after, (UmmAlQuraDate{kUmmAlQuraLastYear + 1, 1, 1, false}));
  const FixedDay far = FixedFromGregorian({2500, 6, 1});
  const IslamicDay arithmetic = IslamicFromFixed(far);
  EXPECT_EQ(UmmAlQuraFromFixed(far),
            (UmmAlQuraDate{arithmetic.year, arithmetic.month, arithmetic.day, false}));
}

std::string LineOf(CivilDate date) {
  const std::optional<EntryChoice> choice = EntryChoice::Parse("umm_al_qura");
  Report report;
  BuildReport(date, FixedClock(date, {12, 0, 0}), report, nullptr, &*choice);
  for (const std::string& line : report.Lines()) {
    if (line.starts_with("Umm-al-Qura-Kalender\t")) {
      return line;
    }
  }
  return {};
}

TEST(UmmAlQura, ReportLineSaysWhichCalendarApplies) {
  EXPECT_EQ(LineOf({2026, 2, 18}), "Umm-al-Qura-Kalender\t1.Ramadan 1447 (Umm-al-Qura-Tabelle)");
  EXPECT_EQ(LineOf({2100, 1, 1}).ends_with(" (arithmetisch)"), true) << LineOf({2100, 1, 1});
  EXPECT_FALSE(EntryChoice().Shows("umm_al_qura"));
}

TEST(UmmAlQura, LookedUpFromItsDates) {
  struct Case {
    const char* text;
    std::optional<CivilDate> civil;
  };
  const Case cases[] = {
      {"umm_al_qura:1447-9-1", CivilDate{2026, 2, 18}},
      {"umm_al_qura:1440-10-1", CivilDate{2019, 6, 4}},
      {"umm_al_qura:2470-1-1", std::nullopt},  // after 3000
      // Before the table the arithmetical month ends early: 31 July 1924 is
      // its 28 Dhu'l-Hijja 1342 and the table's 1 Muharram 1343 follows.
      {"umm_al_qura:1342-12-28", CivilDate{1924, 7, 31}},
      {"umm_al_qura:1342-12-29", std::nullopt},
  };
  for (const Case& c : cases) {
    std::string why;
    const std::optional<CivilDate> found = ParseAnyDateArgument(c.text, why);
    if (c.civil) {
      EXPECT_EQ(found, c.civil) << c.text << ": " << why;
    } else {
      EXPECT_FALSE(found) << c.text;
      EXPECT_FALSE(why.empty()) << c.text;
    }
  }
}

}  // namespace
}  // namespace tempulo

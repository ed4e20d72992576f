// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/anniversaries.h"
#include "report/anniversary_file.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

FixedDay Civil(int year, int month, int day) { return FixedFromCivil({year, month, day}); }

Anniversary Entry(std::string calendar, FixedDay day, AnniversaryKind kind = AnniversaryKind::kBirthday) {
  Anniversary entry;
  entry.uid = "u";
  entry.name = "Anna";
  entry.kind = kind;
  entry.day = day;
  entry.calendar = std::move(calendar);
  entry.entered = "civil";
  return entry;
}

// The civil day of the anniversary in the civil year `year`.
std::optional<CivilDate> InCivilYear(const Anniversary& entry, int year) {
  const AnniversaryBook book({entry});
  const std::vector<Occurrence> found = book.Between(Civil(year, 1, 1), Civil(year, 12, 31));
  if (found.size() != 1) {
    return std::nullopt;
  }
  return CivilFromFixed(found.front().day);
}

TEST(Anniversaries, LeapDayRecursOnTheChosenDayInBothCalendars) {
  const struct {
    const char* calendar;
    CivilDate born;
    bool marchFirst;
    int year;
    CivilDate expected;
  } cases[] = {
      {"civil", {1996, 2, 29}, false, 2023, {2023, 2, 28}},
      {"civil", {1996, 2, 29}, true, 2023, {2023, 3, 1}},
      {"civil", {1996, 2, 29}, true, 2024, {2024, 2, 29}},
      // 2100 is no Gregorian leap year.
      {"civil", {2096, 2, 29}, true, 2100, {2100, 3, 1}},
      // The Julian calendar: 1500 is a leap year there, 1501 not.
      {"julian", {1496, 2, 29}, false, 1500, {1500, 2, 29}},
      {"julian", {1496, 2, 29}, false, 1501, {1501, 2, 28}},
      {"julian", {1496, 2, 29}, true, 1501, {1501, 3, 1}},
      // Julian dates recurring after the reform land on their Julian day:
      // 29 February 1700 (Julian) is 11 March 1700 (Gregorian), 1 March 1701
      // (Julian) is 12 March 1701.
      {"julian", {1596, 2, 29}, true, 1700, {1700, 3, 11}},
      {"julian", {1596, 2, 29}, true, 1701, {1701, 3, 12}},
      {"julian", {1596, 2, 29}, false, 1701, {1701, 3, 11}},
  };
  for (const auto& c : cases) {
    const CivilDate& b = c.born;
    const FixedDay born = std::string_view(c.calendar) == "julian" ? FixedFromJulian(b) : Civil(b.year, b.month, b.day);
    Anniversary entry = Entry(c.calendar, born);
    entry.marchFirst = c.marchFirst;
    const std::optional<CivilDate> day = InCivilYear(entry, c.year);
    ASSERT_TRUE(day) << c.calendar << " " << c.year;
    EXPECT_EQ(*day, c.expected) << c.calendar << " " << c.year << " marchFirst " << c.marchFirst;
  }
}

TEST(Anniversaries, IslamicDayThirtyFallsOnTheMonthsLastDay) {
  // The tabular calendar: Dhu'l-Hijja has 30 days in the leap years 1445
  // and 1447 (5th and 7th of the cycle), 29 in 1446 and 1448.
  const LookupCalendar* islamic = FindLookupCalendar("islamic");
  ASSERT_NE(islamic, nullptr);
  CalendarFields born{.year = 1445, .month = 12, .day = 30};
  const std::optional<FixedDay> birth = islamic->toFixed(born);
  ASSERT_TRUE(birth);
  const Anniversary entry = Entry("islamic", *birth);
  const struct {
    long long year;
    int day;
  } cases[] = {{1446, 29}, {1447, 30}, {1448, 29}};
  for (const auto& c : cases) {
    const std::optional<FixedDay> day = OccurrenceInYear(entry, c.year);
    ASSERT_TRUE(day);
    const std::optional<CalendarFields> date = islamic->fromFixed(*day);
    EXPECT_EQ(date->year, c.year);
    EXPECT_EQ(date->month, 12);
    EXPECT_EQ(date->day, c.day) << c.year;
  }
}

TEST(Anniversaries, ChineseLeapMonthBirthsRecurInTheRegularMonth) {
  // Published: 2020 has a leap fourth month (23 May - 20 June), 2023 a leap
  // second month (22 March - 19 April); the fourth month of 2021 begins on
  // 12 May, the second month of 2024 on 10 March.
  const struct {
    CivilDate born;
    int year;
    CivilDate expected;
  } cases[] = {
      {{2020, 6, 1}, 2021, {2021, 5, 21}},
      {{2023, 3, 31}, 2024, {2024, 3, 19}},
  };
  for (const auto& c : cases) {
    const Anniversary entry = Entry("chinese", Civil(c.born.year, c.born.month, c.born.day));
    const std::optional<CalendarFields> date = RecurrenceDate(entry);
    ASSERT_TRUE(date);
    EXPECT_TRUE(date->leapMonth);
    EXPECT_EQ(InCivilYear(entry, c.year), c.expected);
  }
}

TEST(Anniversaries, ChineseDayThirtyOverAHundredYears) {
  // Every 30th day of a month in 1950-1951 recurs on the same month and day
  // in the next hundred years, on the 29th where the month is short, never
  // in a leap month.
  const LookupCalendar* chinese = FindLookupCalendar("chinese");
  ASSERT_NE(chinese, nullptr);
  int births = 0;
  for (FixedDay day = Civil(1950, 1, 1); day <= Civil(1951, 12, 31); day = day + 1) {
    const std::optional<CalendarFields> born = chinese->fromFixed(day);
    if (born->day != 30) {
      continue;
    }
    ++births;
    const Anniversary entry = Entry("chinese", day);
    for (long long year = born->year + 1; year <= born->year + 100; ++year) {
      const std::optional<FixedDay> occurrence = OccurrenceInYear(entry, year);
      ASSERT_TRUE(occurrence);
      const std::optional<CalendarFields> date = chinese->fromFixed(*occurrence);
      CalendarFields thirty{.year = year, .month = born->month, .day = 30};
      const bool hasThirty = chinese->toFixed(thirty).has_value();
      EXPECT_EQ(date->year, year);
      EXPECT_EQ(date->month, born->month);
      EXPECT_FALSE(date->leapMonth);
      EXPECT_EQ(date->day, hasThirty ? 30 : 29) << year << "-" << born->month;
    }
  }
  EXPECT_GE(births, 8);
}

TEST(Anniversaries, JewishRulesForBirthdaysAndJahrzeit) {
  // Years (published lengths): 5780 has a long Heshvan and Kislev, 5781
  // short ones; 5783, 5785, 5787 and 5788 long ones, 5786 and 5789 a short
  // Heshvan only; 5784 and 5787 are leap years.
  const LookupCalendar* jewish = FindLookupCalendar("jewish");
  ASSERT_NE(jewish, nullptr);
  const auto day = [&](long long year, int month, int d) {
    return *jewish->toFixed(CalendarFields{.year = year, .month = month, .day = d});
  };
  const auto fields = [&](FixedDay d) { return *jewish->fromFixed(d); };
  const struct {
    const char* what;
    AnniversaryKind kind;
    long long year;
    int month;
    int dayOfMonth;
    long long target;
    int expectedMonth;
    int expectedDay;
  } cases[] = {
      // A birthday on 30 Heshvan in a year without it: 1 Kislev.
      {"birth 30 Heshvan", AnniversaryKind::kBirthday, 5783, 8, 30, 5784, 9, 1},
      // Born in Adar I: Adar in a common year; born in Adar II: Adar, and
      // Adar II again in a leap year.
      {"birth Adar I", AnniversaryKind::kBirthday, 5784, 12, 14, 5785, 12, 14},
      {"birth Adar II", AnniversaryKind::kBirthday, 5784, 13, 14, 5785, 12, 14},
      {"birth Adar II, leap", AnniversaryKind::kBirthday, 5784, 13, 14, 5787, 13, 14},
      // Born in the Adar of a common year: Adar II of a leap year.
      {"birth Adar common", AnniversaryKind::kBirthday, 5786, 12, 14, 5787, 13, 14},
      // Jahrzeit of 30 Heshvan whose first anniversary had it: 1 Kislev in
      // a year without it ...
      {"death 30 Heshvan, long first", AnniversaryKind::kDeath, 5787, 8, 30, 5789, 9, 1},
      // ... whose first anniversary lacked it: the day before 1 Kislev, 29
      // or 30 Heshvan as the year has it.
      {"death 30 Heshvan, short first", AnniversaryKind::kDeath, 5780, 8, 30, 5784, 8, 29},
      {"death 30 Heshvan, short first, long", AnniversaryKind::kDeath, 5780, 8, 30, 5783, 8, 30},
      {"death 30 Kislev, short first", AnniversaryKind::kDeath, 5780, 9, 30, 5784, 9, 29},
      // Death in the Adar of a common year: Adar I of a leap year.
      {"death Adar common", AnniversaryKind::kDeath, 5786, 12, 14, 5787, 12, 14},
      {"death Adar II", AnniversaryKind::kDeath, 5784, 13, 14, 5787, 13, 14},
      {"death Adar II, common", AnniversaryKind::kDeath, 5784, 13, 14, 5785, 12, 14},
      // 30 Adar I: 30 Shevat in a common year, 30 Adar I in a leap year.
      {"death 30 Adar I", AnniversaryKind::kDeath, 5784, 12, 30, 5785, 11, 30},
      {"death 30 Adar I, leap", AnniversaryKind::kDeath, 5784, 12, 30, 5787, 12, 30},
  };
  for (const auto& c : cases) {
    const Anniversary entry = Entry("jewish", day(c.year, c.month, c.dayOfMonth), c.kind);
    const std::optional<FixedDay> occurrence = OccurrenceInYear(entry, c.target);
    ASSERT_TRUE(occurrence) << c.what;
    const CalendarFields got = fields(*occurrence);
    EXPECT_EQ(got.year, c.target) << c.what;
    EXPECT_EQ(got.month, c.expectedMonth) << c.what;
    EXPECT_EQ(got.day, c.expectedDay) << c.what;
  }
}

TEST(Anniversaries, AfterSunsetCountsTheNextDayOnlyWhereTheDayBeginsAtSunset) {
  Anniversary entry = Entry("jewish", Civil(1995, 11, 24), AnniversaryKind::kDeath);
  const CalendarFields before = *RecurrenceDate(entry);
  entry.afterSunset = true;
  const CalendarFields after = *RecurrenceDate(entry);
  EXPECT_EQ(after.day, before.day + 1);
  Anniversary civil = Entry("civil", Civil(1995, 11, 24));
  civil.afterSunset = true;
  EXPECT_EQ(RecurrenceDate(civil)->day, 24);
}

TEST(Anniversaries, CountsAndWording) {
  Anniversary birth = Entry("jewish", Civil(1986, 12, 5));
  const AnniversaryBook book({birth});
  const std::vector<Occurrence> found = book.Between(Civil(2026, 1, 1), Civil(2026, 12, 31));
  ASSERT_EQ(found.size(), 1U);
  EXPECT_EQ(OccurrenceText(birth, found.front()), "Anna, 40. Geburtstag (3. Kislev)");
  const struct {
    AnniversaryKind kind;
    const char* calendar;
    const char* text;
  } words[] = {{AnniversaryKind::kDeath, "jewish", "12. Jahrzeit"},
               {AnniversaryKind::kDeath, "civil", "12. Todestag"},
               {AnniversaryKind::kWedding, "civil", "12. Hochzeitstag"},
               {AnniversaryKind::kNameDay, "civil", "Namenstag"},
               {AnniversaryKind::kOther, "islamic", "12. Jahrestag"}};
  for (const auto& w : words) {
    EXPECT_EQ(CountText(Entry(w.calendar, Civil(2000, 1, 1), w.kind), 12), w.text);
  }
  // The event itself is no anniversary: nothing in its own year.
  EXPECT_TRUE(book.Between(Civil(1986, 1, 1), Civil(1986, 12, 31)).empty());
}

TEST(Anniversaries, ReportLineOnlyOnTheDayAndOnlyWithEntries) {
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2026, 12, 14}, {12, 0, 0});
  const RefreshResult plain = Refresh({2026, 12, 14}, holidays, clock);
  const AnniversaryBook empty;
  const RefreshResult none = Refresh({2026, 12, 14}, holidays, clock, {.anniversaries = &empty});
  EXPECT_EQ(plain.reportLines, none.reportLines);
  const AnniversaryBook book({Entry("jewish", Civil(1986, 12, 5))});
  // 3 Kislev 5787 is 13 November 2026.
  const RefreshResult day = Refresh({2026, 11, 13}, holidays, clock, {.anniversaries = &book});
  EXPECT_NE(std::find(day.reportLines.begin(), day.reportLines.end(),
                      "Jahrestag\tAnna, 40. Geburtstag (3. Kislev)"),
            day.reportLines.end());
  const RefreshResult other = Refresh({2026, 12, 14}, holidays, clock, {.anniversaries = &book});
  EXPECT_EQ(other.reportLines, plain.reportLines);
}

}  // namespace
}  // namespace tempulo

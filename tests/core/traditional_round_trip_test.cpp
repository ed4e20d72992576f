// SPDX-License-Identifier: GPL-3.0-or-later
// Every day of the civil years 100 to 3000 through each traditional calendar
// with a way back: the date leads back to the same day, and the next day has
// the next date (the day after, or day 1 of the following month or year). The
// counts without a year (haab, tzolkin, xihuitl) must advance by one each day.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calendars/traditional/aztec.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "time/civil.h"

namespace tempulo {
namespace {

// A checked build is slow: there every 7th day (and the day after it).
#ifdef NDEBUG
constexpr int kStep = 1;
#else
constexpr int kStep = 7;
#endif

const FixedDay kFirst = FixedFromJulian({100, 1, 1});
const FixedDay kLast = FixedFromGregorian({3000, 12, 31});

// Months 1..months of at most maxDay days; the year begins with month 1.
template <typename Date>
bool IsNextDate(const Date& before, const Date& after, int months) {
  if (after.year == before.year && after.month == before.month) {
    return after.day == before.day + 1;
  }
  if (after.day != 1) {
    return false;
  }
  return (after.year == before.year && after.month == before.month + 1) ||
         (after.year == before.year + 1 && after.month == 1 && before.month == months);
}

template <typename Date>
std::string Show(const Date& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

template <typename Date>
struct YearMonthDayCalendar {
  const char* name;
  Date (*to)(FixedDay);
  FixedDay (*back)(const Date&);
  int months;
  int maxDay;
  FixedDay first;
};

template <typename Date>
void Walk(const YearMonthDayCalendar<Date>& c) {
  int faults = 0;
  for (FixedDay day = c.first; day <= kLast && faults < 5; day = day + kStep) {
    const Date date = c.to(day);
    const Date next = c.to(day + 1);
    const bool inRange = date.month >= 1 && date.month <= c.months && date.day >= 1 && date.day <= c.maxDay;
    if (!inRange || c.back(date) != day || !IsNextDate(date, next, c.months)) {
      ADD_FAILURE() << c.name << ": day " << day.value << " is " << Show(date) << ", back "
                    << c.back(date).value << ", next " << Show(next);
      ++faults;
    }
  }
}

TEST(TraditionalRoundTripTest, EveryDayLeadsBackAndToTheNextDate) {
  Walk<EgyptianDate>({"Egyptian", EgyptianFromFixed, FixedFromEgyptian, 13, 30, kFirst});
  Walk<ArmenianDate>({"Armenian", [](FixedDay d) { return *ArmenianFromFixed(d); }, FixedFromArmenian, 13, 30,
                      kArmenianEpoch});
  Walk<SeleucidDate>({"Seleucid", SeleucidFromFixed, FixedFromSeleucid, 12, 31, kFirst});
  Walk<IslamicDay>({"Islamic", IslamicFromFixed, FixedFromIslamic, 12, 30, kFirst});
  Walk<BahaiDate>({"Bahai", BahaiFromFixed, FixedFromBahai, 20, 19, kFirst});
  Walk<IndianDate>({"Indian", IndianFromFixed, FixedFromIndian, 12, 31, kFirst});
  Walk<DeeDate>({"John Dee", DeeFromFixed, FixedFromDee, 12, 31, kFirst});
  Walk<NanakshahiDate>({"Nanakshahi", NanakshahiFromFixed, FixedFromNanakshahi, 12, 31, kFirst});
}

TEST(TraditionalRoundTripTest, RomanDatesLeadBackAndCountDown) {
  int faults = 0;
  for (FixedDay day = kFirst; day <= kLast && faults < 5; day = day + kStep) {
    const RomanDate date = RomanFromFixed(day);
    const RomanDate next = RomanFromFixed(day + 1);
    // Toward a marked day the count falls by one; the doubled day repeats
    // the sixth; after a marked day the count starts afresh.
    const bool countsDown = next.event == date.event && next.month == date.month &&
                            (next.count == date.count - 1 || (next.leap && next.count == date.count));
    const bool afterLeap = date.leap && next.count == date.count - 1;
    const bool afresh = date.count == 1 && next.count > 1;
    if (FixedFromRoman(date) != day || date.count < 1 || !(countsDown || afterLeap || afresh)) {
      ADD_FAILURE() << "day " << day.value << ": " << date.year << "/" << date.month << " count "
                    << date.count;
      ++faults;
    }
  }
}

// The Jewish year begins with Tishri (7); the months run on to Adar (12) or,
// in a leap year, Adar 2 (13), then Nisan (1) to Elul (6).
TEST(TraditionalRoundTripTest, JewishDatesLeadBackAndFollowInTurn) {
  int faults = 0;
  for (FixedDay day = FixedFromCivil({359, 1, 1}); day <= kLast && faults < 5; day = day + kStep) {
    const std::optional<JewishDay> date = JewishFromFixed(day);
    const std::optional<JewishDay> next = JewishFromFixed(day + 1);
    if (!date || !next) {
      ADD_FAILURE() << "day " << day.value << " has no Jewish date";
      ++faults;
      continue;
    }
    bool follows = next->year == date->year && next->month == date->month && next->day == date->day + 1;
    if (!follows && next->day == 1 && date->day >= 29) {
      const bool nextMonth = next->month == date->month % 13 + 1 || (date->month == 12 && next->month == 1);
      follows = nextMonth && next->year == date->year + (next->month == 7 ? 1 : 0);
    }
    if (FixedFromJewish(*date) != day || !follows || date->day > 30) {
      ADD_FAILURE() << "day " << day.value << " is " << Show(*date) << ", next " << Show(*next);
      ++faults;
    }
  }
}

// Months of 30 days; the named days between them in their fixed order.
TEST(TraditionalRoundTripTest, SixtyWeekDatesLeadBackAndFollowInTurn) {
  using N = SixtyWeekNamedDay;
  int faults = 0;
  const FixedDay last = FixedFromGregorian({2063, 12, 31});
  for (FixedDay day = FixedFromGregorian({1937, 1, 1}); day < last && faults < 5; day = day + kStep) {
    const std::optional<SixtyWeekDate> date = SixtyWeekFromFixed(day);
    const std::optional<SixtyWeekDate> next = SixtyWeekFromFixed(day + 1);
    if (!date || !next) {
      ADD_FAILURE() << "day " << day.value << " has no sixty-week date";
      ++faults;
      continue;
    }
    const bool leap = date->year % 4 == 0;
    const auto month = [&](int m, int d) { return SixtyWeekDate{date->year, m, d, N::kNone}; };
    const auto named = [&](N n, int yearAdded = 0) { return SixtyWeekDate{date->year + yearAdded, 0, 0, n}; };
    SixtyWeekDate expected;
    switch (date->named) {
      case N::kNewYear:
        expected = month(1, 1);
        break;
      case N::kSpring:
        expected = month(4, 1);
        break;
      case N::kSummer:
        expected = leap ? named(N::kLeap) : month(7, 1);
        break;
      case N::kLeap:
        expected = month(7, 1);
        break;
      case N::kAutumn:
        expected = month(10, 1);
        break;
      case N::kWinter:
        expected = named(N::kNewYear, 1);
        break;
      case N::kNone:
        if (date->day < 30) {
          expected = month(date->month, date->day + 1);
        } else if (date->month % 3 != 0) {
          expected = month(date->month + 1, 1);
        } else {
          const N after[] = {N::kSpring, N::kSummer, N::kAutumn, N::kWinter};
          expected = named(after[date->month / 3 - 1]);
        }
        break;
    }
    if (FixedFromSixtyWeek(*date) != day || *next != expected) {
      ADD_FAILURE() << "day " << day.value << ": " << date->year << "/" << date->month << "/" << date->day;
      ++faults;
    }
  }
}

// The long count as a number with the places 20, 20, 20, 20, 18, 20 counted
// up by one, independently of the day count.
MayaLongCount NextCount(MayaLongCount c) {
  int* places[] = {&c.kin, &c.uinal, &c.tun, &c.katun, &c.baktun, &c.pictun};
  const int limits[] = {20, 18, 20, 20, 20, 20};
  for (int i = 0; i < 6; ++i) {
    if (++*places[i] < limits[i]) {
      break;
    }
    *places[i] = 0;
  }
  return c;
}

TEST(TraditionalRoundTripTest, MayaAndAztecCountsAdvanceByOne) {
  int faults = 0;
  for (FixedDay day = kFirst; day <= kLast && faults < 5; day = day + kStep) {
    const MayaLongCount count = MayaLongCountFromFixed(day);
    const MayaTzolkin tzolkin = MayaTzolkinFromFixed(day);
    const MayaTzolkin nextTzolkin = MayaTzolkinFromFixed(day + 1);
    const MayaHaab haab = MayaHaabFromFixed(day);
    const MayaHaab nextHaab = MayaHaabFromFixed(day + 1);
    const AztecXihuitl xihuitl = AztecXihuitlFromFixed(day);
    const AztecXihuitl nextXihuitl = AztecXihuitlFromFixed(day + 1);
    const bool longCountOk =
        FixedFromMayaLongCount(count) == day && MayaLongCountFromFixed(day + 1) == NextCount(count);
    const bool tzolkinOk =
        nextTzolkin.number == tzolkin.number % 13 + 1 && nextTzolkin.name == tzolkin.name % 20 + 1;
    // Haab months of 20 days numbered from 0, the 19th of 5; then 0 Pop.
    const int haabLength = haab.month == 19 ? 5 : 20;
    const bool haabOk = haab.day >= 0 && haab.day < haabLength &&
                        (haab.day + 1 < haabLength ? nextHaab == MayaHaab{haab.month, haab.day + 1}
                                                   : nextHaab == MayaHaab{haab.month % 19 + 1, 0});
    const int xihuitlLength = xihuitl.period == 19 ? 5 : 20;
    const bool xihuitlOk =
        xihuitl.day >= 1 && xihuitl.day <= xihuitlLength &&
        (xihuitl.day < xihuitlLength ? nextXihuitl == AztecXihuitl{xihuitl.period, xihuitl.day + 1}
                                     : nextXihuitl == AztecXihuitl{xihuitl.period % 19 + 1, 1});
    if (!longCountOk || !tzolkinOk || !haabOk || !xihuitlOk) {
      ADD_FAILURE() << "day " << day.value << ": long count " << longCountOk << ", tzolkin " << tzolkinOk
                    << ", haab " << haabOk << ", xihuitl " << xihuitlOk;
      ++faults;
    }
  }
}

}  // namespace
}  // namespace tempulo

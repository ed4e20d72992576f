// SPDX-License-Identifier: GPL-3.0-or-later
// Every day of the civil years 100 to 3000 through each calendar that names
// one day per date: to the calendar and back gives the same day, and the
// next day's date is the next date (the next day of the month, or the first
// day of the next month or year), read from the typed values.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"
#include "calendars/modern/week_and_time.h"
#include "calendars/modern/world_calendar.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// The sanitizer build walks every 7th day (each with its successor), so the
// suite stays quick there.
#ifdef NDEBUG
constexpr std::int64_t kStride = 1;
#else
constexpr std::int64_t kStride = 7;
#endif

// Where a date stands within its calendar: the year, the month (or week) and
// the day, and how long the month of the first date is.
struct Step {
  std::int64_t year;
  int month;
  int day;
};

// How long the month of a date is and how many months its year has.
struct Bounds {
  int monthLength;
  int monthsInYear;
};

// Empty when `next` follows `prev`; otherwise what is wrong.
std::string StepFault(const Step& prev, const Step& next, Bounds bounds) {
  const int monthLength = bounds.monthLength;
  const int monthsInYear = bounds.monthsInYear;
  if (prev.day < 1 || prev.day > monthLength) {
    return "day outside its month";
  }
  if (prev.day < monthLength) {
    return next.year == prev.year && next.month == prev.month && next.day == prev.day + 1
               ? ""
               : "day not followed by day+1";
  }
  if (prev.month < monthsInYear) {
    return next.year == prev.year && next.month == prev.month + 1 && next.day == 1
               ? ""
               : "month end not followed by the next month";
  }
  return next.year == prev.year + 1 && next.month == 1 && next.day == 1
             ? ""
             : "year end not followed by a new year";
}

// Empty for a day that passes; otherwise what is wrong.
using DayCheck = std::function<std::string(FixedDay)>;

template <typename Date>
DayCheck EraCalendarCheck(Date (*toDate)(FixedDay), FixedDay (*fromDate)(const Date&)) {
  return [=](FixedDay day) -> std::string {
    const Date date = toDate(day);
    if (fromDate(date) != day) {
      return "round trip";
    }
    const Date next = toDate(day + 1);
    // Twelve months of 30 days and the epagomenal days: six at the end of a
    // year y = 3 mod 4, five otherwise.
    const int length = date.month == 13 ? (FloorMod<std::int64_t>(date.year, 4) == 3 ? 6 : 5) : 30;
    return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, {length, 13});
  };
}

std::string FrenchRepublicanCheck(FixedDay day) {
  const std::optional<FrenchRepublicanDate> date = FrenchRepublicanFromFixed(day);
  const std::optional<FrenchRepublicanDate> next = FrenchRepublicanFromFixed(day + 1);
  if (!date || !next) {
    return day > kFrenchRepublicanCountZero ? "no date after the count's start" : "";
  }
  if (FixedFromFrenchRepublican(*date) != day) {
    return "round trip";
  }
  const int length = date->month == 13 ? (FloorMod<std::int64_t>(date->year, 4) == 3 ? 6 : 5) : 30;
  return StepFault({date->year, date->month, date->day}, {next->year, next->month, next->day}, {length, 13});
}

std::string IranianCheck(FixedDay day) {
  const IranianDate date = IranianFromFixed(day);
  if (FixedFromIranian(date) != day) {
    return "round trip";
  }
  const IranianDate next = IranianFromFixed(day + 1);
  const int length = date.month == 13 ? IranianYearLength(date.year) - 360 : 30;
  return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, {length, 13});
}

std::string IsoWeekCheck(FixedDay day) {
  const IsoWeekDate date = IsoWeekFromFixed(day);
  if (FixedFromIsoWeek(date) != day) {
    return "round trip";
  }
  const IsoWeekDate next = IsoWeekFromFixed(day + 1);
  // A year has 53 weeks when it starts or, in a leap year, ends on a Thursday.
  const int jan1 = DayOfWeek(FixedFromGregorian({date.year, 1, 1}));
  const bool longYear = jan1 == 4 || (jan1 == 3 && IsGregorianLeapYear(date.year));
  return StepFault({date.year, date.week, date.weekday}, {next.year, next.week, next.weekday},
                   {7, longYear ? 53 : 52});
}

// The calendars laid onto the Gregorian year: their year is the Gregorian
// one shifted by an era, and they start it on 1 January.
std::string StartsTheGregorianYear(FixedDay day, std::int64_t year, std::int64_t nextYear) {
  const bool newYear = GregorianFromFixed(day + 1).month == 1 && GregorianFromFixed(day + 1).day == 1;
  return nextYear == year + (newYear ? 1 : 0) ? "" : "year not changed on 1 January";
}

std::string PositivistCheck(FixedDay day) {
  const PositivistDate date = PositivistFromFixed(day);
  if (FixedFromPositivist(date) != day) {
    return "round trip";
  }
  const PositivistDate next = PositivistFromFixed(day + 1);
  const bool leap = IsGregorianLeapYear(date.year + 1788);
  const int length = date.month == kPositivistFestivalMonth ? (leap ? 2 : 1) : 28;
  return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, {length, 14}) +
         StartsTheGregorianYear(day, date.year, next.year);
}

std::string CotsworthCheck(FixedDay day) {
  const CotsworthDate date = CotsworthFromFixed(day);
  if (FixedFromCotsworth(date) != day) {
    return "round trip";
  }
  const CotsworthDate next = CotsworthFromFixed(day + 1);
  // 29 June in leap years and 29 of the thirteenth month in every year.
  const bool leap = IsGregorianLeapYear(date.year + 1922);
  const int length = date.month == 13 || (date.month == 6 && leap) ? 29 : 28;
  return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, {length, 13}) +
         StartsTheGregorianYear(day, date.year, next.year);
}

std::string WorldCalendarCheck(FixedDay day) {
  const WorldCalendarDate date = WorldCalendarFromFixed(day);
  if (FixedFromWorldCalendar(date) != day) {
    return "round trip";
  }
  const WorldCalendarDate next = WorldCalendarFromFixed(day + 1);
  return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day},
                   {WorldCalendarMonthLength(date.year, date.month), 12}) +
         StartsTheGregorianYear(day, date.year, next.year);
}

// St. Tib's Day sits between the 59th and the 60th day of Chaos.
std::string DiscordianCheck(FixedDay day) {
  const DiscordianDate date = DiscordianFromFixed(day);
  if (FixedFromDiscordian(date) != day) {
    return "round trip";
  }
  const DiscordianDate next = DiscordianFromFixed(day + 1);
  const std::string year = StartsTheGregorianYear(day, date.year, next.year);
  if (date.IsStTibsDay()) {
    return next == DiscordianDate{date.year, 1, 60} ? year : "St. Tib's Day not followed by 60 Chaos";
  }
  if (next.IsStTibsDay()) {
    return date == DiscordianDate{date.year, 1, 59} ? year : "St. Tib's Day not after 59 Chaos";
  }
  return StepFault({date.year, date.season, date.day}, {next.year, next.season, next.day}, {73, 5}) + year;
}

// The holidays interrupt the months: a month's day is followed by the next
// day, by a holiday, or (at its end) by the next month's first day; after the
// holidays the month goes on where it stopped.
std::string SovietCheck(FixedDay day) {
  const SovietDate date = SovietFromFixed(day);
  if (FixedFromSoviet(date) != day) {
    return "round trip";
  }
  const std::string year = StartsTheGregorianYear(day, date.year, SovietFromFixed(day + 1).year);
  if (date.holiday != SovietHoliday::kNone) {
    return date.month == 0 && date.day == 0 ? year : "holiday with a month";
  }
  // The next date that is not a holiday.
  SovietDate next = SovietFromFixed(day + 1);
  for (int i = 1; i < 3 && next.holiday != SovietHoliday::kNone; ++i) {
    next = SovietFromFixed(day + 1 + i);
  }
  const bool yearEnd = date.month == 12 && date.day == 30;
  return StepFault({0, date.month, date.day}, {yearEnd ? 1 : 0, next.month, next.day}, {30, 12}) + year;
}

// The two lunisolar calendars count their years within eras; the step check
// reads them on one running count.
std::string GoddessCheck(FixedDay day) {
  const LunisolarDate date = GoddessFromFixed(day);
  if (FixedFromGoddess(date) != day) {
    return "round trip";
  }
  const LunisolarDate next = GoddessFromFixed(day + 1);
  // The leap rule reads the running count, 538 in the fifth era.
  const auto running = [](const LunisolarDate& d) {
    return d.year + static_cast<std::int64_t>(d.era - 5) * 1689;
  };
  const GoddessYearShape shape = GoddessYear(static_cast<int>(running(date)));
  // After the first month 30 and 29 days alternate; a long year's thirteenth
  // month takes the rest.
  int length = date.month % 2 == 0 ? 30 : 29;
  if (date.month == 1) {
    length = shape.firstMonth;
  } else if (date.month == 13) {
    length = shape.length - shape.firstMonth - 325;
  }
  return StepFault({running(date), date.month, date.day}, {running(next), next.month, next.day},
                   {length, shape.length == 354 ? 12 : 13});
}

std::string SolilunarCheck(FixedDay day) {
  const LunisolarDate date = SolilunarFromFixed(day);
  if (FixedFromSolilunar(date) != day) {
    return "round trip";
  }
  const LunisolarDate next = SolilunarFromFixed(day + 1);
  const int yearLength = SolilunarYear(date.era, date.year);
  const int length = date.month == 13 ? yearLength - 354 : (date.month % 2 == 1 ? 29 : 30);
  const auto running = [](const LunisolarDate& d) { return static_cast<std::int64_t>(d.era) * 60 + d.year; };
  return StepFault({running(date), date.month, date.day}, {running(next), next.month, next.day},
                   {length, yearLength == 354 ? 12 : 13});
}

struct CalendarCase {
  const char* name;
  DayCheck check;
};

TEST(ModernCalendarRoundTripTest, EveryDayOfTheYears100To3000) {
  const CalendarCase calendars[] = {
      {"Coptic", EraCalendarCheck(CopticFromFixed, FixedFromCoptic)},
      {"Ethiopian", EraCalendarCheck(EthiopianFromFixed, FixedFromEthiopian)},
      {"ISO week", IsoWeekCheck},
      {"French Republican", FrenchRepublicanCheck},
      {"Iranian", IranianCheck},
      {"Positivist", PositivistCheck},
      {"Cotsworth", CotsworthCheck},
      {"World Calendar", WorldCalendarCheck},
      {"Discordian", DiscordianCheck},
      {"Soviet", SovietCheck},
      {"Goddess", GoddessCheck},
      {"Solilunar", SolilunarCheck},
  };
  const FixedDay first = FixedFromCivil({100, 1, 1});
  const FixedDay last = FixedFromCivil({3000, 12, 31});
  for (const CalendarCase& calendar : calendars) {
    int faults = 0;
    for (FixedDay day = first; day <= last && faults < 10; day = day + kStride) {
      const std::string fault = calendar.check(day);
      if (!fault.empty()) {
        ADD_FAILURE() << calendar.name << ", day " << day.value << ": " << fault;
        ++faults;
      }
    }
  }
}

// A Darian date names a sol, not an Earth day: there is no way back. Day by
// day at one time of day the sol count moves on by less than one sol, so the
// date stays or moves to the next one, its day of the year with it.
TEST(ModernCalendarRoundTripTest, DarianDatesStepBySolsFromTheEpoch) {
  const FixedDay last = FixedFromGregorian({3000, 12, 31});
  for (const long double timeOfDay : {0.5L, 0.0L}) {
    int faults = 0;
    for (FixedDay day = kMarsEpoch + 1; day <= last && faults < 10; day = day + kStride) {
      const DarianDate date = DarianDateOf(MarsSolDate(JulianDateOf(day) + timeOfDay));
      const DarianDate next = DarianDateOf(MarsSolDate(JulianDateOf(day + 1) + timeOfDay));
      std::string fault;
      if (date.weekSol != (date.day - 1) % 7 + 1) {
        fault = "week sol";
      } else if (next.year == date.year && next.month == date.month && next.day == date.day) {
        fault = next.dayOfYear == date.dayOfYear ? "" : "day of the year moved within one sol";
      } else {
        // The year length decides where the year ends: a century year has
        // 668 sols although the month rule gives its month 24 28 sols.
        const int length =
            date.month == 24 ? MarsYearLength(date.year) - 641 : DarianMonthLength(date);
        fault = StepFault({date.year, date.month, static_cast<int>(date.day)},
                          {next.year, next.month, static_cast<int>(next.day)}, {length, 24});
        const long long nextDayOfYear = next.year == date.year ? date.dayOfYear + 1 : 0;
        if (fault.empty() && next.dayOfYear != nextDayOfYear) {
          fault = "day of the year";
        }
        if (fault.empty() && next.year != date.year && date.dayOfYear + 1 != MarsYearLength(date.year)) {
          fault = "year length";
        }
      }
      if (!fault.empty()) {
        ADD_FAILURE() << "day " << day.value << ": " << fault;
        ++faults;
      }
    }
  }
}

}  // namespace
}  // namespace tempulo

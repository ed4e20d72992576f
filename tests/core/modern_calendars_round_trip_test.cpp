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
#include "calendars/modern/french_republican.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/week_and_time.h"
#include "time/civil.h"

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

// Empty when `next` follows `prev`; otherwise what is wrong.
std::string StepFault(const Step& prev, const Step& next, int monthLength, int monthsInYear) {
  if (prev.day < 1 || prev.day > monthLength) {
    return "day outside its month";
  }
  if (prev.day < monthLength) {
    return next.year == prev.year && next.month == prev.month && next.day == prev.day + 1 ? ""
                                                                                          : "day not followed by day+1";
  }
  if (prev.month < monthsInYear) {
    return next.year == prev.year && next.month == prev.month + 1 && next.day == 1 ? ""
                                                                                   : "month end not followed by the next month";
  }
  return next.year == prev.year + 1 && next.month == 1 && next.day == 1 ? "" : "year end not followed by a new year";
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
    return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, length, 13);
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
  return StepFault({date->year, date->month, date->day}, {next->year, next->month, next->day}, length, 13);
}

std::string IranianCheck(FixedDay day) {
  const IranianDate date = IranianFromFixed(day);
  if (FixedFromIranian(date) != day) {
    return "round trip";
  }
  const IranianDate next = IranianFromFixed(day + 1);
  const int length = date.month == 13 ? IranianYearLength(date.year) - 360 : 30;
  return StepFault({date.year, date.month, date.day}, {next.year, next.month, next.day}, length, 13);
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
  return StepFault({date.year, date.week, date.weekday}, {next.year, next.week, next.weekday}, 7,
                   longYear ? 53 : 52);
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

}  // namespace
}  // namespace tempulo

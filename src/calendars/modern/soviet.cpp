// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/soviet.h"

#include <array>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// A run of days of the year (0-based from 1 January, in a leap year; a common
// year lacks the leap day): a month's days from firstNumber on, or a holiday.
struct SovietRun {
  int firstDay;
  int length;
  int month;        // 0 for a holiday
  int firstNumber;  // the first run's day number within its month
  SovietHoliday holiday;
};

constexpr std::array<SovietRun, 19> kRuns = {{
    {0, 30, 1, 1, SovietHoliday::kNone},
    {30, 1, 0, 0, SovietHoliday::kLeninDay},
    {31, 30, 2, 1, SovietHoliday::kNone},
    {61, 1, 0, 0, SovietHoliday::kLeapDay},
    {62, 30, 3, 1, SovietHoliday::kNone},
    {92, 30, 4, 1, SovietHoliday::kNone},
    {122, 1, 0, 0, SovietHoliday::kLabourDay1},
    {123, 1, 0, 0, SovietHoliday::kLabourDay2},
    {124, 30, 5, 1, SovietHoliday::kNone},
    {154, 30, 6, 1, SovietHoliday::kNone},
    {184, 30, 7, 1, SovietHoliday::kNone},
    {214, 30, 8, 1, SovietHoliday::kNone},
    {244, 30, 9, 1, SovietHoliday::kNone},
    {274, 30, 10, 1, SovietHoliday::kNone},
    {304, 7, 11, 1, SovietHoliday::kNone},
    {311, 1, 0, 0, SovietHoliday::kIndustryDay1},
    {312, 1, 0, 0, SovietHoliday::kIndustryDay2},
    {313, 23, 11, 8, SovietHoliday::kNone},
    {336, 30, 12, 1, SovietHoliday::kNone},
}};
constexpr std::size_t kLeapDayRun = 3;

}  // namespace

SovietDate SovietFromFixed(FixedDay day) {
  const int year = GregorianFromFixed(day).year;
  auto e = static_cast<int>(day - FixedFromGregorian({year, 1, 1}));  // 0..365
  // Lay a common year onto the leap year's runs.
  if (!IsGregorianLeapYear(year) && e >= kRuns[kLeapDayRun].firstDay) {
    ++e;
  }
  for (const SovietRun& run : kRuns) {
    if (e >= run.firstDay && e < run.firstDay + run.length) {
      if (run.month == 0) {
        return {year, 0, 0, run.holiday};
      }
      return {year, run.month, e - run.firstDay + run.firstNumber, SovietHoliday::kNone};
    }
  }
  return {year, 0, 0, SovietHoliday::kNone};  // not reached: the runs cover 0..365
}

FixedDay FixedFromSoviet(const SovietDate& date) {
  const auto year = static_cast<int>(date.year);
  int e = 0;
  for (const SovietRun& run : kRuns) {
    const bool holidayRun = date.month == 0 && run.holiday == date.holiday;
    const bool monthRun = date.month != 0 && run.month == date.month && date.day >= run.firstNumber &&
                          date.day < run.firstNumber + run.length;
    if (holidayRun || monthRun) {
      e = run.firstDay + (monthRun ? date.day - run.firstNumber : 0);
      break;
    }
  }
  if (!IsGregorianLeapYear(year) && e > kRuns[kLeapDayRun].firstDay) {
    --e;
  }
  return FixedFromGregorian({year, 1, 1}) + e;
}

std::string_view SovietMonthName(int month) {
  if (month < 1 || month > static_cast<int>(kMonthNames.size())) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view SovietHolidayName(SovietHoliday holiday) {
  switch (holiday) {
    case SovietHoliday::kLeninDay:
      return "Lenintag";
    case SovietHoliday::kLeapDay:
      return "Schalttag";
    case SovietHoliday::kLabourDay1:
      return "1.Tag der Arbeit";
    case SovietHoliday::kLabourDay2:
      return "2.Tag der Arbeit";
    case SovietHoliday::kIndustryDay1:
      return "1.Tag der Industrie";
    case SovietHoliday::kIndustryDay2:
      return "2.Tag der Industrie";
    case SovietHoliday::kNone:
      break;
  }
  return {};
}

}  // namespace tempulo

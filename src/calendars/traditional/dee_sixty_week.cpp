// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/dee_sixty_week.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Januar",    "Februar", "März",     "April",
                                                      "Mai",       "Juni",    "Juli",     "August",
                                                      "September", "Oktober", "November", "Dezember"};

// The six-day week has no Tuesday.
constexpr std::array<std::string_view, 6> kSixDayWeek = {"Sonntag",    "Montag",  "Mittwoch",
                                                         "Donnerstag", "Freitag", "Sonnabend"};

constexpr std::int64_t kDeeCycleYears = 33;
constexpr std::int64_t kDeeCycleDays = 12053;  // 33 x 365 + 8

bool IsDeeLeap(std::int64_t year) { return FloorMod<std::int64_t>(year - 1, kDeeCycleYears) % 4 == 3; }

}  // namespace

bool IsDeeLeapYear(int year) { return IsDeeLeap(year); }

int DeeMonthLength(const DeeDate& date) {
  switch (date.month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsDeeLeapYear(date.year) ? 29 : 28;
    default:
      return 0;
  }
}

DeeDate DeeFromFixed(FixedDay day) {
  const std::int64_t days = day - kDeeEpoch;
  std::int64_t year = kDeeCycleYears * FloorDiv(days, kDeeCycleDays) + 1;
  std::int64_t r = FloorMod(days, kDeeCycleDays);
  // r < 12053 is always used up within the 33 years of the cycle.
  for (int position = 1; position <= kDeeCycleYears; ++position) {
    const std::int64_t length = IsDeeLeap(position) ? 366 : 365;
    if (length > r) {
      break;
    }
    r -= length;
    ++year;
  }
  int month = 1;
  // The year's month lengths always add up to more than r.
  while (month < 12 && DeeMonthLength({static_cast<int>(year), month, 1}) <= r) {
    r -= DeeMonthLength({static_cast<int>(year), month, 1});
    ++month;
  }
  return {static_cast<int>(year), month, static_cast<int>(r + 1)};
}

FixedDay FixedFromDee(const DeeDate& date) {
  const std::int64_t yearsBefore = static_cast<std::int64_t>(date.year) - 1;
  const std::int64_t cycles = FloorDiv(yearsBefore, kDeeCycleYears);
  std::int64_t days = cycles * kDeeCycleDays;
  for (std::int64_t position = 1; position <= yearsBefore - cycles * kDeeCycleYears; ++position) {
    days += IsDeeLeap(position) ? 366 : 365;
  }
  for (int month = 1; month < date.month && month <= 12; ++month) {
    days += DeeMonthLength({date.year, month, 1});
  }
  return kDeeEpoch + days + date.day - 1;
}

std::string_view DeeMonthName(int month) {
  return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

namespace {

constexpr int kMonthDays = 30;
constexpr int kQuarterDays = 3 * kMonthDays;

FixedDay SixtyWeekNewYear(int year) { return FixedFromGregorian({year - kSixtyWeekYearOffset - 1, 12, 20}); }

bool IsSixtyWeekLeap(int year) { return IsGregorianLeapYear(year - kSixtyWeekYearOffset); }

// The year as New Year, then four quarters of three months, each but the
// last followed by its named day (the summer day by the leap day in a leap
// year), the last by the winter day.
struct Quarter {
  SixtyWeekNamedDay after;
  bool leapDayAfter;
};
constexpr std::array<Quarter, 4> kQuarters = {{{SixtyWeekNamedDay::kSpring, false},
                                               {SixtyWeekNamedDay::kSummer, true},
                                               {SixtyWeekNamedDay::kAutumn, false},
                                               {SixtyWeekNamedDay::kWinter, false}}};

}  // namespace

std::optional<SixtyWeekDate> SixtyWeekFromFixed(FixedDay day) {
  const int civilYear = GregorianFromFixed(day).year;
  if (civilYear < kSixtyWeekFirstCivilYear || civilYear > kSixtyWeekLastCivilYear) {
    return std::nullopt;
  }
  int year = civilYear + kSixtyWeekYearOffset;
  if (day >= SixtyWeekNewYear(year + 1)) {
    ++year;
  }
  std::int64_t n = day - SixtyWeekNewYear(year);
  if (n == 0) {
    return SixtyWeekDate{year, 0, 0, SixtyWeekNamedDay::kNewYear};
  }
  n -= 1;
  for (std::size_t q = 0; q < kQuarters.size(); ++q) {
    if (n < kQuarterDays) {
      return SixtyWeekDate{year, static_cast<int>(3 * q + n / kMonthDays + 1),
                           static_cast<int>(n % kMonthDays + 1), SixtyWeekNamedDay::kNone};
    }
    n -= kQuarterDays;
    if (n == 0) {
      return SixtyWeekDate{year, 0, 0, kQuarters[q].after};
    }
    n -= 1;
    if (kQuarters[q].leapDayAfter && IsSixtyWeekLeap(year)) {
      if (n == 0) {
        return SixtyWeekDate{year, 0, 0, SixtyWeekNamedDay::kLeap};
      }
      n -= 1;
    }
  }
  return std::nullopt;  // not reached: the winter day ends the year
}

FixedDay FixedFromSixtyWeek(const SixtyWeekDate& date) {
  const FixedDay newYear = SixtyWeekNewYear(date.year);
  std::int64_t n = 1;  // New Year
  for (std::size_t q = 0; q < kQuarters.size(); ++q) {
    const bool leapDay = kQuarters[q].leapDayAfter && IsSixtyWeekLeap(date.year);
    if (date.named == SixtyWeekNamedDay::kNone && (date.month - 1) / 3 == static_cast<int>(q)) {
      return newYear + n + static_cast<std::int64_t>((date.month - 1) % 3) * kMonthDays + date.day - 1;
    }
    n += kQuarterDays;
    if (date.named == kQuarters[q].after) {
      return newYear + n;
    }
    n += 1;
    if (leapDay) {
      if (date.named == SixtyWeekNamedDay::kLeap) {
        return newYear + n;
      }
      n += 1;
    }
  }
  return newYear;  // New Year
}

int SixtyWeekWeekday(const SixtyWeekDate& date) { return date.day % 6; }

std::string_view SixtyWeekWeekdayName(int weekday) {
  return weekday >= 0 && weekday < 6 ? kSixDayWeek[static_cast<std::size_t>(weekday)] : std::string_view{};
}

std::string_view SixtyWeekNamedDayName(SixtyWeekNamedDay named) {
  switch (named) {
    case SixtyWeekNamedDay::kNewYear:
      return "Neujahr";
    case SixtyWeekNamedDay::kSpring:
      return "Frühlingstag";
    case SixtyWeekNamedDay::kSummer:
      return "Sommertag";
    case SixtyWeekNamedDay::kLeap:
      return "Schalttag";
    case SixtyWeekNamedDay::kAutumn:
      return "Herbsttag";
    case SixtyWeekNamedDay::kWinter:
      return "Wintertag";
    case SixtyWeekNamedDay::kNone:
      break;
  }
  return {};
}

}  // namespace tempulo

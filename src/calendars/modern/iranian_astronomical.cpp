// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/iranian_astronomical.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>

#include "astro/sun.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr int kYearsBeforeGregorian = 621;
constexpr int kMarchEquinox = 1;
// Tehran civil time and the noon rule: the equinox instant moved to Tehran
// and half a day on names the first day directly.
constexpr double kTehranOffsetDays = 3.5 / 24.0;
constexpr double kNoon = 0.5;

constexpr int kLongMonths = 6;
constexpr int kLongMonthDays = 31;
constexpr int kShortMonthDays = 30;
constexpr int kDaysBeforeMehr = kLongMonths * kLongMonthDays;  // 186

// Day 0 (31 December 1 BC) is no Nowruz of the years computed, so it marks a
// year not yet computed; atomics start at 0.
constexpr std::int64_t kNotYet = 0;
constexpr std::size_t kYearCount = kAstronomicalIranianLastYear - kAstronomicalIranianFirstYear + 1;

// One equinox search per year, whichever thread asks first; the value does
// not depend on who computes it, so a race only repeats the work.
std::array<std::atomic<std::int64_t>, kYearCount> nowruzCache;

int DaysBeforeMonth(int month) {
  return month <= kLongMonths ? (month - 1) * kLongMonthDays
                              : kDaysBeforeMehr + (month - 1 - kLongMonths) * kShortMonthDays;
}

}  // namespace

std::optional<FixedDay> NowruzOf(int year) {
  if (year < kAstronomicalIranianFirstYear || year > kAstronomicalIranianLastYear) {
    return std::nullopt;
  }
  std::atomic<std::int64_t>& cached =
      nowruzCache[static_cast<std::size_t>(year - kAstronomicalIranianFirstYear)];
  std::int64_t day = cached.load(std::memory_order_relaxed);
  if (day == kNotYet) {
    const double equinox = SeasonStart(year + kYearsBeforeGregorian, kMarchEquinox);
    day = FixedFromDateValue(equinox + kTehranOffsetDays + kNoon).value;
    cached.store(day, std::memory_order_relaxed);
  }
  return FixedDay{day};
}

std::optional<AstronomicalIranianDate> AstronomicalIranianFromFixed(FixedDay day) {
  int year = CivilFromFixed(day).year - kYearsBeforeGregorian;
  std::optional<FixedDay> nowruz = NowruzOf(year);
  if (nowruz && day < *nowruz) {
    nowruz = NowruzOf(--year);
  }
  if (!nowruz) {
    return std::nullopt;
  }
  const auto dayOfYear = static_cast<int>(day - *nowruz);
  if (dayOfYear < kDaysBeforeMehr) {
    return AstronomicalIranianDate{year, dayOfYear / kLongMonthDays + 1, dayOfYear % kLongMonthDays + 1};
  }
  const int rest = dayOfYear - kDaysBeforeMehr;
  const int month = std::min(kLongMonths + 1 + rest / kShortMonthDays, 12);
  return AstronomicalIranianDate{year, month, dayOfYear - DaysBeforeMonth(month) + 1};
}

std::optional<FixedDay> FixedFromAstronomicalIranian(const AstronomicalIranianDate& date) {
  const std::optional<FixedDay> nowruz = NowruzOf(date.year);
  if (!nowruz || date.month < 1 || date.month > 12) {
    return std::nullopt;
  }
  return *nowruz + (DaysBeforeMonth(date.month) + date.day - 1);
}

}  // namespace tempulo

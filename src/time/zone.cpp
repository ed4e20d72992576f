// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/zone.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <exception>

#include "time/civil.h"

namespace tempulo {
namespace {

using Seconds = std::chrono::seconds;
using SysSeconds = date::sys_time<Seconds>;

// Date value 0 is 30 December 1899, 25569 days before 1 January 1970.
constexpr double kUnixEpochDateValue = 25569.0;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kMezOffsetSeconds = 3600;
// The last year the database lists every change of a zone in (its compiled
// files stop at 2037), and the first year of the span whose calendars stand
// in for the years after it: 28 consecutive years hold every kind of year.
constexpr int kLastListedYear = 2037;
constexpr int kFirstStandInYear = 2010;

SysSeconds ToSys(double dateValue) {
  const double seconds = std::floor((dateValue - kUnixEpochDateValue) * static_cast<double>(kSecondsPerDay) + 0.5);
  return SysSeconds{Seconds{static_cast<std::int64_t>(seconds)}};
}

std::string GermanAbbreviation(const std::string& abbreviation) {
  if (abbreviation == "CET") {
    return "MEZ";
  }
  if (abbreviation == "CEST") {
    return "MESZ";
  }
  return abbreviation;
}

// Days from the year of 2010-2037 with the same leap rule and the same
// weekday of 1 January back to `year`.
std::int64_t StandInShiftDays(int year) {
  const date::sys_days first = date::year{year} / 1 / 1;
  const unsigned weekday = date::weekday{first}.c_encoding();
  for (int candidate = kFirstStandInYear; candidate <= kLastListedYear; ++candidate) {
    const date::sys_days standIn = date::year{candidate} / 1 / 1;
    if (IsGregorianLeapYear(candidate) == IsGregorianLeapYear(year) && date::weekday{standIn}.c_encoding() == weekday) {
      return (first - standIn).count();
    }
  }
  return 0;  // unreachable: the span holds all fourteen kinds of year
}

date::sys_info InfoAt(const date::time_zone& zone, SysSeconds t) {
  date::sys_info info = zone.get_info(t);
  const auto lastListed = date::sys_days{date::year{kLastListedYear} / 1 / 1};
  const auto farFuture = date::sys_days{date::year{9999} / 1 / 1};
  // The last listed period runs on for ever; when it began in the last listed
  // year, the zone still changes its clocks and its rule goes on.
  if (info.end >= farFuture && info.begin >= lastListed) {
    const int year = static_cast<int>(date::year_month_day{date::floor<date::days>(t)}.year());
    if (year > kLastListedYear) {
      const Seconds shift{StandInShiftDays(year) * kSecondsPerDay};
      info = zone.get_info(t - shift);
      info.begin += shift;
      info.end += shift;
    }
  }
  return info;
}

}  // namespace

std::optional<TimeZone> TimeZone::Find(std::string_view name) {
  if (name == "MEZ") {
    return TimeZone{};
  }
  if (name.empty() || name.size() > 100) {
    return std::nullopt;
  }
  try {
    TimeZone zone;
    zone.zone_ = date::locate_zone(name);
    zone.name_ = std::string(zone.zone_->name());
    return zone;
  } catch (const std::exception&) {
    // Unknown name, or no database on this system.
    return std::nullopt;
  }
}

ZoneOffset TimeZone::OffsetAt(double utcDateValue) const {
  if (zone_ == nullptr) {
    return {kMezOffsetSeconds, "MEZ"};
  }
  const date::sys_info info = InfoAt(*zone_, ToSys(utcDateValue));
  return {static_cast<int>(info.offset.count()), GermanAbbreviation(info.abbrev)};
}

double TimeZone::DayStart(double localDay) const {
  const double day = std::floor(localDay);
  if (zone_ == nullptr) {
    return day - static_cast<double>(kMezOffsetSeconds) / static_cast<double>(kSecondsPerDay);
  }
  // Local midnight in seconds, read as if it were universal time.
  const std::int64_t local = (static_cast<std::int64_t>(day) - static_cast<std::int64_t>(kUnixEpochDateValue)) *
                             kSecondsPerDay;
  const auto offsetAt = [this](std::int64_t utc) {
    return static_cast<std::int64_t>(InfoAt(*zone_, SysSeconds{Seconds{utc}}).offset.count());
  };
  // Every offset in force within two days of the midnight is a candidate;
  // a candidate holds when the offset at the instant it gives is itself.
  const std::array<std::int64_t, 3> candidates = {offsetAt(local - 2 * kSecondsPerDay), offsetAt(local),
                                                  offsetAt(local + 2 * kSecondsPerDay)};
  std::optional<std::int64_t> start;
  std::int64_t low = local - *std::max_element(candidates.begin(), candidates.end());
  std::int64_t high = local - *std::min_element(candidates.begin(), candidates.end());
  for (const std::int64_t offset : candidates) {
    const std::int64_t utc = local - offset;
    if (offsetAt(utc) == offset && (!start || utc < *start)) {
      start = utc;
    }
  }
  if (!start) {
    // The clock skips midnight: the day begins at the first instant whose
    // local time is past it. Between low and high the clock jumps once.
    for (int step = 0; step < 64 && high - low > 1; ++step) {
      const std::int64_t mid = low + (high - low) / 2;
      if (mid + offsetAt(mid) >= local) {
        high = mid;
      } else {
        low = mid;
      }
    }
    start = high;
  }
  return kUnixEpochDateValue + static_cast<double>(*start) / static_cast<double>(kSecondsPerDay);
}

}  // namespace tempulo

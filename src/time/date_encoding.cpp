// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/date_encoding.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tempulo {
namespace {

// 1 January 1970 is day 25569 of the date value.
constexpr long kUnixEpochDateValue = 25569;

std::chrono::year_month_day ToYmd(long dayNumber) {
  return std::chrono::year_month_day{
      std::chrono::sys_days{std::chrono::days{dayNumber - kUnixEpochDateValue}}};
}

}  // namespace

bool IsValidGregorianDate(int year, int month, int day) {
  if (year < -32767 || year > 32767 || month < 1 || month > 12 || day < 1 || day > 31) {
    return false;
  }
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  return ymd.ok();
}

double EncodeDate(int year, int month, int day) {
  const std::chrono::year_month_day ymd{std::chrono::year{year},
                                        std::chrono::month{static_cast<unsigned>(month)},
                                        std::chrono::day{static_cast<unsigned>(day)}};
  const auto days = std::chrono::sys_days{ymd}.time_since_epoch().count();
  return static_cast<double>(days + kUnixEpochDateValue);
}

CivilDate DecodeDate(double dateValue) {
  const auto ymd = ToYmd(static_cast<long>(std::trunc(dateValue)));
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string DateTimeText(double dateValue) {
  if (!std::isfinite(dateValue)) {
    return "-";
  }
  long day = static_cast<long>(std::trunc(dateValue));
  const double fraction = std::fabs(dateValue - std::trunc(dateValue));
  auto ms = static_cast<long long>(std::llround(fraction * 86400000.0));
  if (ms >= 86400000LL) {
    ms -= 86400000LL;
    day += dateValue < 0 ? -1 : 1;
  }
  const auto ymd = ToYmd(day);
  char buffer[64];
  const int written = std::snprintf(buffer, sizeof buffer, "%02u.%02u.%04d", static_cast<unsigned>(ymd.day()),
                                    static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
  std::string text(buffer, static_cast<std::size_t>(written));
  if (fraction != 0.0) {
    const long long seconds = ms / 1000;
    std::snprintf(buffer, sizeof buffer, " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    text += buffer;
  }
  return text;
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/clock.h"

#include <ctime>

namespace tempulo {
namespace {

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  // localtime_r would be thread-safe, but it is not standard C++; the almanac
  // reads the clock from one thread only.
  if (const std::tm* result = std::localtime(&now)) {
    local = *result;
  }
  return local;
}

std::tm MezNow() {
  constexpr std::time_t kMezOffsetSeconds = 3600;
  const std::time_t now = std::time(nullptr) + kMezOffsetSeconds;
  std::tm mez{};
  // As above: one thread reads the clock.
  if (const std::tm* result = std::gmtime(&now)) {
    mez = *result;
  }
  return mez;
}

}  // namespace

CivilDate MezClock::Today() const {
  const std::tm mez = MezNow();
  return {mez.tm_year + 1900, mez.tm_mon + 1, mez.tm_mday};
}

TimeOfDay MezClock::Now() const {
  const std::tm mez = MezNow();
  return {mez.tm_hour, mez.tm_min, mez.tm_sec > 59 ? 59 : mez.tm_sec};
}

CivilDate SystemClock::Today() const {
  const std::tm local = LocalNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

TimeOfDay SystemClock::Now() const {
  const std::tm local = LocalNow();
  // A leap second is shown as the last second of its minute.
  return {local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};
}

}  // namespace tempulo

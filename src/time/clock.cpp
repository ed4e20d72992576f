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

}  // namespace

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

// SPDX-License-Identifier: GPL-3.0-or-later
// Every day of a range of years, looked up again from the date each
// calendar with a way back shows for it: the lookup must return that day.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tempulo::sweep {

struct LookupSweepResult {
  std::int64_t lookups = 0;
  std::int64_t failures = 0;
  std::vector<std::string> examples;  // the first failures
};

// Arithmetic calendars day by day; the Chinese calendar on the first and the
// last day of each of its months (the days between follow from the month's
// start). Years fromYear..toYear, every `yearStride`-th year.
LookupSweepResult RunLookupSweep(int fromYear, int toYear, int yearStride = 1);

}  // namespace tempulo::sweep

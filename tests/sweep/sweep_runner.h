// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the complete refresh for the days of a plan and hands each to the
// checker: every day of a range of years, or runs of consecutive days at a
// fixed stride plus some years day by day.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <vector>

#include "sweep_checker.h"

namespace tempulo::sweep {

struct SweepPlan {
  int fromYear = kMinimumYear;
  int toYear = kMaximumYear;
  // Every day when 1; otherwise the days whose count from 1 January of
  // `fromYear` leaves a remainder below `runLength` when divided by `stride`:
  // runs of consecutive days, so that each run also checks the steps between
  // its days.
  int stride = 1;
  int runLength = 1;
  // Years taken day by day in any case.
  std::vector<int> fullYears;
  // 29 February of every Julian common year in the range, which must fail.
  bool fehlerDays = true;
  // Every entry of the table, not only those of the default report.
  bool allEntries = false;
};

struct SweepResult {
  SweepStats stats;
  double seconds = 0;
  // The refreshes alone, without the checks: their sum, the longest single
  // timing, and the slowest of the slowest days when timed again.
  double refreshSeconds = 0;
  double slowestSingleSeconds = 0;
  double slowestRefreshSeconds = 0;
  SweepDay slowestRefreshDay{};
  std::vector<KnownFailure> unusedKnownFailures;
};

// The clock of the sweep: 1 January 2000, 12:00:00 (the Mars date and the
// stardate depend on the time of day).
const Clock& SweepClock();

// `jobs` threads share the years; every thread but the first reads the day
// before its first year without counting it, so no step is left out.
SweepResult RunSweep(const SweepPlan& plan, int jobs = 1, std::size_t examplesPerCheck = 5,
                     const std::function<void(int year)>& yearDone = {});

// The figures and, per check, the counts and first examples; with `perLine`
// also how often each line was read and each day-to-day step checked.
void PrintSweep(std::ostream& out, const SweepPlan& plan, const SweepResult& result, bool perLine = false);

}  // namespace tempulo::sweep

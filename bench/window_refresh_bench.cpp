// SPDX-License-Identifier: GPL-3.0-or-later
// The refresh as the window asks for it (the typed values kept for the sun
// and moon panel, without the structured output's list of every crossing),
// stepping through the days of a year as a user clicking from day to day:
// the year's remembered searches are kept. Argument 0 is the refresh of the
// text report, 1 the window's, 2 the JSON's.
#include <benchmark/benchmark.h>

#include "holidays/holidays.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

void RefreshEveryDay(HolidayTable& holidays, const Clock& clock, const RefreshOptions& options) {
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= CivilMonthLength(2026, month); ++day) {
      RefreshResult result = Refresh({2026, month, day}, holidays, clock, options);
      benchmark::DoNotOptimize(result);
    }
  }
}

// Every day of 2026 once per iteration, after a first pass that leaves the
// year's searches remembered.
void BM_WindowRefreshThroughTheYear(benchmark::State& state) {
  const RefreshOptions options{.keepValues = state.range(0) != 0, .everyCrossing = state.range(0) == 2};
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  RefreshEveryDay(holidays, clock, options);
  for (auto _ : state) {
    RefreshEveryDay(holidays, clock, options);
  }
}

BENCHMARK(BM_WindowRefreshThroughTheYear)
    ->ArgNames({"kind"})
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tempulo

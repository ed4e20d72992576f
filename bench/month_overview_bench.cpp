// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid's overview: computing a month afresh (when the month or year
// changes) and reading it from the cache (every click within the month).
// December 2023 lies late in a Chinese year with a leap month, the slowest
// class of the Chinese date; 1500 has no moon phases.
#include <benchmark/benchmark.h>

#include "report/month_overview.h"

namespace tempulo {
namespace {

void BM_MonthOverview(benchmark::State& state) {
  const auto month = static_cast<int>(state.range(0));
  const auto year = static_cast<int>(state.range(1));
  for (auto _ : state) {
    MonthOverview overview = BuildMonthOverview(year, month);
    benchmark::DoNotOptimize(overview);
  }
}

BENCHMARK(BM_MonthOverview)
    ->ArgNames({"month", "year"})
    ->Args({12, 2026})
    ->Args({12, 2023})
    ->Args({5, 1500})
    ->Unit(benchmark::kMillisecond);

void BM_MonthOverviewCached(benchmark::State& state) {
  MonthOverviewCache cache;
  cache.Get(2026, 12);
  for (auto _ : state) {
    const MonthOverview& overview = cache.Get(2026, 12);
    benchmark::DoNotOptimize(&overview);
  }
}

BENCHMARK(BM_MonthOverviewCached)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tempulo

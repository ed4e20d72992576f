// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "astro/sun.h"
#include "calendars/traditional/chinese.h"
#include "time/civil.h"
#include "time/julian_day.h"
#include "cold_start.h"

namespace tempulo {
namespace {

// A day of an ordinary year, and the last months of a year with a leap
// month, where the leap-month tests walk back over the whole year.
void BM_ChineseDate(benchmark::State& state, int year, int month, int day) {
  const double t = DateValueOf(FixedFromCivil({year, month, day}));
  for (auto _ : state) {
    ForgetRememberedSearches();
    benchmark::DoNotOptimize(ChineseDate(t));
  }
}

// The days of a month one after another, as a year of reports or the steps
// of a lookup meet them: the searches the days share are made once.
void BM_ChineseDateMonthOfDays(benchmark::State& state, int year, int month) {
  const FixedDay first = FixedFromCivil({year, month, 1});
  constexpr int kDays = 31;
  for (auto _ : state) {
    ForgetRememberedSearches();
    for (int i = 0; i < kDays; ++i) {
      benchmark::DoNotOptimize(ChineseDate(DateValueOf(first + i)));
    }
  }
  state.counters["per_day"] =
      benchmark::Counter(kDays, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_ChineseDateMonthOfDays, OrdinaryYear, 2024, 8);
BENCHMARK_CAPTURE(BM_ChineseDateMonthOfDays, LeapYearLate, 2023, 12);
BENCHMARK_CAPTURE(BM_ChineseDate, OrdinaryYear, 2024, 8, 7);
BENCHMARK_CAPTURE(BM_ChineseDate, LeapYearLate, 2023, 12, 20);
BENCHMARK_CAPTURE(BM_ChineseDate, Year1300, 1300, 6, 1);

}  // namespace
}  // namespace tempulo

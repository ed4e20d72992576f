// SPDX-License-Identifier: GPL-3.0-or-later
// A year's eclipses with the local circumstances of a place (target: 5 ms),
// and what the eclipse line adds to one refresh: the search for a day with
// and without an eclipse, to set beside BM_FullRefresh of the same run.
#include <benchmark/benchmark.h>

#include "astro/rise_set.h"
#include "report/eclipse_lines.h"
#include "report/report.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

void BM_YearOfEclipsesWithPlace(benchmark::State& state) {
  const auto year = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<PlacedEclipse> eclipses = EclipsesOfYear(year, TimeZone{}, 52.52, 13.405);
    benchmark::DoNotOptimize(eclipses);
  }
}

BENCHMARK(BM_YearOfEclipsesWithPlace)
    ->ArgName("year")
    ->Arg(2026)
    ->Arg(1000)
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_EclipseLinesOfADay(benchmark::State& state) {
  const DaySpan day = CivilDaySpan(EncodeDate(2026, 8, static_cast<int>(state.range(0))), kCetUtcOffsetHours);
  for (auto _ : state) {
    Report report;
    AddEclipseLines(report, day.start, day.end, 50.0, 12.0, TimeZone{});
    benchmark::DoNotOptimize(report);
  }
}

// 12 August 2026 has an eclipse, the 20th none.
BENCHMARK(BM_EclipseLinesOfADay)
    ->ArgName("august")
    ->Arg(12)
    ->Arg(20)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tempulo

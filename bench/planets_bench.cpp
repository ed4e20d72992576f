// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the planets: one apparent place, the report's "Planeten" block of
// one day (targets: 0.3 ms) and a year's planetary events (50 ms).
#include <benchmark/benchmark.h>

#include "astro/planet_events.h"
#include "astro/planets.h"
#include "report/planet_lines.h"
#include "report/report.h"
#include "time/civil.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

constexpr double kDay = 36605;  // 20 March 2000

void BM_PlanetPosition(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlanetPosition(kPlanets[static_cast<std::size_t>(n % 7)], kDay + n % 1500));
    ++n;
  }
}
BENCHMARK(BM_PlanetPosition);

void BM_PlanetBlockOfADay(benchmark::State& state) {
  ExtraReportLines extra;
  extra.planets = true;
  int n = 0;
  for (auto _ : state) {
    Report report;
    AddExtraReportLines(CivilDate{2026, 1 + n % 12, 1 + n % 28}, nullptr, extra, report);
    benchmark::DoNotOptimize(report.Lines().data());
    ++n;
  }
}
BENCHMARK(BM_PlanetBlockOfADay)->Unit(benchmark::kMillisecond);

void BM_PlanetEventsOfAYear(benchmark::State& state) {
  int year = 2020;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlanetEvents(Instant::FromDateValue(EncodeDate(year, 1, 1)),
                                          Instant::FromDateValue(EncodeDate(year + 1, 1, 1))));
    year = year == 2030 ? 2020 : year + 1;
  }
}
BENCHMARK(BM_PlanetEventsOfAYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tempulo

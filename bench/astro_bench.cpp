// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the astronomy: one position, one search, and the report's whole
// sun and moon block as the report builds it for one day.
#include <benchmark/benchmark.h>

#include "time/clock.h"
#include "report/report.h"
#include "report/report_builder.h"
#include "astro/moon.h"
#include "astro/moon_phases.h"
#include "astro/rise_set.h"
#include "astro/sun.h"
#include "astro/vsop87.h"
#include "calendars/modern/week_and_time.h"

namespace tempulo {
namespace {

constexpr double kDay = 36605;  // 20 March 2000

// Steps through the days of a few years so that no result can be cached by
// the hardware's branch history alone.
double DayOf(benchmark::State& state) { return kDay + static_cast<double>(state.iterations() % 1500); }

void BM_EarthHeliocentricPosition(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(EarthHeliocentricPosition(DayOf(state)));
  }
}
BENCHMARK(BM_EarthHeliocentricPosition);

void BM_SunPosition(benchmark::State& state) {
  for (auto _ : state) {
    CelestialPosition p;
    SunPosition(p, DayOf(state));
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_SunPosition);

void BM_MoonPosition(benchmark::State& state) {
  for (auto _ : state) {
    CelestialPosition p;
    MoonPosition(p, DayOf(state));
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_MoonPosition);

void BM_SolarLongitudeTime(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolarLongitudeTime(2000 + n / 24, n % 24));
    n = (n + 1) % 2400;
  }
}
BENCHMARK(BM_SolarLongitudeTime);

void BM_NextPrincipalTerm(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(NextPrincipalTerm(DayOf(state)));
  }
}
BENCHMARK(BM_NextPrincipalTerm);

void BM_NextNewMoon(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(NextMoonPhase(LunarPhase::kNewMoon, DayOf(state)));
  }
}
BENCHMARK(BM_NextNewMoon);

void BM_MoonPhaseTime(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonPhaseTime(LunarPhase::kNewMoon, DayOf(state)));
  }
}
BENCHMARK(BM_MoonPhaseTime);

// The same with nothing remembered: one refinement on the complete lunar
// theory each time.
void BM_MoonPhaseTimeFirst(benchmark::State& state) {
  for (auto _ : state) {
    ForgetMoonPhaseRefinements();
    benchmark::DoNotOptimize(MoonPhaseTime(LunarPhase::kNewMoon, DayOf(state)));
  }
}
BENCHMARK(BM_MoonPhaseTimeFirst);

// One search each: the moon moves fastest, the sun's position costs most.
void BM_MoonRise(benchmark::State& state) {
  for (auto _ : state) {
    const DaySpan day = CivilDaySpan(DayOf(state), kCetUtcOffsetHours);
    benchmark::DoNotOptimize(MoonRise(day, kObserverLatitude, kObserverLongitude));
  }
}
BENCHMARK(BM_MoonRise);

void BM_SunRise(benchmark::State& state) {
  for (auto _ : state) {
    const DaySpan day = CivilDaySpan(DayOf(state), kCetUtcOffsetHours);
    benchmark::DoNotOptimize(SunRise(day, kObserverLatitude, kObserverLongitude));
  }
}
BENCHMARK(BM_SunRise);

// The report's sun and moon block.
void BM_SunAndMoonBlock(benchmark::State& state) {
  for (auto _ : state) {
    Report r;
    AddSunAndMoonBlock(DayOf(state), r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_SunAndMoonBlock)->Unit(benchmark::kMicrosecond);

// The whole report of one day, for the share the block takes of it.
void BM_BuildReport(benchmark::State& state) {
  const FixedClock clock({2000, 3, 20}, {12, 0, 0});
  int day = 0;
  for (auto _ : state) {
    Report report;
    BuildReport(CivilDate{2000, 3, 1 + day}, clock, report);
    benchmark::DoNotOptimize(report);
    day = (day + 1) % 31;
  }
}
BENCHMARK(BM_BuildReport)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tempulo

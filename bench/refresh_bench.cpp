// SPDX-License-Identifier: GPL-3.0-or-later
// One full refresh (holiday list and report) for fixed dates of every class
// the almanac distinguishes: before the reform, before 1900 (no sun and moon
// block), with the sun and moon block, and late in a Chinese year with a leap
// month, where the leap-month test walks back over the whole year (the
// slowest class).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "holidays/holidays.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "report/report_place.h"
#include "cold_start.h"

namespace tempulo {
namespace {

void BM_FullRefresh(benchmark::State& state) {
  // Arguments: day, month, year.
  const CivilDate date{static_cast<int>(state.range(2)), static_cast<int>(state.range(1)),
                       static_cast<int>(state.range(0))};
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  for (auto _ : state) {
    // Measured as the first refresh of its year: nothing remembered from the
    // iteration before.
    ForgetRememberedSearches();
    RefreshResult result = Refresh(date, holidays, clock);
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK(BM_FullRefresh)
    ->ArgNames({"day", "month", "year"})
    ->Args({8, 12, 2026})
    ->Args({1, 1, 2000})
    ->Args({21, 6, 1950})
    ->Args({15, 3, 1850})
    ->Args({4, 10, 1582})
    ->Args({1, 1, 1000})
    ->Args({31, 12, 3000})
    ->Args({20, 12, 2023})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same refresh in a year already shown, as when the window steps from
// day to day: the searches remembered from the iterations before are kept.
void BM_FullRefreshSameYear(benchmark::State& state) {
  // Arguments: day, month, year.
  const CivilDate date{static_cast<int>(state.range(2)), static_cast<int>(state.range(1)),
                       static_cast<int>(state.range(0))};
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  ForgetRememberedSearches();
  for (auto _ : state) {
    RefreshResult result = Refresh(date, holidays, clock);
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK(BM_FullRefreshSameYear)
    ->ArgNames({"day", "month", "year"})
    ->Args({8, 12, 2026})
    ->Args({20, 12, 2023})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same refresh with a chosen place in a zone of the tz database: the local
// day's span and every time line's offset come from the zone. The dates are
// an ordinary summer day, the day the clocks go forward, and a year after the
// database's last listed change, where the zone's rule is carried on.
void BM_FullRefreshWithZone(benchmark::State& state) {
  // Arguments: day, month, year.
  const CivilDate date{static_cast<int>(state.range(2)), static_cast<int>(state.range(1)),
                       static_cast<int>(state.range(0))};
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  std::string why;
  const auto place = ReportPlace::For({"Berlin", 52.52, 13.405, "Europe/Berlin"}, why);
  if (!place) {
    state.SkipWithError(why.c_str());
    return;
  }
  for (auto _ : state) {
    ForgetRememberedSearches();
    RefreshResult result = Refresh(date, holidays, clock, {.place = &*place});
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK(BM_FullRefreshWithZone)
    ->ArgNames({"day", "month", "year"})
    ->Args({15, 7, 2026})
    ->Args({29, 3, 2026})
    ->Args({15, 7, 2500})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The refresh with the user's choice of lines (--calendars, "Kalender
// wählen…"): 0 the default set, 1 five calendars without the sun and moon
// block (julian, islamic, jewish, umm_al_qura, iranian_astronomical), 2 every
// line. Lines not chosen are not computed.
void BM_RefreshChosen(benchmark::State& state) {
  static constexpr const char* kChoices[] = {"default",
                                             "julian,islamic,jewish,umm_al_qura,iranian_astronomical", "all"};
  const std::optional<EntryChoice> choice = EntryChoice::Parse(kChoices[state.range(0)]);
  const CivilDate date{2026, 12, 8};
  const FixedClock clock(date, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  for (auto _ : state) {
    ForgetRememberedSearches();
    RefreshResult result = Refresh(date, holidays, clock, {.entries = &*choice});
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK(BM_RefreshChosen)
    ->ArgName("choice")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tempulo

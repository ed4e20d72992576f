// SPDX-License-Identifier: GPL-3.0-or-later
// The month's anniversary marks and list with 10,000 entries in many
// calendars: what the window computes for each month it shows.
#include <benchmark/benchmark.h>

#include <random>

#include "astro/moon_phases.h"
#include "calendars/traditional/chinese.h"
#include "report/anniversaries.h"

namespace tempulo {
namespace {

constexpr int kEntries = 10000;

AnniversaryBook TenThousand() {
  const char* const calendars[] = {"civil", "jewish", "islamic", "chinese", "julian", "iranian", "coptic_ethiopian",
                                   "civil", "civil", "jewish"};
  std::mt19937 random(20261209);
  std::uniform_int_distribution<std::int64_t> day(FixedFromCivil({1900, 1, 1}).value,
                                                  FixedFromCivil({2025, 12, 31}).value);
  std::uniform_int_distribution<int> pick(0, 9);
  std::uniform_int_distribution<int> kind(0, 5);
  std::vector<Anniversary> entries;
  entries.reserve(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    Anniversary entry;
    entry.uid = std::to_string(i);
    entry.name = "Eintrag " + std::to_string(i);
    entry.kind = static_cast<AnniversaryKind>(kind(random));
    entry.day = FixedDay{day(random)};
    entry.calendar = calendars[pick(random)];
    entry.entered = "civil";
    entry.marchFirst = (i % 2) == 0;
    entries.push_back(std::move(entry));
  }
  return AnniversaryBook(std::move(entries));
}

// One month, a new one each time (the window's first look at a month).
void BM_AnniversaryMonth10000(benchmark::State& state) {
  const AnniversaryBook book = TenThousand();
  int month = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    const int year = 2026 + month / 12;
    found = MonthAnniversaries(book, year, month % 12 + 1).size();
    benchmark::DoNotOptimize(found);
    month = (month + 1) % 600;
  }
  state.counters["anniversaries"] = static_cast<double>(found);
}
BENCHMARK(BM_AnniversaryMonth10000)->Unit(benchmark::kMillisecond);

// The same with the Chinese searches forgotten before each month: the cost
// of the first conversions of a session.
void BM_AnniversaryMonth10000Cold(benchmark::State& state) {
  const AnniversaryBook book = TenThousand();
  int month = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ForgetChineseSearches();
    ForgetMoonPhaseRefinements();
    state.ResumeTiming();
    benchmark::DoNotOptimize(MonthAnniversaries(book, 2026 + month / 12, month % 12 + 1));
    month = (month + 1) % 600;
  }
}
BENCHMARK(BM_AnniversaryMonth10000Cold)->Unit(benchmark::kMillisecond);

// Loading: grouping 10,000 entries by their rules.
void BM_AnniversaryBook10000(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(TenThousand());
  }
}
BENCHMARK(BM_AnniversaryBook10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tempulo

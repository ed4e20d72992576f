// SPDX-License-Identifier: GPL-3.0-or-later
// A year of reports as JSON, the way tempulo-report --year 2026 --format json
// makes it (target: at most 0.5 s for the 365 days), and the same year as
// text for comparison.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/report_cli.h"
#include "cold_start.h"

namespace tempulo {
namespace {

void RunYear(benchmark::State& state, const std::string& format) {
  const FixedClock clock({2026, 12, 8}, {12, 0, 0});
  const std::vector<std::string> args = {"--year", "2026", "--time", "12:00:00", "--format", format};
  std::size_t bytes = 0;
  for (auto _ : state) {
    ForgetRememberedSearches();
    std::ostringstream out;
    std::ostringstream err;
    benchmark::DoNotOptimize(RunReportCli(args, out, err, clock));
    bytes = out.str().size();
  }
  state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_YearOfReportsAsJson(benchmark::State& state) { RunYear(state, "json"); }
void BM_YearOfReportsAsText(benchmark::State& state) { RunYear(state, "text"); }

BENCHMARK(BM_YearOfReportsAsJson)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_YearOfReportsAsText)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tempulo

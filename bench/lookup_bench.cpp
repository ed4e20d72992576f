// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "report/calendar_lookup.h"
#include "report/feasts.h"
#include "cold_start.h"

namespace tempulo {
namespace {

// One lookup of "CALENDAR:DATE" as --from and the window's dialog do it:
// parsing, conversion and the check that the report shows this very date.
// The remembered Chinese searches are forgotten before each lookup, so it is
// measured as the first one of its year.
void BM_LookUpDate(benchmark::State& state, const char* text) {
  const std::string argument(text);
  for (auto _ : state) {
    ForgetRememberedSearches();
    std::string why;
    benchmark::DoNotOptimize(ParseAnyDateArgument(argument, why));
  }
}
BENCHMARK_CAPTURE(BM_LookUpDate, Julian, "julian:1582-10-4");
BENCHMARK_CAPTURE(BM_LookUpDate, Islamic, "islamic:1450-1-1");
BENCHMARK_CAPTURE(BM_LookUpDate, Jewish, "jewish:5790-1-15");
BENCHMARK_CAPTURE(BM_LookUpDate, JewishMissingDay, "jewish:5786-8-30");
BENCHMARK_CAPTURE(BM_LookUpDate, Maya, "maya:13.0.0.0.0");
BENCHMARK_CAPTURE(BM_LookUpDate, FrenchRepublican, "french_republican:240-1-1");
BENCHMARK_CAPTURE(BM_LookUpDate, Ethiopian, "ethiopian:2016-13-5");
BENCHMARK_CAPTURE(BM_LookUpDate, Bahai, "bahai:183-19-4");
BENCHMARK_CAPTURE(BM_LookUpDate, Iranian, "iranian:1403-12-29");
// The Chinese calendar: New Year, late in a year with a leap month, the
// leap month itself, a leap month the year lacks, and a medieval year.
BENCHMARK_CAPTURE(BM_LookUpDate, ChineseNewYear, "chinese:4724-1-1");
BENCHMARK_CAPTURE(BM_LookUpDate, ChineseLeapYearLate, "chinese:4721-11-8");
BENCHMARK_CAPTURE(BM_LookUpDate, ChineseLeapMonth, "chinese:4721-2tan-30");
BENCHMARK_CAPTURE(BM_LookUpDate, ChineseMissingLeapMonth, "chinese:4722-2tan-1");
BENCHMARK_CAPTURE(BM_LookUpDate, Chinese1300, "chinese:3998-6-1");
// The calendars added by the entry table and the ways back with eras and
// marked days; the Iranian Nowruz is searched once per year and remembered.
BENCHMARK_CAPTURE(BM_LookUpDate, Byzantine, "byzantine:7535-1-1");
BENCHMARK_CAPTURE(BM_LookUpDate, UmmAlQura, "umm_al_qura:1447-9-1");
BENCHMARK_CAPTURE(BM_LookUpDate, AstronomicalIranian, "iranian_astronomical:1404-12-29");
BENCHMARK_CAPTURE(BM_LookUpDate, Roman, "roman:2779-1-19");
BENCHMARK_CAPTURE(BM_LookUpDate, Japanese, "japanese:reiwa-8-12-9");
BENCHMARK_CAPTURE(BM_LookUpDate, Goddess, "goddess:5-565-12-1");

void BM_FeastsOfYear(benchmark::State& state) {
  const auto year = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ForgetRememberedSearches();
    benchmark::DoNotOptimize(FeastsOfYear(year));
  }
}
BENCHMARK(BM_FeastsOfYear)->Arg(2026)->Arg(2023)->Arg(1582)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tempulo

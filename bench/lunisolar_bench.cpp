#include <benchmark/benchmark.h>

#include "app/core/clock.h"
#include "app/core/refresh.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/civil_dates.h"
#include "holidays/holidays.h"

namespace tempulo {
namespace {

// A day of an ordinary year, and the last months of a year with a leap
// month, where the leap-month tests walk back over the whole year.
void BM_ChineseDate(benchmark::State& state, int year, int month, int day) {
  const double t = CivilDateToDateTime(year, month, day);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChineseDate(t));
  }
}
BENCHMARK_CAPTURE(BM_ChineseDate, OrdinaryYear, 2024, 8, 7);
BENCHMARK_CAPTURE(BM_ChineseDate, LeapYearLate, 2023, 12, 20);
BENCHMARK_CAPTURE(BM_ChineseDate, Year1300, 1300, 6, 1);

// One refresh of the window: holiday list and the whole report.
void BM_Refresh(benchmark::State& state, int year, int month, int day) {
  const FixedClock clock({2024, 5, 17}, {12, 0, 0});
  HolidayTable holidays = HolidayTable::Standard();
  const SelectedDate date{day, month, year};
  for (auto _ : state) {
    benchmark::DoNotOptimize(Refresh(date, holidays, clock));
  }
}
BENCHMARK_CAPTURE(BM_Refresh, OrdinaryYear, 2024, 8, 7);
BENCHMARK_CAPTURE(BM_Refresh, LeapYearLate, 2023, 12, 20);

}  // namespace
}  // namespace tempulo

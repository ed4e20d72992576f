// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a year: the year on one page and the twelve month pages written
// as one PDF file, as "Als PDF speichern…" and tempulo-report --pdf do.
#include <benchmark/benchmark.h>

#ifdef TEMPULO_PRINT_BENCHMARK
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/print/pdf_export.h"

namespace {

// Pages are drawn with the toolkit's fonts: one application for the run, on
// the offscreen platform.
void EnsureApplication() {
  static std::unique_ptr<QGuiApplication> application;
  if (!application) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tempulo_bench";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
}

void YearAndMonths(benchmark::State& state, const char* secondCalendar) {
  EnsureApplication();
  QTemporaryDir folder;
  std::vector<tempulo::PrintPage> pages{{tempulo::PrintPage::Kind::kYear, 2026, 1}};
  for (int month = 1; month <= 12; ++month) {
    pages.push_back({tempulo::PrintPage::Kind::kMonth, 2026, month});
  }
  tempulo::PrintOptions options;
  options.region = tempulo::Region::kBY;
  options.secondCalendar = secondCalendar != nullptr ? tempulo::FindLookupCalendar(secondCalendar) : nullptr;
  const QString path = folder.filePath(QStringLiteral("kalender-2026.pdf"));
  for (auto _ : state) {
    const QString failure = tempulo::WriteCalendarPdf(path, pages, options, {});
    if (!failure.isEmpty()) {
      state.SkipWithError("the PDF file could not be written");
      return;
    }
  }
}

void BM_PrintYearAndTwelveMonths(benchmark::State& state) { YearAndMonths(state, nullptr); }
void BM_PrintYearAndTwelveMonthsWithChineseCalendar(benchmark::State& state) { YearAndMonths(state, "chinese"); }

BENCHMARK(BM_PrintYearAndTwelveMonths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintYearAndTwelveMonthsWithChineseCalendar)->Unit(benchmark::kMillisecond);

}  // namespace
#endif

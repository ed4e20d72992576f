// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the layout of every month page and every year page of a range of
// years at A4 and Letter, landscape and portrait:
//
//   tempulo_print_layout_check FROM TO
//
// Prints each text that leaves its cell or the page; exit status 1 when any
// does, 2 for a malformed call.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/print/layout_check.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fputs("Aufruf: tempulo_print_layout_check VON BIS (Jahre 100 bis 3000)\n", stderr);
    return 2;
  }
  const int from = std::atoi(argv[1]);
  const int to = std::atoi(argv[2]);
  if (from < 100 || to > 3000 || from > to) {
    std::fputs("Die Jahre liegen nicht zwischen 100 und 3000.\n", stderr);
    return 2;
  }
  const auto regions = tempulo::Regions();
  std::size_t faults = 0;
  std::size_t texts = 0;
  for (int year = from; year <= to; ++year) {
    std::vector<tempulo::PrintPage> pages{{tempulo::PrintPage::Kind::kYear, year, 1}};
    for (int month = 1; month <= 12; ++month) {
      pages.push_back({tempulo::PrintPage::Kind::kMonth, year, month});
    }
    // A different region each year, and every other year a second calendar.
    tempulo::PrintOptions options;
    options.region = regions[static_cast<std::size_t>(year) % regions.size()].region;
    const auto calendars = tempulo::SecondCalendars();
    if (year % 2 == 0) {
      options.secondCalendar = calendars[static_cast<std::size_t>(year / 2) % calendars.size()];
    }
    for (const tempulo::PageChoice& choice : tempulo::CheckedPageChoices()) {
      std::size_t drawn = 0;
      for (const std::string& fault : tempulo::CheckPages(pages, options, choice, &drawn)) {
        std::printf("%d: %s\n", year, fault.c_str());
        ++faults;
      }
      texts += drawn;
    }
  }
  std::printf("%d-%d: %zu Texte geprüft, %zu außerhalb ihres Felds\n", from, to, texts, faults);
  return faults == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo_sweep: the full refresh for every civil day of a range of years,
// every line checked. Exit status 0 when nothing but known failures was found.
//
//   tempulo_sweep [--from YEAR] [--to YEAR] [--stride N --run L] [--full-years Y,Y,...]
//                 [--jobs N] [--examples N] [--all-entries] [--per-line] [--quiet]
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sweep_runner.h"

namespace {

int Usage() {
  std::cerr << "usage: tempulo_sweep [--from YEAR] [--to YEAR] [--stride N --run L] [--full-years Y,Y,...]\n"
               "                     [--jobs N] [--examples N] [--all-entries] [--per-line] [--quiet]\n"
               "  --from, --to   the years, 100 to 3000 (default: all of them)\n"
               "  --stride, --run  only runs of L consecutive days every N days (default: every day)\n"
               "  --full-years   years taken day by day in any case\n"
               "  --jobs         threads (default 1)\n"
               "  --examples     examples printed per check (default 5)\n"
               "  --all-entries  every entry of the table, not only the default report's\n"
               "  --per-line     how often each line was read and each day-to-day step checked\n"
               "  --quiet        no progress on stderr\n";
  return 2;
}

bool ToInt(const std::string& text, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0') {
    return false;
  }
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  tempulo::sweep::SweepPlan plan;
  int jobs = 1;
  int examples = 5;
  bool quiet = false;
  bool perLine = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--quiet") {
      quiet = true;
      continue;
    }
    if (option == "--per-line") {
      perLine = true;
      continue;
    }
    if (option == "--all-entries") {
      plan.allEntries = true;
      continue;
    }
    if (i + 1 >= argc) {
      return Usage();
    }
    const std::string value = argv[++i];
    bool ok = true;
    if (option == "--from") {
      ok = ToInt(value, plan.fromYear);
    } else if (option == "--to") {
      ok = ToInt(value, plan.toYear);
    } else if (option == "--stride") {
      ok = ToInt(value, plan.stride);
    } else if (option == "--run") {
      ok = ToInt(value, plan.runLength);
    } else if (option == "--jobs") {
      ok = ToInt(value, jobs);
    } else if (option == "--examples") {
      ok = ToInt(value, examples);
    } else if (option == "--full-years") {
      std::stringstream list(value);
      std::string year;
      while (ok && std::getline(list, year, ',')) {
        int y = 0;
        ok = ToInt(year, y);
        plan.fullYears.push_back(y);
      }
    } else {
      ok = false;
    }
    if (!ok) {
      return Usage();
    }
  }
  if (plan.fromYear < tempulo::kMinimumYear || plan.toYear > tempulo::kMaximumYear ||
      plan.fromYear > plan.toYear || plan.stride < 1 || plan.runLength < 1 || jobs < 1 || examples < 0) {
    return Usage();
  }
  const auto progress = [&](int year) {
    if (!quiet) {
      std::cerr << "  ... " << year << "\n";
    }
  };
  const tempulo::sweep::SweepResult result =
      tempulo::sweep::RunSweep(plan, jobs, static_cast<std::size_t>(examples), progress);
  tempulo::sweep::PrintSweep(std::cout, plan, result, perLine);
  return result.stats.unexpected == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The lookup of every day of 100..3000 from each calendar's date of it:
//
//   tempulo_lookup_sweep [FROM TO]
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "lookup_sweep.h"
#include "report/refresh.h"

int main(int argc, char** argv) {
  int from = tempulo::kMinimumYear;
  int to = tempulo::kMaximumYear;
  if (argc == 3) {
    from = std::atoi(argv[1]);
    to = std::atoi(argv[2]);
  }
  if ((argc != 1 && argc != 3) || from < tempulo::kMinimumYear || to > tempulo::kMaximumYear || from > to) {
    std::cerr << "usage: tempulo_lookup_sweep [FROM TO]   (years 100 to 3000)\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const tempulo::sweep::LookupSweepResult result = tempulo::sweep::RunLookupSweep(from, to);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::cout << "years " << from << "-" << to << ": " << result.lookups << " lookups, " << result.failures
            << " failures, " << seconds.count() << " s\n";
  for (const std::string& example : result.examples) {
    std::cout << "  " << example << "\n";
  }
  return result.failures == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report: the almanac's report on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/report_cli.h"
#include "time/clock.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tempulo::MezClock clock;
  const int status = tempulo::RunReportCli(args, std::cout, std::cerr, clock);
  std::cout.flush();
  return status;
}

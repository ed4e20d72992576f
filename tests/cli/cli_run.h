// SPDX-License-Identifier: GPL-3.0-or-later
// One run of tempulo-report in the test's process, on 8 December 2026 at a
// given time of day, with what it printed and its exit status.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/report_cli.h"

namespace tempulo {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun RunCliAt(const std::vector<std::string>& args, TimeOfDay time) {
  const FixedClock clock({2026, 12, 8}, time);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunReportCli(args, out, err, clock);
  return {status, out.str(), err.str()};
}

}  // namespace tempulo

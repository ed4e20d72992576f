// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line report: the report list (or the month's holiday list) of
// one or more days, exactly as the window holds it after a refresh.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "time/clock.h"

namespace tempulo {

// Runs `tempulo-report` with its arguments (without the program name).
// Exit status: 0 success, 1 a day ended in the conversion error, 2 malformed
// arguments (nothing is written to `out` then).
int RunReportCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const Clock& systemClock);

}  // namespace tempulo

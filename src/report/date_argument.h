// SPDX-License-Identifier: GPL-3.0-or-later
// The date given on a command line ("--date JJJJ-MM-TT"), read the same way by
// the window and by tempulo-report.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "report/refresh.h"

namespace tempulo {

// A whole non-negative decimal number of 1..maxDigits digits, nothing else.
std::optional<int> ParseDecimal(std::string_view text, std::size_t maxDigits);

// "YYYY-MM-DD" as a selected civil date: years 100 to 3000, a Julian-calendar
// date up to 14 October 1582. On failure `why` holds one German sentence.
std::optional<CivilDate> ParseDateArgument(std::string_view text, std::string& why);

}  // namespace tempulo

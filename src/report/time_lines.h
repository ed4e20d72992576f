// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines for a moment of the day in Central European Time.
#pragma once

#include <string_view>

#include "report/report.h"

namespace tempulo {

// Appends label + TAB + (moment + 1 hour) as "dd.MM.yyyy HH:mm:ss" + " MEZ"
// (only the date at an exact midnight). NoEvent reads "-".
void AddCetTimeLine(Report& report, std::string_view label, double moment);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines for a moment of the day in Central European Time.
#pragma once

#include <string_view>

#include "report/report.h"
#include "time/zone.h"

namespace tempulo {

// Appends label + TAB + (moment + 1 hour) as "dd.MM.yyyy HH:mm:ss" + " MEZ"
// (only the date at an exact midnight). NoEvent reads "-".
void AddCetTimeLine(Report& report, std::string_view label, double moment);

// The same in a zone's civil time, labelled with the abbreviation in force at
// the moment ("MESZ", "EST"); the fixed MEZ reads exactly as AddCetTimeLine.
void AddZoneTimeLine(Report& report, std::string_view label, double moment, const TimeZone& zone);

}  // namespace tempulo

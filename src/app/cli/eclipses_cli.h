// SPDX-License-Identifier: GPL-3.0-or-later
// `tempulo-report --eclipses YEAR`: the year's eclipses for the chosen place
// as text, TSV, JSON or an iCalendar file.
#pragma once

#include <iosfwd>
#include <string_view>

#include "report/report_place.h"

namespace tempulo {

enum class EclipsesOutput { kText, kTsv, kJson, kIcs };

// `place` null: the default place (50 N, 12 E, MEZ). `stampUtc` is the
// calendar file's DTSTAMP.
void WriteEclipses(int year, const ReportPlace* place, EclipsesOutput output, std::string_view stampUtc,
                   std::ostream& out);

}  // namespace tempulo

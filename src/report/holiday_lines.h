// SPDX-License-Identifier: GPL-3.0-or-later
// The month's holidays worded: the month's list ("06\t2.Advent", a second
// name on the same day with an empty day column) and the selected day's
// report lines ("Feier-,Gedenktag\t..." cut to 55 characters).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "holidays/holidays.h"
#include "report/report.h"

namespace tempulo {

inline constexpr std::size_t kMaxHolidayReportLineLength = 55;

std::vector<std::string> HolidayListLines(const std::vector<DatedHoliday>& holidays);
void AddHolidayReportLines(const std::vector<DatedHoliday>& holidays, int day, Report& report);

}  // namespace tempulo

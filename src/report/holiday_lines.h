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
#include "time/civil.h"

namespace tempulo {

inline constexpr std::size_t kMaxHolidayReportLineLength = 55;

std::vector<std::string> HolidayListLines(const std::vector<DatedHoliday>& holidays);
void AddHolidayReportLines(const std::vector<DatedHoliday>& holidays, int day, Report& report);

// A holiday on its civil date (Julian-calendar dates up to 14 October 1582).
struct HolidayOnDate {
  CivilDate date;
  std::string name;
  friend bool operator==(const HolidayOnDate&, const HolidayOnDate&) = default;
};

// Every holiday of the month lists whose date lies in first..last (civil
// dates, first not after last), each once, by date and in list order within
// a day. Years outside 100..3000 add nothing.
std::vector<HolidayOnDate> HolidaysBetween(HolidayTable& table, CivilDate first, CivilDate last);

}  // namespace tempulo

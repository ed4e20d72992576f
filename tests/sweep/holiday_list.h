// SPDX-License-Identifier: GPL-3.0-or-later
// The month's holiday list, rebuilt here from the holiday rows and the rules
// of the movable feasts (Easter after the Gregorian computus from 1583 and
// the Julian one before, Orthodox Easter after the Julian computus, the
// weekday feasts by the weekday of the civil calendar, the season starts near
// the mean equinoxes and solstices), and compared line by line.
#pragma once

#include <string>
#include <vector>

#include "line_check.h"

namespace tempulo::sweep {

// The month's list must be the one rebuilt for the year and month.
void CheckHolidayList(const SweepDay& day, const std::vector<std::string>& lines, const Reporter& reporter);

// The report's "Feier-,Gedenktag" lines: the entries of the selected day in
// the month's list, in its order.
void ReadReportHolidays(LineCheck& c);

}  // namespace tempulo::sweep

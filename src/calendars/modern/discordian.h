// The Discordian calendar: five seasons of 73 days and St. Tib's Day.
#pragma once

#include <string>

#include "report/report.h"

namespace tempulo {

// Day of the year as in a common year: the leap day is not counted, so
// 1 March is always day 60.
int CommonDayOfYear(int day, int month);

// The date text of a Gregorian date (what follows the label).
std::string DiscordianDateText(int day, int month, int year);
// Appends "Diskordianischer Kalender\t...".
void DiscordianDate(int day, int month, int year, Report& report);

}  // namespace tempulo

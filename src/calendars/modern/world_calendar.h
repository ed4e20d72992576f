// Day of the Gregorian year and the perpetual World Calendar.
#pragma once

#include <string>

#include "report/report.h"

namespace tempulo {

// Day of the Gregorian year, 1..366.
int DayOfYear(int day, int month, int year);

// Weekday name of the World Calendar for a day count n that is 1 on the first
// day of a half-year; empty for a negative n.
std::string WorldWeekdayName(int n);

// The date text of the World Calendar for a day of the Gregorian year.
std::string WorldCalendarText(int dayOfYear, int year);
// Appends "UNO-Weltkalender\t" + the date text.
void WorldCalendarDate(int dayOfYear, int year, Report& report);

}  // namespace tempulo

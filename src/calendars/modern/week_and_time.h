// Weekday and ISO week number of a Gregorian date, and the report's time
// lines in Central European Time.
#pragma once

#include <string_view>

#include "report/report.h"
#include "astro/rise_set.h"

namespace tempulo {

// 0 = Sunday ... 6 = Saturday, Gregorian calendar.
int WeekdayOfDate(int day, int month, int year);

// Week of the year (1..53) after the international rule: weeks start on
// Monday, week 1 holds the year's first Thursday.
int IsoWeekNumber(int year, int dayOfYear);

// Appends label + TAB + (moment + 1 hour) as "dd.MM.yyyy HH:mm:ss" + " MEZ"
// (only the date at an exact midnight). NoEvent reads "-".
void AddCetTimeLine(Report& report, std::string_view label, double moment);

}  // namespace tempulo

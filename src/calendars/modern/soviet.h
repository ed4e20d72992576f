// The Soviet revolutionary calendar.
#pragma once

#include <string>

#include "report/report.h"

namespace tempulo {

// The date text for a Gregorian day of the year; empty for a day outside the
// year.
std::string SovietDateText(int year, int dayOfYear);

// Appends "Sowjetischer Revolutionskalender\t..." for a Gregorian day of the
// year; nothing for a day outside the year.
void SovietDate(int year, int dayOfYear, Report& report);

}  // namespace tempulo

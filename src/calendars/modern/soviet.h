// The Soviet revolutionary calendar.
#pragma once

#include "app/core/report.h"

namespace tempulo {

// Appends "Sowjetischer Revolutionskalender\t..." for a Gregorian day of the year.
void SovietDate(int year, int dayOfYear, Report& report);

}  // namespace tempulo

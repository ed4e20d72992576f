// The Julian Mars date and the Darian Mars calendar.
#pragma once

#include "app/core/clock.h"
#include "app/core/report.h"

namespace tempulo {

// Appends the two Mars lines for the chosen day at the clock's time of day
// (taken as Central European Time); nothing before the epoch.
void MarsDate(int year, int month, int day, TimeOfDay now, Report& report);

}  // namespace tempulo

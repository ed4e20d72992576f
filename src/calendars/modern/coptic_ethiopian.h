// The Coptic and the Ethiopian calendars.
#pragma once

#include "app/core/report.h"

namespace tempulo {

// Appends the Coptic and the Ethiopian line for the day of a Julian Day.
void CopticEthiopianDates(long double jd, Report& report);

}  // namespace tempulo

// The Goddess and the Solilunar calendars.
#pragma once

#include "app/core/report.h"

namespace tempulo {

void GoddessDate(long double jd, Report& report);
void SolilunarDate(long double jd, Report& report);

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "calendars/modern/goddess_solilunar.h"

namespace tempulo {

void GoddessDate(long double, Report&) {}
void SolilunarDate(long double, Report&) {}

}  // namespace tempulo

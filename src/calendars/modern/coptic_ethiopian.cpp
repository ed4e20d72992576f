// Placeholder until this calendar is built.
#include "calendars/modern/coptic_ethiopian.h"

namespace tempulo {

void CopticEthiopianDates(long double, Report&) {}

}  // namespace tempulo

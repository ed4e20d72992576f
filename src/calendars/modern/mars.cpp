// Placeholder until this calendar is built.
#include "calendars/modern/mars.h"

namespace tempulo {

void MarsDate(int, int, int, TimeOfDay, Report&) {}

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "calendars/modern/soviet.h"

namespace tempulo {

void SovietDate(int, int, Report&) {}

}  // namespace tempulo

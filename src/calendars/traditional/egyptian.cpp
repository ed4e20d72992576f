// Placeholder until this calendar is built.
#include "calendars/traditional/egyptian.h"

namespace tempulo {

std::string EgyptianDate(long double) { return {}; }

}  // namespace tempulo

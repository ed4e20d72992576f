// Placeholder until this calendar is built.
#include "calendars/modern/iranian.h"

namespace tempulo {

std::string IranianDate(long double) { return {}; }

}  // namespace tempulo

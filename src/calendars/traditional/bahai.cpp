// Placeholder until this calendar is built.
#include "calendars/traditional/bahai.h"

namespace tempulo {

std::string BahaiDate(bool, double) { return {}; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "calendars/traditional/seleucid_armenian.h"

namespace tempulo {

std::string SeleucidDate(long double) { return {}; }
std::string ArmenianDate(long double) { return {}; }

}  // namespace tempulo

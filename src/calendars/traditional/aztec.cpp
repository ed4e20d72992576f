// Placeholder until this calendar is built.
#include "calendars/traditional/aztec.h"

namespace tempulo {

std::string AztecDate(long double) { return {}; }

}  // namespace tempulo

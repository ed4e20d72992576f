// Placeholder until this calendar is built.
#include "calendars/traditional/sexagenary.h"

namespace tempulo {

std::string SexagenaryText(ChineseDateRecord) { return {}; }

}  // namespace tempulo

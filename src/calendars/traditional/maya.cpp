// Placeholder until this calendar is built.
#include "calendars/traditional/maya.h"

namespace tempulo {

std::string MayaRoundDate(long double) { return {}; }
std::string MayaLongCount(long double) { return {}; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "calendars/traditional/babylonian.h"

namespace tempulo {

std::string BabylonianDate(int, int, int) { return {}; }

}  // namespace tempulo

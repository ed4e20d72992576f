// Placeholder until this calendar is built.
#include "calendars/modern/positivist_cotsworth.h"

namespace tempulo {

void PositivistDate(int, int, int, Report&) {}
std::string CotsworthDate(int, int, int) { return {}; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "calendars/modern/french_republican.h"

namespace tempulo {

std::string FrenchRepublicanDate(long double) { return {}; }

}  // namespace tempulo

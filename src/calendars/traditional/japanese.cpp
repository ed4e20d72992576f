// Placeholder until this calendar is built.
#include "calendars/traditional/japanese.h"

namespace tempulo {

std::string JapaneseEraDate(int, int, int) { return {}; }

}  // namespace tempulo

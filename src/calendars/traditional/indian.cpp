// Placeholder until this calendar is built.
#include "calendars/traditional/indian.h"

namespace tempulo {

std::string IndianNationalDate(int, int, int) { return {}; }
std::string NanakshahiDate(int, int, int) { return {}; }

}  // namespace tempulo

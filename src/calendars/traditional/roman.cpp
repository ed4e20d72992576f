// Placeholder until this calendar is built.
#include "calendars/traditional/roman.h"

namespace tempulo {

std::string RomanNumeral(int) { return {}; }
std::string RomanDayCount(int) { return {}; }
std::string RomanDate(int, int, int) { return {}; }

}  // namespace tempulo

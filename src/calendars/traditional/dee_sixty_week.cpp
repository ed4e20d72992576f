// Placeholder until this calendar is built.
#include "calendars/traditional/dee_sixty_week.h"

namespace tempulo {

bool IsDeeLeapYear(int) { return false; }
int DeeMonthLength(int, int) { return 0; }
std::string JohnDeeDate(long double) { return "John Dee-Kalender\t"; }
std::string SixtyWeekDate(int, int, int) { return {}; }

}  // namespace tempulo

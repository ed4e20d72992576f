// Placeholder until this calendar is built.
#include "astro/islamic.h"

namespace tempulo {

int JulianDayNumber(int, int, int) { return 0; }
IslamicDateResult IslamicDate(int, int, int) { return {}; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "astro/moon.h"

namespace tempulo {

long double MoonDistance(double) { return 0; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "astro/moon_phases.h"

namespace tempulo {

double PreviousMoonPhase(int, double d) { return d; }
double NextMoonPhase(int, double d) { return d; }
long double MoonAge(double) { return 0; }
long double MoonIlluminatedFraction(double) { return 0; }

}  // namespace tempulo

// Placeholder until this calendar is built.
#include "astro/sun.h"

namespace tempulo {

double SolarLongitudeTime(int, int) { return 0; }
double SeasonStart(int, int) { return 0; }
double NextPrincipalTerm(double d) { return d; }
double PreviousPrincipalTerm(double d) { return d; }

}  // namespace tempulo

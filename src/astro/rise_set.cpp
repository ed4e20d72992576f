// Placeholder until this calendar is built.
#include "astro/rise_set.h"

namespace tempulo {

double SunRise(double, long double, long double) { return NoEvent; }
double SunSet(double, long double, long double) { return NoEvent; }
double SunTransit(double, long double, long double) { return NoEvent; }
double MoonRise(double, long double, long double) { return NoEvent; }
double MoonSet(double, long double, long double) { return NoEvent; }
double MoonTransit(double, long double, long double) { return NoEvent; }
double CivilDawn(double, long double, long double) { return NoEvent; }
double CivilDusk(double, long double, long double) { return NoEvent; }

}  // namespace tempulo

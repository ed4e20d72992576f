// Placeholder until this calendar is built.
#include "astro/vsop87.h"

namespace tempulo {

HeliocentricCoordinates EarthHeliocentricPosition(double) { return {}; }

}  // namespace tempulo

// The moon's apparent position from the abridged ELP-2000/82 theory.
#pragma once

#include "astro/sun.h"

namespace tempulo {

// Distance of the moon's centre from the Earth's centre, kilometres.
long double MoonDistance(double dateValue);

}  // namespace tempulo

// Heliocentric position of the Earth from the truncated VSOP87 theory,
// version D (mean ecliptic and equinox of date).
#pragma once

namespace tempulo {

struct HeliocentricCoordinates {
  long double longitude = 0;  // degrees, [0, 360)
  long double latitude = 0;   // degrees
  long double radius = 0;     // astronomical units
};

// The Earth's heliocentric L, B (FK5) and R at a date value.
HeliocentricCoordinates EarthHeliocentricPosition(double dateValue);

}  // namespace tempulo

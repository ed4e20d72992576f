// The sun's apparent position, nutation, sidereal time and the searches for
// the instants at which the sun reaches a given longitude.
#pragma once

namespace tempulo {

// Position record shared by the sun and the moon.
struct CelestialPosition {
  long double longitude = 0;       // apparent ecliptic longitude, degrees [0, 360)
  long double latitude = 0;        // ecliptic latitude, degrees
  long double distance = 0;        // kilometres
  long double rightAscension = 0;  // degrees, (-180, 180]
  long double declination = 0;     // degrees
  long double parallax = 0;        // degrees; set by TopocentricCorrection only
};

// Instant (date value) within the calendar year at which the sun's apparent
// longitude is n * 15 degrees.
double SolarLongitudeTime(int year, int n);
// 0 winter (December), 1 spring, 2 summer, 3 autumn of that year; other
// seasons give 0.
double SeasonStart(int year, int season);
// First principal solar term at or after / last strictly before an instant.
double NextPrincipalTerm(double dateValue);
double PreviousPrincipalTerm(double dateValue);

}  // namespace tempulo

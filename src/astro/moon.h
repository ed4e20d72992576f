// SPDX-License-Identifier: GPL-3.0-or-later
// The moon's apparent position from the abridged ELP-2000/82 theory, its
// distance, and the correction of its position for an observer on the Earth.
// Positions take their date value in dynamical time (TT); the topocentric
// correction's sidereal time takes universal time.
#pragma once

#include "astro/sun.h"

namespace tempulo {

// Fills longitude, latitude, distance, right ascension and declination; the
// parallax is left alone.
void MoonPosition(CelestialPosition& position, double dateValue);

// Distance of the moon's centre from the Earth's centre, kilometres.
long double MoonDistance(double dateValue);

// The moon's equatorial horizontal parallax, degrees: the value
// TopocentricCorrection stores, which depends on the date alone.
long double MoonParallax(double dateValue);
// The equatorial horizontal parallax at a distance of the moon's centre from
// the Earth's, kilometres, degrees.
long double MoonParallaxAtDistance(long double distance);

// Replaces right ascension and declination of a moon position by the values
// seen from an observer at latitude phi (degrees north), longitude (degrees
// west) and height (metres above the reference ellipsoid) at the universal
// time of the date value, and sets the equatorial horizontal parallax. The
// distance is the moon's at the date, computed afresh (the difference of
// dynamical time moves it by well under an arcsecond).
void TopocentricCorrection(CelestialPosition& position, double dateValue, long double latitude,
                           long double longitude, long double height);
// The same with the equatorial horizontal parallax given, degrees: that of
// a finer distance than the abridged theory's.
void TopocentricCorrection(CelestialPosition& position, double dateValue, long double latitude,
                           long double longitude, long double height, long double parallax);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The moon from the lunar theory ELP/MPP02 (fitted to DE405), truncated to a
// few tenths of an arcsecond over 1900-2100 (moon_elp_terms.h), for the
// instants that need more than the abridged series of moon.h, which is off by
// up to 17" (half a minute of a phase's time): the principal phases. A
// longitude costs some 10 us, several hundred times the abridged series.
#pragma once

#include "astro/sun.h"

namespace tempulo {

struct ElpMoonCoordinates {
  long double longitude = 0;  // degrees, mean ecliptic and equinox of date, [0, 360)
  long double latitude = 0;   // degrees
  long double distance = 0;   // km, centre to centre
};

// The moon's geometric geocentric position at a date value in dynamical
// time (TT), its longitude corrected for the difference between the
// theory's tidal acceleration and the one Delta T was derived with.
ElpMoonCoordinates ElpMoonGeometricPosition(double dateValue);

// Apparent geocentric longitude of the moon, degrees in [0, 360), referred
// to the true equinox of date, at a date value in dynamical time (TT): the
// theory's position backdated by the light time and corrected for nutation.
// With `rate`, also the rate of the geometric longitude, degrees per day
// (the nutation's is a ten-thousandth of it).
long double ElpMoonApparentLongitude(double dateValue, long double* rate = nullptr);

// The moon's apparent geocentric place as MoonPosition gives the abridged
// one: longitude and latitude of the position backdated by the light time,
// the longitude corrected for nutation, right ascension and declination of
// the true equator of date; the distance is that position's. Some 80 us, four
// times the abridged series: for the few instants where the abridged moon's
// 17" matter to a rise or set.
void ElpMoonPosition(CelestialPosition& position, double dateValue);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The sun's apparent position, nutation, sidereal time and the searches for
// the instants at which the sun reaches a given longitude.
//
// Positions and nutation take their date value in dynamical time (TT), the
// sidereal time in universal time; the instants of the searches are given in
// universal time (time/delta_t.h converts).
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

// Nutation in longitude and the true obliquity of the ecliptic, degrees.
struct NutationValues {
  long double longitude = 0;  // delta psi
  long double obliquity = 0;  // epsilon, mean obliquity plus nutation in obliquity
};

// From the 31 largest terms of the IAU 1980 nutation series.
NutationValues Nutation(double dateValue);
// Apparent sidereal time at Greenwich, degrees in [0, 360).
long double ApparentSiderealTime(double dateValue);
// Adds the nutation in longitude to the position's longitude (reduced to
// [0, 360)) and fills its right ascension and declination.
void EclipticToEquatorial(CelestialPosition& position, double dateValue);
// The sun's apparent longitude, latitude, distance, right ascension and
// declination; the parallax is left alone.
void SunPosition(CelestialPosition& position, double dateValue);

// Instant (date value) within the calendar year at which the sun's apparent
// longitude is n * 15 degrees (n = 0..23). Terms 19 to 23 are the ones of
// January to March of that year, all others fall between March and December.
double SolarLongitudeTime(int year, int n);
// The answers of SolarLongitudeTime are remembered per thread (the last three
// years' worth); this forgets them, so that a benchmark can measure a first
// search.
void ForgetSolarTermSearches();
// 0 winter (December), 1 spring, 2 summer, 3 autumn of that year; other
// seasons give 0.
double SeasonStart(int year, int season);
// The principal solar term (index of SolarLongitudeTime) that falls in a
// Gregorian month 1..12: March gives 0, December 18, January 20.
int PrincipalTermIndex(int month);
// First principal solar term at or after / last strictly before an instant.
double NextPrincipalTerm(double dateValue);
double PreviousPrincipalTerm(double dateValue);

// The same instants from a few-term sun instead of a search on the finer
// one, some fifty times cheaper, for callers that need only the day of a
// term: they lie within kSolarTermMargin of the searched ones, so a caller
// takes the searched instant only where a day's edge (or a comparison) lies
// that close. The principal-term walks answer NaN where a term they compare
// lies within the margin of the instant asked about.
double ApproximateSolarLongitudeTime(int year, int n);
double ApproximateSeasonStart(int year, int season);
double NextApproximatePrincipalTerm(double dateValue);
double PreviousApproximatePrincipalTerm(double dateValue);
// Days; every term of the years 100 to 3000 lies within 16.0 minutes (see
// the test).
inline constexpr double kSolarTermMargin = 30.0 / 1440.0;

}  // namespace tempulo

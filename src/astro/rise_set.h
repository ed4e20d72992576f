// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, set, transit and twilight of the sun and the moon for one day and one
// observer. Latitudes count north, longitudes west (12 degrees east is -12).
// A day without the event gives NoEvent.
#pragma once

#include <array>

namespace tempulo {

// What a search returns for a day without the event.
inline constexpr double NoEvent = -1000001.0;

// Rise, set, transit or twilight of the sun (isSun) or the moon on the day of
// the date value, for an observer at latitude and longitude (degrees north,
// west). Kinds: 0 rise, 1 set, 2 transit; 3, 4, 5 the beginning of civil,
// nautical and astronomical morning twilight (a rise at -6, -12, -18
// degrees); 6, 7, 8 the end of the evening twilights (a set at those
// altitudes). NoEvent when the body does not reach the event's altitude that
// day; otherwise the date value 0 for a kind outside 0..8.
double RiseSetTransit(bool isSun, int kind, double dateValue, long double latitude, long double longitude);

// What one search knows: sidereal time at the day's start, the observer, the
// altitude that defines the event, and the body's right ascension and
// declination on the day before, the day and the day after.
struct RiseSetSearch {
  long double siderealTime = 0;  // degrees, at the day's start
  long double latitude = 0;      // degrees north
  long double longitude = 0;     // degrees west
  long double altitude = 0;      // h0, degrees
  std::array<long double, 3> rightAscension{};
  std::array<long double, 3> declination{};
};

// Correction of a day fraction m: which = 0 for the transit, 1 for the rise,
// 2 for the set; any other gives 0.
long double RiseSetCorrection(const RiseSetSearch& search, int which, long double m);

// Value at n (in days from the middle one) of the quadratic through three
// values a day apart; differences beyond 100 degrees are taken across the
// 0/360 or +-180 jump of right ascension.
long double InterpolateThree(long double n, long double y1, long double y2, long double y3);

double SunRise(double dateValue, long double latitude, long double longitude);
double SunSet(double dateValue, long double latitude, long double longitude);
double SunTransit(double dateValue, long double latitude, long double longitude);
double MoonRise(double dateValue, long double latitude, long double longitude);
double MoonSet(double dateValue, long double latitude, long double longitude);
double MoonTransit(double dateValue, long double latitude, long double longitude);
double CivilDawn(double dateValue, long double latitude, long double longitude);
double CivilDusk(double dateValue, long double latitude, long double longitude);

}  // namespace tempulo

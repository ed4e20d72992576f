// Rise, set, transit and twilight of the sun and the moon for one day and one
// observer. Latitudes count north, longitudes west (12 degrees east is -12).
// A day without the event gives NoEvent.
#pragma once

namespace tempulo {

// What a search returns for a day without the event.
inline constexpr double NoEvent = -1000001.0;

double SunRise(double dateValue, long double latitude, long double longitude);
double SunSet(double dateValue, long double latitude, long double longitude);
double SunTransit(double dateValue, long double latitude, long double longitude);
double MoonRise(double dateValue, long double latitude, long double longitude);
double MoonSet(double dateValue, long double latitude, long double longitude);
double MoonTransit(double dateValue, long double latitude, long double longitude);
double CivilDawn(double dateValue, long double latitude, long double longitude);
double CivilDusk(double dateValue, long double latitude, long double longitude);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// Mercury to Neptune: apparent geocentric places from VSOP87 (version D,
// truncated; see vsop87_planet_terms.h for the bound and what it costs),
// magnitudes, elongation, and rise, culmination and set for an observer.
//
// The place is the one the sun's is: light-time (the planet where it was
// when the light left it), the FK5 frame correction, the annual aberration
// and the nutation in longitude, then right ascension and declination with
// the true obliquity. The places (PlanetPosition, PlanetEclipticPlace,
// PlanetLongitude) take dynamical time (TT), as the sun's and the moon's do;
// PlanetSky, PlanetNight and the events take and give universal time.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "astro/rise_set.h"

namespace tempulo {

enum class Planet : int { kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune };

inline constexpr std::array<Planet, 7> kPlanets = {Planet::kMercury, Planet::kVenus,  Planet::kMars,
                                                   Planet::kJupiter, Planet::kSaturn, Planet::kUranus,
                                                   Planet::kNeptune};

// "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun".
std::string_view PlanetName(Planet planet);
// "mercury" ... "neptune": the stable identifier of keys and files.
std::string_view PlanetId(Planet planet);
// Mercury and Venus, whose orbits lie inside the Earth's.
bool IsInnerPlanet(Planet planet);

// How many of the tables' terms an evaluation sums. kFull: all of them
// (within about 1.2" of the complete theory, see the tables). kCoarse: the
// terms of at least 1e-6 rad or AU, within about 10" — ample for rise and
// set to the second and for finding where an event lies before it is
// refined with kFull.
enum class PlanetPrecision : int { kFull, kCoarse };

struct PlanetPlace {
  long double longitude = 0;       // apparent ecliptic longitude of date, degrees [0, 360)
  long double latitude = 0;        // apparent ecliptic latitude, degrees
  long double rightAscension = 0;  // degrees, (-180, 180]
  long double declination = 0;     // degrees
  long double distance = 0;        // from the Earth, AU
  long double sunDistance = 0;     // from the sun, AU
  long double sunLongitude = 0;    // the sun's apparent longitude, degrees [0, 360)
  long double elongation = 0;      // angle sun - Earth - planet, degrees [0, 180]
  bool eastOfSun = false;          // east of the sun: in the evening sky
  long double phaseAngle = 0;      // angle sun - planet - Earth, degrees
  long double magnitude = 0;       // visual magnitude, Mallama and Hilton (2018)
};

PlanetPlace PlanetPosition(Planet planet, double dateValue, PlanetPrecision precision = PlanetPrecision::kFull);

// The apparent ecliptic places of the planet and of the sun before the
// nutation in longitude (the same for both; add Nutation(t).longitude for the
// longitudes of date), for searches that look at many instants.
struct PlanetEcliptic {
  long double longitude = 0;     // degrees [0, 360)
  long double latitude = 0;      // degrees
  long double sunLongitude = 0;  // degrees [0, 360)
  long double distance = 0;      // from the Earth, AU
  long double earthSunDistance = 0;
};
PlanetEcliptic PlanetEclipticPlace(Planet planet, double dateValue, PlanetPrecision precision);

// The kCoarse places of the seven planets (indexed by Planet) at origin,
// origin + 1, ..., origin + days, for the searches that go through a stretch
// day by day; days is taken into 0 .. kMaxDailyPlaces - 1. The Earth is
// taken once a day for all seven; the heliocentric places of Mars and the
// outer planets, which change slowly, are taken every few days and
// interpolated in between, within 0.001" of PlanetEclipticPlace's.
inline constexpr int kMaxDailyPlaces = 4000;
std::vector<std::array<PlanetEcliptic, 7>> DailyCoarsePlaces(double origin, int days);

// The sun's apparent longitude, degrees [0, 360) referred to the true
// equinox of date, at a date value in dynamical time, from the Earth's
// series of this module (within 0.02" of the complete VSOP87 near 2000)
// rather than sun.h's abridged one (up to 1"): for the instants the almanac
// names to the second, the season starts, the solar terms and the principal
// phases of the moon.
long double PreciseSunApparentLongitude(double dateValue);

// Apparent ecliptic longitude alone, degrees [0, 360): what the searches for
// stations and conjunctions follow.
long double PlanetLongitude(Planet planet, double dateValue, PlanetPrecision precision = PlanetPrecision::kFull);

// Visual magnitude from the phase angle (degrees), the distances from the
// sun and the Earth (AU), a planetocentric latitude (degrees) and the
// Julian year. Mallama and Hilton (2018), the formulas of the Astronomical
// Almanac; beyond the phase angles they cover (Venus past 179 degrees, the
// outer planets past their largest geocentric phase angle) the last formula
// is carried on.
//   Saturn: the rings' opening, the geometric mean of the latitudes of the
//     Earth and of the sun over the ring plane (0 when they lie on opposite
//     sides); Uranus: the mean of the sub-Earth and sub-solar latitudes'
//     sizes; ignored for the others.
//   year: Neptune brightened from 1980 to 2000; ignored for the others.
long double PlanetMagnitude(Planet planet, long double phaseAngle, long double sunDistance, long double distance,
                            long double subLatitude, long double year);

// A body as the rise and set searches see it over one stretch of time: its
// place at four instants spread over [start, start + span], interpolated in
// between (a cubic; within a fraction of an arcsecond over a day and a half),
// and the sidereal time from one nutation.
class SampledSky : public SkyBody {
 public:
  void Place(double t, long double& siderealTime, long double& rightAscension,
             long double& declination) const override;
  // The altitude of the centre (no refraction) for an observer at latitude
  // (north) and longitude (west), degrees.
  long double Altitude(double t, long double latitude, long double westLongitude) const;
  // The largest size of the declination at the samples.
  long double LargestDeclination() const;

 protected:
  static constexpr int kSamples = 4;
  SampledSky(double start, double span);
  // placeAt(k, dynamical time, nutation) gives the k-th sample's right
  // ascension and declination, degrees.
  template <typename PlaceAt>
  void TakeSamples(const PlaceAt& placeAt);

 private:
  double start_;
  double span_;
  double step_;
  std::array<long double, kSamples> ra_{};   // unwound, degrees
  std::array<long double, kSamples> dec_{};  // degrees
  long double meanSiderealStart_ = 0;
  long double equationOfEquinoxes_ = 0;
};

class PlanetSky final : public SampledSky {
 public:
  // The places are computed with kCoarse precision.
  PlanetSky(Planet planet, double start, double span);
  // The centre on a horizon lowered by 34' of refraction, seen from the
  // Earth's surface: raised by the planet's horizontal parallax (up to half
  // a minute of arc for Venus near the Earth), as the place is geocentric.
  long double HorizonAltitude() const override;
  long double HourAngleRate() const override { return 359.0L; }
  // The coarse place of the second sample, a third into the span.
  const PlanetPlace& SecondSample() const { return second_; }

 private:
  long double parallax_ = 0;
  PlanetPlace second_;
};

// The sun's centre at a chosen altitude, from the coarse Earth: good to a
// few arcseconds, ample for times shown to the minute.
class SunSky final : public SampledSky {
 public:
  SunSky(double start, double span, long double altitude);
  long double HorizonAltitude() const override { return altitude_; }

 private:
  long double altitude_;
};

// One planet's evening at a place: rise, culmination and set within the civil
// day, and the stretches of the following night (sun below -6 degrees from
// the day's evening to the next morning) in which the planet is above the
// horizon.
struct PlanetNight {
  double rise = NoEvent;
  double transit = NoEvent;
  double set = NoEvent;
  // Up to two stretches [from, to] of universal time; count 0: not seen.
  int stretches = 0;
  std::array<double, 2> from{};
  std::array<double, 2> to{};
  // Magnitude, elongation and the rest, coarse, a third into the stretch
  // from the day's start to the night's end (about midday).
  PlanetPlace place;
};

// `day` is the civil day, `night` the dark span after its evening, found by
// NightAfter; a night of {0, 0} has no darkness (the sun stays above -6).
PlanetNight PlanetEvening(Planet planet, const DaySpan& day, const DaySpan& night, long double latitude,
                          long double westLongitude);

// From the day's civil dusk to the next civil dawn. Where the sun does not
// go below -6 degrees that night, {0, 0}; where it stays below (polar
// night), the day's evening from its middle to the next day's middle.
DaySpan NightAfter(const DaySpan& day, long double latitude, long double westLongitude);

}  // namespace tempulo

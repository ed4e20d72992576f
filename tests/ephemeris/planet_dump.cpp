// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the planets' places, magnitudes and day events for the comparison
// with PyEphem and astronomy-engine (check_planets_against_pyephem.py).
//
//   tempulo_planet_dump places FIRST LAST STEP
//     per date value from FIRST to LAST in steps of STEP days and planet:
//     t, id, right ascension, declination, longitude, latitude (degrees),
//     distance, sun distance (AU), elongation, phase angle, magnitude
//   tempulo_planet_dump days LAT LON FIRST LAST STEP
//     per day (date value of 0 h UT) and planet: t, id, rise, transit, set
//     (date values, or -1000001 for none), for latitude north, longitude east
//   tempulo_planet_dump events FIRST LAST
//     the events from date value FIRST to LAST in year-long pieces: t, kind,
//     planet, other planet, degrees, and t in dynamical time (for the
//     comparison with an ephemeris on that scale, free of Delta T)
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "astro/planet_events.h"
#include "astro/planets.h"
#include "astro/rise_set.h"

namespace {

int Places(double first, double last, double step) {
  for (int i = 0; i < 1000000; ++i) {
    const double t = first + step * i;
    if (t > last) {
      break;
    }
    for (const tempulo::Planet planet : tempulo::kPlanets) {
      const tempulo::PlanetPlace p = tempulo::PlanetPosition(planet, t);
      std::printf("%.6f\t%s\t%.9Lf\t%.9Lf\t%.9Lf\t%.9Lf\t%.9Lf\t%.9Lf\t%.6Lf\t%.6Lf\t%.4Lf\n", t,
                  tempulo::PlanetId(planet).data(), p.rightAscension, p.declination, p.longitude, p.latitude,
                  p.distance, p.sunDistance, p.elongation, p.phaseAngle, p.magnitude);
    }
  }
  return 0;
}

int Days(double latitude, double longitude, double first, double last, double step) {
  for (int i = 0; i < 1000000; ++i) {
    const double t = first + step * i;
    if (t > last) {
      break;
    }
    const tempulo::DaySpan day{t, t + 1.0};
    for (const tempulo::Planet planet : tempulo::kPlanets) {
      const tempulo::PlanetSky sky(planet, day.start, 1.0);
      const tempulo::DayEvents events(sky, day, latitude, -longitude);
      std::printf("%.1f\t%s\t%.8f\t%.8f\t%.8f\n", t, tempulo::PlanetId(planet).data(),
                  events.Find(tempulo::RiseSetKind::kRise), events.Find(tempulo::RiseSetKind::kTransit),
                  events.Find(tempulo::RiseSetKind::kSet));
    }
  }
  return 0;
}

int Events(double first, double last) {
  for (double start = first; start < last; start += 365.0) {
    const double end = start + 365.0 < last ? start + 365.0 : last;
    for (const tempulo::PlanetEvent& e : tempulo::PlanetEvents(tempulo::Instant::FromDateValue(start),
                                                               tempulo::Instant::FromDateValue(end))) {
      std::printf("%.8f\t%s\t%s\t%s\t%.4Lf\t%.8f\n", e.time.DateValue(),
                  tempulo::PlanetEventKindId(e.kind).data(), tempulo::PlanetId(e.planet).data(),
                  tempulo::PlanetId(e.other).data(), e.value, e.time.TerrestrialDateValue());
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "places") == 0) {
    return Places(std::atof(argv[2]), std::atof(argv[3]), std::atof(argv[4]));
  }
  if (argc == 7 && std::strcmp(argv[1], "days") == 0) {
    return Days(std::atof(argv[2]), std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]),
                std::atof(argv[6]));
  }
  if (argc == 4 && std::strcmp(argv[1], "events") == 0) {
    return Events(std::atof(argv[2]), std::atof(argv[3]));
  }
  std::fputs("usage: tempulo_planet_dump places FIRST LAST STEP | days LAT LON FIRST LAST STEP | events FIRST LAST\n",
             stderr);
  return 2;
}

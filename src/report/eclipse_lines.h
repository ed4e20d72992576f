// SPDX-License-Identifier: GPL-3.0-or-later
// The eclipses as the almanac words them: the report's line on an eclipse
// day, the year's list of `--eclipses` and "Finsternisse des Jahres".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/eclipses.h"
#include "report/report.h"
#include "time/zone.h"

namespace tempulo {

// "totale Sonnenfinsternis", "Halbschatten-Mondfinsternis", ...
std::string_view EclipseKindName(EclipseKind kind);

// An eclipse with what one place sees of it.
struct PlacedEclipse {
  Eclipse eclipse;
  LocalEclipse local;
  // The instant the almanac names as the eclipse's maximum: the local one
  // where the place sees the eclipse, else the greatest eclipse.
  double maximum = 0;
};

// The eclipses whose maximum falls in [start, end) (universal time), for a
// place (latitude north, longitude east).
std::vector<PlacedEclipse> PlacedEclipsesBetween(double start, double end, double latitude, double longitude);

// The eclipses of a civil year in the zone's time.
std::vector<PlacedEclipse> EclipsesOfYear(int year, const TimeZone& zone, double latitude, double longitude);

// "HH:mm:ss MEZ": an instant's time of day in the zone, with its name.
std::string ZoneTimeOfDay(double moment, const TimeZone& zone);

// The report line's value: "partielle Sonnenfinsternis, Maximum 12:14:33 MEZ,
// 27 % bedeckt"; an eclipse the place does not see ends "hier nicht
// sichtbar", a lunar one names its umbral magnitude ("Größe 1.18").
std::string EclipseSummary(const PlacedEclipse& e, const TimeZone& zone);

// The line "Finsternis" for every eclipse whose maximum falls in the day
// [dayStart, dayEnd) (universal time); nothing on other days.
void AddEclipseLines(Report& report, double dayStart, double dayEnd, double latitude, double longitude,
                     const TimeZone& zone);

}  // namespace tempulo

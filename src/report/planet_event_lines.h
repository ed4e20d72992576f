// SPDX-License-Identifier: GPL-3.0-or-later
// The year's planetary events as the command line and the window show them:
// text lines, TSV, JSON and an iCalendar file, the times in the zone of the
// chosen place (the fixed MEZ without one).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/planet_events.h"
#include "report/report_place.h"
#include "time/civil.h"

namespace tempulo {

// The events of the local year (its first to its last local midnight).
std::vector<PlanetEvent> PlanetEventsOfYear(int year, const ReportPlace* place);

// "dd.MM.yyyy HH:mm:ss MEZ" of the event in the place's zone.
std::string PlanetEventTime(const PlanetEvent& event, const ReportPlace* place);
// The local civil date of the event, for going to its day.
CivilDate PlanetEventDate(const PlanetEvent& event, const ReportPlace* place);

// One line per event: time, TAB, text.
std::string PlanetEventsText(const std::vector<PlanetEvent>& events, const ReportPlace* place);
// Header "time\tkind\tplanet\tother\tdegrees\ttext", then one row per event;
// the time as ISO 8601 with the zone's offset.
std::string PlanetEventsTsv(const std::vector<PlanetEvent>& events, const ReportPlace* place);
// One JSON array of objects {time, kind, planet, [other], [degrees], text}.
std::string PlanetEventsJson(const std::vector<PlanetEvent>& events, const ReportPlace* place);
// An iCalendar file with one event per entry, at its instant in UTC.
std::string PlanetEventsIcs(const std::vector<PlanetEvent>& events, std::string_view stampUtc);

}  // namespace tempulo

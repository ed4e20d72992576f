// SPDX-License-Identifier: GPL-3.0-or-later
// Report lines the user asks for, none of them part of the default report:
// the "Planeten" block (rise, culmination, set, magnitude, elongation and the
// dark hours each planet is up), the golden and the blue hour, and the times
// the sun passes an altitude the user names. They follow the sun and moon
// block, for the same place and zone, in the same years (from 1900 on).
#pragma once

#include <optional>

#include "astro/rise_set.h"
#include "report/report.h"
#include "report/report_place.h"
#include "time/civil.h"

namespace tempulo {

struct ExtraReportLines {
  bool planets = false;
  bool sunHours = false;                // "Goldene Stunde", "Blaue Stunde"
  std::optional<double> sunAltitude;    // degrees, -90 < altitude < 90
  bool Any() const { return planets || sunHours || sunAltitude.has_value(); }
};

// Appends the chosen lines for the date; nothing before 1900. `place` null:
// the almanac's default place (50 N, 12 E) in MEZ.
void AddExtraReportLines(const CivilDate& date, const ReportPlace* place, const ExtraReportLines& extra,
                         Report& report);

// The rising and setting instants (date values, UT) at which the sun's centre
// stands at `altitude` degrees within the day; NoEvent where it does not.
struct SunCrossing {
  double rising = 0;
  double setting = 0;
};
SunCrossing SunAtAltitude(const DaySpan& day, long double latitude, long double westLongitude,
                          long double altitude);

}  // namespace tempulo

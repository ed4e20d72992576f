// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines for a moment of the day in Central European Time.
#pragma once

#include <string_view>
#include <vector>

#include "report/report.h"
#include "time/zone.h"

namespace tempulo {

// Appends label + TAB + (moment + 1 hour) as "dd.MM.yyyy HH:mm:ss" + " MEZ"
// (only the date at an exact midnight). NoEvent reads "-". A report that
// keeps values gets the same moment under `key` as ISO 8601 local time with
// its UTC offset ("2026-12-08T07:19:04+01:00"); nothing for NoEvent.
void AddCetTimeLine(Report& report, std::string_view label, double moment, std::string_view key = {});

// "dd.MM.yyyy[ HH:mm:ss]" (the report's wording of a moment) as ISO 8601
// with the given UTC offset (whole minutes of it); empty when the text is
// not of that form.
std::string IsoDateTimeFromText(std::string_view text, int utcOffsetSeconds);

// The same in a zone's civil time, labelled with the abbreviation in force at
// the moment ("MESZ", "EST"); the fixed MEZ reads exactly as AddCetTimeLine.
void AddZoneTimeLine(Report& report, std::string_view label, double moment, const TimeZone& zone,
                     std::string_view key = {});

// Appends each moment to the list `key` of a report that keeps values, as
// ISO 8601 in the zone's civil time (MEZ for the fixed zone), worded as the
// time lines word them; no line of text.
void AppendZoneTimes(Report& report, std::string_view key, const std::vector<double>& moments,
                     const TimeZone& zone);

}  // namespace tempulo

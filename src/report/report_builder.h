// SPDX-License-Identifier: GPL-3.0-or-later
// The report of one day in its fixed line order.
#pragma once

#include "report/report.h"
#include "report/report_place.h"
#include "time/clock.h"

namespace tempulo {

// The observer of every rise, set, transit and twilight time: 50 degrees
// north, 12 degrees east (longitudes count west).
inline constexpr long double kObserverLatitude = 50.0L;
inline constexpr long double kObserverLongitude = -12.0L;

// The Julian Date at 0 h of a civil date: a Julian-calendar date up to
// 14 October 1582 (so 5-14 October continue the Julian calendar), Gregorian
// after. Raises ConversionError for a day the month does not have.
long double ReportJulianDay(CivilDate date);

// Index 0..23 of the solar term the sun is in, from the Earth's heliocentric
// ecliptic longitude in degrees (the sun's is 180 degrees more); each term
// spans 15 degrees from 0, the spring equinox.
int SolarTermIndex(long double heliocentricLongitude);

// Appends the sun and moon block of a day (date value at 0 h) for the
// report's observer: twilight, the moon's age, phase and distance, the next
// phases, and the rise, culmination and set of moon and sun in MEZ.
void AddSunAndMoonBlock(double dateValue, Report& report);
// The same block for a chosen place, in its local time, after an "Ort" line
// naming it.
void AddSunAndMoonBlock(double dateValue, const ReportPlace& place, Report& report);

class EntryChoice;

// Sets the heading and appends the report's lines for the selected civil date.
// The sun and moon block is that of `place` when one is given; the entries
// are those of `choice` (none: the default set).
void BuildReport(CivilDate date, const Clock& clock, Report& report, const ReportPlace* place = nullptr,
                 const EntryChoice* choice = nullptr);

}  // namespace tempulo

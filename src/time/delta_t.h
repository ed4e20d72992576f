// SPDX-License-Identifier: GPL-3.0-or-later
// Delta T, the difference between dynamical time (TT, the time of the
// ephemeris) and universal time (UT, the time of the clock and the day), and
// the conversion of date values between the two.
//
// The positions of sun and moon are functions of dynamical time; everything
// the almanac shows or compares with a clock is universal time. Delta T grows
// irregularly with the slowing of the Earth's rotation: about 64 s in 2000,
// 29 s in 1950, -3 s in 1900, some 10,000 s in the year 100.
#pragma once

namespace tempulo {

// Delta T = TT - UT in seconds for a decimal year (2000.5 is mid-2000), from
// the polynomial expressions of F. Espenak and J. Meeus, "Five Millennium
// Canon of Solar Eclipses: -1999 to +3000", NASA/TP-2006-214141, section 2.6
// (fitted to L. V. Morrison and F. R. Stephenson's values up to 1600, to
// observed values 1600-2005, extrapolated after 2005). The Canon's further
// correction for its lunar ephemeris' secular acceleration is not applied:
// the values are those of the published table.
double DeltaTSeconds(double decimalYear);

// The decimal year of a date value (2000.0 at 1 January 2000, 0 h).
double DecimalYearOfDateValue(double dateValue);

// A date value in universal time moved to dynamical time, and back.
double TerrestrialFromUniversal(double dateValue);
double UniversalFromTerrestrial(double terrestrialDateValue);

}  // namespace tempulo

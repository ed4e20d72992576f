// SPDX-License-Identifier: GPL-3.0-or-later
// The Julian Mars date and the Darian Mars calendar.
#pragma once

#include <string_view>

#include "time/civil.h"
#include "time/day_count.h"

namespace tempulo {

// Long Mars years have 669 sols, the others 668.
bool IsLongMarsYear(long long year);
int MarsYearLength(long long year);

struct MarsYearSplit {
  long long year = 0;
  long double sols = 0;  // running count within the year, in [1, year length + 1)
};

// Splits a sol count since the epoch into the Darian year and the running
// count within it.
MarsYearSplit SplitMarsYears(long double sols);

struct DarianDate {
  long long year = 0;
  int month = 0;            // 1..24
  long long day = 0;        // 1..28
  long long dayOfYear = 0;  // 0-based
  int weekSol = 0;          // 1..7, 1 = Solis on every month's first sol
};

DarianDate DarianDateOf(long double sols);

// Sols of the Darian month (1..24) of the date's year and month.
int DarianMonthLength(const DarianDate& date);

// Names 1..24 and 1..7; empty outside.
std::string_view DarianMonthName(int month);
std::string_view MarsSolName(int weekSol);

// The Mars count starts at 0 h universal time of 12 March 1609 (Gregorian).
inline constexpr FixedDay kMarsEpoch = FixedFromGregorian({1609, 3, 12});

// Sols since the epoch at an instant given as a Julian Date (universal
// time); negative before the epoch. A Darian date names a sol, not an Earth
// day, so there is no way back to a day.
long double MarsSolDate(long double julianDate);

}  // namespace tempulo

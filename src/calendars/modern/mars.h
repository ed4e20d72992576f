// The Julian Mars date and the Darian Mars calendar.
#pragma once

#include <string>

#include "time/clock.h"
#include "report/report.h"

namespace tempulo {

// Long Mars years have 669 sols, the others 668.
bool IsLongMarsYear(long long year);
int MarsYearLength(long long year);
// Sols of a Darian month 1..24.
int DarianMonthLength(long long year, int month);

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

// Names 1..24 and 1..7; empty outside.
std::string DarianMonthName(int month);
std::string MarsSolName(int weekSol);

// Sols since the epoch (12 March 1609, 0 h) of a calendar date at a time of
// day on Central European Time.
long double MarsSolDate(int year, int month, int day, TimeOfDay now);

// Appends the two Mars lines for the chosen day at the clock's time of day
// (taken as Central European Time); nothing before the epoch.
void MarsDate(int year, int month, int day, TimeOfDay now, Report& report);

}  // namespace tempulo

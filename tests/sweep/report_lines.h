// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines as data: for each line its label, how often it
// appears, the years it belongs to, how its value is read and checked, and,
// for the calendars that count days, how one day follows the day before.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "line_check.h"

namespace tempulo::sweep {

enum class Occurs {
  kOnce,      // exactly one line (when the line applies to the day)
  kOptional,  // at most one line
  kAny,       // any number of lines, checked together (festivals, holidays)
};

struct LineKind {
  K kind;
  std::string_view name;   // the check's name in the findings
  std::string_view label;  // the text before the TAB, or the whole line
  bool wholeLine;          // the line is the label itself (the blank lines)
  Occurs occurs;
  // The year condition (and the like): the line is there only on these days.
  bool (*applies)(const DayContext&);
  // For optional and repeated lines with an empty label: is this value one
  // of theirs.
  bool (*accepts)(std::string_view value);
  // Reads and checks the value; repeated lines get all their values at once.
  void (*read)(LineCheck&);
  // Day-by-day calendars: checks the step from the day before.
  void (*follow)(const Reading& before, LineCheck& after);
  // The value depends on the Julian Day alone: two civil days with the same
  // Julian Day (5-14 and 15-24 October 1582) must show the same text.
  bool byJulianDay;
};

// In the report's order.
const std::array<LineKind, kKindCount>& LineKinds();

// The identifier of the report entry (see report/registry.h) that writes
// lines of this kind; empty for the lines the refresh writes before the
// report.
std::string_view EntryOfKind(K kind);

// The sun and moon lines: a moment in Central European Time, or "-".
// Exposed for the tests of the checker.
bool ReadCetMoment(std::string_view value, long double& moment);

// Easter Sunday of the Julian computus: (month, day) of the Julian calendar.
YearMonthDay JulianEaster(int year);
// Easter Sunday of the Gregorian computus.
YearMonthDay GregorianEaster(int year);

}  // namespace tempulo::sweep

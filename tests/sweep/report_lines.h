// SPDX-License-Identifier: GPL-3.0-or-later
// The report's lines as the sweep reads them: taken from the entry table
// (their ids, labels and years), each with the sweep's checking code keyed
// by its line id: how often it appears, how its value is read and checked,
// and, for the calendars that count days, how one day follows the day before.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "line_check.h"
#include "report/calendar_lookup.h"

namespace tempulo::sweep {

enum class Occurs {
  kOnce,      // exactly one line (when the line applies to the day)
  kOptional,  // at most one line
  kAny,       // any number of lines, checked together (festivals, holidays)
};

// The sweep's checking code of one report line, keyed by the line's id in
// the entry table (report/registry.h: an entry's id for its first line,
// ReportLineIds() for its further ones).
struct LineRule {
  std::string_view id;
  Occurs occurs = Occurs::kOnce;
  // Beyond the entry's years: the line is there only on these days; nullptr
  // for always.
  bool (*applies)(const DayContext&) = nullptr;
  // For optional and repeated lines with an empty label: is this value one
  // of theirs.
  bool (*accepts)(std::string_view value) = nullptr;
  // Reads and checks the value; repeated lines get all their values at once.
  void (*read)(LineCheck&) = nullptr;
  // Day-by-day calendars: checks the step from the day before.
  void (*follow)(const Reading& before, LineCheck& after) = nullptr;
  // The value depends on the Julian Day alone: two civil days with the same
  // Julian Day (5-14 and 15-24 October 1582) must show the same text.
  bool byJulianDay = true;
};

// A line of the default report as the sweep reads it, in the report's order:
// the refresh's own lines before the entries (the date, a blank line, the
// holidays), then every entry shown by default with its further lines.
struct SweptLine {
  std::string_view id;     // the line id; the check's name in the findings
  std::string_view entry;  // the entry writing it; empty for the refresh's own lines
  std::string_view label;  // the text before the TAB, or the whole line
  bool wholeLine;          // the line is the label itself (the blank lines)
  int firstYear;           // the entry's civil years
  int lastYear;
  // The line's checking code; a line without one (a calendar new to the
  // table) is still checked for its place, its label, broken numbers, the
  // same text on days that share a Julian Day and, with `way`, the date.
  const LineRule* rule;
  // An entry's first line: its calendar's way there and back, when its date
  // names one day as "day.month year". A line without checking code must
  // then begin with the date the way gives for the day, and is there exactly
  // on the days the way has a date for.
  const LookupCalendar* way;

  Occurs occurs() const { return rule != nullptr ? rule->occurs : Occurs::kOnce; }
  bool Applies(const DayContext& context) const;
};

// The lines of the default report, or of the report with every entry of
// the table (the entries a user can choose beyond the default included).
const std::vector<SweptLine>& SweptLines(bool allEntries = false);

// The sweep's checking code, by line id.
std::span<const LineRule> LineRules();

// The check of a line without checking code by its calendar's way.
void ReadByWay(const LookupCalendar& way, LineCheck& c);

// The sun and moon lines: a moment in Central European Time, or "-".
// Exposed for the tests of the checker.
bool ReadCetMoment(std::string_view value, long double& moment);

// Easter Sunday of the Julian computus: (month, day) of the Julian calendar.
YearMonthDay JulianEaster(int year);
// Easter Sunday of the Gregorian computus.
YearMonthDay GregorianEaster(int year);

}  // namespace tempulo::sweep

// SPDX-License-Identifier: GPL-3.0-or-later
// Everything of the window's refresh that needs no widget: reading the
// selected date from the controls' values, the range checks, the caption and
// the date line, the substitute grid year of months before the reform, the
// clipboard text, and the refresh itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/holidays.h"
#include "report/planet_lines.h"
#include "report/report.h"
#include "report/report_place.h"
#include "time/civil.h"
#include "time/clock.h"

namespace tempulo {

// "Januar" ... "Dezember" for 1..12, empty otherwise.
std::string_view GermanMonthName(int month);

// The first year from 1583 on whose month starts on the weekday the month has
// in the Julian calendar of `year`: the month grid can only show Gregorian
// months.
int SubstituteGridYear(YearMonth month);
// True when the grid shows a substitute year for this month.
bool NeedsSubstituteGridYear(YearMonth month);
// The year whose month the grid shows: the month's own year from the reform
// on, the substitute year before.
int GridYear(YearMonth month);
// The day the grid can show of a date in its Gregorian grid year: the day, or
// the month's length when it is shorter.
int ClampGridDay(CivilDate gridDate);
// The grid can select the date: a substitute Gregorian month may lack the
// 29 February the Julian year has.
bool GridCanShow(CivilDate date);

inline constexpr int kMinimumYear = 100;
inline constexpr int kMaximumYear = 3000;

// The month and year spin edits' values as typed.
struct SpinValues {
  double month = 0;
  double year = 0;
};

// Month and year are the spin edits' values, rounded half to even. Empty when
// the month is outside 1..12 or the year outside 100..3000: the refresh then
// changes nothing.
std::optional<CivilDate> ReadSelectedDate(int gridDay, SpinValues spins);

// "Tempulo 7.August 2013".
std::string WindowCaption(const CivilDate& date);
// "Datum\t7.August 2013".
std::string DateLine(const CivilDate& date);

// All lines, each followed by the platform's line end (LF), tabs kept.
std::string ClipboardText(const std::vector<std::string>& lines);

// The message box text of an error: a full stop is added unless the message
// already ends in a character that sorts at or below ".".
std::string ErrorMessageText(std::string_view message);

struct RefreshResult {
  std::string caption;
  std::string heading;
  std::vector<std::string> holidayLines;  // the month's list
  std::vector<std::string> reportLines;   // the report list
  std::optional<std::string> error;       // the message of an error that ended the refresh
  // With keepValues only: the entry of each report line and the typed values
  // the lines are worded from.
  std::vector<std::string_view> lineEntries;
  std::vector<ReportField> fields;
};

// One refresh for a selected date: caption, the month's holiday list and the
// report. An error ends it where it arose; the lines written so far stay.
// What a refresh does beyond the window's lines: keep the typed values for
// the structured output; the sun and moon block of `place` when one is given.
class EntryChoice;
class AnniversaryBook;
struct RefreshOptions {
  bool keepValues = false;
  // With keepValues: the structured output's list of every rise, set and
  // twilight of the day, not only the first of each kind that the lines show.
  // The window (its panel reads the lines) and the TSV leave it off.
  bool everyCrossing = true;
  const ReportPlace* place = nullptr;
  // The report's entries the user has chosen; none: the default set.
  const EntryChoice* entries = nullptr;
  // The user's anniversaries: a line for each on the day.
  const AnniversaryBook* anniversaries = nullptr;
  // Lines the user asked for beyond the default report, appended after it.
  ExtraReportLines extra = {};
};
RefreshResult Refresh(const CivilDate& date, HolidayTable& holidays, const Clock& clock,
                      const RefreshOptions& options = {});

}  // namespace tempulo

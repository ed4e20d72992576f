// SPDX-License-Identifier: GPL-3.0-or-later
// What every entry of the report reads: the selected civil date, its day
// count and the values formed from it once per day.
#pragma once

#include <optional>

#include "calendars/traditional/chinese.h"
#include "calendars/traditional/islamic.h"
#include "report/report_place.h"
#include "time/civil.h"
#include "time/clock.h"
#include "time/instant.h"

namespace tempulo {

class DayValues {
 public:
  // ConversionError for a day its month does not have.
  DayValues(CivilDate selected, const Clock& clock);

  CivilDate selected;     // as chosen: a Julian-calendar date up to 14 October 1582
  FixedDay day;           // the day it names
  Instant start;          // the day's 0 h, universal time
  CivilDate julian{};     // the day in the Julian calendar
  CivilDate gregorian{};  // the day in the proleptic Gregorian calendar
  int dayOfYear = 0;      // Gregorian day of the year, for years after 1582; 0 before
  const Clock& clock;
  const ReportPlace* place = nullptr;  // the chosen place; none: the fixed observer in MEZ

  // Shared by an entry and its festivals; computed on first use.
  const IslamicDay& Islamic();
  const ChineseDateRecord& Chinese();

 private:
  std::optional<IslamicDay> islamic_;
  std::optional<ChineseDateRecord> chinese_;
};

}  // namespace tempulo

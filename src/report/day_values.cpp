// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/day_values.h"

#include "calendars/modern/world_calendar.h"

namespace tempulo {

DayValues::DayValues(CivilDate selectedDate, const Clock& clockSource)
    : selected(selectedDate), day(CheckedFixedFromCivil(selectedDate)), clock(clockSource) {
  start = Instant::StartOf(day);
  julian = JulianFromFixed(day);
  gregorian = GregorianFromFixed(day);
  if (selected.year > 1582) {
    dayOfYear = DayOfYear(selected);
  }
}

const IslamicDay& DayValues::Islamic() {
  if (!islamic_) {
    islamic_ = IslamicFromFixed(day);
  }
  return *islamic_;
}

const ChineseDateRecord& DayValues::Chinese() {
  if (!chinese_) {
    chinese_ = ChineseDate(start.DateValue());
  }
  return *chinese_;
}

}  // namespace tempulo

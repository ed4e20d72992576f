// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup_sweep.h"

#include "calendars/traditional/chinese.h"
#include "report/calendar_lookup.h"
#include "report/registry.h"
#include "time/julian_day.h"

namespace tempulo::sweep {
namespace {

constexpr std::size_t kExamples = 10;

std::string Text(CivilDate date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

void Check(const LookupCalendar& calendar, FixedDay day, LookupSweepResult& result) {
  const CivilDate civil = CivilFromFixed(day);
  const ReportEntry* entry = FindReportEntry(calendar.id);
  if (entry != nullptr && !entry->AppliesTo(civil.year)) {
    return;
  }
  const std::optional<CalendarFields> shown = calendar.fromFixed(day);
  if (!shown) {
    return;
  }
  ++result.lookups;
  std::string why;
  const std::optional<CivilDate> found = LookUpDate(calendar, *shown, why);
  if (found != civil) {
    ++result.failures;
    if (result.examples.size() < kExamples) {
      result.examples.push_back(std::string(calendar.id) + " " + Text(civil) + ": " +
                                (found ? Text(*found) : why));
    }
  }
}

}  // namespace

LookupSweepResult RunLookupSweep(int fromYear, int toYear, int yearStride) {
  LookupSweepResult result;
  const LookupCalendar* chinese = FindLookupCalendar("chinese");
  for (int year = fromYear; year <= toYear; year += yearStride) {
    const FixedDay first = FixedFromCivil({year, 1, 1});
    const FixedDay last = FixedFromCivil({year, 12, 31});
    for (const LookupCalendar& calendar : LookupCalendars()) {
      if (&calendar == chinese) {
        continue;
      }
      for (FixedDay day = first; day <= last; ++day) {
        Check(calendar, day, result);
      }
    }
    // A month at a time: its first day, then its last. Each step moves on
    // by at least 29 days, so a year takes at most 13 steps.
    FixedDay day = first;
    for (int step = 0; step < 14 && day <= last; ++step) {
      const ChineseDateRecord date = ChineseDate(DateValueOf(day));
      const FixedDay monthStart = day - (date.day - 1);
      const FixedDay next = FixedFromDateValue(ChineseNewMoonOnOrAfter(DateValueOf(monthStart) + 1));
      for (const FixedDay probe : {monthStart, next - 1}) {
        if (probe >= first && probe <= last) {
          Check(*chinese, probe, result);
        }
      }
      day = next;
    }
  }
  return result;
}

}  // namespace tempulo::sweep

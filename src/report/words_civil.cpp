// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the civil day: weekday, day and week of the year, the
// Julian Date, the Julian calendar and the day counts.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "calendars/modern/week_and_time.h"
#include "calendars/modern/world_calendar.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "report/wording.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Dienstag",  "Mittwoch", "Donnerstag", "Freitag",
                                                           "Sonnabend", "Sonntag",  "Montag"};

}  // namespace

void AddWeekday(DayValues& c, Report& r) {
  const auto index = static_cast<long long>(std::trunc(c.jd)) % 7;
  r.Add("Wochentag", kWeekdayNames[static_cast<std::size_t>(index)]);
}

void AddDayAndWeekOfYear(DayValues& c, Report& r) {
  if (c.selected.year <= 1582) {
    return;
  }
  c.dayOfYear = DayOfYear(c.selected);
  r.Add("", Str(c.dayOfYear) + ".Tag des Jahres / " + Str(IsoWeekNumber(c.selected.year, c.dayOfYear)) +
                ".Woche des Jahres");
}

void AddJulianDate(DayValues& c, Report& r) {
  r.Add("Julianisches Datum", TrimmedDecimal(static_cast<double>(c.jd), 2) + " / modifiziert " +
                                  TrimmedDecimal(static_cast<double>(c.jd - 2400000.5L), 2));
}

void AddJulianCalendar(DayValues& c, Report& r) {
  r.Add("Julianischer Kalender",
        Str(c.julian.day) + "." + std::string(GermanMonthName(c.julian.month)) + " " + Str(c.julian.year));
}

void AddDaysSinceEpochs(DayValues& c, Report& r) {
  r.Add("Tag seit 1.1.1 / 1.1.2001",
        Str(c.day - FixedFromJulian({1, 1, 1})) + " / " + Str(c.day - FixedFromGregorian({2001, 1, 1})));
}

void AddGregorianDay(DayValues& c, Report& r) {
  r.Add("Gregorianischer Tag",
        Str(c.day - kGregorianReform + 1));
}

}  // namespace tempulo

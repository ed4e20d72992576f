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

std::string_view ReportWeekdayName(int index) {
  return index >= 0 && index < 7 ? kWeekdayNames[static_cast<std::size_t>(index)] : std::string_view{};
}

void AddWeekday(DayValues& c, Report& r) {
  const auto index = static_cast<long long>(std::trunc(c.start.JulianDate())) % 7;
  r.Add("Wochentag", kWeekdayNames[static_cast<std::size_t>(index)]);
  r.Set("name", kWeekdayNames[static_cast<std::size_t>(index)]);
}

void AddDayAndWeekOfYear(DayValues& c, Report& r) {
  if (c.selected.year <= 1582) {
    return;
  }
  c.dayOfYear = DayOfYear(c.selected);
  const int week = IsoWeekNumber(c.selected.year, c.dayOfYear);
  r.Add("", Str(c.dayOfYear) + ".Tag des Jahres / " + Str(week) + ".Woche des Jahres");
  r.Set("day_of_year", c.dayOfYear);
  r.Set("week", week);
}

void AddJulianDate(DayValues& c, Report& r) {
  const auto jd = static_cast<double>(c.start.JulianDate());
  const auto modified = static_cast<double>(c.start.JulianDate() - 2400000.5L);
  r.Add("Julianisches Datum", TrimmedDecimal(jd, 2) + " / modifiziert " + TrimmedDecimal(modified, 2));
  r.Set("jd", jd);
  r.Set("mjd", modified);
}

void AddJulianCalendar(DayValues& c, Report& r) {
  r.Add("Julianischer Kalender",
        Str(c.julian.day) + "." + std::string(GermanMonthName(c.julian.month)) + " " + Str(c.julian.year));
  SetDateFields(r, {.year = c.julian.year,
                    .month = c.julian.month,
                    .monthName = GermanMonthName(c.julian.month),
                    .day = c.julian.day});
}

void AddDaysSinceEpochs(DayValues& c, Report& r) {
  const long long sinceYear1 = c.day - FixedFromJulian({1, 1, 1});
  const long long since2001 = c.day - FixedFromGregorian({2001, 1, 1});
  r.Add("Tag seit 1.1.1 / 1.1.2001", Str(sinceYear1) + " / " + Str(since2001));
  r.Set("since_1_1_1", sinceYear1);
  r.Set("since_2001_1_1", since2001);
}

void AddGregorianDay(DayValues& c, Report& r) {
  const long long count = c.day - kGregorianReform + 1;
  r.Add("Gregorianischer Tag", Str(count));
  r.Set("count", count);
}

}  // namespace tempulo

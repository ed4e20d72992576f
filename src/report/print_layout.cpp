// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/print_layout.h"

#include <algorithm>
#include <cstdio>

#include "astro/rise_set.h"
#include "calendars/modern/week_and_time.h"
#include "report/refresh.h"
#include "report/report_builder.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

// The report's sun and moon block, and so the printed sun times, begin here.
constexpr int kFirstSunYear = 1900;
constexpr double kSecondsPerDay = 86400.0;
// Half a minute: the printed minute is the nearest one.
constexpr double kHalfMinute = 30.0 / kSecondsPerDay;

constexpr std::array<std::string_view, 7> kWeekdayShortNames = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

// "HH:MM" of a moment (a date value in universal time) `offsetSeconds` ahead.
std::string ClockText(double moment, int offsetSeconds) {
  const std::string text = DateTimeText(moment + offsetSeconds / kSecondsPerDay + kHalfMinute);
  return text.size() >= 16 ? text.substr(11, 5) : std::string("00:00");
}

void AddSunTimes(CivilDate date, const PrintOptions& options, PrintCell& cell) {
  const double dateValue = EncodeDate(date.year, date.month, date.day);
  double rise = NoEvent;
  double set = NoEvent;
  int riseOffset = 0;
  int setOffset = 0;
  if (options.place == nullptr) {
    const DayEvents sun(Luminary::kSun, CivilDaySpan(dateValue, kCetUtcOffsetHours), kObserverLatitude,
                        kObserverLongitude);
    rise = sun.Find(RiseSetKind::kRise);
    set = sun.Find(RiseSetKind::kSet);
    riseOffset = setOffset = static_cast<int>(kCetUtcOffsetHours * 3600);
  } else {
    const TimeZone& zone = options.place->zone;
    const DaySpan span{zone.DayStart(dateValue), zone.DayStart(dateValue + 1.0)};
    const DayEvents sun(Luminary::kSun, span, static_cast<long double>(options.place->place.latitude),
                        -static_cast<long double>(options.place->place.longitude));
    rise = sun.Find(RiseSetKind::kRise);
    set = sun.Find(RiseSetKind::kSet);
    riseOffset = rise == NoEvent ? 0 : zone.OffsetAt(rise).seconds;
    setOffset = set == NoEvent ? 0 : zone.OffsetAt(set).seconds;
  }
  // A day without the event (polar day or night) reads "–", as the report's "-".
  cell.sunrise = rise == NoEvent ? "–" : ClockText(rise, riseOffset);
  cell.sunset = set == NoEvent ? "–" : ClockText(set, setOffset);
}

std::string SunNote(const PrintOptions& options) {
  if (options.place == nullptr) {
    return "Sonnenaufgang ↑ und -untergang ↓ sonntags, MEZ, für 50° N, 12° O";
  }
  // The place's text ends with its zone.
  return "Sonnenaufgang ↑ und -untergang ↓ sonntags in Ortszeit, für " + PlaceText(options.place->place);
}

void AddSecondCalendar(const LookupCalendar& calendar, CivilDate date, bool firstOfPage, PrintCell& cell) {
  const std::optional<CalendarFields> fields = calendar.fromFixed(CheckedFixedFromCivil(date));
  if (!fields) {
    return;
  }
  cell.secondDay = std::to_string(fields->day);
  if (fields->day == 1 || firstOfPage) {
    cell.secondMonth = MonthText(calendar, fields->month, fields->leapMonth) + " " + std::to_string(fields->year);
  }
}

}  // namespace

bool PrintCell::IsPublicHoliday() const {
  return std::any_of(holidays.begin(), holidays.end(), [](const PrintHoliday& h) { return h.isPublic; });
}

std::string_view WeekdayShortName(int weekday) {
  return kWeekdayShortNames[static_cast<std::size_t>(weekday) % kWeekdayShortNames.size()];
}

PrintMonth BuildPrintMonth(int year, int month, const PrintOptions& options) {
  const MonthOverview overview = BuildMonthOverview(year, month);
  PrintMonth page;
  page.year = year;
  page.month = month;
  page.title = std::string(GermanMonthName(month)) + " " + std::to_string(year);
  if (options.secondCalendar != nullptr) {
    page.secondCalendarTitle = std::string(options.secondCalendar->label);
  }
  const bool sunTimes = options.sunTimes && year >= kFirstSunYear;
  if (sunTimes) {
    page.sunNote = SunNote(options);
  }
  int row = 0;
  for (const DayOverview& day : overview.days) {
    PrintCell cell;
    cell.day = day.day;
    cell.weekday = day.weekday;
    // A new row after each Sunday, and where the weekdays jump back: in
    // October 1582 the 15th (Gregorian, a Friday) follows the 14th (Julian,
    // a Sunday).
    if (!page.cells.empty() && cell.weekday <= page.cells.back().weekday) {
      ++row;
    }
    cell.row = row;
    for (const DayHoliday& holiday : day.holidays) {
      cell.holidays.push_back({holiday.name, holiday.publicIn.Contains(options.region)});
    }
    cell.festivals = day.festivals;
    cell.moonPhase = day.moonPhase;
    cell.moonPhaseTime = day.moonPhaseTime;
    const CivilDate date{year, month, day.day};
    for (const MarkedDay& marked : options.marked) {
      if (marked.date == date) {
        cell.marked.push_back(marked.text);
      }
    }
    if (sunTimes && cell.IsSunday()) {
      AddSunTimes(date, options, cell);
    }
    if (options.secondCalendar != nullptr && HasPlainMonths(*options.secondCalendar)) {
      AddSecondCalendar(*options.secondCalendar, date, day.day == 1, cell);
    }
    if (static_cast<int>(page.weekNumbers.size()) <= cell.row) {
      page.weekNumbers.push_back(IsoWeekFromFixed(CheckedFixedFromCivil(date)).week);
    }
    page.cells.push_back(std::move(cell));
  }
  page.rows = static_cast<int>(page.weekNumbers.size());
  return page;
}

PrintYear BuildPrintYear(int year, const PrintOptions& options) {
  PrintYear page;
  page.year = year;
  page.title = std::to_string(year);
  PrintOptions monthOptions = options;
  monthOptions.sunTimes = false;
  for (int month = 1; month <= 12; ++month) {
    PrintMonth& printed = page.months[static_cast<std::size_t>(month - 1)];
    printed = BuildPrintMonth(year, month, monthOptions);
    for (const PrintCell& cell : printed.cells) {
      for (const PrintHoliday& holiday : cell.holidays) {
        if (holiday.isPublic) {
          char date[16];
          std::snprintf(date, sizeof date, "%02d.%02d.", cell.day, month);
          page.publicHolidays.push_back(std::string(date) + " " + holiday.name);
        }
      }
    }
  }
  return page;
}

std::vector<const LookupCalendar*> SecondCalendars() {
  std::vector<const LookupCalendar*> calendars;
  for (const LookupCalendar& calendar : LookupCalendars()) {
    if (HasPlainMonths(calendar)) {
      calendars.push_back(&calendar);
    }
  }
  return calendars;
}

}  // namespace tempulo

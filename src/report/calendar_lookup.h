// SPDX-License-Identifier: GPL-3.0-or-later
// Going to a day given as a date of another calendar: the calendars whose
// dates name exactly one day, their month lists, and the way from a date
// (as fields or as text) to the civil day the report shows it on.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "time/civil.h"

namespace tempulo {

// The parts of a date of one of these calendars. Which parts a calendar
// reads is given by its shape.
struct CalendarFields {
  long long year = 0;
  int month = 0;           // as the calendar numbers it
  bool leapMonth = false;  // the Chinese leap month after `month`
  int day = 0;
  int era = 0;                     // the calendars that count years within eras
  std::array<int, 5> longCount{};  // Maya: Baktun, Katun, Tun, Uinal, Kin
  friend bool operator==(const CalendarFields&, const CalendarFields&) = default;
};

// kEraYearMonthDay: a year within an era (the Japanese eras, the Goddess and
// Solilunar calendars), written era first.
enum class DateShape { kYearMonthDay, kEraYearMonthDay, kLongCount };

struct CalendarMonth {
  int month = 0;
  bool leapMonth = false;
  std::string name;  // as the report words it
};

// One way from a calendar's dates to days and back. The report's entry that
// shows the calendar holds it (see registry.h); an entry that shows two
// calendars (Coptic and Ethiopian) holds two.
struct LookupCalendar {
  std::string_view id;     // the report entry's identifier (or its line's)
  std::string_view label;  // the label of the report line the date stands on
  std::string_view form;   // the date form on the command line
  DateShape shape = DateShape::kYearMonthDay;
  long long firstYear = 0;  // the years that can reach 100..3000
  long long lastYear = 0;
  int monthCount = 0;
  bool hasLeapMonths = false;  // the Chinese leap months
  int longestMonth = 31;       // no month of the calendar is longer
  // The day of a date whose parts are in range; empty when it names none.
  std::optional<FixedDay> (*toFixed)(const CalendarFields& date) = nullptr;
  // The date the report shows for a day; empty when it shows none.
  std::optional<CalendarFields> (*fromFixed)(FixedDay day) = nullptr;
  // The "month" is a marked day and the "day" counts the days up to it (the
  // Roman calendar), so the days of a month do not run from its first on.
  bool countsToMarkedDays = false;
  // The way back already finds the day with the calendar's own date of it
  // (the Chinese one), so the costly conversion back is not repeated.
  bool wayBackChecksItself = false;
  // The month's name in the report's words; empty for numbered months.
  std::string_view (*monthName)(int month) = nullptr;
  // The eras of kEraYearMonthDay that reach 100..3000, and their names
  // (none: numbered, "5.Ära").
  int firstEra = 0;
  int lastEra = 0;
  std::string_view (*eraName)(int era) = nullptr;
  // Set by the table: the identifier of the entry that shows the calendar.
  std::string_view entry;
};

// Every calendar with a way back, in the order of the report, from the
// report's entry table.
std::span<const LookupCalendar> LookupCalendars();
// nullptr for an unknown identifier.
const LookupCalendar* FindLookupCalendar(std::string_view id);
// Year, month and day, the days of a month counted from its first: the
// calendars a printed month or a recurring anniversary can follow.
constexpr bool HasPlainMonths(const LookupCalendar& calendar) {
  return calendar.shape == DateShape::kYearMonthDay && !calendar.countsToMarkedDays;
}

// The calendar's months in their order, leap months included (the Chinese
// ones after the month they follow). Empty for the long count.
std::vector<CalendarMonth> MonthsOf(const LookupCalendar& calendar);
// "12.Heshvan" style name of a month for messages: its name or its number.
std::string MonthText(const LookupCalendar& calendar, int month, bool leapMonth);
// An era as the report names it: "Reiwa", "5.Ära".
std::string EraText(const LookupCalendar& calendar, int era);

// The civil day of a date of the calendar: a Julian-calendar date up to
// 4 October 1582, Gregorian from 15 October 1582, in the years 100..3000,
// and one the report shows exactly this date for. Otherwise empty and `why`
// holds one German sentence naming what is wrong.
std::optional<CivilDate> LookUpDate(const LookupCalendar& calendar, const CalendarFields& date,
                                    std::string& why);

// The date part of "CALENDAR:DATE" in the calendar's form: "J-M-T" (a
// negative year with a leading "-", a Chinese leap month as "Mtan"),
// "E-J-M-T" with the era first (its number or its name),
// "B.K.T.U.K" for the long count.
std::optional<CalendarFields> ParseCalendarDate(const LookupCalendar& calendar, std::string_view text,
                                                std::string& why);

// A date of any calendar: "CALENDAR:DATE", or a plain civil "JJJJ-MM-TT"
// read as --date reads it. On failure `why` holds one German sentence.
std::optional<CivilDate> ParseAnyDateArgument(std::string_view text, std::string& why);

// The lines of "--from help": each identifier, its date form and label.
std::string LookupHelpText();

}  // namespace tempulo

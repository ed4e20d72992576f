// SPDX-License-Identifier: GPL-3.0-or-later
// Anniversaries the user keeps: a day of their own (a birth, a death, a
// wedding ...) that comes back every year on its date in a calendar of their
// choice, with the rules people follow where a year lacks the day, and the
// count of each return.
#pragma once

#include <cstddef>
#include <map>
#include <utility>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/calendar_lookup.h"
#include "report/report.h"
#include "time/civil.h"

namespace tempulo {

enum class AnniversaryKind { kBirthday, kDeath, kWedding, kMemorial, kNameDay, kOther };

// Where a year lacks the day (or the leap month) of a rule read from another
// program: the day before, the day after, or no occurrence that year.
enum class SkipRule { kOmit, kBackward, kForward };

struct Anniversary {
  std::string uid;
  std::string name;
  AnniversaryKind kind = AnniversaryKind::kBirthday;
  FixedDay day{0};           // the original day (a civil day)
  std::string calendar;      // the calendar it recurs in ("civil" for the civil date)
  std::string entered;       // the calendar the date was entered in
  bool afterSunset = false;  // the event was after sunset: the calendar's next day counts
  bool marchFirst = false;   // 29 February recurs on 1 March instead of 28 February
  std::string note;
  // A rule from another program without this program's properties recurs
  // by its SKIP alone, on this month and day of the calendar.
  std::optional<SkipRule> foreignSkip;
  std::optional<CalendarFields> foreignDate;  // RFC 7529 numbering for the Hebrew months
  // Properties of the event this program does not interpret, kept as they were.
  std::vector<std::string> keptLines;
};

// The calendars an anniversary can recur in: the civil date first, then
// every year-month-day calendar with a way back.
std::vector<const LookupCalendar*> RecurrenceCalendars();
// nullptr for an unknown identifier (or the long count).
const LookupCalendar* FindRecurrenceCalendar(std::string_view id);
// The civil calendar as a lookup row: Julian up to 4 October 1582.
const LookupCalendar& CivilLookupCalendar();

// The date the rule recurs on, in the recurrence calendar (the year is the
// original one); empty when the calendar shows no date for the day.
std::optional<CalendarFields> RecurrenceDate(const Anniversary& entry);

// The day of the anniversary in a year of its calendar; empty when the year
// has none (a SKIP=OMIT rule) or the calendar does not reach it.
std::optional<FixedDay> OccurrenceInYear(const Anniversary& entry, long long year);

struct Occurrence {
  FixedDay day{0};
  std::size_t entry = 0;  // index into the book's entries
  int count = 0;          // 1 for the first return
  CalendarFields date;    // the date in the recurrence calendar
};

// "Geburtstag", "Todestag/Jahrzeit" ... as the dialog offers them.
std::string_view KindLabel(AnniversaryKind kind);
// "40. Geburtstag", "12. Jahrzeit", "Namenstag".
std::string CountText(const Anniversary& entry, int count);
// "3. Tevet", "29. Februar", "3. Tag des Schaltmonats nach dem 11. Monat".
std::string CalendarDayText(const LookupCalendar& calendar, const CalendarFields& date);
// "Anna, 40. Geburtstag (3. Tevet)".
std::string OccurrenceText(const Anniversary& entry, const Occurrence& occurrence);

// A rule with what the original year decides folded in (see the source).
struct AnniversaryRule {
  const LookupCalendar* calendar = nullptr;  // none: the entry never recurs
  int rule = 0;
  int month = 0;
  bool leap = false;
  int day = 0;
  bool flag = false;
  SkipRule skip = SkipRule::kOmit;
  long long year = 0;  // the original year in the calendar
};

// The entries and their occurrences. Entries that share a rule are worked out
// once, so a month of many entries costs a few conversions per rule.
class AnniversaryBook {
 public:
  AnniversaryBook() = default;
  explicit AnniversaryBook(std::vector<Anniversary> entries);

  const std::vector<Anniversary>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }

  // Every occurrence on the days first..last (at most 400 years), in day
  // order, then by name.
  std::vector<Occurrence> Between(FixedDay first, FixedDay last) const;

 private:
  struct Group {
    AnniversaryRule rule;
    std::vector<std::pair<std::size_t, long long>> members;  // entry, original year
  };
  std::vector<Anniversary> entries_;
  std::vector<Group> groups_;
};

// A civil month's anniversaries for its grid marks and list: day of the
// month and text, in day order.
std::vector<std::pair<int, std::string>> MonthAnniversaries(const AnniversaryBook& book, int year, int month);

// The day's "Jahrestag\tAnna, 40. Geburtstag (3. Tevet)" lines of the report.
void AddAnniversaryReportLines(const AnniversaryBook& book, FixedDay day, Report& report);

// "JJJJ-MM-TT" of a civil day, for the command line and the files.
std::string IsoDay(FixedDay day);

}  // namespace tempulo

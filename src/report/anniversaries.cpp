// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/anniversaries.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "report/refresh.h"

namespace tempulo {
namespace {

// The Jewish months as the calendar numbers them (Nisan = 1).
constexpr int kHeshvan = 8;
constexpr int kKislev = 9;
constexpr int kTevet = 10;
constexpr int kShevat = 11;
constexpr int kAdar = 12;  // Adar I in a leap year
constexpr int kAdarII = 13;
constexpr int kLongestMonth = 31;
// A month of at least this many days is probed from its end.
constexpr int kCommonMonthFloor = 28;
// Years of a range looked at; a guard for a range of any size.
constexpr long long kMaxRangeYears = 400;

std::optional<FixedDay> CivilTo(const CalendarFields& f) {
  const CivilDate date{static_cast<int>(f.year), f.month, f.day};
  if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > kLongestMonth) {
    return std::nullopt;
  }
  return FixedFromCivil(date);
}

std::optional<CalendarFields> CivilBack(FixedDay day) {
  const CivilDate date = CivilFromFixed(day);
  CalendarFields fields;
  fields.year = date.year;
  fields.month = date.month;
  fields.day = date.day;
  return fields;
}

const LookupCalendar kCivil = {.id = "civil",
                               .label = "Datum",
                               .form = "JJJJ-MM-TT",
                               .shape = DateShape::kYearMonthDay,
                               .firstYear = 100,
                               .lastYear = 3000,
                               .monthCount = 12,
                               .hasLeapMonths = false,
                               .longestMonth = 31,
                               .toFixed = CivilTo,
                               .fromFixed = CivilBack,
                               .wayBackChecksItself = false,
                               .monthName = GermanMonthName,
                               .entry = ""};

bool IsCalendar(const LookupCalendar& calendar, std::string_view id) { return calendar.id == id; }
bool IsJulianOrCivil(const LookupCalendar& calendar) {
  return IsCalendar(calendar, "civil") || IsCalendar(calendar, "julian");
}

// A month of a year: its first day and length; empty when the year lacks it.
struct MonthSpan {
  FixedDay first{0};
  int length = 0;
};

struct MonthKey {
  const LookupCalendar* calendar;
  long long year;
  int month;
  bool leap;
  friend bool operator<(const MonthKey& a, const MonthKey& b) {
    return std::tie(a.calendar, a.year, a.month, a.leap) < std::tie(b.calendar, b.year, b.month, b.leap);
  }
};

// The months a computation has looked at, so that many rules in one month
// convert its days once.
class MonthCache {
 public:
  std::optional<MonthSpan> Get(const LookupCalendar& calendar, long long year, int month, bool leap) {
    const MonthKey key{&calendar, year, month, leap};
    const auto found = spans_.find(key);
    if (found != spans_.end()) {
      return found->second;
    }
    const std::optional<MonthSpan> span = Compute(calendar, year, month, leap);
    spans_.emplace(key, span);
    return span;
  }

 private:
  static bool InMonth(const LookupCalendar& calendar, FixedDay day, long long year, int month, bool leap) {
    const std::optional<CalendarFields> back = calendar.fromFixed(day);
    return back && back->year == year && back->month == month && back->leapMonth == leap;
  }

  static std::optional<MonthSpan> Compute(const LookupCalendar& calendar, long long year, int month, bool leap) {
    CalendarFields first;
    first.year = year;
    first.month = month;
    first.leapMonth = leap;
    first.day = 1;
    const std::optional<FixedDay> start = calendar.toFixed(first);
    if (!start) {
      return std::nullopt;
    }
    if (!calendar.wayBackChecksItself) {
      const std::optional<CalendarFields> back = calendar.fromFixed(*start);
      if (!back || !(back->year == year && back->month == month && back->leapMonth == leap && back->day == 1)) {
        return std::nullopt;
      }
    }
    // Most months have 28 days or more: probe from there upwards, else down.
    int length = 1;
    if (InMonth(calendar, *start + (kCommonMonthFloor - 1), year, month, leap)) {
      length = kCommonMonthFloor;
      while (length < kLongestMonth && InMonth(calendar, *start + length, year, month, leap)) {
        ++length;
      }
    } else {
      for (int day = kCommonMonthFloor - 1; day > 1; --day) {
        if (InMonth(calendar, *start + (day - 1), year, month, leap)) {
          length = day;
          break;
        }
      }
    }
    return MonthSpan{*start, length};
  }

  std::map<MonthKey, std::optional<MonthSpan>> spans_;
};

// The day-th day of a month counted on from its first (into the next month
// when it is shorter).
std::optional<FixedDay> CountedDay(MonthCache& cache, const LookupCalendar& calendar, const CalendarFields& date) {
  const std::optional<MonthSpan> span = cache.Get(calendar, date.year, date.month, false);
  if (!span) {
    return std::nullopt;
  }
  return span->first + (date.day - 1);
}

// The day, or the month's last day when the month is shorter.
std::optional<FixedDay> ClampedDay(MonthCache& cache, const LookupCalendar& calendar, long long year, int month,
                                   bool leap, int day) {
  const std::optional<MonthSpan> span = cache.Get(calendar, year, month, leap);
  if (!span) {
    return std::nullopt;
  }
  return span->first + (std::min(day, span->length) - 1);
}

bool JewishLeapYear(MonthCache& cache, const LookupCalendar& calendar, long long year) {
  return cache.Get(calendar, year, kAdarII, false).has_value();
}
int JewishLastMonth(MonthCache& cache, const LookupCalendar& calendar, long long year) {
  return JewishLeapYear(cache, calendar, year) ? kAdarII : kAdar;
}
int JewishMonthLength(MonthCache& cache, const LookupCalendar& calendar, long long year, int month) {
  const std::optional<MonthSpan> span = cache.Get(calendar, year, month, false);
  return span ? span->length : 0;
}

// The rule as it applies in a year; what the original year decides is
// already folded into it.
enum class Rule {
  kPlain,          // the day, or the month's last
  kLeapDay,        // 29 February: 28 February or 1 March
  kJewishCounted,  // the first of the month plus the day
  kJewishLastMonth,
  kJewishDayBefore,  // the day before the first of `month`
  kJewishAdar30,     // 30 Adar I: Shevat 30 in a common year
  kChinese,          // the regular month, the day or the month's last
  kForeign,
};

using ResolvedRule = AnniversaryRule;

ResolvedRule Resolve(const Anniversary& entry, MonthCache& cache) {
  ResolvedRule r;
  r.calendar = FindRecurrenceCalendar(entry.calendar);
  if (r.calendar == nullptr) {
    return r;
  }
  const std::optional<CalendarFields> date = RecurrenceDate(entry);
  if (!date) {
    r.calendar = nullptr;
    return r;
  }
  r.year = date->year;
  r.month = date->month;
  r.leap = date->leapMonth;
  r.day = date->day;
  const LookupCalendar& calendar = *r.calendar;
  if (entry.foreignSkip) {
    r.rule = static_cast<int>(Rule::kForeign);
    r.skip = *entry.foreignSkip;
    r.flag = IsCalendar(calendar, "jewish");
    return r;
  }
  if (IsJulianOrCivil(calendar)) {
    r.rule = static_cast<int>(r.month == 2 && r.day == 29 ? Rule::kLeapDay : Rule::kPlain);
    r.flag = entry.marchFirst;
    return r;
  }
  if (IsCalendar(calendar, "chinese")) {
    r.rule = static_cast<int>(Rule::kChinese);
    r.leap = false;
    return r;
  }
  if (!IsCalendar(calendar, "jewish")) {
    return r;
  }
  if (entry.kind == AnniversaryKind::kDeath) {
    // The Jahrzeit: the first anniversary decides for the 30th of Heshvan
    // and of Kislev; Adar II follows the year's last month.
    if (r.month == kHeshvan && r.day == 30 && JewishMonthLength(cache, calendar, r.year + 1, kHeshvan) < 30) {
      r.rule = static_cast<int>(Rule::kJewishDayBefore);
      r.month = kKislev;
    } else if (r.month == kKislev && r.day == 30 && JewishMonthLength(cache, calendar, r.year + 1, kKislev) < 30) {
      r.rule = static_cast<int>(Rule::kJewishDayBefore);
      r.month = kTevet;
    } else if (r.month == kAdarII) {
      r.rule = static_cast<int>(Rule::kJewishLastMonth);
    } else if (r.month == kAdar && r.day == 30) {
      r.rule = static_cast<int>(Rule::kJewishAdar30);
    } else {
      r.rule = static_cast<int>(Rule::kJewishCounted);
    }
    return r;
  }
  // Birthdays and the other days: the last month of the year stays the last.
  r.rule = static_cast<int>(r.month == JewishLastMonth(cache, calendar, r.year) ? Rule::kJewishLastMonth
                                                                                 : Rule::kJewishCounted);
  return r;
}

// RFC 7529 numbers the Hebrew months from Tishri, with Adar I as "5L" and
// Adar (II) as 6; the calendar here counts from Nisan.
std::optional<int> HebrewMonthOfRule(MonthCache& cache, const AnniversaryRule& rule, long long year) {
  const int month = rule.month;
  const bool leap = rule.leap;
  const SkipRule skip = rule.skip;
  const bool leapYear = JewishLeapYear(cache, *rule.calendar, year);
  if (leap) {
    if (month != 5) {
      return std::nullopt;
    }
    if (leapYear) {
      return kAdar;
    }
    if (skip == SkipRule::kOmit) {
      return std::nullopt;
    }
    return skip == SkipRule::kBackward ? kShevat : kAdar;
  }
  if (month == 6) {
    return leapYear ? kAdarII : kAdar;
  }
  if (month < 1 || month > 13) {
    return std::nullopt;
  }
  // Tishri (1) .. Shevat (5) are 7..11, Nisan (7) .. Elul (12) are 1..6.
  return month <= 5 ? month + 6 : month - 6;
}

std::optional<FixedDay> ForeignDay(const ResolvedRule& r, MonthCache& cache, long long year) {
  const LookupCalendar& calendar = *r.calendar;
  int month = r.month;
  bool leap = r.leap;
  if (r.flag) {
    const std::optional<int> own = HebrewMonthOfRule(cache, r, year);
    if (!own) {
      return std::nullopt;
    }
    month = *own;
    leap = false;
  }
  std::optional<MonthSpan> span = cache.Get(calendar, year, month, leap);
  if (!span && leap) {
    // A leap month the year lacks: the month it follows, or the next one.
    if (r.skip == SkipRule::kOmit) {
      return std::nullopt;
    }
    span = cache.Get(calendar, year, month, false);
    if (span && r.skip == SkipRule::kForward) {
      return span->first + span->length;  // the first day of the month after
    }
  }
  if (!span) {
    return std::nullopt;
  }
  if (r.day <= span->length) {
    return span->first + (r.day - 1);
  }
  switch (r.skip) {
    case SkipRule::kOmit:
      return std::nullopt;
    case SkipRule::kBackward:
      return span->first + (span->length - 1);
    case SkipRule::kForward:
      return span->first + span->length;
  }
  return std::nullopt;
}

std::optional<FixedDay> DayInYear(const ResolvedRule& r, MonthCache& cache, long long year) {
  if (r.calendar == nullptr) {
    return std::nullopt;
  }
  const LookupCalendar& calendar = *r.calendar;
  switch (static_cast<Rule>(r.rule)) {
    case Rule::kPlain:
      return ClampedDay(cache, calendar, year, r.month, r.leap, r.day);
    case Rule::kLeapDay: {
      const std::optional<MonthSpan> february = cache.Get(calendar, year, 2, false);
      if (!february) {
        return std::nullopt;
      }
      if (february->length >= 29) {
        return february->first + 28;
      }
      return february->first + (r.flag ? 28 : 27);
    }
    case Rule::kJewishCounted:
      return CountedDay(cache, calendar, {.year = year, .month = r.month, .day = r.day});
    case Rule::kJewishLastMonth:
      return CountedDay(cache, calendar, {.year = year, .month = JewishLastMonth(cache, calendar, year), .day = r.day});
    case Rule::kJewishDayBefore: {
      const std::optional<FixedDay> first = CountedDay(cache, calendar, {.year = year, .month = r.month, .day = 1});
      return first ? std::optional<FixedDay>(*first - 1) : std::nullopt;
    }
    case Rule::kJewishAdar30:
      return CountedDay(cache, calendar,
                        {.year = year, .month = JewishLeapYear(cache, calendar, year) ? kAdar : kShevat, .day = 30});
    case Rule::kChinese:
      return ClampedDay(cache, calendar, year, r.month, false, r.day);
    case Rule::kForeign:
      return ForeignDay(r, cache, year);
  }
  return std::nullopt;
}

std::string Signature(const ResolvedRule& r) {
  if (r.calendar == nullptr) {
    return {};
  }
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "|%d|%d|%d|%d|%d|%d", static_cast<int>(r.rule), r.month, r.leap ? 1 : 0,
                r.day, r.flag ? 1 : 0, static_cast<int>(r.skip));
  return std::string(r.calendar->id) + buffer;
}

std::string Ordinal(int count) { return std::to_string(count) + ". "; }

}  // namespace

const LookupCalendar& CivilLookupCalendar() { return kCivil; }

std::vector<const LookupCalendar*> RecurrenceCalendars() {
  std::vector<const LookupCalendar*> calendars = {&kCivil};
  for (const LookupCalendar& calendar : LookupCalendars()) {
    if (HasPlainMonths(calendar)) {
      calendars.push_back(&calendar);
    }
  }
  return calendars;
}

const LookupCalendar* FindRecurrenceCalendar(std::string_view id) {
  if (id == kCivil.id) {
    return &kCivil;
  }
  const LookupCalendar* calendar = FindLookupCalendar(id);
  return calendar != nullptr && HasPlainMonths(*calendar) ? calendar : nullptr;
}

std::optional<CalendarFields> RecurrenceDate(const Anniversary& entry) {
  const LookupCalendar* calendar = FindRecurrenceCalendar(entry.calendar);
  if (calendar == nullptr) {
    return std::nullopt;
  }
  if (entry.foreignDate) {
    return entry.foreignDate;
  }
  // A day that begins at sunset: an event after sunset belongs to the next.
  const bool nextDay = entry.afterSunset && !IsJulianOrCivil(*calendar);
  return calendar->fromFixed(entry.day + (nextDay ? 1 : 0));
}

std::optional<FixedDay> OccurrenceInYear(const Anniversary& entry, long long year) {
  MonthCache cache;
  return DayInYear(Resolve(entry, cache), cache, year);
}

std::string_view KindLabel(AnniversaryKind kind) {
  switch (kind) {
    case AnniversaryKind::kBirthday:
      return "Geburtstag";
    case AnniversaryKind::kDeath:
      return "Todestag/Jahrzeit";
    case AnniversaryKind::kWedding:
      return "Hochzeitstag";
    case AnniversaryKind::kMemorial:
      return "Gedenktag";
    case AnniversaryKind::kNameDay:
      return "Namenstag";
    case AnniversaryKind::kOther:
      return "sonstiger";
  }
  return "sonstiger";
}

std::string CountText(const Anniversary& entry, int count) {
  switch (entry.kind) {
    case AnniversaryKind::kBirthday:
      return Ordinal(count) + "Geburtstag";
    case AnniversaryKind::kDeath:
      return Ordinal(count) + (entry.calendar == "jewish" ? "Jahrzeit" : "Todestag");
    case AnniversaryKind::kWedding:
      return Ordinal(count) + "Hochzeitstag";
    case AnniversaryKind::kMemorial:
      return Ordinal(count) + "Gedenktag";
    case AnniversaryKind::kNameDay:
      return "Namenstag";
    case AnniversaryKind::kOther:
      return Ordinal(count) + "Jahrestag";
  }
  return Ordinal(count) + "Jahrestag";
}

std::string CalendarDayText(const LookupCalendar& calendar, const CalendarFields& date) {
  const std::string day = std::to_string(date.day) + ". ";
  const bool named = calendar.monthName != nullptr && !calendar.monthName(date.month).empty();
  if (named && !date.leapMonth) {
    return day + std::string(calendar.monthName(date.month));
  }
  if (date.leapMonth) {
    return day + "Tag des Schaltmonats nach dem " + std::to_string(date.month) + ". Monat";
  }
  return day + "Tag des " + std::to_string(date.month) + ". Monats";
}

std::string OccurrenceText(const Anniversary& entry, const Occurrence& occurrence) {
  std::string text = entry.name + ", " + CountText(entry, occurrence.count);
  const LookupCalendar* calendar = FindRecurrenceCalendar(entry.calendar);
  if (calendar != nullptr) {
    text += " (" + CalendarDayText(*calendar, occurrence.date) + ")";
  }
  return text;
}

AnniversaryBook::AnniversaryBook(std::vector<Anniversary> entries) : entries_(std::move(entries)) {
  MonthCache cache;
  std::map<std::string, std::size_t> groupOf;
  // In the order of their days: neighbouring conversions share what a
  // calendar remembers of its searches (the Chinese new moons and terms).
  std::vector<std::size_t> order(entries_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  std::sort(order.begin(), order.end(),
            [this](std::size_t a, std::size_t b) { return entries_[a].day < entries_[b].day; });
  for (const std::size_t i : order) {
    const ResolvedRule rule = Resolve(entries_[i], cache);
    const std::string signature = Signature(rule);
    if (signature.empty()) {
      continue;  // a calendar that does not reach the day: it never recurs
    }
    const auto [found, added] = groupOf.emplace(signature, groups_.size());
    if (added) {
      groups_.push_back({rule, {}});
    }
    groups_[found->second].members.emplace_back(i, rule.year);
  }
}

std::vector<Occurrence> AnniversaryBook::Between(FixedDay first, FixedDay last) const {
  std::vector<Occurrence> found;
  if (last < first || groups_.empty()) {
    return found;
  }
  MonthCache cache;
  // The years of each calendar that hold a day of the range. Every rule
  // keeps a year's day within that year, except SKIP=FORWARD past the last
  // day of a year: for it, the year before too.
  std::map<const LookupCalendar*, std::pair<long long, long long>> years;
  for (const Group& group : groups_) {
    const ResolvedRule& rule = group.rule;
    auto span = years.find(rule.calendar);
    if (span == years.end()) {
      const std::optional<CalendarFields> from = rule.calendar->fromFixed(first);
      const std::optional<CalendarFields> to = rule.calendar->fromFixed(last);
      if (!from || !to) {
        continue;
      }
      span = years.emplace(rule.calendar, std::make_pair(from->year, std::min(to->year, from->year + kMaxRangeYears)))
                 .first;
    }
    const bool forward = rule.rule == static_cast<int>(Rule::kForeign) && rule.skip == SkipRule::kForward;
    for (long long year = span->second.first - (forward ? 1 : 0); year <= span->second.second; ++year) {
      const std::optional<FixedDay> day = DayInYear(rule, cache, year);
      if (!day || *day < first || last < *day) {
        continue;
      }
      const std::optional<CalendarFields> date = rule.calendar->fromFixed(*day);
      for (const auto& [index, originalYear] : group.members) {
        const long long count = year - originalYear;
        if (count >= 1 && date) {
          found.push_back({*day, index, static_cast<int>(count), *date});
        }
      }
    }
  }
  std::sort(found.begin(), found.end(), [this](const Occurrence& a, const Occurrence& b) {
    return std::tie(a.day.value, entries_[a.entry].name, a.entry) <
           std::tie(b.day.value, entries_[b.entry].name, b.entry);
  });
  return found;
}

std::vector<std::pair<int, std::string>> MonthAnniversaries(const AnniversaryBook& book, int year, int month) {
  std::vector<std::pair<int, std::string>> texts;
  if (book.Empty() || month < 1 || month > 12) {
    return texts;
  }
  const FixedDay first = FixedFromCivil({year, month, 1});
  const FixedDay last = FixedFromCivil({year, month, CivilMonthLength(year, month)});
  for (const Occurrence& occurrence : book.Between(first, last)) {
    texts.emplace_back(CivilFromFixed(occurrence.day).day, OccurrenceText(book.Entries()[occurrence.entry], occurrence));
  }
  return texts;
}

void AddAnniversaryReportLines(const AnniversaryBook& book, FixedDay day, Report& report) {
  const std::vector<Occurrence> today = book.Between(day, day);
  if (today.empty()) {
    return;
  }
  report.BeginEntry("anniversaries");
  for (const Occurrence& occurrence : today) {
    const std::string text = OccurrenceText(book.Entries()[occurrence.entry], occurrence);
    report.Add("Jahrestag", text);
    report.Append("list", text);
  }
  report.BeginEntry("");
}

std::string IsoDay(FixedDay day) {
  const CivilDate date = CivilFromFixed(day);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

}  // namespace tempulo

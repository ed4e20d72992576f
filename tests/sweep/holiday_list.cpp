// SPDX-License-Identifier: GPL-3.0-or-later
#include "holiday_list.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "name_tables.h"
#include "report_lines.h"

namespace tempulo::sweep {
namespace {

YearMonthDay CivilDateOf(long double jd) {
  return jd < 2299160.5L ? JulianCalendarOf(jd) : GregorianCalendarOf(jd);
}

// 0 = Sunday.
int WeekdayOf(long double jd) {
  return static_cast<int>((static_cast<std::int64_t>(std::floor(jd + 0.5L)) + 1) % 7);
}

long double EasterSunday(int year) {
  if (year >= 1583) {
    const YearMonthDay e = GregorianEaster(year);
    return JulianDateOfGregorian(year, e.month, e.day);
  }
  const YearMonthDay e = JulianEaster(year);
  return JulianDateOfJulian(year, e.month, e.day);
}

// Orthodox Easter: the Julian computus date, shown in the civil calendar.
long double OrthodoxEaster(int year) {
  const YearMonthDay e = JulianEaster(year);
  return JulianDateOfJulian(year, e.month, e.day);
}

// The day of `month` from `first` to `first` + 6 that falls on `weekday`,
// by the weekday of the civil date.
int WeekdayInWindow(int year, int month, int first, int weekday) {
  for (int day = first; day < first + 7; ++day) {
    if (WeekdayOf(CivilJulianDate(year, month, day)) == weekday) {
      return day;
    }
  }
  return 0;
}

// The mean equinoxes and solstices (in dynamical time, which the almanac does
// not tell from universal time), good to well under an hour over the years
// 100 to 3000.
long double MeanSeasonStart(int year, int season) {
  static constexpr long double kBefore1000[4][5] = {
      {1721139.29189L, 365242.13740L, 0.06134L, 0.00111L, -0.00071L},
      {1721233.25401L, 365241.72562L, -0.05323L, 0.00907L, 0.00025L},
      {1721325.70455L, 365242.49558L, -0.11677L, -0.00297L, 0.00074L},
      {1721414.39987L, 365242.88257L, -0.00769L, -0.00933L, -0.00006L}};
  static constexpr long double kFrom1000[4][5] = {
      {2451623.80984L, 365242.37404L, 0.05169L, -0.00411L, -0.00057L},
      {2451716.56767L, 365241.62603L, 0.00325L, 0.00888L, -0.00030L},
      {2451810.21715L, 365242.01767L, -0.11575L, 0.00337L, 0.00078L},
      {2451900.05952L, 365242.74049L, -0.06223L, -0.00823L, 0.00032L}};
  const bool early = year < 1000;
  const long double y = early ? year / 1000.0L : (year - 2000) / 1000.0L;
  const auto& c = early ? kBefore1000[season] : kFrom1000[season];
  return c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
}

enum class Rule { kFixed, kEaster, kOrthodox, kWeekday, kSummerTime, kAdvent, kSeason };

struct Movable {
  std::string_view name;
  Rule rule;
  int offset;   // days from Easter / 4.Advent; the season's index
  int month;    // weekday feasts and summer time
  int first;    // first day of the weekday window
  int weekday;  // 0 = Sunday
};

constexpr Movable kMovable[] = {
    {"Karfreitag", Rule::kEaster, -2, 0, 0, 0},
    {"Ostern", Rule::kEaster, 0, 0, 0, 0},
    {"Ostermontag", Rule::kEaster, 1, 0, 0, 0},
    {"Pfingsten", Rule::kEaster, 49, 0, 0, 0},
    {"Pfingstmontag", Rule::kEaster, 50, 0, 0, 0},
    {"Himmelfahrt", Rule::kEaster, 39, 0, 0, 0},
    {"Bußtag", Rule::kWeekday, 0, 11, 16, 3},
    {"Fronleichnam", Rule::kEaster, 60, 0, 0, 0},
    {"Fasching", Rule::kEaster, -47, 0, 0, 0},
    {"Thanksgiving", Rule::kWeekday, 0, 11, 22, 4},
    {"Rosenmontag", Rule::kEaster, -48, 0, 0, 0},
    {"Palmsonntag", Rule::kEaster, -7, 0, 0, 0},
    {"Frühlingsanfang", Rule::kSeason, 0, 3, 0, 0},
    {"Sommeranfang", Rule::kSeason, 1, 6, 0, 0},
    {"Herbstanfang", Rule::kSeason, 2, 9, 0, 0},
    {"Winteranfang", Rule::kSeason, 3, 12, 0, 0},
    {"Aschermittwoch", Rule::kEaster, -46, 0, 0, 0},
    {"Anfang der Sommerzeit", Rule::kSummerTime, 0, 3, 0, 0},
    {"Ende der Sommerzeit", Rule::kSummerTime, 0, 10, 0, 0},
    {"4.Advent", Rule::kAdvent, 0, 0, 0, 0},
    {"3.Advent", Rule::kAdvent, -7, 0, 0, 0},
    {"2.Advent", Rule::kAdvent, -14, 0, 0, 0},
    {"1.Advent, Beginn des Kirchenjahres", Rule::kAdvent, -21, 0, 0, 0},
    {"Muttertag", Rule::kWeekday, 0, 5, 8, 0},
    {"Weißer Sonntag", Rule::kEaster, 7, 0, 0, 0},
    {"Trinitatis, Dreifaltigkeitstag", Rule::kEaster, 56, 0, 0, 0},
    {"Gründonnerstag", Rule::kEaster, -3, 0, 0, 0},
    {"Orthodoxer Ostersonntag", Rule::kOrthodox, 0, 0, 0, 0},
    {"Orthodoxer Pfingstsonntag", Rule::kOrthodox, 49, 0, 0, 0},
    {"Erntedankfest", Rule::kWeekday, 0, 10, 1, 0},
    {"Totensonntag", Rule::kAdvent, -28, 0, 0, 0},
};

const Movable* MovableRule(std::string_view name) {
  for (const Movable& m : kMovable) {
    if (m.name == name) {
      return &m;
    }
  }
  return nullptr;
}

struct Entry {
  int day;
  std::string_view name;
};

// The listed entries: "DD\tname", further names of the day "\tname".
std::vector<Entry> ParseList(const std::vector<std::string>& lines, const Reporter& reporter) {
  std::vector<Entry> entries;
  int day = 0;
  for (const std::string& line : lines) {
    const std::size_t tab = line.find('\t');
    if (tab == 0 && day > 0) {
      entries.push_back({day, std::string_view(line).substr(1)});
      continue;
    }
    if (tab != 2 || line[0] < '0' || line[0] > '3' || line[1] < '0' || line[1] > '9') {
      reporter("format", "not \"DD\\tname\" or \"\\tname\" after one: \"" + line + "\"");
      return {};
    }
    day = (line[0] - '0') * 10 + (line[1] - '0');
    entries.push_back({day, std::string_view(line).substr(3)});
  }
  return entries;
}

// The date (month and day) of a movable row in the year; nothing for a row
// that is not in this year's list.
std::optional<YearMonthDay> MovableDate(const Movable& m, int year) {
  switch (m.rule) {
    case Rule::kEaster:
      return CivilDateOf(EasterSunday(year) + m.offset);
    case Rule::kOrthodox:
      return CivilDateOf(OrthodoxEaster(year) + m.offset);
    case Rule::kWeekday:
      return YearMonthDay{year, m.month, WeekdayInWindow(year, m.month, m.first, m.weekday)};
    case Rule::kSummerTime:
      if (year < 1983) {
        return std::nullopt;
      }
      return YearMonthDay{year, m.month, WeekdayInWindow(year, m.month, 25, 0)};
    case Rule::kAdvent: {
      const long double christmasEve = CivilJulianDate(year, 12, 24);
      return CivilDateOf(christmasEve - WeekdayOf(christmasEve) + m.offset);
    }
    default:
      return std::nullopt;
  }
}

std::string Render(const std::vector<Entry>& entries) {
  std::string text;
  int day = 0;
  for (const Entry& e : entries) {
    text += e.day == day ? "\t" : (e.day < 10 ? "0" : "") + Str(e.day) + "\t";
    text += e.name;
    text += "\n";
    day = e.day;
  }
  return text;
}

}  // namespace

void CheckHolidayList(const SweepDay& day, const std::vector<std::string>& lines, const Reporter& reporter) {
  const std::vector<Entry> listed = ParseList(lines, reporter);
  if (listed.empty() && !lines.empty()) {
    return;
  }
  const int length = CivilMonthLength(day.month, day.year);
  std::vector<Entry> expected;
  for (int d = 1; d <= length; ++d) {
    for (const HolidayRow& row : HolidayRows()) {
      bool on = row.day == d && row.month == day.month;
      if (row.day == 0) {
        const Movable* m = MovableRule(row.name);
        if (m == nullptr) {
          reporter("table", "no rule for the movable row \"" + std::string(row.name) + "\"");
          continue;
        }
        if (m->rule == Rule::kSeason) {
          // The listed day if it holds the mean season start (within a tenth
          // of a day), else the day of the mean start.
          if (m->month != day.month) {
            continue;
          }
          const long double start = MeanSeasonStart(day.year, m->offset);
          int found = CivilDateOf(std::floor(start - 0.5L) + 0.5L).day;
          for (const Entry& e : listed) {
            const long double jd = CivilJulianDate(day.year, day.month, e.day);
            if (e.name == row.name && jd <= start + 0.1L && jd + 1 > start - 0.1L) {
              found = e.day;
            }
          }
          on = d == found;
        } else {
          const std::optional<YearMonthDay> date = MovableDate(*m, day.year);
          on = date && date->month == day.month && date->day == d;
        }
      }
      if (on) {
        expected.push_back({d, row.name});
      }
    }
  }
  const std::string want = Render(expected);
  const std::string got = Render(listed);
  if (want != got) {
    // Name the first entry that differs.
    std::size_t i = 0;
    while (i < expected.size() && i < listed.size() && expected[i].day == listed[i].day &&
           expected[i].name == listed[i].name) {
      ++i;
    }
    const auto show = [](const std::vector<Entry>& entries, std::size_t index) {
      return index < entries.size() ? Str(entries[index].day) + " " + std::string(entries[index].name)
                                    : std::string("(end)");
    };
    reporter("value", "entry " + Str(static_cast<std::int64_t>(i) + 1) + ": expected " + show(expected, i) +
                          ", listed " + show(listed, i));
  }
}

void ReadReportHolidays(LineCheck& c) {
  const std::vector<std::string>* list = c.Context().holidayList;
  if (list == nullptr) {
    return;
  }
  std::vector<std::string_view> expected;
  int day = 0;
  for (const std::string& line : *list) {
    const std::size_t tab = line.find('\t');
    if (tab == 2) {
      day = (line[0] - '0') * 10 + (line[1] - '0');
    }
    if (tab != std::string::npos && day == c.Day().day) {
      expected.push_back(std::string_view(line).substr(tab + 1));
    }
  }
  if (c.Values() != expected) {
    c.Fail("value", "the day's lines are not its entries in the month's list (" +
                        Str(static_cast<std::int64_t>(expected.size())) + " entries, " +
                        Str(static_cast<std::int64_t>(c.Values().size())) + " lines)");
  }
  c.Result().valid = true;
}

}  // namespace tempulo::sweep

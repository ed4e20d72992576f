// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/day_festivals.h"

#include <cmath>

#include "time/clock.h"
#include "report/festivals.h"
#include "report/report.h"
#include "report/day_values.h"
#include "report/registry.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/jewish.h"

namespace tempulo {
namespace {

// The report gives the Jewish calendar from this year on.
constexpr int kFirstJewishYear = 359;
// Every Chinese month has at least this many days.
constexpr int kShortestChineseMonth = 29;

struct ChineseDayAndMonth {
  double dateValue = 0;
  int day = 0;
  int month = 0;
  bool valid = false;
};

// The Chinese date is the costly part. Days are mostly asked for in a row, so
// the day after the last one asked is that one plus a day while the month
// cannot have ended yet; near a month's end one new-moon search tells whether
// the month goes on, and only a new month computes the date anew.
ChineseDayAndMonth ChineseDayOf(double dateValue) {
  thread_local ChineseDayAndMonth last;
  if (last.valid && dateValue == last.dateValue + 1.0) {
    // The Chinese date's own reading: the month holding a day starts on the
    // last new moon on or before the day's end.
    const bool sameMonth = last.day < kShortestChineseMonth ||
                           ChineseNewMoonOnOrBefore(std::floor(dateValue) + 1) < std::floor(dateValue);
    if (sameMonth) {
      last = {dateValue, last.day + 1, last.month, true};
      return last;
    }
  }
  const ChineseDateRecord chinese = ChineseDate(dateValue);
  last = {dateValue, chinese.day, chinese.month, true};
  return last;
}

}  // namespace

std::vector<DayFestival> FestivalsOfDayWithKind(int year, int month, int day) {
  // The festivals read no clock; any will do.
  const FixedClock unusedClock({2000, 1, 1}, {});
  DayValues values({year, month, day}, unusedClock);
  Report lines;
  std::vector<DayFestival> festivals;
  // Each calendar adds its lines; the lines added since the last calendar
  // are that calendar's festivals.
  const auto take = [&lines, &festivals](std::string_view kind) {
    for (std::size_t i = festivals.size(); i < lines.Lines().size(); ++i) {
      const std::string& line = lines.Lines()[i];
      // Festival lines have an empty label: "\tName".
      festivals.push_back({kind, line.starts_with('\t') ? line.substr(1) : line});
    }
  };
  AddIslamicFestivals(values, lines);
  take("islamic");
  if (year >= kFirstJewishYear) {
    if (const std::optional<JewishDay> jewish = JewishFromFixed(values.day)) {
      AddJewishFestivals(*jewish, lines);
    }
  }
  take("jewish");
  const ChineseDayAndMonth chinese = ChineseDayOf(values.start.DateValue());
  ChineseDateRecord chineseDate;
  chineseDate.day = chinese.day;
  chineseDate.month = chinese.month;
  AddChineseFestivals(chineseDate, lines);
  take("chinese");
  AddEthiopianFestivals(values, lines);
  take("ethiopian");
  return festivals;
}

std::vector<std::string> FestivalsOfDay(int year, int month, int day) {
  std::vector<std::string> names;
  for (DayFestival& festival : FestivalsOfDayWithKind(year, month, day)) {
    names.push_back(std::move(festival.name));
  }
  return names;
}

}  // namespace tempulo

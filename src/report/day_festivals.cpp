#include "report/day_festivals.h"

#include "time/clock.h"
#include "report/festivals.h"
#include "report/report.h"
#include "report/report_builder.h"
#include "astro/angles.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/jewish.h"
#include "holidays/holidays.h"

namespace tempulo {
namespace {

// The report gives the Jewish calendar from this year on.
constexpr int kFirstJewishYear = 359;
constexpr int kPassoverMonth = 1;
constexpr int kPassoverFirstDay = 15;
constexpr int kPassoverLastDay = 21;
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
// cannot have ended yet; only near a month's end is the date computed anew.
ChineseDayAndMonth ChineseDayOf(double dateValue) {
  thread_local ChineseDayAndMonth last;
  if (last.valid && dateValue == last.dateValue + 1.0 && last.day < kShortestChineseMonth) {
    last = {dateValue, last.day + 1, last.month, true};
    return last;
  }
  const ChineseDateRecord chinese = ChineseDate(dateValue);
  last = {dateValue, chinese.day, chinese.month, true};
  return last;
}

}  // namespace

std::vector<std::string> FestivalsOfDay(int year, int month, int day) {
  const long double jd = ReportJulianDay(day, month, year);
  const double dateValue = JulianDayToDateTime(jd);
  Report lines;
  const IslamicDateResult islamic = IslamicDate(day, month, year);
  AddIslamicFestivals(islamic.day, islamic.month, lines);
  if (year >= kFirstJewishYear) {
    // The Jewish calendar reads the clock only for years before those it is
    // shown for; any clock does.
    const FixedClock unusedClock({2000, 1, 1}, {});
    const JewishDay jewish = JewishDate(dateValue, unusedClock);
    AddJewishFestivals(jewish.month, jewish.day, lines);
    if (jewish.month == kPassoverMonth && jewish.day >= kPassoverFirstDay && jewish.day <= kPassoverLastDay) {
      lines.Add("", "Passahfest");
    }
  }
  const ChineseDayAndMonth chinese = ChineseDayOf(dateValue);
  AddChineseFestivals(chinese.day, chinese.month, lines);
  AddEthiopianFestivals({jd, day, month, islamic.day, islamic.month, OrthodoxEasterSunday(year)}, lines);

  std::vector<std::string> names;
  names.reserve(lines.Lines().size());
  for (const std::string& line : lines.Lines()) {
    // Festival lines have an empty label: "\tName".
    names.push_back(line.starts_with('\t') ? line.substr(1) : line);
  }
  return names;
}

}  // namespace tempulo

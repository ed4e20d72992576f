// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday table, the movable feasts of a year and the month's list.
//
// The list is written in the calendar of its year: the Julian calendar up to
// 1582, the Gregorian one from 1583 on. In the reform year the weekday-based
// feasts take the weekdays of their own dates: Julian up to 14 October (5-14
// October continue the Julian calendar), Gregorian for November and December.
// Every movable date is computed for the years 100 to 3000 the window offers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/rise_set.h"
#include "time/civil.h"

namespace tempulo {

struct MonthDay {
  int month = 0;
  int day = 0;
  friend bool operator==(const MonthDay&, const MonthDay&) = default;
};

// Easter Sunday as a day counted from 1 March (22 = 22 March, 32 = 1 April).
int GregorianEasterDay(int year);  // Gregorian computus
int JulianEasterDay(int year);     // Julian computus
// The list's Easter: the Julian computus up to 1582, the Gregorian from 1583.
int EasterDay(int year);
CivilDate EasterSunday(int year);

// The date `daysFromMarch` days into the year counted from 1 March (1 is
// 1 March, 0 the last day of February), February of the year's own calendar.
struct MarchDays {
  int count = 0;
};
MonthDay DayFromMarch(int year, MarchDays daysFromMarch);

// Orthodox Easter Sunday of a year as the holiday list shows it: the Julian
// computus date as it is up to 1582, converted to the Gregorian calendar of
// the same year from 1583 on. Years 1 to 9999.
CivilDate OrthodoxEasterSunday(int year);
// Orthodox Pentecost: Orthodox Easter Sunday + 49 days, in the same calendar.
CivilDate OrthodoxPentecost(int year);

// The weekday-based feasts, each on its weekday in the calendar of its date
// (Julian weekdays up to 14 October 1582, Gregorian after).
MonthDay RepentanceDay(int year);    // Buß- und Bettag: Wednesday 16..22 November
MonthDay Thanksgiving(int year);     // fourth Thursday of November
MonthDay MothersDay(int year);       // second Sunday of May
MonthDay HarvestFestival(int year);  // first Sunday of October
int FourthAdvent(int year);          // the December day (18..24) of the last Sunday before Christmas
// Last Sundays of March and October; day 0 before 1983, when the list has
// no summer time.
MonthDay SummerTimeStart(int year);
MonthDay SummerTimeEnd(int year);

// Day and month of the starts of spring, summer, autumn and winter, in this
// order, in the civil calendar of the year: the day that holds the instant in
// a zone utcOffsetHours ahead of universal time (the list's MEZ by default).
using SeasonStartRecord = std::array<MonthDay, 4>;
SeasonStartRecord SeasonStartDates(int year, double utcOffsetHours = kCetUtcOffsetHours);

struct HolidayRecord {
  int day = 0;  // 0: movable, or not in this year (summer time before 1983)
  int month = 0;
  std::string name;  // at most 38 characters
};

// A holiday of the month's list: its day of the month and its name.
struct DatedHoliday {
  int day = 0;
  std::string name;
  friend bool operator==(const DatedHoliday&, const DatedHoliday&) = default;
};

class HolidayTable {
 public:
  static constexpr std::size_t kMaxNameLength = 38;

  // Rows of the form "day,month,name"; the name may hold commas and is cut to
  // 38 characters. A row whose day or month is not a number from 0 to 255 is
  // left out.
  void Load(const std::vector<std::string_view>& rows);
  // The table of the almanac's built-in rows.
  static HolidayTable Standard();

  // Rewrites the movable records with the dates of the year. The season
  // starts come from outside so that the rest can be computed on its own.
  void ApplyMovableDates(int year, const SeasonStartRecord& seasons);

  // Recomputes the movable rows for the year and returns the month's
  // holidays by day, in row order within a day. Nothing for a month outside
  // 1..12.
  std::vector<DatedHoliday> MonthHolidays(int year, int month);

  const std::vector<HolidayRecord>& Records() const { return records_; }

 private:
  void SetMovable(int row, MonthDay date);

  std::vector<HolidayRecord> rows_;     // as loaded
  std::vector<HolidayRecord> records_;  // with the movable rows of the last year built
};

// The built-in rows, "day,month,name", in row order (row 1 first).
const std::vector<std::string_view>& StandardHolidayRows();

}  // namespace tempulo

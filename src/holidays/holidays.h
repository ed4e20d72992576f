// The holiday table, the movable feasts of a year and the month's list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/report.h"
#include "astro/date_encoding.h"

namespace tempulo {

// Orthodox Easter Sunday of a year as the holiday list shows it: the Julian
// computus date as it is up to 1582, converted to the Gregorian calendar of
// the same year from 1583 on.
CivilDate OrthodoxEasterSunday(int year);

struct HolidayRecord {
  int day = 0;  // 0: not in this year (summer time before 1983)
  int month = 0;
  std::string name;  // at most 38 characters
};

class HolidayTable {
 public:
  // Rows of the form "day,month,name"; the name may hold commas.
  void Load(const std::vector<std::string_view>& rows);
  // The table of the almanac's built-in rows.
  static HolidayTable Standard();

  // Recomputes the movable rows for the year, appends the month's lines to
  // `monthList` and the selected day's lines to the report.
  void BuildHolidayList(int year, int month, int day, std::vector<std::string>& monthList, Report& report);

  const std::vector<HolidayRecord>& Records() const { return records_; }

 private:
  std::vector<HolidayRecord> rows_;     // as loaded
  std::vector<HolidayRecord> records_;  // with the movable rows of the last year built
};

}  // namespace tempulo

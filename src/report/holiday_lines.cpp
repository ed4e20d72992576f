// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/holiday_lines.h"

#include <string_view>

#include "report/refresh.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

constexpr std::string_view kReportLabel = "Feier-,Gedenktag\t";

std::string DayText(int day) { return (day < 10 ? "0" : "") + std::to_string(day); }

}  // namespace

std::vector<std::string> HolidayListLines(const std::vector<DatedHoliday>& holidays) {
  std::vector<std::string> lines;
  lines.reserve(holidays.size());
  int previousDay = 0;
  for (const DatedHoliday& holiday : holidays) {
    lines.push_back((holiday.day == previousDay ? std::string() : DayText(holiday.day)) + "\t" +
                    holiday.name);
    previousDay = holiday.day;
  }
  return lines;
}

void AddHolidayReportLines(const std::vector<DatedHoliday>& holidays, int day, Report& report) {
  for (const DatedHoliday& holiday : holidays) {
    if (holiday.day == day) {
      report.Add(Utf8Left(std::string(kReportLabel) + holiday.name, kMaxHolidayReportLineLength));
      // The whole name: the line cuts it to the list's width.
      report.Append("holidays", holiday.name);
    }
  }
}

std::vector<HolidayOnDate> HolidaysBetween(HolidayTable& table, CivilDate first, CivilDate last) {
  std::vector<HolidayOnDate> found;
  const auto key = [](int year, int month, int day) { return (year * 100LL + month) * 100 + day; };
  const long long from = key(first.year, first.month, first.day);
  const long long to = key(last.year, last.month, last.day);
  int year = first.year < kMinimumYear ? kMinimumYear : first.year;
  int month = first.year < kMinimumYear ? 1 : first.month;
  // At most every month of the almanac's range.
  constexpr int kMaxMonths = (kMaximumYear - kMinimumYear + 1) * 12;
  for (int step = 0; step < kMaxMonths && year <= kMaximumYear && key(year, month, 1) <= to; ++step) {
    for (const DatedHoliday& holiday : table.MonthHolidays(year, month)) {
      const long long at = key(year, month, holiday.day);
      if (at >= from && at <= to) {
        found.push_back({{year, month, holiday.day}, holiday.name});
      }
    }
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return found;
}

}  // namespace tempulo

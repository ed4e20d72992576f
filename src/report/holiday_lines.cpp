// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/holiday_lines.h"

#include <string_view>

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
    }
  }
}

}  // namespace tempulo

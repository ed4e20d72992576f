// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/refresh.h"

#include <array>
#include <cmath>
#include <exception>

#include "report/holiday_lines.h"
#include "report/report_builder.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Januar",    "Februar", "März",     "April",
                                                          "Mai",       "Juni",    "Juli",     "August",
                                                          "September", "Oktober", "November", "Dezember"};

// The weekdays repeat every 400 Gregorian years, so a match is always found
// well within this many years.
constexpr int kSubstituteSearchYears = 400;
constexpr int kFirstGregorianYear = 1583;

}  // namespace

std::string_view GermanMonthName(int month) {
  if (month < 1 || month > 12) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysBeforeMonth(bool leap, int month) {
  static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int days = 0;
  for (int m = 1; m < month && m <= 12; ++m) {
    days += kLengths[static_cast<std::size_t>(m - 1)];
    if (m == 2 && leap) {
      days += 1;
    }
  }
  return days;
}

int WeekdayOfJanuaryFirst(int year) {
  return (year + (year - 1) / 4 - (year - 1) / 100 + (year - 1) / 400) % 7;
}

int SubstituteGridYear(int month, int year) {
  int m = month;
  int y = year;
  if (m <= 2) {
    m += 12;
    y -= 1;
  }
  const int k = y % 100;
  const int j = y / 100;
  // Keep the remainder in 0..6 also for the years 0..99 that typing reaches.
  const int w = (((m + 1) * 26 / 10 + k + k / 4 + 75 - j) % 7 + 7) % 7;
  for (int candidate = kFirstGregorianYear; candidate < kFirstGregorianYear + kSubstituteSearchYears;
       ++candidate) {
    if ((DaysBeforeMonth(IsLeapYear(candidate), month) + WeekdayOfJanuaryFirst(candidate)) % 7 == w) {
      return candidate;
    }
  }
  return kFirstGregorianYear;
}

int ClampGridDay(int day, int month, int gridYear) {
  int length = 31;
  if (month == 4 || month == 6 || month == 9 || month == 11) {
    length = 30;
  } else if (month == 2) {
    length = IsLeapYear(gridYear) ? 29 : 28;
  }
  return length < day ? length : day;
}

bool NeedsSubstituteGridYear(int month, int year) { return year < 1582 || (year == 1582 && month <= 10); }

std::optional<SelectedDate> ReadSelectedDate(int gridDay, double monthValue, double yearValue) {
  if (!std::isfinite(monthValue) || !std::isfinite(yearValue)) {
    return std::nullopt;
  }
  const double month = std::nearbyint(monthValue);
  if (month < 1 || month > 12) {
    return std::nullopt;
  }
  const double year = std::nearbyint(yearValue);
  if (year < kMinimumYear || year > kMaximumYear) {
    return std::nullopt;
  }
  return SelectedDate{gridDay, static_cast<int>(month), static_cast<int>(year)};
}

std::string WindowCaption(const SelectedDate& date) {
  return "Tempulo " + std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

std::string DateLine(const SelectedDate& date) {
  return "Datum\t" + std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

std::string ClipboardText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string ErrorMessageText(std::string_view message) {
  std::string text(message);
  if (text.empty() || static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

RefreshResult Refresh(const SelectedDate& date, HolidayTable& holidays, const Clock& clock,
                      const ReportPlace* place) {
  RefreshResult result;
  result.caption = WindowCaption(date);
  Report report;
  report.Add(DateLine(date));
  report.Add(" ");
  try {
    const std::vector<DatedHoliday> monthHolidays = holidays.MonthHolidays(date.year, date.month);
    result.holidayLines = HolidayListLines(monthHolidays);
    AddHolidayReportLines(monthHolidays, date.day, report);
    BuildReport(date.day, date.month, date.year, clock, report, place);
  } catch (const std::exception& error) {
    result.error = error.what();
  }
  result.heading = report.Heading();
  result.reportLines = report.Lines();
  return result;
}

}  // namespace tempulo

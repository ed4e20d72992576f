#include "calendars/modern/world_calendar.h"

#include <array>
#include <string_view>

#include "calendars/traditional/calendar_helpers.h"

namespace tempulo {
namespace {

constexpr std::array<int, 11> kCommonMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30};

constexpr std::array<std::string_view, 7> kWorldWeekdays = {"Sonnabend", "Sonntag",    "Montag", "Dienstag",
                                                            "Mittwoch",  "Donnerstag", "Freitag"};

// First day of each month of a half-year of 31 + 30 + 30 + 31 + 30 + 30 days,
// counted from the half-year's start (0-based).
struct MonthStart {
  int firstDay;
  int month;
};

std::string DayMonthText(int day, int month) {
  return std::to_string(day) + "." + std::to_string(month) + ".";
}

}  // namespace

int DayOfYear(int day, int month, int year) {
  int total = day;
  for (int m = 1; m < month && m <= 11; ++m) {
    total += kCommonMonthLengths[static_cast<std::size_t>(m - 1)];
  }
  if (month > 2 && IsGregorianLeapYear(year)) {
    total += 1;
  }
  return total;
}

std::string WorldWeekdayName(int n) {
  const int r = n % 7;
  if (r < 0) {
    return {};
  }
  return std::string(kWorldWeekdays[static_cast<std::size_t>(r)]);
}

std::string WorldCalendarText(int dayOfYear, int year) {
  const bool leap = IsGregorianLeapYear(year);
  if (leap && dayOfYear == 183) {
    return "31.6. Schalttag";
  }
  // Each half-year: 31, 30, 30, 31, 30, 30 days; the second starts on day 183.
  static constexpr std::array<MonthStart, 6> kHalfYear = {
      {{0, 1}, {31, 2}, {61, 3}, {91, 4}, {122, 5}, {152, 6}}};
  int d = dayOfYear;
  int monthOffset = 0;
  int n = dayOfYear;
  if (d > 182) {
    if (leap) {
      d -= 1;
    }
    n = d - 182;
    monthOffset = 6;
    if (d == 365) {
      return "31.12. Weltfeiertag";
    }
  }
  const int inHalf = d > 182 ? d - 182 : d;
  const MonthStart* found = &kHalfYear[0];
  for (const MonthStart& start : kHalfYear) {
    if (inHalf > start.firstDay) {
      found = &start;
    }
  }
  return DayMonthText(inHalf - found->firstDay, found->month + monthOffset) + " " + WorldWeekdayName(n);
}

void WorldCalendarDate(int dayOfYear, int year, Report& report) {
  report.Add("UNO-Weltkalender", WorldCalendarText(dayOfYear, year));
}

}  // namespace tempulo

#include "calendars/modern/discordian.h"

#include <array>
#include <string_view>

namespace tempulo {
namespace {

// January to November of a common year; never corrected for leap years.
constexpr std::array<int, 11> kCommonMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30};

constexpr std::array<std::string_view, 5> kSeasonNames = {"Chaos", "Zwietracht", "Verwirrung", "Bürokratie",
                                                          "Der Ausklang"};

constexpr int kSeasonDays = 73;
constexpr int kYearOffset = 1166;

}  // namespace

int CommonDayOfYear(int day, int month) {
  int total = day;
  for (int m = 1; m < month && m <= static_cast<int>(kCommonMonthLengths.size()); ++m) {
    total += kCommonMonthLengths[static_cast<std::size_t>(m - 1)];
  }
  return total;
}

std::string DiscordianDateText(int day, int month, int year) {
  const std::string yold = " " + std::to_string(year + kYearOffset) + " YOLD";
  if (day == 29 && month == 2) {
    return "St.Tib's Day" + yold;
  }
  const int c = CommonDayOfYear(day, month);
  const int season = (c - 1) / kSeasonDays + 1;
  const std::string_view name = season >= 1 && season <= static_cast<int>(kSeasonNames.size())
                                    ? kSeasonNames[static_cast<std::size_t>(season - 1)]
                                    : std::string_view{};
  return std::to_string((c - 1) % kSeasonDays + 1) + "." + std::string(name) + yold;
}

void DiscordianDate(int day, int month, int year, Report& report) {
  report.Add("Diskordianischer Kalender", DiscordianDateText(day, month, year));
}

}  // namespace tempulo

#include "calendars/traditional/dee_sixty_week.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Januar",    "Februar", "März",     "April",
                                                      "Mai",       "Juni",    "Juli",     "August",
                                                      "September", "Oktober", "November", "Dezember"};

// The six-day week has no Tuesday.
constexpr std::array<std::string_view, 6> kSixDayWeek = {"Sonntag",    "Montag",  "Mittwoch",
                                                         "Donnerstag", "Freitag", "Sonnabend"};

constexpr std::int64_t kDeeCycleYears = 33;
constexpr std::int64_t kDeeCycleDays = 12053;  // 33 x 365 + 8

bool IsDeeLeap(std::int64_t year) { return FloorMod<std::int64_t>(year - 1, kDeeCycleYears) % 4 == 3; }

std::string MonthName(int month) { return std::string(kMonths[static_cast<std::size_t>(month - 1)]); }

}  // namespace

bool IsDeeLeapYear(int year) { return IsDeeLeap(year); }

int DeeMonthLength(int month, int year) {
  switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsDeeLeapYear(year) ? 29 : 28;
    default:
      return 0;
  }
}

DeeDate DeeFromFixed(FixedDay day) {
  const std::int64_t days = day - kDeeEpoch;
  std::int64_t year = kDeeCycleYears * FloorDiv(days, kDeeCycleDays) + 1;
  std::int64_t r = FloorMod(days, kDeeCycleDays);
  // r < 12053 is always used up within the 33 years of the cycle.
  for (int position = 1; position <= kDeeCycleYears; ++position) {
    const std::int64_t length = IsDeeLeap(position) ? 366 : 365;
    if (length > r) {
      break;
    }
    r -= length;
    ++year;
  }
  int month = 1;
  // The year's month lengths always add up to more than r.
  while (month < 12 && DeeMonthLength(month, static_cast<int>(year)) <= r) {
    r -= DeeMonthLength(month, static_cast<int>(year));
    ++month;
  }
  return {static_cast<int>(year), month, static_cast<int>(r + 1)};
}

FixedDay FixedFromDee(const DeeDate& date) {
  const std::int64_t yearsBefore = static_cast<std::int64_t>(date.year) - 1;
  const std::int64_t cycles = FloorDiv(yearsBefore, kDeeCycleYears);
  std::int64_t days = cycles * kDeeCycleDays;
  for (std::int64_t position = 1; position <= yearsBefore - cycles * kDeeCycleYears; ++position) {
    days += IsDeeLeap(position) ? 366 : 365;
  }
  for (int month = 1; month < date.month && month <= 12; ++month) {
    days += DeeMonthLength(month, date.year);
  }
  return kDeeEpoch + days + date.day - 1;
}

std::string_view DeeMonthName(int month) {
  return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

namespace {

// How a civil month (January to November) lies in the sixty-week calendar:
// the days added to its day number, the shifted month's length after which
// the day moves into the next month, and the named days that fall on day 31
// or 32 of the shifted count. December is the same in every year.
struct SixtyWeekMonth {
  int daysAdded;
  int length;
  const char* day31 = nullptr;
  const char* day32 = nullptr;
};

constexpr std::array<SixtyWeekMonth, 11> kSixtyWeekCommonYear = {{
    {11, 30},
    {12, 30},
    {10, 31, "Frühlingstag"},
    {10, 30},
    {10, 30},
    {11, 31, "Sommertag"},
    {10, 30},
    {11, 30},
    {12, 31, "Herbsttag"},
    {11, 30},
    {12, 30},
}};

constexpr std::array<SixtyWeekMonth, 11> kSixtyWeekLeapYear = {{
    {11, 30},
    {12, 30},
    {11, 31, "Frühlingstag"},
    {11, 30},
    {11, 30},
    {12, 32, "Sommertag", "Schalttag"},
    {10, 30},
    {11, 30},
    {12, 31, "Herbsttag"},
    {11, 30},
    {12, 30},
}};

}  // namespace

std::string SixtyWeekDate(int day, int month, int year) {
  if (year < 1937 || year > 2063 || month < 1 || month > 12) {
    return {};
  }
  int d = day;
  int m = month;
  int y = year;
  std::optional<std::string_view> namedDay;
  // Past the end of a (shifted) month the day moves on into the next one.
  const auto shift = [&d, &m](int length) {
    if (d > length) {
      d -= length;
      m += 1;
    }
  };
  const auto december = [&]() {
    d += 12;
    if (d == 31) {
      namedDay = "Wintertag";
    } else if (d == 32) {
      namedDay = "Neujahr";
      y += 1;
    } else if (d > 32) {
      d -= 32;
      m = 1;
      y += 1;
    }
  };
  if (m == 12) {
    december();
  } else {
    const SixtyWeekMonth& rule =
        (y % 4 != 0 ? kSixtyWeekCommonYear : kSixtyWeekLeapYear)[static_cast<std::size_t>(m - 1)];
    d += rule.daysAdded;
    if (d == 31 && rule.day31 != nullptr) {
      namedDay = rule.day31;
    } else if (d == 32 && rule.day32 != nullptr) {
      namedDay = rule.day32;
    }
    shift(rule.length);
  }
  const int shownYear = y + 6000;
  if (namedDay) {
    return std::string(*namedDay) + " " + std::to_string(shownYear);
  }
  if (m < 1 || m > 12 || d < 1) {
    // Only a day outside its civil month gets here.
    return {};
  }
  return std::to_string(d) + "." + MonthName(m) + " " + std::to_string(shownYear) + ", " +
         std::string(kSixDayWeek[static_cast<std::size_t>(d % 6)]);
}

}  // namespace tempulo

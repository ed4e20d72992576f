#include "calendars/modern/week_and_time.h"

#include <array>
#include <cmath>
#include <string>

#include "time/utf8.h"
#include "time/date_encoding.h"
#include "calendars/traditional/calendar_helpers.h"

namespace tempulo {
namespace {

constexpr std::array<int, 12> kMonthKeys = {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};
constexpr std::array<int, 4> kCenturyKeys = {6, 4, 2, 0};

struct WeekRow {
  int offset;
  int increment;
};
constexpr std::array<WeekRow, 7> kWeekTable = {
    {{-6, 0}, {0, 1}, {-1, 1}, {-2, 1}, {-3, 1}, {-4, 0}, {-5, 0}}};

constexpr int kThursday = 4;
constexpr std::size_t kMaxLabelLength = 255;

}  // namespace

int WeekdayOfDate(int day, int month, int year) {
  const int yy = year % 100;
  const int century = kCenturyKeys[static_cast<std::size_t>(((year / 100) % 4 + 4) % 4)];
  int s = day % 7 + kMonthKeys[static_cast<std::size_t>(month - 1)] + yy % 7 + (yy / 4) % 7 + century;
  if (month <= 2 && IsGregorianLeapYear(year)) {
    s -= 1;
  }
  return ((s % 7) + 7) % 7;
}

int IsoWeekNumber(int year, int dayOfYear) {
  const int w = WeekdayOfDate(1, 1, year);
  const WeekRow& row = kWeekTable[static_cast<std::size_t>(w)];
  const int k = static_cast<int>(std::trunc((dayOfYear - 1 - row.offset) / 7.0)) + row.increment;
  if (k == 53) {
    if (w == kThursday || WeekdayOfDate(31, 12, year) == kThursday) {
      return 53;
    }
    return 1;
  }
  if (k == 0) {
    if (WeekdayOfDate(31, 12, year - 1) == kThursday || WeekdayOfDate(1, 1, year - 1) == kThursday) {
      return 53;
    }
    return 52;
  }
  return k;
}

void AddCetTimeLine(Report& report, std::string_view label, double moment) {
  const std::string cutLabel = Utf8Left(label, kMaxLabelLength);
  if (moment == NoEvent || !std::isfinite(moment)) {
    report.Add(cutLabel, "-");
    return;
  }
  const long double shifted = static_cast<long double>(moment) + 1.0L / 24.0L;
  report.Add(cutLabel, DateTimeText(static_cast<double>(shifted)) + " MEZ");
}

}  // namespace tempulo

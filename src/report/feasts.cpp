// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/feasts.h"

#include "holidays/holidays.h"
#include "report/day_festivals.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

// Roughly a fifth of the days carry a feast; reserve once.
constexpr std::size_t kExpectedFeastsPerYear = 128;

struct HolidayFeast {
  int month = 0;
  int day = 0;
  std::string name;
};

// The movable church feasts of the year, as the month's holiday list dates
// them, in the table's row order.
std::vector<HolidayFeast> MovableChurchFeasts(int year) {
  HolidayTable table = HolidayTable::Standard();
  // The season starts are no church feasts; their rows are not read.
  table.ApplyMovableDates(year, SeasonStartRecord{});
  std::vector<HolidayFeast> feasts;
  const std::vector<HolidayRecord>& records = table.Records();
  for (const int row : MovableChurchFeastRows()) {
    if (row >= 1 && static_cast<std::size_t>(row) <= records.size()) {
      const HolidayRecord& record = records[static_cast<std::size_t>(row - 1)];
      feasts.push_back({record.month, record.day, record.name});
    }
  }
  return feasts;
}

}  // namespace

std::vector<Feast> FeastsOfYear(int year) {
  std::vector<Feast> feasts;
  if (year < kMinimumYear || year > kMaximumYear) {
    return feasts;
  }
  feasts.reserve(kExpectedFeastsPerYear);
  const std::vector<HolidayFeast> church = MovableChurchFeasts(year);
  for (int month = 1; month <= 12; ++month) {
    // The days the report offers: the Julian month lengths up to 1582 (so
    // no 29 February of a Julian common year), all 31 days of October 1582.
    const int length = CivilMonthLength(year, month);
    for (int day = 1; day <= length; ++day) {
      const CivilDate date{year, month, day};
      const FixedDay fixed = FixedFromCivil(date);
      for (const HolidayFeast& feast : church) {
        if (feast.month == month && feast.day == day) {
          feasts.push_back({date, fixed, feast.name, "church"});
        }
      }
      for (DayFestival& festival : FestivalsOfDayWithKind(year, month, day)) {
        feasts.push_back({date, fixed, std::move(festival.name), festival.kind});
      }
    }
  }
  return feasts;
}

}  // namespace tempulo

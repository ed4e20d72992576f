// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/feasts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "holidays/holidays.h"
#include "report/festivals.h"
#include "report/refresh.h"

namespace tempulo {
namespace {

// The festival lines of the report of one day, as the report words them
// without their label, in the report's order.
std::vector<std::string> ReportFeastLines(CivilDate date) {
  static const std::set<std::string> kChurch = [] {
    std::set<std::string> names;
    for (const int row : MovableChurchFeastRows()) {
      const std::string_view line = StandardHolidayRows()[static_cast<std::size_t>(row - 1)];
      // "day,month,name"; the name may hold commas itself.
      names.insert(std::string(line.substr(line.find(',', line.find(',') + 1) + 1)));
    }
    return names;
  }();
  static const std::set<std::string> kFestivals = [] {
    std::set<std::string> names;
    for (int i = 0; !FestivalName(i).empty(); ++i) {
      names.insert(std::string(FestivalName(i)));
    }
    names.insert("Passahfest");
    return names;
  }();
  HolidayTable holidays = HolidayTable::Standard();
  const FixedClock clock({2000, 1, 1}, {12, 0, 0});
  const RefreshResult result = Refresh(date, holidays, clock);
  std::vector<std::string> lines;
  for (const std::string& line : result.reportLines) {
    const std::string holiday = "Feier-,Gedenktag\t";
    if (line.starts_with(holiday) && kChurch.contains(line.substr(holiday.size()))) {
      lines.push_back(line.substr(holiday.size()));
    } else if (line.starts_with('\t') && kFestivals.contains(line.substr(1))) {
      lines.push_back(line.substr(1));
    }
  }
  return lines;
}

// Every day of the year: the list holds exactly the feast lines of that
// day's report, in the report's order. The reform year (all 31 October days,
// Julian weekdays up to 14 October), the first year with the Jewish calendar
// and the range's ends.
TEST(FeastsOfYear, MatchTheReportOfEveryDay) {
  for (const int year : {100, 359, 1582, 1900, 2026, 3000}) {
    std::map<std::pair<int, int>, std::vector<std::string>> listed;
    CivilDate previous{year, 1, 1};
    for (const Feast& feast : FeastsOfYear(year)) {
      ASSERT_EQ(feast.date.year, year);
      EXPECT_EQ(feast.day, FixedFromCivil(feast.date));
      EXPECT_FALSE(std::pair(feast.date.month, feast.date.day) < std::pair(previous.month, previous.day));
      previous = feast.date;
      listed[{feast.date.month, feast.date.day}].push_back(feast.name);
    }
    int days = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= CivilMonthLength(year, month); ++day) {
        const std::vector<std::string> shown = ReportFeastLines({year, month, day});
        const auto found = listed.find({month, day});
        EXPECT_EQ(found == listed.end() ? std::vector<std::string>{} : found->second, shown)
            << year << "-" << month << "-" << day;
        ++days;
      }
    }
    EXPECT_GE(days, 365) << year;
  }
}

TEST(FeastsOfYear, KnownFeastsOf2026AndTheRange) {
  const std::vector<Feast> feasts = FeastsOfYear(2026);
  const auto has = [&feasts](CivilDate date, const std::string& name) {
    return std::any_of(feasts.begin(), feasts.end(),
                       [&](const Feast& f) { return f.date == date && f.name == name; });
  };
  EXPECT_TRUE(has({2026, 4, 5}, "Ostern"));
  EXPECT_TRUE(has({2026, 4, 12}, "Orthodoxer Ostersonntag"));
  EXPECT_TRUE(has({2026, 2, 17}, "Chinesisches Neujahrsfest"));
  EXPECT_TRUE(has({2026, 9, 12}, "Rosh Hashanah, Jüdisches Neujahr"));
  EXPECT_TRUE(has({2026, 11, 29}, "1.Advent, Beginn des Kirchenjahres"));
  EXPECT_TRUE(has({2026, 1, 7}, "Genna, Äthiopisches Weihnachten"));
  // Fixed-date holidays and the seasons are not feasts of this list.
  EXPECT_FALSE(has({2026, 12, 25}, "Weihnachten"));
  EXPECT_FALSE(has({2026, 3, 20}, "Frühlingsanfang"));
  EXPECT_TRUE(FeastsOfYear(99).empty());
  EXPECT_TRUE(FeastsOfYear(3001).empty());
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every statutory public holiday of every region for a range of years,
// one line each: "CODE YYYY-MM-DD row name". compare_regions.py reads it.
//
//   tempulo_public_holidays_dump [FROM [TO]]   (default 1990 2100)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "time/civil.h"
#include "time/julian_day.h"
#include "holidays/holidays.h"
#include "holidays/public_holidays.h"

namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 3000;

int YearArgument(const char* text, int fallback) {
  if (text == nullptr) {
    return fallback;
  }
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < kFirstYear || value > kLastYear) {
    std::fprintf(stderr, "Jahr außerhalb von %d bis %d: %s\n", kFirstYear, kLastYear, text);
    std::exit(2);
  }
  return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tempulo;
  const int from = YearArgument(argc > 1 ? argv[1] : nullptr, 1990);
  const int to = YearArgument(argc > 2 ? argv[2] : nullptr, 2100);
  HolidayTable table = HolidayTable::Standard();
  for (int year = from; year <= to; ++year) {
    table.ApplyMovableDates(year, SeasonStartDates(year));
    for (const HolidayRecord& record : table.Records()) {
      if (record.month < 1 || record.month > 12 || record.day < 1 ||
          record.day > CivilMonthLength(year, record.month)) {
        continue;
      }
      const RegionSet regions = PublicHolidayRegions(record.name, year, record.month, record.day);
      for (const RegionInfo& region : Regions()) {
        if (regions.Contains(region.region)) {
          std::printf("%s %04d-%02d-%02d %s\n", std::string(region.code).c_str(), year, record.month,
                      record.day, record.name.c_str());
        }
      }
    }
  }
  return 0;
}

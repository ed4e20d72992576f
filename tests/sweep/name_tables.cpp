// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_tables.h"

#include <charconv>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/traditional/aztec.h"
#include "calendars/traditional/babylonian.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/japanese.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "calendars/traditional/sexagenary.h"
#include "holidays/holidays.h"
#include "report/festivals.h"
#include "report/refresh.h"
#include "report/registry.h"

namespace tempulo::sweep {
namespace {

// The sweep numbers the named days of the sixty-week year after the twelve
// months (13 the spring day, ... 18 New Year), in the order they fall.
std::string_view SixtyWeekNamedDayInYearOrder(int index) {
  constexpr std::array<SixtyWeekNamedDay, 6> kOrder = {
      SixtyWeekNamedDay::kSpring, SixtyWeekNamedDay::kSummer, SixtyWeekNamedDay::kLeap,
      SixtyWeekNamedDay::kAutumn, SixtyWeekNamedDay::kWinter, SixtyWeekNamedDay::kNewYear};
  return index >= 0 && index < 6 ? SixtyWeekNamedDayName(kOrder[static_cast<std::size_t>(index)])
                                 : std::string_view{};
}

// Day names of the Positivist year by the day's place in it: 28 to a month.
std::string_view PositivistDayNameOfYear(int index) {
  constexpr int kMonthDays = 28;
  return PositivistDayName({0, index / kMonthDays + 1, index % kMonthDays + 1});
}

HolidayRow ParseHolidayRow(std::string_view row) {
  HolidayRow parsed{-1, -1, {}};
  const std::size_t first = row.find(',');
  const std::size_t second = first == std::string_view::npos ? first : row.find(',', first + 1);
  if (second == std::string_view::npos) {
    return parsed;
  }
  std::from_chars(row.data(), row.data() + first, parsed.day);
  std::from_chars(row.data() + first + 1, row.data() + second, parsed.month);
  parsed.name = row.substr(second + 1);
  return parsed;
}

}  // namespace

int IndexOf(const NameTable& names, std::string_view name) {
  if (name.empty()) {
    return -1;
  }
  for (int i = 0; i < names.count; ++i) {
    if (names[i] == name) {
      return i;
    }
  }
  return -1;
}

const NameTable kGermanMonths{GermanMonthName, 1, 12};
const NameTable kReportWeekdays{ReportWeekdayName, 0, 7};
const NameTable kBerberMonths{BerberMonthName, 1, 12};
const NameTable kJewishMonths{JewishMonthName, 1, 13};
const NameTable kIslamicMonths{IslamicMonthName, 1, 12};
const NameTable kSolarTerms{SolarTermName, 0, 24};
const NameTable kAnimals{BranchAnimalName, 1, 12};
const NameTable kStems{HeavenlyStemName, 1, 10};
const NameTable kBranches{EarthlyBranchName, 1, 12};
const NameTable kJapaneseMonths{JapaneseMonthName, 1, 12};
const NameTable kRomanMonths{RomanMonthGenitive, 1, 12};
const NameTable kFrenchMonths{FrenchRepublicanMonthName, 1, 12};
const NameTable kDecadeDays{DecadeDayName, 0, 10};
const NameTable kEgyptianMonths{EgyptianMonthName, 1, 13};
const NameTable kArmenianMonths{ArmenianMonthName, 1, 13};
const NameTable kMayaSigns{MayaTzolkinName, 1, 20};
const NameTable kMayaMonths{MayaHaabMonthName, 1, 19};
const NameTable kAztecPeriods{AztecPeriodName, 1, 19};
const NameTable kBahaiMonths{BahaiMonthName, 1, 20};
const NameTable kBahaiYearNames{BahaiYearName, 1, 19};
const NameTable kCopticMonths{CopticMonthName, 1, 13};
const NameTable kEthiopianMonths{EthiopianMonthName, 1, 13};
const NameTable kIndianMonths{IndianMonthName, 1, 12};
const NameTable kNanakshahiMonths{NanakshahiMonthName, 1, 12};
const NameTable kBabylonianMonths{BabylonianMonthName, 1, 14};
const NameTable kIranianMonths{IranianMonthName, 1, 13};
const NameTable kPositivistMonths{PositivistMonthName, 1, 13};
const NameTable kPositivistWeekdays{PositivistWeekdayName, 0, 7};
const NameTable kCotsworthMonths{CotsworthMonthName, 1, 13};
const NameTable kSaturdayFirstWeekdays{CotsworthWeekdayName, 0, 7};
const NameTable kGoddessMonths{GoddessMonthName, 1, 13};
const NameTable kSolilunarMonths{SolilunarMonthName, 1, 13};
const NameTable kDiscordianSeasons{DiscordianSeasonName, 1, 5};
const NameTable kMarsMonths{DarianMonthName, 1, 24};
const NameTable kMarsSols{MarsSolName, 1, 7};
const NameTable kSixDayWeek{SixtyWeekWeekdayName, 0, 6};
const NameTable kSixtyWeekNamedDays{SixtyWeekNamedDayInYearOrder, 0, 6};
const NameTable kFestivals{FestivalName, 0, 46};
const NameTable kPositivistDayNames{PositivistDayNameOfYear, 0, 364};

const std::vector<HolidayRow>& HolidayRows() {
  static const std::vector<HolidayRow> rows = [] {
    std::vector<HolidayRow> parsed;
    for (const std::string_view row : StandardHolidayRows()) {
      parsed.push_back(ParseHolidayRow(row));
    }
    return parsed;
  }();
  return rows;
}

}  // namespace tempulo::sweep

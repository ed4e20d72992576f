// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/festivals.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>

#include "calendars/modern/coptic_ethiopian.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 46> kFestivalNames = {
    "Islamisches Neujahrsfest",
    "Aschura",
    "Geburt des Propheten",
    "Todestag des Propheten",
    "Auswanderung nach Medina",
    "Himmelreise des Propheten",
    "Beginn der Fastenzeit, Ramadan",
    "Islamischer Bußtag",
    "Nacht der Bestimmung",
    "Fest des Fastenbrechens",
    "Große Wallfahrt, Beginn der Hadsch",
    "Islamisches Opferfest",
    "Rosh Hashanah, Jüdisches Neujahr",
    "2.Jüdischer Neujahrstag",
    "Yom Kippur, Versöhnungstag",
    "Sukkot, Laubhüttenfest",
    "Siebenter Sukkottag",
    "Shemini Atzeret, Beschlussfest",
    "Simchat Torah, Tag der Gesetzesfreude",
    "Hanukkah",
    "Jom ha-Schoah, Holocaustgedenktag",
    "Jom ha-Azma''ut, Unabhängigkeitstag",
    "Shawuot",
    "Chinesisches Neujahrsfest",
    "Laternenfest",
    "Gedeihen der Saaten",
    "Geburtstag der Laren",
    "Erleuchtung Buddhas",
    "Gräberfest",
    "Geburt Buddhas",
    "Seelenfest",
    "Drachenbootfest",
    "Beginn der Gedächtnistage",
    "Erntemondfest",
    "Läuterung Buddhas",
    "Opfertag",
    "Himmelfahrt der Götter",
    "Genna, Äthiopisches Weihnachten",
    "Timkat",
    "Id Al Fitir, Fastenmonatende",
    "Id Al Adha",
    "Äthiopischer Karfreitag",
    "Fasika, Äthiopisches Osterfest",
    "Moulid, Geburt des Propheten",
    "Enqutatash, Neujahr",
    "Meskal",
};

// One row of a festival table: two date parts in the order the table tests
// them, and the index of the festival's name.
struct FestivalRow {
  int first;
  int second;
  int nameIndex;
};

// Islamic day, month.
constexpr std::array<FestivalRow, 12> kIslamicFestivals = {{
    {1, 1, 0},
    {10, 1, 1},
    {12, 3, 2},
    {28, 2, 3},
    {1, 3, 4},
    {26, 7, 5},
    {1, 9, 6},
    {18, 9, 7},
    {26, 9, 8},
    {1, 10, 9},
    {8, 12, 10},
    {10, 12, 11},
}};

// Jewish month, day.
constexpr std::array<FestivalRow, 11> kJewishFestivals = {{
    {7, 1, 12},
    {7, 2, 13},
    {7, 10, 14},
    {7, 15, 15},
    {7, 21, 16},
    {7, 22, 17},
    {7, 23, 18},
    {9, 25, 19},  // Hanukkah begins on 25 Kislev
    {1, 27, 20},
    {2, 5, 21},
    {3, 6, 22},
}};

// Chinese day, month.
constexpr std::array<FestivalRow, 14> kChineseFestivals = {{
    {1, 1, 23},
    {15, 1, 24},
    {1, 2, 25},
    {2, 2, 26},
    {15, 2, 27},
    {3, 3, 28},
    {8, 4, 29},
    {15, 7, 30},
    {5, 5, 31},
    {1, 7, 32},
    {15, 8, 33},
    {8, 12, 34},
    {16, 12, 35},
    {24, 12, 36},
}};

// The Ethiopian feasts, each on a day of the calendar it follows.
enum class EthiopianRule {
  kCivil,           // civil day, month
  kEthiopian,       // Ethiopian day, month
  kIslamic,         // Islamic day, month
  kOrthodoxEaster,  // days after Orthodox Easter Sunday (first), second unused
};

struct EthiopianFestivalRow {
  EthiopianRule rule;
  int first;
  int second;
  int nameIndex;
};

constexpr std::array<EthiopianFestivalRow, 9> kEthiopianFestivals = {{
    {EthiopianRule::kCivil, 7, 1, 37},            // 7 January
    {EthiopianRule::kEthiopian, 11, 5, 38},       // 11 Tir
    {EthiopianRule::kIslamic, 1, 10, 39},         // 1 Shawwal
    {EthiopianRule::kIslamic, 10, 12, 40},        // 10 Dhu'l-Hijja
    {EthiopianRule::kOrthodoxEaster, -2, 0, 41},  // Good Friday
    {EthiopianRule::kOrthodoxEaster, 0, 0, 42},   // Easter Sunday
    {EthiopianRule::kIslamic, 12, 3, 43},         // 12 Rabi al-Awwal
    {EthiopianRule::kEthiopian, 1, 1, 44},        // 1 Meskerem
    {EthiopianRule::kEthiopian, 17, 1, 45},       // 17 Meskerem
}};

// Days from Orthodox Easter Sunday to the day; empty when the Easter date is
// not a date.
std::optional<long long> DaysAfterOrthodoxEaster(const EthiopianFestivalDay& day) {
  const CivilDate& easter = day.orthodoxEaster;
  if (easter.month < 1 || easter.month > 12 || easter.day < 1 || easter.day > 31) {
    return std::nullopt;
  }
  // The same civil-date reading as the report's day: Julian calendar up to
  // 14 October 1582.
  return FixedFromJulianDate(day.jd) - FixedFromCivil(easter);
}

void AddMatching(std::span<const FestivalRow> rows, int first, int second, Report& report) {
  for (const FestivalRow& row : rows) {
    if (row.first == first && row.second == second) {
      report.Add("", FestivalName(row.nameIndex));
      report.Append("festivals", FestivalName(row.nameIndex));
    }
  }
}

}  // namespace

std::string_view FestivalName(int index) {
  if (index < 0 || index >= static_cast<int>(kFestivalNames.size())) {
    return {};
  }
  return kFestivalNames[static_cast<std::size_t>(index)];
}

void AddIslamicFestivals(const IslamicDay& date, Report& report) {
  AddMatching(kIslamicFestivals, date.day, date.month, report);
}

void AddJewishFestivals(const JewishDay& date, Report& report) {
  AddMatching(kJewishFestivals, date.month, date.day, report);
  // The eight days of Passover, 15 to 21 Nisan, after the table's rows.
  if (date.month == 1 && date.day >= 15 && date.day <= 21) {
    report.Add("", "Passahfest");
    report.Append("festivals", "Passahfest");
  }
}

void AddChineseFestivals(const ChineseDateRecord& date, Report& report) {
  AddMatching(kChineseFestivals, date.day, date.month, report);
}

void AddEthiopianFestivals(const EthiopianFestivalDay& day, Report& report) {
  const EthiopianDate ethiopian = EthiopianFromFixed(FixedFromJulianDate(day.jd));
  const std::optional<long long> afterEaster = DaysAfterOrthodoxEaster(day);
  for (const EthiopianFestivalRow& row : kEthiopianFestivals) {
    bool matches = false;
    switch (row.rule) {
      case EthiopianRule::kCivil:
        matches = row.first == day.day && row.second == day.month;
        break;
      case EthiopianRule::kEthiopian:
        matches = row.first == ethiopian.day && row.second == ethiopian.month;
        break;
      case EthiopianRule::kIslamic:
        matches = row.first == day.islamicDay && row.second == day.islamicMonth;
        break;
      case EthiopianRule::kOrthodoxEaster:
        matches = afterEaster && *afterEaster == row.first;
        break;
    }
    if (matches) {
      report.Add("", FestivalName(row.nameIndex));
      report.Append("festivals", FestivalName(row.nameIndex));
    }
  }
}

}  // namespace tempulo

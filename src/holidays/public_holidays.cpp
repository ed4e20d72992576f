// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/public_holidays.h"

#include <array>
#include <limits>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<RegionInfo, 19> kRegions = {{
    {Region::kAll, "alle", "alle"},
    {Region::kBW, "BW", "Baden-Württemberg"},
    {Region::kBY, "BY", "Bayern"},
    {Region::kBE, "BE", "Berlin"},
    {Region::kBB, "BB", "Brandenburg"},
    {Region::kHB, "HB", "Bremen"},
    {Region::kHH, "HH", "Hamburg"},
    {Region::kHE, "HE", "Hessen"},
    {Region::kMV, "MV", "Mecklenburg-Vorpommern"},
    {Region::kNI, "NI", "Niedersachsen"},
    {Region::kNW, "NW", "Nordrhein-Westfalen"},
    {Region::kRP, "RP", "Rheinland-Pfalz"},
    {Region::kSL, "SL", "Saarland"},
    {Region::kSN, "SN", "Sachsen"},
    {Region::kST, "ST", "Sachsen-Anhalt"},
    {Region::kSH, "SH", "Schleswig-Holstein"},
    {Region::kTH, "TH", "Thüringen"},
    {Region::kAT, "AT", "Österreich"},
    {Region::kCH, "CH", "Schweiz"},
}};

using enum Region;

constexpr RegionSet kGermany =
    RegionSet::Of({kBW, kBY, kBE, kBB, kHB, kHH, kHE, kMV, kNI, kNW, kRP, kSL, kSN, kST, kSH, kTH});
constexpr RegionSet kAustria = RegionSet::Of({kAT});
constexpr RegionSet kSwitzerland = RegionSet::Of({kCH});

constexpr int kFirstYear = 1990;
constexpr int kNoLastYear = std::numeric_limits<int>::max();

// One statutory holiday: the row it is, where, and the years (inclusive).
// `onlyDay` restricts a row that the table holds on two days (Weihnachten on
// 25 and 26 December) to one of them.
struct PublicHolidayRule {
  std::string_view rowName;
  RegionSet regions;
  int firstYear = kFirstYear;
  int lastYear = kNoLastYear;
  int onlyDay = 0;
};

constexpr std::array kRules = {
    // Germany: what all Länder share.
    PublicHolidayRule{"Neujahr", kGermany},
    PublicHolidayRule{"Karfreitag", kGermany},
    PublicHolidayRule{"Ostermontag", kGermany},
    PublicHolidayRule{"Maitag", kGermany},
    PublicHolidayRule{"Himmelfahrt", kGermany},
    PublicHolidayRule{"Pfingstmontag", kGermany},
    PublicHolidayRule{"Deutscher Nationalfeiertag", kGermany},
    PublicHolidayRule{"Weihnachten", kGermany},
    // Germany: some Länder.
    PublicHolidayRule{"Heilige 3 Könige", RegionSet::Of({kBW, kBY, kST})},
    PublicHolidayRule{"Ostern", RegionSet::Of({kBB})},
    PublicHolidayRule{"Pfingsten", RegionSet::Of({kBB})},
    PublicHolidayRule{"Fronleichnam", RegionSet::Of({kBW, kBY, kHE, kNW, kRP, kSL})},
    // Bavaria: where most people are Catholic, which the almanac takes for all of it.
    PublicHolidayRule{"Maria Himmelfahrt", RegionSet::Of({kBY, kSL})},
    PublicHolidayRule{"Reformationstag", RegionSet::Of({kBB, kMV, kSN, kST, kTH})},
    PublicHolidayRule{"Reformationstag", RegionSet::Of({kHB, kHH, kNI, kSH}), 2018},
    // The 500th anniversary of the Reformation, once everywhere.
    PublicHolidayRule{"Reformationstag", kGermany, 2017, 2017},
    PublicHolidayRule{"Aller Heiligen", RegionSet::Of({kBW, kBY, kNW, kRP, kSL})},
    // Abolished in 1995 everywhere but Saxony.
    PublicHolidayRule{"Bußtag", kGermany, kFirstYear, 1994},
    PublicHolidayRule{"Bußtag", RegionSet::Of({kSN})},
    PublicHolidayRule{"Internationaler Frauentag", RegionSet::Of({kBE}), 2019},
    PublicHolidayRule{"Internationaler Frauentag", RegionSet::Of({kMV}), 2023},
    PublicHolidayRule{"Weltkindertag", RegionSet::Of({kTH}), 2019},
    // 75th and 80th anniversaries of the end of the war in Europe.
    PublicHolidayRule{"Tag der Befreiung vom Faschismus", RegionSet::Of({kBE}), 2020, 2020},
    PublicHolidayRule{"Tag der Befreiung vom Faschismus", RegionSet::Of({kBE}), 2025, 2025},
    // Austria.
    PublicHolidayRule{"Neujahr", kAustria},
    PublicHolidayRule{"Heilige 3 Könige", kAustria},
    PublicHolidayRule{"Ostermontag", kAustria},
    PublicHolidayRule{"Staatsfeiertag Österreich", kAustria},
    PublicHolidayRule{"Himmelfahrt", kAustria},
    PublicHolidayRule{"Pfingstmontag", kAustria},
    PublicHolidayRule{"Fronleichnam", kAustria},
    PublicHolidayRule{"Maria Himmelfahrt", kAustria},
    PublicHolidayRule{"Nationalfeiertag Österreichs", kAustria},
    PublicHolidayRule{"Aller Heiligen", kAustria},
    PublicHolidayRule{"Mariä Empfängnis", kAustria},
    PublicHolidayRule{"Weihnachten", kAustria},  // Christtag and Stefanitag
    // Switzerland: the days every canton keeps; 1 August is a federal
    // holiday since 1994.
    PublicHolidayRule{"Neujahr", kSwitzerland},
    PublicHolidayRule{"Karfreitag", kSwitzerland},
    PublicHolidayRule{"Ostern", kSwitzerland},
    PublicHolidayRule{"Ostermontag", kSwitzerland},
    PublicHolidayRule{"Himmelfahrt", kSwitzerland},
    PublicHolidayRule{"Pfingsten", kSwitzerland},
    PublicHolidayRule{"Pfingstmontag", kSwitzerland},
    PublicHolidayRule{"Nationalfeiertag der Schweiz", kSwitzerland, 1994},
    PublicHolidayRule{"Weihnachten", kSwitzerland, kFirstYear, kNoLastYear, 25},
};

// The German rules hold from the day of unification on.
bool BeforeGermanUnification(CivilDate date) {
  constexpr int kYear = 1990;
  constexpr int kMonth = 10;
  constexpr int kDay = 3;
  if (date.year != kYear) {
    return date.year < kYear;
  }
  return date.month < kMonth || (date.month == kMonth && date.day < kDay);
}

}  // namespace

std::span<const RegionInfo> Regions() { return kRegions; }

const RegionInfo& RegionInfoOf(Region region) {
  for (const RegionInfo& info : kRegions) {
    if (info.region == region) {
      return info;
    }
  }
  return kRegions.front();
}

std::optional<Region> RegionFromCode(std::string_view code) {
  for (const RegionInfo& info : kRegions) {
    if (info.code == code) {
      return info.region;
    }
  }
  return std::nullopt;
}

RegionSet PublicHolidayRegions(std::string_view rowName, int year, int month, int day) {
  RegionSet regions;
  const bool beforeUnification = BeforeGermanUnification({year, month, day});
  for (const PublicHolidayRule& rule : kRules) {
    if (rule.rowName != rowName || year < rule.firstYear || year > rule.lastYear ||
        (rule.onlyDay != 0 && rule.onlyDay != day)) {
      continue;
    }
    // A rule names either German Länder or another country, never both.
    const bool german = !rule.regions.Contains(kAT) && !rule.regions.Contains(kCH);
    if (german && beforeUnification) {
      continue;
    }
    regions |= rule.regions;
  }
  bool everyLand = true;
  for (const RegionInfo& info : kRegions) {
    if (kGermany.Contains(info.region) && !regions.Contains(info.region)) {
      everyLand = false;
      break;
    }
  }
  if (everyLand) {
    regions |= RegionSet::Of({kAll});
  }
  return regions;
}

}  // namespace tempulo

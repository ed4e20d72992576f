// SPDX-License-Identifier: GPL-3.0-or-later
// What the month grid shows of each day: the holiday-table rows of the day
// and where they are statutory, the festivals of other religions, the main
// moon phase (in MEZ days, from 1900 on as in the report), the eclipses (in
// MEZ days, every year), and the German
// texts of a day's tooltip, its spoken name and the month's holiday list.
// Months are those of the report's calendar: Julian up to 1582 (October 1582
// counted as in the holiday list), Gregorian after.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/public_holidays.h"

namespace tempulo {

enum class MainMoonPhase : std::uint8_t { kNone, kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter };

// "Neumond", "Erstes Viertel", "Vollmond", "Letztes Viertel"; empty for none.
std::string_view MainMoonPhaseName(MainMoonPhase phase);

struct DayHoliday {
  std::string name;    // as the holiday list shows it
  RegionSet publicIn;  // where it is a statutory holiday on this day
};

struct DayOverview {
  int day = 0;
  int weekday = 0;                     // 0 Monday ... 6 Sunday
  std::vector<DayHoliday> holidays;    // the rows of the day, in the list's order
  std::vector<std::string> festivals;  // festivals of other religions
  MainMoonPhase moonPhase = MainMoonPhase::kNone;
  std::string moonPhaseTime;  // "HH:MM" in MEZ when there is a phase
  // Eclipses whose greatest eclipse falls on this day (MEZ).
  struct Eclipse {
    std::string kind;  // "totale Sonnenfinsternis"
    std::string time;  // "HH:MM" in MEZ
  };
  std::vector<Eclipse> eclipses;

  bool IsPublicHoliday(Region region) const;
  // A festival of another religion or a main moon phase: the grid's small mark.
  bool HasSmallMark() const { return !festivals.empty() || moonPhase != MainMoonPhase::kNone; }
};

struct MonthOverview {
  int year = 0;
  int month = 0;
  std::vector<DayOverview> days;  // day 1 first, as many as the month has

  // The day, or nullptr outside the month.
  const DayOverview* Day(int day) const;
};

// Computes the month afresh. Years 100 to 3000, months 1 to 12.
MonthOverview BuildMonthOverview(int year, int month);

// The last months asked for, so that every click within a month and every
// return to a month just seen costs nothing.
class MonthOverviewCache {
 public:
  static constexpr std::size_t kCapacity = 24;
  const MonthOverview& Get(int year, int month);
  std::size_t Size() const { return months_.size(); }

 private:
  std::list<MonthOverview> months_;  // most recently used first
};

// "Montag, 25. Mai 2026".
std::string LongDateText(const MonthOverview& month, const DayOverview& day);
// Where a row is statutory, e.g. "Deutschland, Österreich" or "BW, BY, Österreich"; empty for none.
std::string StatutoryPlacesText(RegionSet regions);
// The tooltip of a grid cell: the date, then one line per holiday (with where
// it is statutory, or that it is not), festival and moon phase.
std::string DayToolTipText(const MonthOverview& month, const DayOverview& day);
// What a screen reader says of a grid cell: the full date with its weekday,
// the holidays ("gesetzlicher Feiertag" for those of the region), the
// festivals and the moon phase, and "heute".
std::string DayAccessibleText(const MonthOverview& month, const DayOverview& day, Region region,
                              bool isToday);

// The moon's disc on a day as the report gives it (at 0 h universal time, from
// 1900 on): the lit fraction and whether it waxes. Empty before 1900.
struct MoonDisc {
  double illuminated = 0;  // 0..1
  bool waxing = true;
};
std::optional<MoonDisc> MoonDiscOfDay(int year, int month, int day);
// "Mond: 45 % beleuchtet, zunehmend".
std::string MoonDiscText(const MoonDisc& disc);

// One line of the month's holiday list as the window shows it.
struct HolidayListEntry {
  int day = 0;
  std::string text;       // "dd\tname", or "\tname" for a further row of the same day
  bool isPublic = false;  // statutory in the chosen region
};
// Every row for Region::kAll (the lines of the report's holiday list);
// for a region only the rows statutory there.
std::vector<HolidayListEntry> HolidayListEntries(const MonthOverview& month, Region region);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The names the sweep reads lines by: the calendars' and the report's own
// tables, reached through their accessors and numbered from 0 as the sweep
// counts. Names are published data, not computation: the sweep keeps no copy
// of them. What it does check independently is where they fall: which index
// its own formulas call for on a day.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tempulo::sweep {

// A name table of the code: index i is the accessor's name for first + i.
struct NameTable {
  std::string_view (*name)(int);
  int first;
  int count;

  std::string_view operator[](std::int64_t index) const {
    return index >= 0 && index < count ? name(first + static_cast<int>(index)) : std::string_view{};
  }
  std::size_t size() const { return static_cast<std::size_t>(count); }
};

// Index of a name in its table, -1 when it is not there (or empty).
int IndexOf(const NameTable& names, std::string_view name);

extern const NameTable kGermanMonths;
// Index Trunc(JD) mod 7.
extern const NameTable kReportWeekdays;
extern const NameTable kBerberMonths;
// Nisan first; Adar 2 last.
extern const NameTable kJewishMonths;
extern const NameTable kIslamicMonths;
// Chunfen (the March equinox) first.
extern const NameTable kSolarTerms;
// The year's animal, stem and branch: the animal of zi first, jia first.
extern const NameTable kAnimals;
extern const NameTable kStems;
extern const NameTable kBranches;
extern const NameTable kJapaneseMonths;
// Genitives of the months 1..12.
extern const NameTable kRomanMonths;
extern const NameTable kFrenchMonths;
// Index: day of the month mod 10.
extern const NameTable kDecadeDays;
// Months 1..12 and the extra days.
extern const NameTable kEgyptianMonths;
extern const NameTable kArmenianMonths;
extern const NameTable kMayaSigns;
extern const NameTable kMayaMonths;
extern const NameTable kAztecPeriods;
extern const NameTable kBahaiMonths;
extern const NameTable kBahaiYearNames;
extern const NameTable kCopticMonths;
extern const NameTable kEthiopianMonths;
extern const NameTable kIndianMonths;
extern const NameTable kNanakshahiMonths;
extern const NameTable kBabylonianMonths;
// Months 1..12, and the name of the five or six extra days.
extern const NameTable kIranianMonths;
extern const NameTable kPositivistMonths;
// Index: day of the year mod 7.
extern const NameTable kPositivistWeekdays;
extern const NameTable kCotsworthMonths;
// Index: day count mod 7 (the World Calendar uses the same order).
extern const NameTable kSaturdayFirstWeekdays;
extern const NameTable kGoddessMonths;
extern const NameTable kSolilunarMonths;
extern const NameTable kDiscordianSeasons;
extern const NameTable kMarsMonths;
extern const NameTable kMarsSols;
// Index: day of the month mod 6.
extern const NameTable kSixDayWeek;
// The named days of the sixty-week year: spring, summer, leap, autumn and
// winter day, New Year.
extern const NameTable kSixtyWeekNamedDays;
// Names of the festivals of other religions, index 0 first.
extern const NameTable kFestivals;
// Day names of the Positivist year, index 0 the first day.
extern const NameTable kPositivistDayNames;

// A festival row: two date parts of its calendar and the festival's index.
// The days are the published rules the report's festival lines are checked
// against, so they stay the sweep's own; the names are the code's.
struct FestivalRow {
  int first;
  int second;
  int index;
};
// Islamic (day, month), Jewish (month, day) with Hanukkah on 25 Kislev,
// Chinese (day, month).
inline constexpr std::array<FestivalRow, 12> kIslamicFestivalRows = {{{1, 1, 0},
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
                                                                      {10, 12, 11}}};
inline constexpr std::array<FestivalRow, 11> kJewishFestivalRows = {{{7, 1, 12},
                                                                     {7, 2, 13},
                                                                     {7, 10, 14},
                                                                     {7, 15, 15},
                                                                     {7, 21, 16},
                                                                     {7, 22, 17},
                                                                     {7, 23, 18},
                                                                     {9, 25, 19},
                                                                     {1, 27, 20},
                                                                     {2, 5, 21},
                                                                     {3, 6, 22}}};
inline constexpr std::array<FestivalRow, 14> kChineseFestivalRows = {{{1, 1, 23},
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
                                                                      {24, 12, 36}}};

// A row of the built-in holiday table: day and month, 0 for a date computed
// per year. Read from the code's table; the sweep computes the movable dates
// itself.
struct HolidayRow {
  int day;
  int month;
  std::string_view name;
};
const std::vector<HolidayRow>& HolidayRows();

}  // namespace tempulo::sweep

// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/holidays.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>

#include "astro/sun.h"
#include "time/julian_day.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

// Row numbers (from 1) of the movable rows of the built-in table.
constexpr int kRepentanceDayRow = 14;
constexpr int kThanksgivingRow = 18;
constexpr int kFirstSeasonRow = 21;  // spring, summer, autumn, winter
constexpr int kSummerTimeStartRow = 26;
constexpr int kSummerTimeEndRow = 27;
constexpr int kFourthAdventRow = 28;  // then 3., 2. and 1.Advent
constexpr int kFirstAdventRow = 31;
constexpr int kMothersDayRow = 32;
constexpr int kOrthodoxEasterRow = 36;
constexpr int kOrthodoxPentecostRow = 37;
constexpr int kHarvestFestivalRow = 123;
constexpr int kTotensonntagRow = 124;

struct EasterCycleRow {
  int row;
  int daysAfterEaster;
};

constexpr std::array<EasterCycleRow, 14> kEasterCycle = {{
    {6, -2},    // Karfreitag
    {7, 0},     // Ostern
    {8, 1},     // Ostermontag
    {9, 49},    // Pfingsten
    {10, 50},   // Pfingstmontag
    {11, 39},   // Himmelfahrt
    {15, 60},   // Fronleichnam
    {17, -47},  // Fasching
    {19, -48},  // Rosenmontag
    {20, -7},   // Palmsonntag
    {25, -46},  // Aschermittwoch
    {33, 7},    // Weißer Sonntag
    {34, 56},   // Trinitatis
    {35, -3},   // Gründonnerstag
}};

// The summer-time rows are shown from this year on.
constexpr int kFirstSummerTimeYear = 1983;
// Weekday-based feasts take the Gregorian weekdays from the reform's first
// day, 15 October 1582, on: the days before it, and 5-14 October 1582 that
// continue them, are Julian dates with Julian weekdays.
constexpr int kReformYear = 1582;
constexpr int kReformMonth = 10;
constexpr int kLastJulianDayOfReformMonth = 14;
// Easter takes the Gregorian computus from this year on.
constexpr int kFirstGregorianEasterYear = 1583;

constexpr std::size_t kMaxRowByte = 255;

// Zeller's weekdays.
constexpr int kSunday = 1;
constexpr int kWednesday = 4;
constexpr int kThursday = 5;

int FloorDiv(int a, int b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }
int FloorMod(int a, int b) { return a - b * FloorDiv(a, b); }

// Zeller's congruence, 0 = Saturday, 1 = Sunday ... 6 = Friday, in the
// Julian or the Gregorian calendar. January and February count as months 13
// and 14 of the year before.
int ZellerWeekday(CivilDate date, bool gregorian) {
  int year = date.year;
  int month = date.month;
  if (month <= 2) {
    month += 12;
    year -= 1;
  }
  const int k = FloorMod(year, 100);
  const int j = FloorDiv(year, 100);
  const int base = date.day + 13 * (month + 1) / 5 + k + k / 4;
  return FloorMod(gregorian ? base + FloorDiv(j, 4) - 2 * j : base + 5 - j, 7);
}

bool UsesGregorianWeekdays(CivilDate date) {
  if (date.year != kReformYear) {
    return date.year > kReformYear;
  }
  return date.month > kReformMonth || (date.month == kReformMonth && date.day > kLastJulianDayOfReformMonth);
}

// The day of the month of the last `weekday` (Zeller's numbering) on or
// before the given day, in the calendar of that date. No window of the
// weekday feasts spans the reform's jump from 4 to 15 October 1582.
int LastWeekdayOnOrBefore(int year, int month, int day, int weekday) {
  const CivilDate date{year, month, day};
  const int h = ZellerWeekday(date, UsesGregorianWeekdays(date));
  return day - FloorMod(h - weekday, 7);
}

// Julian computus as month and day.
MonthDay JulianEasterDate(int year) {
  const int d = FloorMod(19 * FloorMod(year, 19) + 15, 30);
  const int e = FloorMod(2 * FloorMod(year, 4) + 4 * FloorMod(year, 7) - d + 34, 7);
  const int x = d + e + 114;
  return {x / 31, x % 31 + 1};
}

std::optional<int> ParseRowNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 0 || static_cast<std::size_t>(value) > kMaxRowByte) {
    return std::nullopt;
  }
  return value;
}

std::optional<HolidayRecord> ParseRow(std::string_view row) {
  const std::size_t firstComma = row.find(',');
  if (firstComma == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<int> day = ParseRowNumber(row.substr(0, firstComma));
  row.remove_prefix(firstComma + 1);
  const std::size_t secondComma = row.find(',');
  if (!day || secondComma == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<int> month = ParseRowNumber(row.substr(0, secondComma));
  row.remove_prefix(secondComma + 1);
  if (!month) {
    return std::nullopt;
  }
  return HolidayRecord{*day, *month, Utf8Left(row, HolidayTable::kMaxNameLength)};
}

}  // namespace

int GregorianEasterDay(int year) {
  const int a = FloorMod(year, 19);
  const int b = FloorMod(year, 4);
  const int c = FloorMod(year, 7);
  const int k = FloorDiv(year, 100);
  const int q = FloorDiv(year, 400);
  const int p = FloorDiv(8 * k + 13, 25);
  const int m = FloorMod(15 + k - q - p, 30);
  const int n = FloorMod(4 + k - q, 7);
  int d = FloorMod(19 * a + m, 30);
  // The two exceptions keep Easter on or before 25 April.
  if (d == 29) {
    d = 28;
  } else if (d == 28 && a > 10) {
    d = 27;
  }
  const int e = FloorMod(2 * b + 4 * c + 6 * d + n, 7);
  return 22 + d + e;
}

int JulianEasterDay(int year) {
  const MonthDay date = JulianEasterDate(year);
  return date.month == 3 ? date.day : date.day + 31;
}

int EasterDay(int year) {
  return year < kFirstGregorianEasterYear ? JulianEasterDay(year) : GregorianEasterDay(year);
}

CivilDate EasterSunday(int year) {
  const MonthDay date = DayFromMarch(year, MarchDays{EasterDay(year)});
  return {year, date.month, date.day};
}

MonthDay DayFromMarch(int year, MarchDays daysFromMarch) {
  int month = 3;
  int day = daysFromMarch.count;
  // Each step moves one month; the month range bounds both walks.
  while (day < 1 && month > 1) {
    --month;
    day += CivilMonthLength(year, month);
  }
  while (month < 12 && day > CivilMonthLength(year, month)) {
    day -= CivilMonthLength(year, month);
    ++month;
  }
  return {month, day};
}

CivilDate OrthodoxEasterSunday(int year) {
  const MonthDay julian = JulianEasterDate(year);
  if (year < kFirstGregorianEasterYear) {
    return {year, julian.month, julian.day};
  }
  // The Julian date of the year itself, so the shift is that of its century.
  return GregorianFromFixed(FixedFromJulian({year, julian.month, julian.day}));
}

CivilDate OrthodoxPentecost(int year) {
  if (year < kFirstGregorianEasterYear) {
    const MonthDay date = DayFromMarch(year, MarchDays{JulianEasterDay(year) + 49});
    return {year, date.month, date.day};
  }
  const MonthDay julian = JulianEasterDate(year);
  return GregorianFromFixed(FixedFromJulian({year, julian.month, julian.day}) + 49);
}

MonthDay RepentanceDay(int year) { return {11, LastWeekdayOnOrBefore(year, 11, 22, kWednesday)}; }

// The fourth Thursday is the last one on or before the 28th.
MonthDay Thanksgiving(int year) { return {11, LastWeekdayOnOrBefore(year, 11, 28, kThursday)}; }

MonthDay MothersDay(int year) { return {5, LastWeekdayOnOrBefore(year, 5, 14, kSunday)}; }

MonthDay HarvestFestival(int year) { return {10, LastWeekdayOnOrBefore(year, 10, 7, kSunday)}; }

int FourthAdvent(int year) { return LastWeekdayOnOrBefore(year, 12, 24, kSunday); }

MonthDay SummerTimeStart(int year) {
  if (year < kFirstSummerTimeYear) {
    return {3, 0};
  }
  return {3, LastWeekdayOnOrBefore(year, 3, 31, kSunday)};
}

MonthDay SummerTimeEnd(int year) {
  if (year < kFirstSummerTimeYear) {
    return {10, 0};
  }
  return {10, LastWeekdayOnOrBefore(year, 10, 31, kSunday)};
}

// The year and the offset are of different kinds; the type checker cannot
// tell them apart, the names do.
SeasonStartRecord SeasonStartDates(int year, double utcOffsetHours) {  // NOLINT(bugprone-easily-swappable-parameters)
  // The sun at 0, 90, 180 and 270 degrees.
  static constexpr std::array<int, 4> kSeasonCodes = {1, 2, 3, 0};
  SeasonStartRecord record;
  for (std::size_t i = 0; i < kSeasonCodes.size(); ++i) {
    // The civil day of the zone that contains the instant, Julian before the
    // reform. Only the day is kept, so the few-term sun's instant serves
    // unless it lies within its margin of a midnight of the zone.
    double start = ApproximateSeasonStart(year, kSeasonCodes[i]);
    const double fromMidnight = (start + utcOffsetHours / 24.0) - std::floor(start + utcOffsetHours / 24.0);
    if (fromMidnight < kSolarTermMargin || fromMidnight > 1.0 - kSolarTermMargin) {
      start = SeasonStart(year, kSeasonCodes[i]);
    }
    const CivilDate date = CivilFromFixed(FixedFromDateValue(start + utcOffsetHours / 24.0));
    record[i] = {date.month, date.day};
  }
  return record;
}

void HolidayTable::Load(const std::vector<std::string_view>& rows) {
  rows_.clear();
  for (const std::string_view row : rows) {
    if (std::optional<HolidayRecord> record = ParseRow(row)) {
      rows_.push_back(std::move(*record));
    }
  }
  records_ = rows_;
}

HolidayTable HolidayTable::Standard() {
  HolidayTable table;
  table.Load(StandardHolidayRows());
  return table;
}

void HolidayTable::SetMovable(int row, MonthDay date) {
  // Only rows the table has and that were loaded as movable take a date.
  if (row < 1 || static_cast<std::size_t>(row) > rows_.size() ||
      rows_[static_cast<std::size_t>(row - 1)].day != 0) {
    return;
  }
  HolidayRecord& record = records_[static_cast<std::size_t>(row - 1)];
  record.day = date.day;
  record.month = date.month;
}

void HolidayTable::ApplyMovableDates(int year, const SeasonStartRecord& seasons) {
  const int easter = EasterDay(year);
  for (const EasterCycleRow& row : kEasterCycle) {
    SetMovable(row.row, DayFromMarch(year, MarchDays{easter + row.daysAfterEaster}));
  }

  SetMovable(kRepentanceDayRow, RepentanceDay(year));
  SetMovable(kThanksgivingRow, Thanksgiving(year));
  for (std::size_t i = 0; i < seasons.size(); ++i) {
    SetMovable(kFirstSeasonRow + static_cast<int>(i), seasons[i]);
  }
  SetMovable(kSummerTimeStartRow, SummerTimeStart(year));
  SetMovable(kSummerTimeEndRow, SummerTimeEnd(year));
  SetMovable(kHarvestFestivalRow, HarvestFestival(year));

  // 4., 3. and 2.Advent lie in December; 1.Advent may fall on 27-30 November.
  const int advent = FourthAdvent(year);
  for (int week = 0; week < 3; ++week) {
    SetMovable(kFourthAdventRow + week, {12, advent - 7 * week});
  }
  SetMovable(kFirstAdventRow, advent >= 22 ? MonthDay{12, advent - 21} : MonthDay{11, advent + 9});
  SetMovable(kTotensonntagRow, {11, advent + 2});

  SetMovable(kMothersDayRow, MothersDay(year));

  const CivilDate orthodoxEaster = OrthodoxEasterSunday(year);
  const CivilDate orthodoxPentecost = OrthodoxPentecost(year);
  SetMovable(kOrthodoxEasterRow, {orthodoxEaster.month, orthodoxEaster.day});
  SetMovable(kOrthodoxPentecostRow, {orthodoxPentecost.month, orthodoxPentecost.day});
}

std::vector<DatedHoliday> HolidayTable::MonthHolidays(int year, int month) {
  ApplyMovableDates(year, SeasonStartDates(year));
  std::vector<DatedHoliday> holidays;
  if (month < 1 || month > 12) {
    return holidays;
  }
  // A day the month lacks in this year is not listed: 29 February appears in
  // leap years only, by the rule of the year's calendar.
  const int monthLength = CivilMonthLength(year, month);
  for (int day = 1; day <= monthLength; ++day) {
    for (const HolidayRecord& record : records_) {
      if (record.day == day && record.month == month) {
        holidays.push_back({day, record.name});
      }
    }
  }
  return holidays;
}

std::span<const int> MovableChurchFeastRows() {
  static constexpr std::array<int, 23> kRows = {
      6, 7, 8, 9, 10, 11,  // Karfreitag .. Himmelfahrt
      kRepentanceDayRow, 15, 17, 19, 20, 25, kFourthAdventRow, 29, 30, kFirstAdventRow, 33, 34, 35,
      kOrthodoxEasterRow, kOrthodoxPentecostRow, kHarvestFestivalRow, kTotensonntagRow};
  return kRows;
}

const std::vector<std::string_view>& StandardHolidayRows() {
  static const std::vector<std::string_view> kRows = {
      "1,1,Neujahr",                                 // 1
      "1,5,Maitag",                                  // 2
      "24,12,Heiligabend",                           // 3
      "25,12,Weihnachten",                           // 4
      "26,12,Weihnachten",                           // 5
      "0,0,Karfreitag",                              // 6
      "0,0,Ostern",                                  // 7
      "0,0,Ostermontag",                             // 8
      "0,0,Pfingsten",                               // 9
      "0,0,Pfingstmontag",                           // 10
      "0,0,Himmelfahrt",                             // 11
      "31,10,Reformationstag",                       // 12
      "1,11,Aller Heiligen",                         // 13
      "0,11,Bußtag",                                 // 14
      "0,0,Fronleichnam",                            // 15
      "6,1,Heilige 3 Könige",                        // 16
      "0,0,Fasching",                                // 17
      "0,0,Thanksgiving",                            // 18
      "0,0,Rosenmontag",                             // 19
      "0,0,Palmsonntag",                             // 20
      "0,0,Frühlingsanfang",                         // 21
      "0,0,Sommeranfang",                            // 22
      "0,0,Herbstanfang",                            // 23
      "0,0,Winteranfang",                            // 24
      "0,0,Aschermittwoch",                          // 25
      "0,0,Anfang der Sommerzeit",                   // 26
      "0,0,Ende der Sommerzeit",                     // 27
      "0,0,4.Advent",                                // 28
      "0,0,3.Advent",                                // 29
      "0,0,2.Advent",                                // 30
      "0,0,1.Advent, Beginn des Kirchenjahres",      // 31
      "0,5,Muttertag",                               // 32
      "0,0,Weißer Sonntag",                          // 33
      "0,0,Trinitatis, Dreifaltigkeitstag",          // 34
      "0,0,Gründonnerstag",                          // 35
      "0,0,Orthodoxer Ostersonntag",                 // 36
      "0,0,Orthodoxer Pfingstsonntag",               // 37
      "24,1,Welttag der Kommunikation",              // 38
      "27,1,Gedenktag an die Opfer des Faschismus",  // 39
      "2,2,Lichtmess",                               // 40
      "3,2,Blasiussegen",                            // 41
      "11,2,Welttag der Kranken",                    // 42
      "14,2,Valentinstag",                           // 43
      "21,2,Tag der Muttersprache",                  // 44
      "29,2,Schalttag",                              // 45
      "7,3,Welttag der Mathematik",                  // 46
      "8,3,Internationaler Frauentag",               // 47
      "10,3,Welt-Reis-Tag",                          // 48
      "14,3,PI-Tag",                                 // 49
      "17,3,Saint Patrick's Day",                    // 50
      "17,3,Tag des Meeres",                         // 51
      "21,3,Welttag gegen Rassismus",                // 52
      "22,3,Welttag des Wassers",                    // 53
      "23,3,Welttag der Meteorologie",               // 54
      "27,3,Welttheatertag",                         // 55
      "7,4,Weltgesundheitstag",                      // 56
      "12,4,Tag der Raumfahrt",                      // 57
      "22,4,Tag der Erde",                           // 58
      "23,4,Welttag des Buches",                     // 59
      "25,4,Markustag",                              // 60
      "25,4,Tag des Baumes",                         // 61
      "30,4,Walpurgisnacht",                         // 62
      "30,4,Niederländischer Nationalfeiertag",      // 63
      "1,5,Staatsfeiertag Österreich",               // 64
      "3,5,Welttag der Pressefreiheit",              // 65
      "5,5,Europatag",                               // 66
      "8,5,Tag der Befreiung vom Faschismus",        // 67
      "8,5,Tag des Roten Kreuzes",                   // 68
      "11,5,Marmertus (Eisheiliger)",                // 69
      "12,5,Pankratius (Eisheiliger)",               // 70
      "13,5,Servatius (Eisheiliger)",                // 71
      "14,5,Bonifatius (Eisheiliger)",               // 72
      "15,5,Kalte Sophie (Eisheilige)",              // 73
      "18,5,Tag der Familie",                        // 74
      "21,5,Weltmilchtag",                           // 75
      "25,3,Maria Verkündigung",                     // 76
      "25,5,Adams Handtuchtag",                      // 77
      "31,5,Weltnichtrauchertag",                    // 78
      "1,6,Internationaler Tag des Kindes",          // 79
      "1,6,Tag des Lebens",                          // 80
      "2,6,Italienischer Nationalfeiertag",          // 81
      "11,6,Tag der Sprachen",                       // 82
      "24,6,Johannistag",                            // 83
      "26,6,Anti-Drogen-Welttag",                    // 84
      "27,6,Siebenschläfer",                         // 85
      "7,7,Siebenschläfer, gregorianisch",           // 86
      "14,7,Nationalfeiertag Frankreichs",           // 87
      "22,7,PI-Gedächtnistag",                       // 88
      "1,8,Nationalfeiertag der Schweiz",            // 89
      "6,8,Sadako-Peace-Day",                        // 90
      "9,8,UNO-Welttag",                             // 91
      "15,8,Nationalfeiertag Liechtensteins",        // 92
      "15,8,Maria Himmelfahrt",                      // 93
      "19,8,Weltjugendtag",                          // 94
      "24,10,Tag der Vereinten Nationen",            // 95
      "1,9,Weltfriedenstag",                         // 96
      "7,9,Welttag des Kindes",                      // 97
      "8,9,Tag der Heimat",                          // 98
      "8,9,Welt-Alphabetisierungstag",               // 99
      "20,9,Weltkindertag",                          // 100
      "21,9,Tag des Gartens",                        // 101
      "21,9,UNO-Weltfriedenstag",                    // 102
      "1,10,Tag der älteren Menschen",               // 103
      "3,10,Deutscher Nationalfeiertag",             // 104
      "4,10,Welttierschutztag",                      // 105
      "5,10,Tag der Lehrer",                         // 106
      "15,10,Tag des Kalenders",                     // 107
      "16,10,Welternährungstag",                     // 108
      "26,10,Nationalfeiertag Österreichs",          // 109
      "28,10,Tschechischer Nationalfeiertag",        // 110
      "31,10,Weltspartag",                           // 111
      "2,11,Allerseelen",                            // 112
      "11,11,Martinstag",                            // 113
      "11,11,Unabhängigkeitstag Polen",              // 114
      "14,11,Tag des Apfels",                        // 115
      "14,11,Welt-Diabetes-Tag",                     // 116
      "20,11,Tag der Rechte des Kindes",             // 117
      "1,12,Welt-AIDS-Tag",                          // 118
      "6,12,St.Nikolaus",                            // 119
      "8,12,Mariä Empfängnis",                       // 120
      "10,12,Tag der Menschenrechte",                // 121
      "31,12,Silvester",                             // 122
      "0,0,Erntedankfest",                           // 123
      "0,0,Totensonntag",                            // 124
      "12,6,Russischer Nationalfeiertag",            // 125
  };
  return kRows;
}

}  // namespace tempulo

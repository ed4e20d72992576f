#include "calendars/traditional/indian.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/angles.h"
#include "calendars/modern/world_calendar.h"
#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kIndianMonths = {"Caitra",     "Vaisakha", "Jyaistha", "Asadha",
                                                            "Sravana",    "Bhadra",   "Asvina",   "Kartika",
                                                            "Agrahayana", "Pausa",    "Magha",    "Phalguna"};

constexpr std::array<std::string_view, 12> kNanakshahiMonths = {"Chet",   "Vaisakhi", "Jeth",  "Haarh",
                                                                "Saavan", "Bhaadon",  "Assu",  "Kattak",
                                                                "Maggar", "Poh",      "Maagh", "Phagun"};

// A run of counts [first, last] that falls into one month: day = count - base.
struct CountRange {
  int first;
  int last;
  int month;
  int base;
};

// Gregorian day of the year (1..366) to the Saka month. The year begins on
// 22 March, in a Gregorian leap year on 21 March; the ranges from January to
// the new year belong to the Saka year before.
constexpr std::array<CountRange, 13> kIndianCommon = {{{1, 20, 10, -10},
                                                       {21, 50, 11, 20},
                                                       {51, 80, 12, 50},
                                                       {81, 110, 1, 80},
                                                       {111, 141, 2, 110},
                                                       {142, 172, 3, 141},
                                                       {173, 203, 4, 172},
                                                       {204, 234, 5, 203},
                                                       {235, 265, 6, 234},
                                                       {266, 295, 7, 265},
                                                       {296, 325, 8, 295},
                                                       {326, 355, 9, 325},
                                                       {356, 365, 10, 355}}};
constexpr std::array<CountRange, 13> kIndianLeap = {{{1, 20, 10, -10},
                                                     {21, 50, 11, 20},
                                                     {51, 80, 12, 50},
                                                     {81, 111, 1, 80},
                                                     {112, 142, 2, 111},
                                                     {143, 173, 3, 142},
                                                     {174, 204, 4, 173},
                                                     {205, 235, 5, 204},
                                                     {236, 266, 6, 235},
                                                     {267, 296, 7, 266},
                                                     {297, 326, 8, 296},
                                                     {327, 356, 9, 326},
                                                     {357, 366, 10, 356}}};
constexpr int kIndianFirstMonthStart = 81;  // day of the year that opens Caitra

// Days after 13 March (negative and 0 up to 13 March) to the Nanakshahi
// month. Chet begins on 14 March, Poh on 14 December, Maagh on 13 January and
// Phagun on 12 February; Phagun has 31 days when February has 29.
constexpr std::array<CountRange, 13> kNanakshahiCommon = {{{-72, -60, 10, -90},
                                                           {-59, -30, 11, -60},
                                                           {-29, 0, 12, -30},
                                                           {1, 31, 1, 0},
                                                           {32, 62, 2, 31},
                                                           {63, 93, 3, 62},
                                                           {94, 124, 4, 93},
                                                           {125, 155, 5, 124},
                                                           {156, 185, 6, 155},
                                                           {186, 215, 7, 185},
                                                           {216, 245, 8, 215},
                                                           {246, 275, 9, 245},
                                                           {276, 305, 10, 275}}};
constexpr std::array<CountRange, 13> kNanakshahiLeap = {{{-73, -61, 10, -91},
                                                         {-60, -31, 11, -61},
                                                         {-30, 0, 12, -31},
                                                         {1, 31, 1, 0},
                                                         {32, 62, 2, 31},
                                                         {63, 93, 3, 62},
                                                         {94, 124, 4, 93},
                                                         {125, 155, 5, 124},
                                                         {156, 185, 6, 155},
                                                         {186, 215, 7, 185},
                                                         {216, 245, 8, 215},
                                                         {246, 275, 9, 245},
                                                         {276, 305, 10, 275}}};

const CountRange* FindRange(const std::array<CountRange, 13>& table, std::int64_t count) {
  for (const CountRange& range : table) {
    if (count >= range.first && count <= range.last) {
      return &range;
    }
  }
  return nullptr;
}

std::string MonthName(const std::array<std::string_view, 12>& table, int month) {
  return std::string(table[static_cast<std::size_t>(month - 1)]);
}

}  // namespace

std::string IndianNationalDate(int year, int month, int day) {
  if (month < 1 || month > 12) {
    return {};
  }
  const int c = DayOfYear(day, month, year);
  const bool leap = IsGregorianLeapYear(year);
  const CountRange* range = FindRange(leap ? kIndianLeap : kIndianCommon, c);
  if (range == nullptr) {
    return {};
  }
  long long sakaYear = static_cast<long long>(year) - 78;
  if (c < kIndianFirstMonthStart) {
    sakaYear -= 1;
  }
  return std::to_string(c - range->base) + "." + MonthName(kIndianMonths, range->month) + " " +
         std::to_string(sakaYear);
}

std::string NanakshahiDate(int day, int month, int year) {
  if (year < 1 || year > 9999 || !IsValidGregorianDate(year, month, day)) {
    return {};
  }
  // Counted with Gregorian day numbers, so that a year such as 1900 has no
  // 29 February here either.
  const auto n = static_cast<std::int64_t>(RoundHalfEven(GregorianCalendarToJulianDay(year, month, day) -
                                                         GregorianCalendarToJulianDay(year, 3, 13)));
  const bool leap = IsGregorianLeapYear(year);
  const CountRange* range = FindRange(leap ? kNanakshahiLeap : kNanakshahiCommon, n);
  if (range == nullptr) {
    return {};
  }
  const long long nanakshahiYear = static_cast<long long>(year) - (n >= 1 ? 1468 : 1469);
  return std::to_string(n - range->base) + "." + MonthName(kNanakshahiMonths, range->month) + " (" +
         std::to_string(range->month) + ") " + std::to_string(nanakshahiYear);
}

}  // namespace tempulo

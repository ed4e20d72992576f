// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/roman.h"

#include <array>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 10> kUnits = {"",  "I",  "II",  "III",  "IV",
                                                     "V", "VI", "VII", "VIII", "IX"};
constexpr std::array<std::string_view, 10> kTens = {"",  "X",  "XX",  "XXX",  "XL",
                                                    "L", "LX", "LXX", "LXXX", "XC"};
constexpr std::array<std::string_view, 10> kHundreds = {"",  "C",  "CC",  "CCC",  "CD",
                                                        "D", "DC", "DCC", "DCCC", "CM"};

constexpr std::array<std::string_view, 12> kGenitives = {"IANVARII",   "FEBRVARII", "MARTII",    "APRILIS",
                                                         "MAII",       "IVNII",     "IVLII",     "AVGVSTI",
                                                         "SEPTEMBRIS", "OCTOBRIS",  "NOVEMBRIS", "DECEMBRIS"};

// March, May, July and October have their nones on the 7th and ides on the
// 15th; the other months on the 5th and the 13th.
int NonesOf(int month) { return month == 3 || month == 5 || month == 7 || month == 10 ? 7 : 5; }
int IdesOf(int month) { return NonesOf(month) + 8; }

}  // namespace

std::string RomanNumeral(int n) {
  if (n == 0) {
    return "?";
  }
  if (n < 0 || n / 1000 > 5) {
    return "(" + std::to_string(n) + ")";
  }
  std::string text(static_cast<std::size_t>(n / 1000), 'M');
  text += kHundreds[static_cast<std::size_t>((n % 1000) / 100)];
  text += kTens[static_cast<std::size_t>((n % 100) / 10)];
  text += kUnits[static_cast<std::size_t>(n % 10)];
  return text;
}

std::string RomanDayCount(int n) {
  if (n <= 0) {
    return "?";
  }
  if (n == 1) {
    return {};
  }
  if (n == 2) {
    return "PRIDIE ";
  }
  return "ANTE DIEM " + RomanNumeral(n) + " ";
}

RomanDate RomanFromFixed(FixedDay day) {
  const CivilDate j = JulianFromFixed(day);
  if (j.day == 1) {
    return {j.year, j.month, RomanEvent::kKalends, 1, false};
  }
  if (j.day <= NonesOf(j.month)) {
    return {j.year, j.month, RomanEvent::kNones, NonesOf(j.month) - j.day + 1, false};
  }
  if (j.day <= IdesOf(j.month)) {
    return {j.year, j.month, RomanEvent::kIdes, IdesOf(j.month) - j.day + 1, false};
  }
  const int nextMonth = j.month % 12 + 1;
  const int nextYear = nextMonth == 1 ? j.year + 1 : j.year;
  const FixedDay kalends = FixedFromJulian({nextYear, nextMonth, 1});
  if (j.month == 2 && IsJulianLeapYear(j.year) && j.day <= 25) {
    // Up to the doubled day the count runs as in a common year; the doubled
    // day repeats the sixth.
    return {j.year, 3, RomanEvent::kKalends, j.day == 25 ? 6 : 30 - j.day, j.day == 25};
  }
  return {nextYear, nextMonth, RomanEvent::kKalends, static_cast<int>(kalends - day) + 1, false};
}

FixedDay FixedFromRoman(const RomanDate& date) {
  int dayOfMonth = 1;
  if (date.event == RomanEvent::kNones) {
    dayOfMonth = NonesOf(date.month);
  } else if (date.event == RomanEvent::kIdes) {
    dayOfMonth = IdesOf(date.month);
  }
  const FixedDay marked = FixedFromJulian({date.year, date.month, dayOfMonth});
  // Before the March kalends of a leap year the counts from 6 up (the plain
  // sixth and those before it) reach one day further back.
  const bool beforeDoubledDay = date.event == RomanEvent::kKalends && date.month == 3 &&
                                IsJulianLeapYear(date.year) && !date.leap && date.count >= 6 &&
                                date.count <= 16;
  return marked - date.count + (beforeDoubledDay ? 0 : 1);
}

std::string_view RomanMonthGenitive(int month) {
  return month >= 1 && month <= 12 ? kGenitives[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// A Julian-calendar date written the Roman way, counted from the founding of
// the city.
#pragma once

#include <string>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

enum class RomanEvent { kKalends = 1, kNones = 2, kIdes = 3 };

// A day named by the next kalends, nones or ides on or after it: the year and
// month of that day (so the days after the December ides belong to the
// January kalends of the next year), and the inclusive count of days to it
// (1 on the day itself). In a leap year the day doubled before the March
// kalends, 25 February, is the sixth day with `leap` set; 24 February is
// the plain sixth.
struct RomanDate {
  int year = 0;  // Julian calendar, astronomical count
  int month = 0;
  RomanEvent event = RomanEvent::kKalends;
  int count = 0;
  bool leap = false;
  friend constexpr bool operator==(const RomanDate&, const RomanDate&) = default;
};

RomanDate RomanFromFixed(FixedDay day);
FixedDay FixedFromRoman(const RomanDate& date);

// The month name in the genitive ("IANVARII"); empty outside 1..12.
std::string_view RomanMonthGenitive(int month);

// Roman numeral of n from 1 to 5999; "?" for 0; larger and negative numbers,
// which the numerals cannot write, read "(n)" in decimal.
std::string RomanNumeral(int n);
// The prefix for an inclusive count of n days to the next marked day:
// "" for 1, "PRIDIE " for 2, "ANTE DIEM <n> " from 3, "?" for n <= 0.
std::string RomanDayCount(int n);
// Years since the founding of Rome of a Julian-calendar year.
inline constexpr int kRomeFoundedBeforeYear1 = 753;

}  // namespace tempulo

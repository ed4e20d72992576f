// A Julian-calendar date written the Roman way, counted from the founding of
// the city.
#pragma once

#include <string>

namespace tempulo {

// Roman numeral of n from 1 to 5999; "?" for 0; larger and negative numbers,
// which the numerals cannot write, read "(n)" in decimal.
std::string RomanNumeral(int n);
// The prefix for an inclusive count of n days to the next marked day:
// "" for 1, "PRIDIE " for 2, "ANTE DIEM <n> " from 3, "?" for n <= 0.
std::string RomanDayCount(int n);
// Day, month and year of the Julian calendar; the year follows as years since
// the founding of Rome ("... A. V. C.").
std::string RomanDate(int day, int month, int year);

}  // namespace tempulo

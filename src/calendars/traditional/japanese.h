// Japanese month names and imperial eras (whole years, from 1868 on).
#pragma once

#include <string>

namespace tempulo {

// "day.month name era year" for a Gregorian date. An era is taken for its
// whole Gregorian years, from the year in which it began. Empty for a year
// before 1868 or a month outside 1..12.
std::string JapaneseEraDate(int year, int month, int day);

}  // namespace tempulo

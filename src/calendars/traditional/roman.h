// A Julian-calendar date written the Roman way, counted from the founding of
// the city.
#pragma once

#include <string>

namespace tempulo {

std::string RomanNumeral(int n);
std::string RomanDayCount(int n);
std::string RomanDate(int day, int month, int year);

}  // namespace tempulo

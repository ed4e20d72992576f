// The John Dee calendar and the sixty-week calendar.
#pragma once

#include <string>

namespace tempulo {

bool IsDeeLeapYear(int year);
int DeeMonthLength(int month, int year);
// The whole report line "John Dee-Kalender\t...".
std::string JohnDeeDate(long double jd);
// Empty outside the civil years 1937 to 2063.
std::string SixtyWeekDate(int day, int month, int year);

}  // namespace tempulo

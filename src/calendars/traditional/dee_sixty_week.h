// The John Dee calendar and the sixty-week calendar.
#pragma once

#include <string>

namespace tempulo {

// Eight leap years in 33: ((year - 1) mod 33) mod 4 = 3, the remainder taken
// non-negative, so the pattern runs on backwards through year 0 (common) and
// year -1 (leap).
bool IsDeeLeapYear(int year);
// 31, 30 or 28/29 days; 0 for a month outside 1..12.
int DeeMonthLength(int month, int year);
// The whole report line "John Dee-Kalender\t...".
std::string JohnDeeDate(long double jd);
// Empty outside the civil years 1937 to 2063.
std::string SixtyWeekDate(int day, int month, int year);

}  // namespace tempulo

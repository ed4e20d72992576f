// SPDX-License-Identifier: GPL-3.0-or-later
// The Chinese lunisolar calendar from new moons and major solar terms.
//
// Months begin on the day, in Chinese time, of an astronomical new moon. The
// months of a year are counted from the month after the one holding the
// winter solstice; in a span of 13 months from solstice month to solstice
// month, the first month without a major term (a multiple of 30 degrees of
// solar longitude) is the leap month. Days are whole date values in Chinese
// time; an instant becomes the day that contains it.
#pragma once

#include <optional>

#include "time/day_count.h"

namespace tempulo {

struct ChineseDateRecord {
  int cycle = 0;         // 60-year cycle, counting from 1
  int yearInCycle = 0;   // 1..60
  int elapsedYears = 0;  // years since the epoch
  int month = 0;         // 1..12; a leap month carries the number of the month before it
  bool isLeapMonth = false;
  bool isLeapYear = false;
  int day = 0;
};

// The astronomy the calendar rests on, as instants (date values). The
// almanac uses its own new-moon and solar-term searches; tests may set up
// idealised ones.
struct ChineseAstronomy {
  double (*newMoonAtOrBefore)(double);   // last new moon at or before the instant
  double (*newMoonAtOrAfter)(double);    // first new moon at or after it
  double (*majorTermAtOrAfter)(double);  // first major solar term at or after it
  double (*majorTermBefore)(double);     // last major solar term strictly before it
};

// The new-moon searches of the moon phases and the principal-term searches of
// the sun.
const ChineseAstronomy& StandardChineseAstronomy();

// The new-moon and term searches over the standard astronomy are remembered
// per thread, since neighbouring days and the steps of a lookup ask for the
// same ones. Forgetting them changes no result; it lets a measurement see
// the cost of a first conversion.
void ForgetChineseSearches();

// Chinese time is universal time plus 8 hours from the civil year 1929 on
// and plus 7 h 45 min 40 s (the mean time of Beijing) before; the civil year
// of the argument decides.
double ChinaTimeFromUniversal(double t);
double UniversalFromChinaTime(double t);

// The day of the last new moon at or before the instant d (a Chinese-time
// date value), and of the first at or after it.
double ChineseNewMoonOnOrBefore(double d);
double ChineseNewMoonOnOrAfter(double d);
// The day of the first major term at or after d, and of the last before d.
double ChineseMajorTermOnOrAfter(double d);
double ChineseMajorTermBefore(double d);

// For the first day m of a month: no major term falls between its start and
// the start of the next month.
bool ChineseNoMajorTerm(double monthStart);
// The months a leap-month search walks back over: from the one starting on
// `monthStart` to the one starting on `yearStart`.
struct MonthWalk {
  double yearStart = 0;
  double monthStart = 0;
};
// Some month of the walk has no major term.
bool ChinesePriorLeapMonth(MonthWalk walk);

ChineseDateRecord ChineseDate(double dateValue);

// The day of a Chinese date: the year as ChineseDateRecord::elapsedYears
// counts it, the month 1..12, whether it is the leap month after that month,
// and the day 1..30. Empty when the year has no such month (a leap month the
// year lacks) or the month no such day. Years whose new year lies in the
// civil years 1 to 9999.
std::optional<FixedDay> FixedFromChinese(int elapsedYears, int month, bool leapMonth, int day);
ChineseDateRecord ChineseDate(double dateValue, const ChineseAstronomy& astronomy);

}  // namespace tempulo

// The Coptic and the Ethiopian calendars: twelve months of 30 days and five
// epagomenal days, six in every fourth year. Both share months and days; the
// Ethiopian year count is 276 ahead.
#pragma once

#include <string>

#include "report/report.h"

namespace tempulo {

struct CopticDay {
  long long year = 0;  // Coptic year (the era of the martyrs); 0 and below before it
  int month = 0;       // 1..13, 13 the epagomenal days
  int day = 0;         // 1..30, 1..6 in month 13
  friend bool operator==(const CopticDay&, const CopticDay&) = default;
};

// The Coptic date of the day that holds a Julian Day.
CopticDay CopticDate(long double jd);

// Month names 1..13; empty outside.
std::string CopticMonthName(int month);
std::string EthiopianMonthName(int month);

inline constexpr long long kEthiopianYearOffset = 276;

// Appends the Coptic and the Ethiopian line for the day of a Julian Day.
void CopticEthiopianDates(long double jd, Report& report);

}  // namespace tempulo

// The arithmetical (tabular) Islamic calendar.
#pragma once

#include <string>

namespace tempulo {

// Julian Day Number of a civil date (Julian rule up to 14 October 1582).
int JulianDayNumber(int day, int month, int year);

struct IslamicDateResult {
  std::string text;  // e.g. "24.Ramadan 1420"
  int day = 0;
  int month = 0;
  int year = 0;
};

IslamicDateResult IslamicDate(int day, int month, int year);

}  // namespace tempulo

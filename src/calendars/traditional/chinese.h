// The Chinese lunisolar calendar from new moons and major solar terms.
#pragma once

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

ChineseDateRecord ChineseDate(double dateValue);

}  // namespace tempulo

// The Jewish calendar, anchored on Gauss's Passover formula.
#pragma once

#include "time/clock.h"

namespace tempulo {

struct JewishDay {
  int year = 0;   // year of the world
  int month = 0;  // 1 Nisan ... 7 Tishri ... 13 Adar 2
  int day = 0;
  friend bool operator==(const JewishDay&, const JewishDay&) = default;
};

// Date value of 15 Nisan in a civil year. Years the formula does not reach
// give today's date from the clock.
double PassoverDate(int year, const Clock& clock);
// Index 0..5 into the year lengths 353, 354, 355, 383, 384, 385.
int JewishYearType(int jewishYear, const Clock& clock);
JewishDay JewishDate(double dateValue, const Clock& clock);

}  // namespace tempulo

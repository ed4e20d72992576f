// The Bahá'í calendar with its year beginning on 21 March.
#pragma once

#include <string>

namespace tempulo {

// "day.month name (month) year", month 19 being the intercalary days and
// month 20 the last month; with the cycle, "; Vahid: <year name> /
// Kull-i-Shay: <period>" follows. Empty for days before 21 March 1844.
std::string BahaiDate(bool withCycle, double jd);

}  // namespace tempulo

// The Seleucid era and the Armenian wandering year.
#pragma once

#include <string>

namespace tempulo {

// "day.month.year": the Julian-calendar day of the given day, its month
// counted from October (October 1 ... September 12) and the era year, which
// begins with October (Julian year + 312 from October, + 311 before).
std::string SeleucidDate(long double jd);
// "day.month year" of the Armenian wandering year from its epoch,
// 11 July 552 (Julian calendar); "-" for days before the epoch.
std::string ArmenianDate(long double jd);

}  // namespace tempulo

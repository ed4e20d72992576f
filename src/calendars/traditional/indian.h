// The Indian national (Saka) and the Nanakshahi calendars. Both are defined
// on the Gregorian calendar: pass the (proleptic) Gregorian date of the day,
// also before 1582.
#pragma once

#include <string>

namespace tempulo {

// "day.month name Saka year"; empty for a day the Gregorian year lacks.
std::string IndianNationalDate(int year, int month, int day);
// "day.month name (month) year"; empty for a date that is not a Gregorian
// date of the years 1 to 9999.
std::string NanakshahiDate(int day, int month, int year);

}  // namespace tempulo

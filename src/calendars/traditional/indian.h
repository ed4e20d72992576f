// The Indian national (Saka) and the Nanakshahi calendars; both take a
// Gregorian date.
#pragma once

#include <string>

namespace tempulo {

std::string IndianNationalDate(int year, int month, int day);
std::string NanakshahiDate(int day, int month, int year);

}  // namespace tempulo

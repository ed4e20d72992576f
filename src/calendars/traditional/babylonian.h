// A schematic Babylonian lunisolar calendar.
#pragma once

#include <string>

namespace tempulo {

// "day.month name (month) year" for a civil date (day, month, year). The year
// begins on a fixed spring date chosen by its place in a 19-year cycle; the
// text is empty when the schematic year assigns the day to no month.
std::string BabylonianDate(int day, int month, int year);

}  // namespace tempulo

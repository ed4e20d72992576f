// A schematic Babylonian lunisolar calendar.
#pragma once

#include <string>

namespace tempulo {

std::string BabylonianDate(int day, int month, int year);

}  // namespace tempulo

// Name of a year of the Chinese sixty-year cycle.
#pragma once

#include <string>

#include "calendars/traditional/chinese.h"

namespace tempulo {

std::string SexagenaryText(ChineseDateRecord date);

}  // namespace tempulo

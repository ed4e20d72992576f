// An arithmetic Iranian solar calendar with two year counts.
#pragma once

#include <string>

namespace tempulo {

std::string IranianDate(long double jd);

}  // namespace tempulo

// The old Egyptian civil calendar with its Sothic period.
#pragma once

#include <string>

namespace tempulo {

std::string EgyptianDate(long double jd);

}  // namespace tempulo

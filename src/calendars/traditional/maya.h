// The Maya calendar on the correlation 584283.
#pragma once

#include <string>

namespace tempulo {

std::string MayaRoundDate(long double jd);
std::string MayaLongCount(long double jd);

}  // namespace tempulo

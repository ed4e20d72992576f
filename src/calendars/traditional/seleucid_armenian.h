// The Seleucid era and the Armenian wandering year.
#pragma once

#include <string>

namespace tempulo {

std::string SeleucidDate(long double jd);
std::string ArmenianDate(long double jd);

}  // namespace tempulo

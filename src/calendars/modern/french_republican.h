// The French Republican calendar (plain four-year rule).
#pragma once

#include <string>

namespace tempulo {

std::string FrenchRepublicanDate(long double jd);

}  // namespace tempulo

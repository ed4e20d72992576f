// The Aztec solar year (xiuhpohualli).
#pragma once

#include <string>

namespace tempulo {

std::string AztecDate(long double jd);

}  // namespace tempulo

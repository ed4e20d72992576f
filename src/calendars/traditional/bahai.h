// The Bahá'í calendar with its year beginning on 21 March.
#pragma once

#include <string>

namespace tempulo {

std::string BahaiDate(bool withCycle, double jd);

}  // namespace tempulo

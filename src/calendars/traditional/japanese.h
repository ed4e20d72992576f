// Japanese month names and imperial eras (whole years, from 1868 on).
#pragma once

#include <string>

namespace tempulo {

std::string JapaneseEraDate(int year, int month, int day);

}  // namespace tempulo

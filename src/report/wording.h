// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces of wording the report's entries share.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "report/report.h"

namespace tempulo {

// A 1-based name table read without ever leaving it.
template <std::size_t N>
std::string Name(const std::array<std::string_view, N>& table, int index) {
  if (index < 1 || index > static_cast<int>(N)) {
    return {};
  }
  return std::string(table[static_cast<std::size_t>(index - 1)]);
}

inline std::string Str(long long n) { return std::to_string(n); }

// Fixed-point text with `decimals` decimals, then trailing zeros and a
// trailing point removed; "-0" reads "0". With 0 decimals nothing is trimmed.
std::string TrimmedDecimal(double value, int decimals);

// The typed fields of a calendar date as the structured output names them:
// year, month, month_name (when given) and day, under `prefix` ("ethiopian.")
// when one is given.
struct DateFields {
  long long year = 0;
  int month = 0;
  std::string_view monthName;  // empty: no month_name field
  long long day = 0;
};
void SetDateFields(Report& r, const DateFields& date, std::string_view prefix = {});

}  // namespace tempulo

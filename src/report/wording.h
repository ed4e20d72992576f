// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces of wording the report's entries share.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/wording.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tempulo {

std::string TrimmedDecimal(double value, int decimals) {
  std::array<char, 512> buffer{};
  const int written = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
  std::string text(buffer.data(),
                   written > 0 ? std::min(static_cast<std::size_t>(written), buffer.size() - 1) : 0U);
  if (decimals != 0) {
    while (text.size() > 1 && text.back() == '0') {
      text.pop_back();
    }
    if (text.size() > 1 && text.back() == '.') {
      text.pop_back();
    }
  }
  return text == "-0" ? "0" : text;
}

void SetDateFields(Report& r, const DateFields& date, std::string_view prefix) {
  if (!r.KeepsValues()) {
    return;
  }
  const std::string p(prefix);
  r.Set(p + "year", date.year);
  r.Set(p + "month", date.month);
  if (!date.monthName.empty()) {
    r.Set(p + "month_name", date.monthName);
  }
  r.Set(p + "day", date.day);
}

}  // namespace tempulo

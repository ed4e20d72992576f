// SPDX-License-Identifier: GPL-3.0-or-later
// Japanese month names and imperial eras (whole years, from 1868 on).
#pragma once

#include <optional>
#include <string_view>

#include "time/civil.h"

namespace tempulo {

enum class JapaneseEra { kMeiji, kTaisho, kShowa, kHeisei, kReiwa };

// A Gregorian date with its year counted in the era. An era is taken for its
// whole Gregorian years, from the year in which it began.
struct JapaneseDate {
  JapaneseEra era = JapaneseEra::kMeiji;
  int year = 0;  // from 1
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const JapaneseDate&, const JapaneseDate&) = default;
};

// None before 1868.
std::optional<JapaneseDate> JapaneseFromFixed(FixedDay day);
FixedDay FixedFromJapanese(const JapaneseDate& date);

// "Mutsuki" ... "Shiwasu"; empty outside 1..12.
std::string_view JapaneseMonthName(int month);
std::string_view JapaneseEraName(JapaneseEra era);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The Bahá'í calendar with its year beginning on the Gregorian 21 March (also
// before 1582): 18 months of 19 days, the intercalary days Ayyâm-i-Hâ from
// 26 February (four, five when that February has 29 days), then the last
// month of 19 days.
#pragma once

#include <string_view>

#include "time/civil.h"

namespace tempulo {

// Month 1..18, 19 the intercalary days, 20 the last month ('Alâ). Year 1
// begins with the epoch; earlier years count on to 0 and below.
struct BahaiDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const BahaiDate&, const BahaiDate&) = default;
};

inline constexpr FixedDay kBahaiEpoch = FixedFromGregorian({1844, 3, 21});

BahaiDate BahaiFromFixed(FixedDay day);
FixedDay FixedFromBahai(const BahaiDate& date);

// For years from 1: the 19-year cycle named by its year name (1..19) and the
// count of 361-year periods (Kull-i-Shay, from 1).
int BahaiVahid(int year);
int BahaiKullIShay(int year);

// Empty outside 1..20 and 1..19.
std::string_view BahaiMonthName(int month);
std::string_view BahaiYearName(int vahid);

}  // namespace tempulo

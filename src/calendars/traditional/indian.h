// SPDX-License-Identifier: GPL-3.0-or-later
// The Indian national (Saka) and the Nanakshahi calendars, both fixed to the
// (proleptic) Gregorian calendar, also before 1582.
#pragma once

#include <string_view>

#include "time/civil.h"

namespace tempulo {

// Saka year: Caitra 1 is 22 March, in a Gregorian leap year 21 March, of the
// Gregorian year Saka + 78. Caitra has 30 days (31 in that leap year), the
// next five months 31, the last six 30.
struct IndianDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const IndianDate&, const IndianDate&) = default;
};

IndianDate IndianFromFixed(FixedDay day);
FixedDay FixedFromIndian(const IndianDate& date);

// Chet 1 is 14 March of the Gregorian year + 1468; the first five months
// have 31 days, the others 30, the last (Phagun) 31 when its February has 29.
struct NanakshahiDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend constexpr bool operator==(const NanakshahiDate&, const NanakshahiDate&) = default;
};

NanakshahiDate NanakshahiFromFixed(FixedDay day);
FixedDay FixedFromNanakshahi(const NanakshahiDate& date);

// Empty outside 1..12.
std::string_view IndianMonthName(int month);
std::string_view NanakshahiMonthName(int month);

}  // namespace tempulo

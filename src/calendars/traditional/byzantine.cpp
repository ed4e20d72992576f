// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/byzantine.h"

namespace tempulo {
namespace {

// Anno Mundi = Julian year + 5509 from September on, + 5508 before; the
// astronomical Julian year -5508 (5509 BC) holds 1 September of the year 1.
constexpr int kYearsAheadFromSeptember = 5509;
constexpr int kSeptember = 9;

}  // namespace

ByzantineDate ByzantineFromFixed(FixedDay day) {
  const CivilDate julian = JulianFromFixed(day);
  const bool fromSeptember = julian.month >= kSeptember;
  return {julian.year + kYearsAheadFromSeptember - (fromSeptember ? 0 : 1), (julian.month + 3) % 12 + 1,
          julian.day};
}

FixedDay FixedFromByzantine(const ByzantineDate& date) {
  const int month = JulianMonthOfByzantine(date.month);
  const bool fromSeptember = month >= kSeptember;
  return FixedFromJulian({date.year - kYearsAheadFromSeptember + (fromSeptember ? 0 : 1), month, date.day});
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/umm_al_qura.h"

#include <algorithm>
#include <array>

#include "calendars/traditional/islamic.h"
#include "calendars/traditional/umm_al_qura_table.h"

namespace tempulo {
namespace {

constexpr int kMonthsPerYear = 12;

// The table's month starts as day counts, worked out when compiling.
constexpr auto kMonthStarts = [] {
  std::array<FixedDay, kUmmAlQuraMonthStarts.size()> starts{};
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const int date = kUmmAlQuraMonthStarts[i];
    starts[i] = FixedFromGregorian({date / 10000, date / 100 % 100, date % 100});
  }
  return starts;
}();

static_assert(std::is_sorted(kMonthStarts.begin(), kMonthStarts.end()));
static_assert(kMonthStarts.size() == (kUmmAlQuraLastYear - kUmmAlQuraFirstYear + 1) * kMonthsPerYear + 1);

}  // namespace

FixedDay UmmAlQuraTableFirstDay() { return kMonthStarts.front(); }
FixedDay UmmAlQuraTableLastDay() { return kMonthStarts.back() - 1; }

UmmAlQuraDate UmmAlQuraFromFixed(FixedDay day) {
  if (day < kMonthStarts.front() || day >= kMonthStarts.back()) {
    const IslamicDay arithmetic = IslamicFromFixed(day);
    return {arithmetic.year, arithmetic.month, arithmetic.day, false};
  }
  // The month whose start is the last one on or before the day.
  const auto next = std::upper_bound(kMonthStarts.begin(), kMonthStarts.end(), day);
  const auto index = static_cast<int>(next - kMonthStarts.begin()) - 1;
  const FixedDay start = kMonthStarts[static_cast<std::size_t>(index)];
  return {kUmmAlQuraFirstYear + index / kMonthsPerYear, index % kMonthsPerYear + 1,
          static_cast<int>(day - start) + 1, true};
}

FixedDay FixedFromUmmAlQura(const UmmAlQuraDate& date) {
  if (date.year < kUmmAlQuraFirstYear || date.year > kUmmAlQuraLastYear || date.month < 1 ||
      date.month > kMonthsPerYear) {
    return FixedFromIslamic({date.year, date.month, date.day});
  }
  const auto index =
      static_cast<std::size_t>((date.year - kUmmAlQuraFirstYear) * kMonthsPerYear + date.month - 1);
  return kMonthStarts[index] + (date.day - 1);
}

}  // namespace tempulo

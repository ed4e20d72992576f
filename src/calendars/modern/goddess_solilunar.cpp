// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/goddess_solilunar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kGoddessMonthNames = {
    "Astarte", "Bast", "Cybele", "Diana", "Eris",    "Freya", "Gaia",
    "Hathor",  "Isis", "Juno",   "Kali",  "Lakshmi", "Maat"};

constexpr std::array<std::string_view, 13> kSolilunarMonthNames = {
    "Aristarchus", "Bruno",   "Copernicus", "Dee",     "Eratosthenes", "Flamsteed", "Galileo",
    "Hypathia",    "Ibrahim", "Julius",     "Khayyam", "Lilius",       "Meton"};

// Day 1 of the Goddess count is 16 February 1999, the first day of year 538
// of the fifth era; day 1 of the Solilunar count is 17 March 1999, the first
// day of year 25 of era 102.
constexpr FixedDay kGoddessEpoch = FixedFromGregorian({1999, 2, 16});
constexpr int kGoddessEpochYear = 538;
constexpr int kGoddessEpochEra = 5;
constexpr int kGoddessEraYears = 1689;
constexpr FixedDay kSolilunarEpoch = FixedFromGregorian({1999, 3, 17});
constexpr int kSolilunarEpochYear = 25;
constexpr int kSolilunarEpochEra = 102;
constexpr int kSolilunarEraYears = 60;

constexpr int kLastMonth = 13;

// Far more years than any date of the almanac is away from the epochs (the
// year 100 is about 1950 years back); only guards the walks.
constexpr int kMaxYearSteps = 100000;

std::string_view NameAt(const std::array<std::string_view, 13>& table, int index) {
  if (index < 1 || index > static_cast<int>(table.size())) {
    return {};
  }
  return table[static_cast<std::size_t>(index - 1)];
}

// Whole days of the count: 1 on the epoch's day.
std::int64_t DayCount(FixedDay day, FixedDay epoch) { return day - epoch + 1; }

// Two years of one running count.
struct YearSpan {
  std::int64_t from;
  std::int64_t to;
};

// Days from the first day of the year `from` to the first day of the year
// `to` (negative when `to` is earlier).
template <typename YearLength>
std::int64_t DaysBetweenYearStarts(YearSpan span, YearLength length) {
  std::int64_t days = 0;
  for (std::int64_t n = span.from, step = 0; n < span.to && step < kMaxYearSteps; ++n, ++step) {
    days += length(n);
  }
  for (std::int64_t n = span.from - 1, step = 0; n >= span.to && step < kMaxYearSteps; --n, ++step) {
    days -= length(n);
  }
  return days;
}

// The first days of the years around an epoch, laid down once, so that a
// date is found without walking the years one by one. Years outside the
// table are walked.
class YearStarts {
 public:
  // `length(n)` gives the days of the year n of a running count.
  template <typename YearLength>
  YearStarts(std::int64_t epochYear, std::int64_t yearsBack, std::int64_t yearsAhead, YearLength length)
      : first_(epochYear - yearsBack) {
    starts_.reserve(static_cast<std::size_t>(yearsBack + yearsAhead + 1));
    std::int64_t start = 0;
    for (std::int64_t n = first_; n <= epochYear + yearsAhead; ++n) {
      starts_.push_back(start);
      start += length(n);
    }
    const std::int64_t epochStart = starts_[static_cast<std::size_t>(yearsBack)];
    for (std::int64_t& value : starts_) {
      value -= epochStart;
    }
  }

  // Days from the epoch year's first day to the year n's first day.
  std::optional<std::int64_t> StartOf(std::int64_t n) const {
    if (n < first_ || n >= first_ + static_cast<std::int64_t>(starts_.size())) {
      return std::nullopt;
    }
    return starts_[static_cast<std::size_t>(n - first_)];
  }

  // The year holding the day `offset` days after the epoch year's first day;
  // none outside the table (its last year counts as outside).
  std::optional<std::int64_t> YearHolding(std::int64_t offset) const {
    if (starts_.empty() || offset < starts_.front() || offset >= starts_.back()) {
      return std::nullopt;
    }
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return first_ + (after - starts_.begin()) - 1;
  }

 private:
  std::int64_t first_;
  std::vector<std::int64_t> starts_;
};

// Reaches well past the almanac's years 100..3000 on both sides.
constexpr std::int64_t kTableYearsBack = 2600;
constexpr std::int64_t kTableYearsAhead = 1600;

int GoddessLength(std::int64_t n) { return GoddessYear(static_cast<int>(n)).length; }

int SolilunarLength(std::int64_t count) {
  return SolilunarYear(static_cast<int>(FloorDiv<std::int64_t>(count, kSolilunarEraYears)),
                       static_cast<int>(FloorMod<std::int64_t>(count, kSolilunarEraYears)));
}

constexpr std::int64_t kSolilunarEpochCount =
    static_cast<std::int64_t>(kSolilunarEpochEra) * kSolilunarEraYears + kSolilunarEpochYear;

const YearStarts& GoddessYears() {
  static const YearStarts table(kGoddessEpochYear, kTableYearsBack, kTableYearsAhead, GoddessLength);
  return table;
}

const YearStarts& SolilunarYears() {
  static const YearStarts table(kSolilunarEpochCount, kTableYearsBack, kTableYearsAhead, SolilunarLength);
  return table;
}

// Days of a Goddess year before its month 1..13: the first month has the
// year's own length, then 30 and 29 days alternate.
std::int64_t GoddessDaysBeforeMonth(const GoddessYearShape& year, int month) {
  std::int64_t days = 0;
  for (int m = 1; m < month && m < kLastMonth; ++m) {
    days += m == 1 ? year.firstMonth : (m % 2 == 0 ? 30 : 29);
  }
  return days;
}

// Days of a Solilunar year before its month 1..13: 29 and 30 days alternate.
std::int64_t SolilunarDaysBeforeMonth(int month) {
  std::int64_t days = 0;
  for (int m = 1; m < month && m < kLastMonth; ++m) {
    days += m % 2 == 1 ? 29 : 30;
  }
  return days;
}

}  // namespace

GoddessYearShape GoddessYear(int n) {
  int length = 354;
  if (n % 3 == 0) {
    length = n % 9 == 0 ? 384 : 385;
  }
  // A negative n has negative digits and never matches.
  const int s = n % 10 + (n / 10) % 10 + (n / 100) % 10 + (n / 1000) % 10;
  if (s == 2) {
    length = 382;
  }
  if (s == 22) {
    length = 383;
  }
  if (s == 23) {
    length = 384;
  }
  return {length, length > 360 ? length - 354 : 29};
}

int SolilunarYear(int era, int year) {
  const std::int64_t k = (static_cast<std::int64_t>(era) * 60 + year) * 2519;
  if (k % 6840 >= 2519) {
    return 354;
  }
  return ((k / 6840) * 1328) % 2519 < 1328 ? 385 : 384;
}

LunisolarDate GoddessFromFixed(FixedDay day) {
  std::int64_t a = DayCount(day, kGoddessEpoch);
  int n = kGoddessEpochYear;
  int era = kGoddessEpochEra;
  if (const std::optional<std::int64_t> year = GoddessYears().YearHolding(a - 1)) {
    n = static_cast<int>(*year);
    a -= *GoddessYears().StartOf(*year);
  }
  for (int step = 0; step < kMaxYearSteps && a <= 0; ++step) {
    --n;
    a += GoddessYear(n).length;
  }
  for (int step = 0; step < kMaxYearSteps; ++step) {
    const int length = GoddessYear(n).length;
    if (a <= length) {
      break;
    }
    a -= length;
    ++n;
  }
  const int firstMonth = GoddessYear(n).firstMonth;
  // The leap rule above reads the year before it is brought into its era.
  for (int step = 0; step < kMaxYearSteps && n <= 0; ++step) {
    n += kGoddessEraYears;
    --era;
  }
  for (int step = 0; step < kMaxYearSteps && n > kGoddessEraYears; ++step) {
    n -= kGoddessEraYears;
    ++era;
  }
  // The first month has the year's own length, then 30 and 29 days alternate.
  // The alternation starts only after the first month: a first month of 31
  // days keeps its 31st day instead of showing 1.Bast twice.
  int month = 1;
  if (a > firstMonth) {
    a -= firstMonth;
    month = 2;
    while (a > 30 && month < kLastMonth) {
      a -= 30;
      ++month;
      if (a > 29 && month < kLastMonth) {
        a -= 29;
        ++month;
      }
    }
  }
  return {static_cast<int>(a), month, n, era};
}

LunisolarDate SolilunarFromFixed(FixedDay day) {
  std::int64_t a = DayCount(day, kSolilunarEpoch);
  int y = kSolilunarEpochYear;
  int era = kSolilunarEpochEra;
  if (const std::optional<std::int64_t> count = SolilunarYears().YearHolding(a - 1)) {
    // Years 1..60 within their era.
    era = static_cast<int>(FloorDiv<std::int64_t>(*count - 1, kSolilunarEraYears));
    y = static_cast<int>(*count - static_cast<std::int64_t>(era) * kSolilunarEraYears);
    a -= *SolilunarYears().StartOf(*count);
  }
  for (int step = 0; step < kMaxYearSteps && a <= 0; ++step) {
    --y;
    if (y <= 0) {
      y += kSolilunarEraYears;
      --era;
    }
    a += SolilunarYear(era, y);
  }
  for (int step = 0; step < kMaxYearSteps; ++step) {
    const int length = SolilunarYear(era, y);
    if (a <= length) {
      break;
    }
    a -= length;
    ++y;
    if (y > kSolilunarEraYears) {
      y -= kSolilunarEraYears;
      ++era;
    }
  }
  // 29 and 30 days alternate from the first month; a long year's thirteenth
  // month takes what is left, 30 or 31 days. Each month is left only past
  // its own length, so the 30th of an even month stays in it rather than
  // showing the next month's first day twice.
  int month = 1;
  while (month < kLastMonth) {
    const int length = month % 2 == 1 ? 29 : 30;
    if (a <= length) {
      break;
    }
    a -= length;
    ++month;
  }
  return {static_cast<int>(a), month, y, era};
}

FixedDay FixedFromGoddess(const LunisolarDate& date) {
  // The leap rule reads the year on the count that runs on through the eras.
  const std::int64_t n =
      date.year + static_cast<std::int64_t>(date.era - kGoddessEpochEra) * kGoddessEraYears;
  const std::optional<std::int64_t> tabled = GoddessYears().StartOf(n);
  const std::int64_t yearStart =
      tabled ? *tabled : DaysBetweenYearStarts({kGoddessEpochYear, n}, GoddessLength);
  return kGoddessEpoch +
         (yearStart + GoddessDaysBeforeMonth(GoddessYear(static_cast<int>(n)), date.month) + date.day - 1);
}

FixedDay FixedFromSolilunar(const LunisolarDate& date) {
  // The year length reads era and year as one count, era * 60 + year.
  const std::int64_t n = static_cast<std::int64_t>(date.era) * kSolilunarEraYears + date.year;
  const std::optional<std::int64_t> tabled = SolilunarYears().StartOf(n);
  const std::int64_t yearStart =
      tabled ? *tabled : DaysBetweenYearStarts({kSolilunarEpochCount, n}, SolilunarLength);
  return kSolilunarEpoch + (yearStart + SolilunarDaysBeforeMonth(date.month) + date.day - 1);
}

std::string_view GoddessMonthName(int month) { return NameAt(kGoddessMonthNames, month); }

std::string_view SolilunarMonthName(int month) { return NameAt(kSolilunarMonthNames, month); }

}  // namespace tempulo

#include "calendars/modern/goddess_solilunar.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/angles.h"

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
constexpr long double kGoddessEpoch = 2451225.5L;
constexpr int kGoddessEpochYear = 538;
constexpr int kGoddessEpochEra = 5;
constexpr int kGoddessEraYears = 1689;
constexpr long double kSolilunarEpoch = 2451254.5L;
constexpr int kSolilunarEpochYear = 25;
constexpr int kSolilunarEpochEra = 102;
constexpr int kSolilunarEraYears = 60;

constexpr int kLastMonth = 13;

// Far more years than any date of the almanac is away from the epochs (the
// year 100 is about 1950 years back); only guards the walks.
constexpr int kMaxYearSteps = 100000;

template <std::size_t N>
std::string NameAt(const std::array<std::string_view, N>& table, int index) {
  if (index < 1 || index > static_cast<int>(N)) {
    return {};
  }
  return std::string(table[static_cast<std::size_t>(index - 1)]);
}

// Whole days of the count: 1 on the epoch's day.
std::int64_t DayCount(long double jd, long double epoch) {
  return static_cast<std::int64_t>(RoundHalfEven(jd - epoch + 1.0L));
}

std::string LineText(const LunisolarDate& date, const std::string& monthName) {
  return std::to_string(date.day) + "." + monthName + " " + std::to_string(date.year) + " " +
         std::to_string(date.era) + ".Ära";
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

LunisolarDate GoddessDateOf(long double jd) {
  std::int64_t a = DayCount(jd, kGoddessEpoch);
  int n = kGoddessEpochYear;
  int era = kGoddessEpochEra;
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

LunisolarDate SolilunarDateOf(long double jd) {
  std::int64_t a = DayCount(jd, kSolilunarEpoch);
  int y = kSolilunarEpochYear;
  int era = kSolilunarEpochEra;
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

std::string GoddessMonthName(int month) { return NameAt(kGoddessMonthNames, month); }

std::string SolilunarMonthName(int month) { return NameAt(kSolilunarMonthNames, month); }

void GoddessDate(long double jd, Report& report) {
  const LunisolarDate date = GoddessDateOf(jd);
  report.Add("Göttinnen-Kalender", LineText(date, GoddessMonthName(date.month)));
}

void SolilunarDate(long double jd, Report& report) {
  const LunisolarDate date = SolilunarDateOf(jd);
  report.Add("Solilunar-Kalender", LineText(date, SolilunarMonthName(date.month)));
}

}  // namespace tempulo

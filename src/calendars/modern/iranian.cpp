#include "calendars/modern/iranian.h"

#include <array>
#include <cmath>
#include <string_view>

#include "astro/angles.h"

namespace tempulo {
namespace {

// Index 13 names the five or six extra days after the twelve 30-day months.
constexpr std::array<std::string_view, 13> kMonthNames = {
    "Farvardin", "Ordibehescht", "Chordad", "Tir",    "Mordad", "Shahrivar", "Mehr",
    "Aban",      "Asar",         "Dey",     "Bahman", "Esfand", "Zusatztag"};

constexpr long double kEpochDay = 2074694.0L;
constexpr long double kCycleDays = 46751.0L;  // 128 years
constexpr long double kMeanYear = 365.2424L;
constexpr long double kGuard = 0.0002L;
constexpr long double kYearOffset = 110.0L;
constexpr long double kSecondCountOffset = 457.0L;

std::string Whole(long double x) { return std::to_string(static_cast<long long>(RoundHalfEven(x))); }

}  // namespace

std::string IranianDate(long double jd) {
  const long double t = std::trunc(jd) - kEpochDay;
  // Cycles counted downward, so days before the epoch keep a day count c in
  // 0..46750 and get a negative era year.
  long double q = std::floor(t / kCycleDays);
  long double c = t - kCycleDays * q;
  if (c == 0.0L) {
    // The cycle's first day closes the cycle before as day 366 of its last
    // year, a leap year; the guard below cannot hand it back because the
    // truncation of a quotient just below zero gives 0.
    q -= 1.0L;
    c = kCycleDays;
  }
  const long double y = std::trunc((c - kGuard) / kMeanYear);
  const long double era = 128.0L * q + y - kYearOffset;
  const long double d = c - std::trunc(kMeanYear * y);  // 1..365 or 366
  const long double m = std::trunc((d - 0.5L) / 30.0L);
  const long double day = d - 30.0L * m;
  const auto month = static_cast<long long>(RoundHalfEven(m + 1.0L));
  const std::string_view name = month >= 1 && month <= static_cast<long long>(kMonthNames.size())
                                    ? kMonthNames[static_cast<std::size_t>(month - 1)]
                                    : std::string_view{};
  return Whole(day) + "." + std::string(name) + " " + Whole(era) + " / " + Whole(era + kSecondCountOffset);
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/jewish.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kMonthNames = {"Nisan",  "Iyar",   "Sivan",   "Tammuz", "Av",
                                                          "Elul",   "Tishri", "Heshvan", "Kislev", "Tevet",
                                                          "Shevat", "Adar",   "Adar 2"};

// Days between 15 Nisan and the 1 Tishri that follows it.
constexpr int kPassoverToNewYear = 163;

constexpr std::array<int, 6> kYearLengths = {353, 354, 355, 383, 384, 385};

// Month lengths by month (1 Nisan .. 13 Adar 2) and year type. In common
// years Adar 2 has no days; in leap years month 12 is the first Adar.
constexpr std::array<std::array<int, 6>, 13> kMonthLengths = {{
    {30, 30, 30, 30, 30, 30},  // Nisan
    {29, 29, 29, 29, 29, 29},  // Iyar
    {30, 30, 30, 30, 30, 30},  // Sivan
    {29, 29, 29, 29, 29, 29},  // Tammuz
    {30, 30, 30, 30, 30, 30},  // Av
    {29, 29, 29, 29, 29, 29},  // Elul
    {30, 30, 30, 30, 30, 30},  // Tishri
    {29, 29, 30, 29, 29, 30},  // Heshvan
    {29, 30, 30, 29, 30, 30},  // Kislev
    {29, 29, 29, 29, 29, 29},  // Tevet
    {30, 30, 30, 30, 30, 30},  // Shevat
    {29, 29, 29, 30, 30, 30},  // Adar
    {0, 0, 0, 29, 29, 29},     // Adar 2
}};

constexpr int kMonthsInCycle = 13;

int MonthLength(int month, int type) {
  return kMonthLengths[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(type)];
}

std::optional<FixedDay> NewYearOf(int jewishYear) {
  const std::optional<FixedDay> passover = PassoverOf(jewishYear - kWorldYearOffset);
  if (!passover) {
    return std::nullopt;
  }
  return *passover + kPassoverToNewYear;
}

}  // namespace

std::optional<FixedDay> PassoverOf(int civilYear) {
  if (civilYear < kFirstPassoverYear) {
    return std::nullopt;
  }
  const std::int64_t year = civilYear;
  // Up to 1582 the Julian calendar, from 1583 the Gregorian one.
  const std::int64_t s = year >= 1583 ? (3 * (year / 100) - 5) / 4 : 0;
  const auto a = FloorMod<std::int64_t>(12 * year + 12, 19);
  const auto b = FloorMod<std::int64_t>(year, 4);
  const long double q = -1.904412361576L + 1.554241796621L * static_cast<long double>(a) +
                        0.25L * static_cast<long double>(b) -
                        0.003177794022L * static_cast<long double>(year) + static_cast<long double>(s);
  // Q is negative for some years before the reform: its whole part is taken
  // downward so that the fraction stays in [0, 1) for the tests below.
  const long double wholeQ = std::floor(q);
  const auto whole = static_cast<std::int64_t>(wholeQ);
  const auto j = FloorMod<std::int64_t>(whole + 3 * year + 5 * b + 2 - s, 7);
  const long double r = q - wholeQ;

  // The tests on j exclude each other.
  std::int64_t d = whole + 22;
  if (j == 2 || j == 4 || j == 6 || (j == 0 && a > 11 && r >= 0.897723765L)) {
    d = whole + 23;
  } else if (j == 1 && a > 6 && r >= 0.63287037L) {
    d = whole + 24;
  }
  // Day d of March, running on into April.
  return FixedFromCivil({civilYear, 3, 1}) + (d - 1);
}

std::optional<int> JewishYearType(int jewishYear) {
  const std::optional<FixedDay> start = NewYearOf(jewishYear);
  const std::optional<FixedDay> end = NewYearOf(jewishYear + 1);
  if (!start || !end) {
    return std::nullopt;
  }
  const std::int64_t length = *end - *start;
  for (std::size_t type = 0; type < kYearLengths.size(); ++type) {
    if (length == kYearLengths[type]) {
      return static_cast<int>(type);
    }
  }
  return 0;
}

std::optional<JewishDay> JewishFromFixed(FixedDay day) {
  const int civilYear = CivilFromFixed(day).year;
  int year = civilYear + kWorldYearOffset;
  std::optional<FixedDay> newYear = NewYearOf(year);
  if (!newYear || *newYear > day) {
    --year;
    newYear = NewYearOf(year);
  }
  const std::optional<int> type = JewishYearType(year);
  if (!newYear || !type) {
    return std::nullopt;
  }
  std::int64_t dayOfMonth = day - *newYear + 1;
  int month = 7;
  for (int step = 0; step < kMonthsInCycle; ++step) {
    const int length = MonthLength(month, *type);
    if (dayOfMonth <= length) {
      break;
    }
    dayOfMonth -= length;
    month = month % kMonthsInCycle + 1;
  }
  return JewishDay{year, month, static_cast<int>(dayOfMonth)};
}

std::optional<FixedDay> FixedFromJewish(const JewishDay& date) {
  const std::optional<FixedDay> newYear = NewYearOf(date.year);
  const std::optional<int> type = JewishYearType(date.year);
  if (!newYear || !type || date.month < 1 || date.month > kMonthsInCycle) {
    return std::nullopt;
  }
  std::int64_t daysBefore = 0;
  for (int month = 7; month != date.month; month = month % kMonthsInCycle + 1) {
    daysBefore += MonthLength(month, *type);
  }
  return *newYear + daysBefore + date.day - 1;
}

std::string_view JewishMonthName(int month) {
  return month >= 1 && month <= 13 ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

}  // namespace tempulo

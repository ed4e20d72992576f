// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/mars.h"

#include <array>
#include <cmath>
#include <string_view>

#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 24> kMonthNames = {
    "Sagittarius", "Dhanus", "Capricornus", "Makara",   "Aquarius", "Kumbha",  "Pisces",   "Mina",
    "Aries",       "Mesha",  "Taurus",      "Rishabha", "Gemini",   "Mithuna", "Cancer",   "Karka",
    "Leo",         "Simha",  "Virgo",       "Kanya",    "Libra",    "Tula",    "Scorpius", "Vrishika"};

constexpr std::array<std::string_view, 7> kSolNames = {"Solis", "Lunae",   "Martis", "Mercurii",
                                                       "Jovis", "Veneris", "Saturni"};

constexpr double kSolLength = 1.02749171204585;  // days
constexpr int kMonthCount = 24;

// Far more Mars years than any date of the almanac spans (year 3000 is
// about Mars year 740); only guards the walk.
constexpr int kMaxYearSteps = 100000;

}  // namespace

bool IsLongMarsYear(long long year) { return (year % 2 != 0 || year % 10 == 0) && year % 100 != 0; }

int MarsYearLength(long long year) { return IsLongMarsYear(year) ? 669 : 668; }

int DarianMonthLength(const DarianDate& date) {
  if (date.month == kMonthCount) {
    // Unlike the year length, this rule knows no exception for centuries.
    return date.year % 2 != 0 || date.year % 10 == 0 ? 28 : 27;
  }
  return date.month % 6 == 0 ? 27 : 28;
}

MarsYearSplit SplitMarsYears(long double sols) {
  MarsYearSplit split{0, sols};
  // The running count r lies in [1, length + 1) of its year: sol r of the
  // year is Trunc(r). The first sol after the epoch, r in [0, 1), is the last
  // sol of the year before.
  for (int step = 0; step < kMaxYearSteps && split.sols < 1.0L; ++step) {
    split.year -= 1;
    split.sols += MarsYearLength(split.year);
  }
  for (int step = 0; step < kMaxYearSteps && split.sols >= MarsYearLength(split.year) + 1; ++step) {
    split.sols -= MarsYearLength(split.year);
    split.year += 1;
  }
  return split;
}

DarianDate DarianDateOf(long double sols) {
  const MarsYearSplit split = SplitMarsYears(sols);
  DarianDate date;
  date.year = split.year;
  date.dayOfYear = static_cast<long long>(std::trunc(split.sols - 1.0L));
  long double r = split.sols;
  int month = 1;
  while (month < kMonthCount && std::trunc(r) > DarianMonthLength({.year = split.year, .month = month})) {
    r -= DarianMonthLength({.year = split.year, .month = month});
    ++month;
  }
  date.month = month;
  date.day = static_cast<long long>(std::trunc(r));
  const long long w = static_cast<long long>(std::trunc(r - 1.0L)) % 7;
  date.weekSol = static_cast<int>(w < 0 ? w + 7 : w) + 1;
  return date;
}

std::string_view DarianMonthName(int month) {
  if (month < 1 || month > kMonthCount) {
    return {};
  }
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view MarsSolName(int weekSol) {
  if (weekSol < 1 || weekSol > static_cast<int>(kSolNames.size())) {
    return {};
  }
  return kSolNames[static_cast<std::size_t>(weekSol - 1)];
}

long double MarsSolDate(long double julianDate) {
  return (julianDate - JulianDateOf(kMarsEpoch)) / static_cast<long double>(kSolLength);
}

}  // namespace tempulo

#include "calendars/traditional/jewish.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "calendars/traditional/civil_dates.h"

namespace tempulo {
namespace {

// The first civil year Gauss's formula is used for. Its Passover is needed
// for the days of 359 before 1 Tishri, the first year the report shows.
constexpr int kFirstFormulaYear = 358;

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

// The walk through the months passes at most a year and a half of months for
// any day number a 16-bit count can hold; this is far above that.
constexpr int kMaxMonthSteps = 4096;

std::int64_t FloorMod(std::int64_t a, std::int64_t n) {
  const std::int64_t r = a % n;
  return r < 0 ? r + n : r;
}

}  // namespace

double PassoverDate(int year, const Clock& clock) {
  if (year < kFirstFormulaYear) {
    const CivilDate today = clock.Today();
    return EncodeDate(today.year, today.month, today.day);
  }
  // Up to 1582 the Julian calendar, from 1583 the Gregorian one.
  const std::int64_t s = year >= 1583 ? (3 * (year / 100) - 5) / 4 : 0;
  const std::int64_t a = FloorMod(12LL * year + 12, 19);
  const std::int64_t b = FloorMod(year, 4);
  const long double q = -1.904412361576L + 1.554241796621L * a + 0.25L * b - 0.003177794022L * year + s;
  // Q is negative for some years before the reform: its whole part is taken
  // downward so that the fraction stays in [0, 1) for the tests below.
  const long double wholeQ = std::floor(q);
  const auto whole = static_cast<std::int64_t>(wholeQ);
  const std::int64_t j = FloorMod(whole + 3LL * year + 5 * b + 2 - s, 7);
  const long double r = q - wholeQ;

  // The tests on j exclude each other.
  std::int64_t d = whole + 22;
  if (j == 2 || j == 4 || j == 6 || (j == 0 && a > 11 && r >= 0.897723765L)) {
    d = whole + 23;
  } else if (j == 1 && a > 6 && r >= 0.63287037L) {
    d = whole + 24;
  }
  if (d > 31) {
    return CivilDateToDateTime(year, 4, static_cast<int>(d - 31));
  }
  return CivilDateToDateTime(year, 3, static_cast<int>(d));
}

int JewishYearType(int jewishYear, const Clock& clock) {
  const long double length = RoundHalfEven(static_cast<long double>(PassoverDate(jewishYear - 3760, clock)) -
                                           PassoverDate(jewishYear - 3761, clock));
  for (std::size_t type = 0; type < kYearLengths.size(); ++type) {
    if (length == kYearLengths[type]) {
      return static_cast<int>(type);
    }
  }
  return 0;
}

JewishDay JewishDate(double dateValue, const Clock& clock) {
  const int civilYear = DateTimeToCivilDate(dateValue).year;
  JewishDay result;
  double newYear = PassoverDate(civilYear, clock) + kPassoverToNewYear;
  if (newYear > dateValue) {
    newYear = PassoverDate(civilYear - 1, clock) + kPassoverToNewYear;
    result.year = civilYear + 3760;
  } else {
    result.year = civilYear + 3761;
  }
  const auto type = static_cast<std::size_t>(JewishYearType(result.year, clock));

  // The day of the year as an unsigned 16-bit count, as the month walk
  // expects; only the clock fallback of early years can make it wrap.
  auto day = static_cast<std::uint16_t>(
      static_cast<std::int64_t>(RoundHalfEven(static_cast<long double>(dateValue) - newYear + 1)));
  int month = 7;
  for (int step = 0; step < kMaxMonthSteps; ++step) {
    const int length = kMonthLengths[static_cast<std::size_t>(month - 1)][type];
    if (length >= day) {
      break;
    }
    day = static_cast<std::uint16_t>(day - length);
    month = month % 13 + 1;
  }
  result.month = month;
  result.day = day;
  return result;
}

}  // namespace tempulo

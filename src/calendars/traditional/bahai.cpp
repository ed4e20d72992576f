// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/bahai.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 20> kMonths = {
    "Bahâ",    "Jalâl",  "Jamâl",  "'Azamat",   "Nûr",        "Rahmat", "Kalimât",
    "Kamâl",   "Asmâ",   "'Izzat", "Mashîyyat", "'Ilm",       "Qudrat", "Qawl",
    "Masâi'l", "Sharaf", "Sultân", "Mulk",      "Ayyâm-i-Hâ", "'Alâ"};

constexpr std::array<std::string_view, 19> kYearNames = {
    "Alif",   "Bâ",    "Ab",   "Dâl",    "Bâb",   "Vâv",  "Abad", "Jâd",  "Bahâ", "Hubb",
    "Bahhâj", "Javâb", "Ahad", "Vahhâb", "Vidâd", "Badî", "Bahî", "Abhâ", "Vâhid"};

constexpr int kDaysPerMonth = 19;
constexpr int kYearsBeforeEpoch = 1843;  // year 1 begins in Gregorian 1844
constexpr std::int64_t kDaysBeforeIntercalary = std::int64_t{18} * kDaysPerMonth;

FixedDay NewYear(int year) { return FixedFromGregorian({year + kYearsBeforeEpoch, 3, 21}); }

// The intercalary days of the year fall into the February of the Gregorian
// year after the one it begins in.
int IntercalaryDays(int year) { return IsGregorianLeapYear(year + kYearsBeforeEpoch + 1) ? 5 : 4; }

}  // namespace

BahaiDate BahaiFromFixed(FixedDay day) {
  int year = GregorianFromFixed(day).year - kYearsBeforeEpoch;
  if (day < NewYear(year)) {
    --year;
  }
  const std::int64_t n = day - NewYear(year);
  if (n < kDaysBeforeIntercalary) {
    return {year, static_cast<int>(n / kDaysPerMonth + 1), static_cast<int>(n % kDaysPerMonth + 1)};
  }
  const std::int64_t intercalary = n - kDaysBeforeIntercalary;
  if (intercalary < IntercalaryDays(year)) {
    return {year, 19, static_cast<int>(intercalary + 1)};
  }
  return {year, 20, static_cast<int>(intercalary - IntercalaryDays(year) + 1)};
}

FixedDay FixedFromBahai(const BahaiDate& date) {
  const std::int64_t daysBefore = date.month == 20
                                      ? kDaysBeforeIntercalary + IntercalaryDays(date.year)
                                      : static_cast<std::int64_t>(date.month - 1) * kDaysPerMonth;
  return NewYear(date.year) + daysBefore + date.day - 1;
}

int BahaiVahid(int year) { return (year / 19) % 19 + 1; }

int BahaiKullIShay(int year) { return year / 361 + 1; }

std::string_view BahaiMonthName(int month) {
  return month >= 1 && month <= 20 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string_view BahaiYearName(int vahid) {
  return vahid >= 1 && vahid <= 19 ? kYearNames[static_cast<std::size_t>(vahid - 1)] : std::string_view{};
}

}  // namespace tempulo

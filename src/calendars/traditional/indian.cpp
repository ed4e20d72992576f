// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/indian.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kIndianMonths = {"Caitra",     "Vaisakha", "Jyaistha", "Asadha",
                                                            "Sravana",    "Bhadra",   "Asvina",   "Kartika",
                                                            "Agrahayana", "Pausa",    "Magha",    "Phalguna"};

constexpr std::array<std::string_view, 12> kNanakshahiMonths = {"Chet",   "Vaisakhi", "Jeth",  "Haarh",
                                                                "Saavan", "Bhaadon",  "Assu",  "Kattak",
                                                                "Maggar", "Poh",      "Maagh", "Phagun"};

constexpr int kSakaOffset = 78;
constexpr int kNanakshahiOffset = 1468;

// A year of months 31 days long up to month `longMonths`, then 30 days long;
// the first month has `firstMonth` days.
struct YearShape {
  std::int64_t firstMonth;
  int longMonths;
};

struct MonthDay {
  int month;
  int day;
};

MonthDay SplitYear(std::int64_t dayOfYear, const YearShape& shape) {
  const std::int64_t firstMonth = shape.firstMonth;
  const int longMonths = shape.longMonths;
  if (dayOfYear < firstMonth) {
    return {1, static_cast<int>(dayOfYear + 1)};
  }
  const std::int64_t afterFirst = dayOfYear - firstMonth;
  const std::int64_t longDays = 31LL * (longMonths - 1);
  if (afterFirst < longDays) {
    return {static_cast<int>(afterFirst / 31 + 2), static_cast<int>(afterFirst % 31 + 1)};
  }
  // The last month takes any day beyond its 30 (Phagun's 31st).
  const std::int64_t rest = afterFirst - longDays;
  const std::int64_t month = std::min<std::int64_t>(rest / 30, 11 - longMonths) + longMonths + 1;
  return {static_cast<int>(month), static_cast<int>(rest - 30 * (month - longMonths - 1) + 1)};
}

std::int64_t DaysBeforeMonth(int month, const YearShape& shape) {
  const std::int64_t firstMonth = shape.firstMonth;
  const int longMonths = shape.longMonths;
  if (month <= 1) {
    return 0;
  }
  if (month <= longMonths + 1) {
    return firstMonth + 31LL * (month - 2);
  }
  return firstMonth + 31LL * (longMonths - 1) + 30LL * (month - longMonths - 1);
}

FixedDay IndianNewYear(int sakaYear) {
  const int gregorianYear = sakaYear + kSakaOffset;
  return FixedFromGregorian({gregorianYear, 3, IsGregorianLeapYear(gregorianYear) ? 21 : 22});
}

int CaitraLength(int sakaYear) { return IsGregorianLeapYear(sakaYear + kSakaOffset) ? 31 : 30; }

FixedDay NanakshahiNewYear(int year) { return FixedFromGregorian({year + kNanakshahiOffset, 3, 14}); }

}  // namespace

IndianDate IndianFromFixed(FixedDay day) {
  int year = GregorianFromFixed(day).year - kSakaOffset;
  if (day < IndianNewYear(year)) {
    --year;
  }
  const MonthDay md = SplitYear(day - IndianNewYear(year), {CaitraLength(year), 6});
  return {year, md.month, md.day};
}

FixedDay FixedFromIndian(const IndianDate& date) {
  return IndianNewYear(date.year) + DaysBeforeMonth(date.month, {CaitraLength(date.year), 6}) + date.day - 1;
}

NanakshahiDate NanakshahiFromFixed(FixedDay day) {
  int year = GregorianFromFixed(day).year - kNanakshahiOffset;
  if (day < NanakshahiNewYear(year)) {
    --year;
  }
  const MonthDay md = SplitYear(day - NanakshahiNewYear(year), {31, 5});
  return {year, md.month, md.day};
}

FixedDay FixedFromNanakshahi(const NanakshahiDate& date) {
  return NanakshahiNewYear(date.year) + DaysBeforeMonth(date.month, {31, 5}) + date.day - 1;
}

std::string_view IndianMonthName(int month) {
  return month >= 1 && month <= 12 ? kIndianMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string_view NanakshahiMonthName(int month) {
  return month >= 1 && month <= 12 ? kNanakshahiMonths[static_cast<std::size_t>(month - 1)]
                                   : std::string_view{};
}

}  // namespace tempulo

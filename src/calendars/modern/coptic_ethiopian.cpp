// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/coptic_ethiopian.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kCopticMonthNames = {
    "Thuout", "Paopi",  "Athor", "Khoiak", "Tobi",   "Mekhir", "Fameno",
    "Farmou", "Pakhon", "Paony", "Epep",   "Mesori", "Nasie"};

constexpr std::array<std::string_view, 13> kEthiopianMonthNames = {
    "Meskerem", "Tikemet", "Hidar", "Tahesas", "Tir",    "Yekatit", "Megabit",
    "Miyaza",   "Ginbot",  "Sene",  "Hamle",   "Nehase", "Pagume"};

constexpr int kMonthDays = 30;

// A date of a calendar with the Coptic arithmetic, counted from `epoch`.
struct EraDate {
  std::int64_t year = 0;
  int month = 0;
  int day = 0;
};

// Days from the epoch to the first day of a year: 365 a year and one more
// for every year y - 1 that ended with a sixth epagomenal day (y - 1 = 3
// mod 4).
std::int64_t YearStart(std::int64_t year) { return 365 * (year - 1) + FloorDiv<std::int64_t>(year, 4); }

EraDate EraDateFromFixed(FixedDay epoch, FixedDay day) {
  const std::int64_t days = day - epoch;
  // The year whose first day is the last one on or before the day.
  const auto year = FloorDiv<std::int64_t>(4 * days + 1463, 1461);
  const std::int64_t dayOfYear = days - YearStart(year);  // 0..365
  return {year, static_cast<int>(dayOfYear / kMonthDays) + 1, static_cast<int>(dayOfYear % kMonthDays) + 1};
}

FixedDay FixedFromEraDate(FixedDay epoch, const EraDate& date) {
  return epoch +
         (YearStart(date.year) + kMonthDays * static_cast<std::int64_t>(date.month - 1) + date.day - 1);
}

std::string_view NameAt(const std::array<std::string_view, 13>& table, int month) {
  if (month < 1 || month > static_cast<int>(table.size())) {
    return {};
  }
  return table[static_cast<std::size_t>(month - 1)];
}

}  // namespace

CopticDate CopticFromFixed(FixedDay day) {
  const EraDate d = EraDateFromFixed(kCopticEpoch, day);
  return {d.year, d.month, d.day};
}

FixedDay FixedFromCoptic(const CopticDate& date) {
  return FixedFromEraDate(kCopticEpoch, {date.year, date.month, date.day});
}

EthiopianDate EthiopianFromFixed(FixedDay day) {
  const EraDate d = EraDateFromFixed(kEthiopianEpoch, day);
  return {d.year, d.month, d.day};
}

FixedDay FixedFromEthiopian(const EthiopianDate& date) {
  return FixedFromEraDate(kEthiopianEpoch, {date.year, date.month, date.day});
}

std::string_view CopticMonthName(int month) { return NameAt(kCopticMonthNames, month); }

std::string_view EthiopianMonthName(int month) { return NameAt(kEthiopianMonthNames, month); }

}  // namespace tempulo

#include "calendars/modern/coptic_ethiopian.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kCopticMonthNames = {
    "Thuout", "Paopi",  "Athor", "Khoiak", "Tobi",   "Mekhir", "Fameno",
    "Farmou", "Pakhon", "Paony", "Epep",   "Mesori", "Nasie"};

constexpr std::array<std::string_view, 13> kEthiopianMonthNames = {
    "Meskerem", "Tikemet", "Hidar", "Tahesas", "Tir",    "Yekatit", "Megabit",
    "Miyaza",   "Ginbot",  "Sene",  "Hamle",   "Nehase", "Pagume"};

// 1 Thout of year 1 at 0 h: 29 August 284 of the Julian calendar.
constexpr long double kCopticEpoch = 1825029.5L;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from the epoch to 1 Thout of a year: 365 a year and one more for
// every year y - 1 that ended with a sixth epagomenal day (y - 1 = 3 mod 4).
std::int64_t YearStart(std::int64_t year) { return 365 * (year - 1) + FloorDiv(year, 4); }

template <std::size_t N>
std::string NameAt(const std::array<std::string_view, N>& table, int index) {
  if (index < 1 || index > static_cast<int>(N)) {
    return {};
  }
  return std::string(table[static_cast<std::size_t>(index - 1)]);
}

}  // namespace

CopticDay CopticDate(long double jd) {
  const auto days = static_cast<std::int64_t>(std::floor(jd - kCopticEpoch));
  // The year whose 1 Thout is the last one on or before the day.
  const std::int64_t year = FloorDiv(4 * days + 1463, 1461);
  const std::int64_t dayOfYear = days - YearStart(year);  // 0..365
  CopticDay result;
  result.year = year;
  result.month = static_cast<int>(dayOfYear / 30) + 1;
  result.day = static_cast<int>(dayOfYear % 30) + 1;
  return result;
}

std::string CopticMonthName(int month) { return NameAt(kCopticMonthNames, month); }

std::string EthiopianMonthName(int month) { return NameAt(kEthiopianMonthNames, month); }

void CopticEthiopianDates(long double jd, Report& report) {
  const CopticDay coptic = CopticDate(jd);
  const std::string day = std::to_string(coptic.day) + ".";
  report.Add("Koptischer Kalender", day + CopticMonthName(coptic.month) + " " + std::to_string(coptic.year));
  report.Add("Äthiopischer Kalender", day + EthiopianMonthName(coptic.month) + " " +
                                          std::to_string(coptic.year + kEthiopianYearOffset));
}

}  // namespace tempulo

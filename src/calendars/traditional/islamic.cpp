#include "calendars/traditional/islamic.h"

#include <array>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kIslamicMonthNames = {
    "Muharram", "Safar",   "Rabi al-Awwal", "Rabi al-Akhir", "Djumada l-Ula", "Djumada l-Akhira",
    "Radjab",   "Sha'ban", "Ramadan",       "Shawwal",       "Dhu'l-Qa'dah",  "Dhu'l-Hijja"};

// Integer division rounded toward minus infinity (b > 0).
int FloorDiv(int a, int b) {
  const int q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

int JulianDayNumber(int day, int month, int year) {
  const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day > 14)));
  if (gregorian) {
    const int a = (month - 14) / 12;
    return (1461 * (year + 4800 + a)) / 4 + (367 * (month - 2 - 12 * a)) / 12 -
           (3 * ((year + 4900 + a) / 100)) / 4 + day - 32075;
  }
  return 367 * year - (7 * (year + 5001 + (month - 9) / 7)) / 4 + (275 * month) / 9 + day + 1729777;
}

IslamicDateResult IslamicDate(int day, int month, int year) {
  int l = JulianDayNumber(day, month, year) - 1948440 + 10632;
  // Completed 30-year cycles, counted downward so that days before the first
  // full cycle (before AD 593) run on into year 0 and the negative years
  // instead of breaking the formula below, which needs l in 355..10985.
  const int n = FloorDiv(l - 1, 10631);
  l = l - 10631 * n + 354;
  const int j = ((10985 - l) / 5316) * ((50 * l) / 17719) + (l / 5670) * ((43 * l) / 15238);
  l = l - ((30 - j) / 15) * ((17719 * j) / 50) - (j / 16) * ((15238 * j) / 43) + 29;

  IslamicDateResult result;
  result.month = (24 * l) / 709;
  result.day = l - (709 * result.month) / 24;
  result.year = 30 * n + j - 30;
  const std::string_view name = (result.month >= 1 && result.month <= 12)
                                    ? kIslamicMonthNames[static_cast<std::size_t>(result.month - 1)]
                                    : std::string_view{};
  result.text = std::to_string(result.day) + "." + std::string(name) + " " + std::to_string(result.year);
  return result;
}

}  // namespace tempulo

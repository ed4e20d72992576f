#include "calendars/traditional/japanese.h"

#include <array>
#include <string_view>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Mutsuki",   "Kisaragi",   "Yayoi",      "Uzuki",
                                                      "Satsuki",   "Minatsuki",  "Fumizuki",   "Hazuki",
                                                      "Nagatsuki", "Kaminazuki", "Shimotsuki", "Shiwasu"};

struct Era {
  int firstYear;
  std::string_view name;
};

// Latest first; each era runs until the next one begins.
constexpr std::array<Era, 5> kEras = {
    {{2019, "Reiwa "}, {1989, "Heisei "}, {1926, "Showa "}, {1912, "Taisho "}, {1868, "Meiji "}}};

}  // namespace

std::string JapaneseEraDate(int year, int month, int day) {
  if (month < 1 || month > 12) {
    return {};
  }
  for (const Era& era : kEras) {
    if (year >= era.firstYear) {
      const long long eraYear = static_cast<long long>(year) - era.firstYear + 1;
      return std::to_string(day) + "." + std::string(kMonths[static_cast<std::size_t>(month - 1)]) + " " +
             std::string(era.name) + std::to_string(eraYear);
    }
  }
  return {};
}

}  // namespace tempulo

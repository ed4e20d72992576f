// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/japanese.h"

#include <array>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Mutsuki",   "Kisaragi",   "Yayoi",      "Uzuki",
                                                      "Satsuki",   "Minatsuki",  "Fumizuki",   "Hazuki",
                                                      "Nagatsuki", "Kaminazuki", "Shimotsuki", "Shiwasu"};

struct Era {
  JapaneseEra era;
  int firstYear;
  std::string_view name;
};

// Latest first; each era runs until the next one begins.
constexpr std::array<Era, 5> kEras = {{{JapaneseEra::kReiwa, 2019, "Reiwa"},
                                       {JapaneseEra::kHeisei, 1989, "Heisei"},
                                       {JapaneseEra::kShowa, 1926, "Showa"},
                                       {JapaneseEra::kTaisho, 1912, "Taisho"},
                                       {JapaneseEra::kMeiji, 1868, "Meiji"}}};

const Era& EraOf(JapaneseEra era) {
  for (const Era& e : kEras) {
    if (e.era == era) {
      return e;
    }
  }
  return kEras.back();
}

}  // namespace

std::optional<JapaneseDate> JapaneseFromFixed(FixedDay day) {
  const CivilDate g = GregorianFromFixed(day);
  for (const Era& era : kEras) {
    if (g.year >= era.firstYear) {
      return JapaneseDate{era.era, g.year - era.firstYear + 1, g.month, g.day};
    }
  }
  return std::nullopt;
}

FixedDay FixedFromJapanese(const JapaneseDate& date) {
  return FixedFromGregorian({EraOf(date.era).firstYear + date.year - 1, date.month, date.day});
}

std::string_view JapaneseMonthName(int month) {
  return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string_view JapaneseEraName(JapaneseEra era) { return EraOf(era).name; }

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/sexagenary.h"

#include <array>

#include "time/day_count.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kAnimals = {"Ratte",  "Büffel",   "Tiger", "Hase",
                                                       "Drache", "Schlange", "Pferd", "Ziege",
                                                       "Affe",   "Huhn",     "Hund",  "Schwein"};

constexpr std::array<std::string_view, 12> kBranches = {"zi", "chou", "yin",  "mao", "chen", "si",
                                                        "wu", "wei",  "shen", "you", "xu",   "hai"};

constexpr std::array<std::string_view, 10> kHeavenlyStems = {"jia", "yi",   "bing", "ding", "wu",
                                                             "ji",  "geng", "xin",  "ren",  "gui"};

template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& table, int index) {
  return index >= 1 && index <= static_cast<int>(N) ? table[static_cast<std::size_t>(index - 1)]
                                                    : std::string_view{};
}

}  // namespace

SexagenaryYear SexagenaryYearOf(int yearInCycle) {
  return {AdjustedMod(yearInCycle, 10), AdjustedMod(yearInCycle, 12)};
}

std::string_view HeavenlyStemName(int stem) { return NameOf(kHeavenlyStems, stem); }
std::string_view EarthlyBranchName(int branch) { return NameOf(kBranches, branch); }
std::string_view BranchAnimalName(int branch) { return NameOf(kAnimals, branch); }

}  // namespace tempulo

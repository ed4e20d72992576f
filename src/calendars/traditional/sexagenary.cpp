#include "calendars/traditional/sexagenary.h"

#include <array>
#include <string_view>

namespace tempulo {
namespace {

// Each animal with its earthly branch in parentheses.
constexpr std::array<std::string_view, 12> kAnimals = {
    "Ratte (zi)", "Büffel (chou)", "Tiger (yin)", "Hase (mao)", "Drache (chen)", "Schlange (si)",
    "Pferd (wu)", "Ziege (wei)",   "Affe (shen)", "Huhn (you)", "Hund (xu)",     "Schwein (hai)"};

constexpr std::array<std::string_view, 10> kHeavenlyStems = {"jia", "yi",   "bing", "ding", "wu",
                                                             "ji",  "geng", "xin",  "ren",  "gui"};

// (y - 1) mod n, always inside 0..n-1.
std::size_t CycleIndex(int y, std::size_t n) {
  const int size = static_cast<int>(n);
  const int r = (y - 1) % size;
  return static_cast<std::size_t>(r < 0 ? r + size : r);
}

}  // namespace

std::string SexagenaryText(ChineseDateRecord date) {
  const std::string_view animal = kAnimals[CycleIndex(date.yearInCycle, kAnimals.size())];
  const std::string_view stem = kHeavenlyStems[CycleIndex(date.yearInCycle, kHeavenlyStems.size())];
  // The stem goes inside the parentheses, before the branch: "Ratte (jia-zi)".
  const std::size_t open = animal.find('(') + 1;
  std::string text(animal.substr(0, open));
  text += stem;
  text += '-';
  text += animal.substr(open);
  return text;
}

}  // namespace tempulo

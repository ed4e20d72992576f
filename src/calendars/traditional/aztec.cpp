// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/traditional/aztec.h"

#include <array>
#include <cstdint>

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 19> kPeriods = {
    "Izcalli",      "Cuauhuitlehua",   "Tlacaxipehualiztli", "Tozoztontli",     "Hueitozoztli", "Toxcatl",
    "Etzcualiztli", "Tecuilhuitontli", "Hueitecuilhuitl",    "Tlaxochimaco",    "Xocolhuetzi",  "Ochpaniztli",
    "Teotleco",     "Tepeilhuitl",     "Quecholli",          "Panquetzaliztli", "Atemoztli",    "Tititl",
    "Nenmontemi"};

}  // namespace

AztecXihuitl AztecXihuitlFromFixed(FixedDay day) {
  const auto ordinal = FloorMod<std::int64_t>(day - kAztecXihuitlAnchor, 365);
  return {static_cast<int>(ordinal / 20 + 1), static_cast<int>(ordinal % 20 + 1)};
}

std::string_view AztecPeriodName(int period) {
  return period >= 1 && period <= 19 ? kPeriods[static_cast<std::size_t>(period - 1)] : std::string_view{};
}

}  // namespace tempulo

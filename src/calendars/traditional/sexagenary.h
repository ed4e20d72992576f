// SPDX-License-Identifier: GPL-3.0-or-later
// The years of the Chinese sixty-year cycle: a heavenly stem and an earthly
// branch with its animal.
#pragma once

#include <string_view>

namespace tempulo {

struct SexagenaryYear {
  int stem = 0;    // 1 jia .. 10 gui
  int branch = 0;  // 1 zi (rat) .. 12 hai (pig)
  friend constexpr bool operator==(const SexagenaryYear&, const SexagenaryYear&) = default;
};

// Of the year's place in the cycle (1..60; any integer runs on cyclically).
SexagenaryYear SexagenaryYearOf(int yearInCycle);

// Empty outside 1..10 and 1..12.
std::string_view HeavenlyStemName(int stem);
std::string_view EarthlyBranchName(int branch);
// The German name of the branch's animal.
std::string_view BranchAnimalName(int branch);

}  // namespace tempulo

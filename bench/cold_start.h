// SPDX-License-Identifier: GPL-3.0-or-later
// What the core remembers between calls (the Chinese calendar's searches,
// the refined moon phases, the solar terms), forgotten at once, so that a
// benchmark measures a first call.
#pragma once

#include "astro/moon_phases.h"
#include "astro/sun.h"
#include "calendars/traditional/chinese.h"

namespace tempulo {

inline void ForgetRememberedSearches() {
  ForgetChineseSearches();
  ForgetMoonPhaseRefinements();
  ForgetSolarTermSearches();
}

}  // namespace tempulo

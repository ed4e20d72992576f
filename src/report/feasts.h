// SPDX-License-Identifier: GPL-3.0-or-later
// The feasts of a civil year: every festival line the report can show for
// one of its days, with the day it stands on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "time/civil.h"

namespace tempulo {

struct Feast {
  // The civil date the report is asked for: a Julian-calendar date up to
  // 14 October 1582 (5-14 October 1582 continue the Julian calendar).
  CivilDate date;
  FixedDay day;
  std::string name;
  // "church" for a movable church feast of the holiday list, else the
  // calendar of the festival: "islamic", "jewish", "chinese", "ethiopian".
  std::string_view kind;
  friend bool operator==(const Feast&, const Feast&) = default;
};

// The feasts of a civil year 100..3000 in date order; within a day in the
// order of the report's lines: the movable church feasts of the holiday
// list, then the Islamic, Jewish, Chinese and Ethiopian festivals. Each is
// the line the report of that day shows (without its label). Empty for a
// year outside 100..3000.
std::vector<Feast> FeastsOfYear(int year);

}  // namespace tempulo

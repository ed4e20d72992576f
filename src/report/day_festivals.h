// SPDX-License-Identifier: GPL-3.0-or-later
// The festivals of other religions on one civil day, as the report names
// them: Islamic, Jewish, Chinese and Ethiopian feasts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tempulo {

// The festival names of a civil day (a Julian-calendar date up to
// 14 October 1582, as in the report), in the report's order. The day must
// exist in its month.
std::vector<std::string> FestivalsOfDay(int year, int month, int day);

struct DayFestival {
  std::string_view kind;  // "islamic", "jewish", "chinese" or "ethiopian"
  std::string name;
};
// The same festivals, each with the calendar it belongs to.
std::vector<DayFestival> FestivalsOfDayWithKind(int year, int month, int day);

}  // namespace tempulo

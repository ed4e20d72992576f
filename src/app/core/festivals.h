// Festivals of other religions: fixed dates of their own calendars, tested
// against the selected day at their places in the report.
#pragma once

#include <string_view>

#include "app/core/report.h"

namespace tempulo {

// The festival names, index 0 first.
std::string_view FestivalName(int index);

// Append "\t" + name for every row whose date matches, in row order.
void AddIslamicFestivals(int islamicDay, int islamicMonth, Report& report);
void AddJewishFestivals(int jewishMonth, int jewishDay, Report& report);
void AddChineseFestivals(int chineseDay, int chineseMonth, Report& report);
void AddEthiopianFestivals(int day, int month, Report& report);

}  // namespace tempulo

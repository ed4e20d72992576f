// The Positivist and the Cotsworth calendars: thirteen months of 28 days.
// Both are defined on the Gregorian calendar.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "report/report.h"

namespace tempulo {

// The person named for each day of the Positivist year: entry i names day
// i + 1; entries 0..363 cover the thirteen months, entry 364 (the festival
// of the dead) is empty.
extern const std::array<std::string_view, 365> kPositivistDayNames;

// The Positivist date text (what follows the label).
std::string PositivistDateText(int year, int month, int day);
// Appends "Positivisten-Kalender\t...".
void PositivistDate(int year, int month, int day, Report& report);
std::string CotsworthDate(int day, int month, int year);

}  // namespace tempulo

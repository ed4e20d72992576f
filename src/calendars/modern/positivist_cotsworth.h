// The Positivist and the Cotsworth calendars: thirteen months of 28 days.
#pragma once

#include <string>

#include "app/core/report.h"

namespace tempulo {

// Appends "Positivisten-Kalender\t...".
void PositivistDate(int year, int month, int day, Report& report);
std::string CotsworthDate(int day, int month, int year);

}  // namespace tempulo

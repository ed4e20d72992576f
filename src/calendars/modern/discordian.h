// The Discordian calendar.
#pragma once

#include "app/core/report.h"

namespace tempulo {

// Appends "Diskordianischer Kalender\t...".
void DiscordianDate(int day, int month, int year, Report& report);

}  // namespace tempulo

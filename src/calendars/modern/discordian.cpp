// Placeholder until this calendar is built.
#include "calendars/modern/discordian.h"

namespace tempulo {

void DiscordianDate(int, int, int, Report&) {}

}  // namespace tempulo

// Placeholder until the holiday table is built.
#include "holidays/holidays.h"

namespace tempulo {

CivilDate OrthodoxEasterSunday(int) { return {}; }

void HolidayTable::Load(const std::vector<std::string_view>&) {}

HolidayTable HolidayTable::Standard() { return {}; }

void HolidayTable::BuildHolidayList(int, int, int, std::vector<std::string>&, Report&) {}

}  // namespace tempulo

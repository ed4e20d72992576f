#include "calendars/modern/soviet.h"

#include <array>
#include <string>
#include <string_view>

#include "calendars/traditional/calendar_helpers.h"

namespace tempulo {
namespace {

// A run of days of the year under one name. A holiday outside the months is
// a run of one day with no day number (firstNumber 0).
struct SovietRange {
  int firstDay;
  int lastDay;
  std::string_view name;
  int firstNumber;
};

// Both years open with January, the Lenin day and February.
constexpr std::array<SovietRange, 3> kYearStart = {{
    {1, 30, "Januar", 1},
    {31, 31, "Lenintag", 0},
    {32, 61, "Februar", 1},
}};

constexpr std::array<SovietRange, 16> kLeapYearRest = {{
    {62, 62, "Schalttag", 0},
    {63, 92, "März", 1},
    {93, 122, "April", 1},
    {123, 123, "1.Tag der Arbeit", 0},
    {124, 124, "2.Tag der Arbeit", 0},
    {125, 154, "Mai", 1},
    {155, 184, "Juni", 1},
    {185, 214, "Juli", 1},
    {215, 244, "August", 1},
    {245, 274, "September", 1},
    {275, 304, "Oktober", 1},
    {305, 311, "November", 1},
    {312, 312, "1.Tag der Industrie", 0},
    {313, 313, "2.Tag der Industrie", 0},
    {314, 336, "November", 8},
    {337, 366, "Dezember", 1},
}};

constexpr std::array<SovietRange, 15> kCommonYearRest = {{
    {62, 91, "März", 1},
    {92, 121, "April", 1},
    {122, 122, "1.Tag der Arbeit", 0},
    {123, 123, "2.Tag der Arbeit", 0},
    {124, 153, "Mai", 1},
    {154, 183, "Juni", 1},
    {184, 213, "Juli", 1},
    {214, 243, "August", 1},
    {244, 273, "September", 1},
    {274, 303, "Oktober", 1},
    {304, 310, "November", 1},
    {311, 311, "1.Tag der Industrie", 0},
    {312, 312, "2.Tag der Industrie", 0},
    {313, 335, "November", 8},
    {336, 365, "Dezember", 1},
}};

template <std::size_t N>
const SovietRange* FindRange(const std::array<SovietRange, N>& ranges, int dayOfYear) {
  for (const SovietRange& range : ranges) {
    if (dayOfYear >= range.firstDay && dayOfYear <= range.lastDay) {
      return &range;
    }
  }
  return nullptr;
}

}  // namespace

std::string SovietDateText(int year, int dayOfYear) {
  const SovietRange* range = FindRange(kYearStart, dayOfYear);
  if (range == nullptr) {
    range = IsGregorianLeapYear(year) ? FindRange(kLeapYearRest, dayOfYear)
                                      : FindRange(kCommonYearRest, dayOfYear);
  }
  if (range == nullptr) {
    return {};
  }
  const std::string yearText = " " + std::to_string(year);
  if (range->firstNumber == 0) {
    return std::string(range->name) + yearText;
  }
  const int number = dayOfYear - range->firstDay + range->firstNumber;
  return std::to_string(number) + "." + std::string(range->name) + yearText;
}

void SovietDate(int year, int dayOfYear, Report& report) {
  const std::string text = SovietDateText(year, dayOfYear);
  if (!text.empty()) {
    report.Add("Sowjetischer Revolutionskalender", text);
  }
}

}  // namespace tempulo

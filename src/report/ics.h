// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays as an iCalendar file that calendar programs import: all-day
// events, CRLF line ends, lines folded at 75 octets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/holiday_lines.h"

namespace tempulo {

// One content line with its CRLF, folded so that no line exceeds 75 octets
// (a fold never splits a UTF-8 sequence; continuation lines start with a space).
std::string FoldIcsLine(std::string_view line);

// A TEXT value with backslash, semicolon, comma and line ends escaped.
std::string IcsText(std::string_view text);

// The event's UID: its Gregorian date and a hash of its name, the same in
// every run, so that a second import updates rather than duplicates.
std::string IcsUid(CivilDate gregorian, std::string_view name);

// The calendar of the holidays. Dates are written in the Gregorian calendar
// the format prescribes (a Julian-calendar date before the reform becomes its
// Gregorian day; the description keeps the Julian date). `stampUtc` is the
// DTSTAMP value, "YYYYMMDDTHHMMSSZ". A name on the same day twice (the
// reform month names some days twice) is one event.
std::string IcsCalendar(const std::vector<HolidayOnDate>& holidays, std::string_view stampUtc);

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/date_argument.h"

#include <charconv>
#include <system_error>

#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {

std::optional<int> ParseDecimal(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<CivilDate> ParseDateArgument(std::string_view text, std::string& why) {
  const std::size_t first = text.find('-');
  const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) {
    why = "Das Datum \"" + std::string(text) + "\" hat nicht die Form JJJJ-MM-TT.";
    return std::nullopt;
  }
  const auto year = ParseDecimal(text.substr(0, first), 4);
  const auto month = ParseDecimal(text.substr(first + 1, second - first - 1), 2);
  const auto day = ParseDecimal(text.substr(second + 1), 2);
  if (!year || !month || !day) {
    why = "Das Datum \"" + std::string(text) + "\" hat nicht die Form JJJJ-MM-TT.";
    return std::nullopt;
  }
  if (*year < kMinimumYear || *year > kMaximumYear) {
    why = "Das Jahr " + std::to_string(*year) + " liegt außerhalb von 100 bis 3000.";
    return std::nullopt;
  }
  if (*month < 1 || *month > 12) {
    why = "Den Monat " + std::to_string(*month) + " gibt es nicht.";
    return std::nullopt;
  }
  // 29 February of a Julian common year is a date the window offers too; it
  // reaches the report and ends in "Fehler!". From 1583 the grid is Gregorian
  // and never offers a day its month lacks.
  const int longest = *year >= 1583 ? CivilMonthLength(*year, *month) : LongestMonthLength(*month);
  if (*day < 1 || *day > longest) {
    why = "Den " + std::to_string(*day) + ". " + std::string(GermanMonthName(*month)) + " " +
          std::to_string(*year) + " gibt es nicht.";
    return std::nullopt;
  }
  return CivilDate{*year, *month, *day};
}

}  // namespace tempulo

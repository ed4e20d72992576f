// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/calendar_lookup.h"

#include <algorithm>
#include <cctype>

#include "report/date_argument.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

constexpr int kMaxYearDigits = 5;

constexpr std::array<int, 5> kLongCountLimits = {20, 20, 20, 18, 20};
constexpr std::array<std::string_view, 5> kLongCountNames = {"Baktun", "Katun", "Tun", "Uinal", "Kin"};


std::string CivilText(CivilDate date) {
  return std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

bool SameDate(const LookupCalendar& calendar, const CalendarFields& a, const CalendarFields& b) {
  if (calendar.shape == DateShape::kLongCount) {
    return a.longCount == b.longCount;
  }
  return a.era == b.era && a.year == b.year && a.month == b.month && a.leapMonth == b.leapMonth &&
         a.day == b.day;
}

// The day the date names, if the report shows this very date for it.
std::optional<FixedDay> RoundTrip(const LookupCalendar& calendar, const CalendarFields& date) {
  const std::optional<FixedDay> day = calendar.toFixed(date);
  if (!day || calendar.wayBackChecksItself) {
    return day;
  }
  const std::optional<CalendarFields> back = calendar.fromFixed(*day);
  if (!back || !SameDate(calendar, *back, date)) {
    return std::nullopt;
  }
  return day;
}

std::string LongCountText(const std::array<int, 5>& c) {
  std::string text;
  for (std::size_t i = 0; i < c.size(); ++i) {
    text += (i > 0 ? "." : "") + std::to_string(c[i]);
  }
  return text;
}

// "Jahr 8" or, within an era, "Jahr 8 der Ära Reiwa", "Jahr 565 der 5.Ära".
std::string YearText(const LookupCalendar& calendar, const CalendarFields& date) {
  std::string text = "Jahr " + std::to_string(date.year);
  if (calendar.shape == DateShape::kEraYearMonthDay) {
    text += calendar.eraName != nullptr ? " der Ära " + EraText(calendar, date.era)
                                        : " der " + EraText(calendar, date.era);
  }
  return text;
}

std::string DateText(const LookupCalendar& calendar, const CalendarFields& date) {
  if (calendar.shape == DateShape::kLongCount) {
    return LongCountText(date.longCount);
  }
  std::string text = std::to_string(date.day) + ". " + MonthText(calendar, date.month, date.leapMonth) + " " +
                     std::to_string(date.year);
  if (calendar.shape == DateShape::kEraYearMonthDay) {
    text += " (" + EraText(calendar, date.era) + ")";
  }
  return text;
}

// Why a date in range names no day: its month is missing from the year, or
// its day from the month.
std::string WhyNoDay(const LookupCalendar& calendar, const CalendarFields& date) {
  const std::string year = YearText(calendar, date);
  const std::string month = MonthText(calendar, date.month, date.leapMonth);
  CalendarFields first = date;
  first.day = 1;
  CalendarFields firstOfYear = first;
  firstOfYear.month = 1;
  firstOfYear.leapMonth = false;
  const bool eras = calendar.shape == DateShape::kEraYearMonthDay;
  if (!calendar.toFixed(firstOfYear) || (eras && !RoundTrip(calendar, firstOfYear))) {
    return "Für das " + year + " zeigt der Bericht keine Tage (" + std::string(calendar.label) + ").";
  }
  if (!RoundTrip(calendar, first)) {
    return "Das " + year + " hat keinen " + (date.leapMonth ? "" : "Monat ") + month + ".";
  }
  // The month's length: its last day that exists.
  int length = 1;
  for (int day = std::min(date.day - 1, calendar.longestMonth); day > 1; --day) {
    CalendarFields probe = date;
    probe.day = day;
    if (RoundTrip(calendar, probe)) {
      length = day;
      break;
    }
  }
  return "Den " + std::to_string(date.day) + ". " + month + " gibt es im " + year + " nicht (" + month +
         " hat " + std::to_string(length) + (length == 1 ? " Tag)." : " Tage).");
}

std::optional<int> ParseSigned(std::string_view text, std::size_t maxDigits) {
  const bool negative = text.starts_with('-');
  const std::optional<int> value = ParseDecimal(negative ? text.substr(1) : text, maxDigits);
  if (!value) {
    return std::nullopt;
  }
  return negative ? -*value : *value;
}

// An era by its number or its name, in any case.
std::optional<int> ParseEra(const LookupCalendar& calendar, std::string_view text) {
  if (const std::optional<int> number = ParseDecimal(text, kMaxYearDigits)) {
    return number;
  }
  for (int era = calendar.firstEra; calendar.eraName != nullptr && era <= calendar.lastEra; ++era) {
    const std::string_view name = calendar.eraName(era);
    const bool same =
        !name.empty() && name.size() == text.size() &&
        std::equal(name.begin(), name.end(), text.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    if (same) {
      return era;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string MonthText(const LookupCalendar& calendar, int month, bool leapMonth) {
  if (calendar.monthName != nullptr && !leapMonth) {
    const std::string_view name = calendar.monthName(month);
    if (!name.empty()) {
      return std::string(name);
    }
  }
  const std::string number = std::to_string(month) + ". Monat";
  return leapMonth ? "Schaltmonat nach dem " + number : number;
}

std::string EraText(const LookupCalendar& calendar, int era) {
  if (calendar.eraName != nullptr) {
    const std::string_view name = calendar.eraName(era);
    if (!name.empty()) {
      return std::string(name);
    }
  }
  return std::to_string(era) + ".Ära";
}

std::vector<CalendarMonth> MonthsOf(const LookupCalendar& calendar) {
  std::vector<CalendarMonth> months;
  for (int month = 1; month <= calendar.monthCount; ++month) {
    months.push_back({month, false, MonthText(calendar, month, false)});
    if (calendar.hasLeapMonths) {
      months.push_back({month, true, MonthText(calendar, month, true)});
    }
  }
  return months;
}

std::optional<CivilDate> LookUpDate(const LookupCalendar& calendar, const CalendarFields& date,
                                    std::string& why) {
  CalendarFields clean = date;
  if (calendar.shape == DateShape::kLongCount) {
    for (std::size_t i = 0; i < clean.longCount.size(); ++i) {
      if (clean.longCount[i] < 0 || clean.longCount[i] >= kLongCountLimits[i]) {
        why = "Die Stelle " + std::string(kLongCountNames[i]) + " " + std::to_string(clean.longCount[i]) +
              " liegt außerhalb von 0 bis " + std::to_string(kLongCountLimits[i] - 1) + ".";
        return std::nullopt;
      }
    }
    clean.year = 0;
    clean.month = 0;
    clean.leapMonth = false;
    clean.day = 0;
  } else {
    clean.longCount = {};
    if (!calendar.hasLeapMonths) {
      clean.leapMonth = false;
    }
    if (calendar.shape != DateShape::kEraYearMonthDay) {
      clean.era = 0;
    } else if (clean.era < calendar.firstEra || clean.era > calendar.lastEra) {
      const auto eraRange = [&calendar](int era) {
        return calendar.eraName != nullptr ? std::to_string(era) + " " + EraText(calendar, era)
                                           : EraText(calendar, era);
      };
      why = "Die Ära " + std::to_string(clean.era) + " gibt es im Bericht nicht (" +
            std::string(calendar.label) + ": " + eraRange(calendar.firstEra) + " bis " +
            eraRange(calendar.lastEra) + ").";
      return std::nullopt;
    }
    if (clean.year < calendar.firstYear || clean.year > calendar.lastYear) {
      why = "Das Jahr " + std::to_string(clean.year) + " liegt außerhalb der Jahre 100 bis 3000 (" +
            std::string(calendar.label) + ").";
      return std::nullopt;
    }
    if (clean.month < 1 || clean.month > calendar.monthCount) {
      why = "Den Monat " + std::to_string(clean.month) + " gibt es nicht (" + std::string(calendar.label) +
            ": 1 bis " + std::to_string(calendar.monthCount) + ").";
      return std::nullopt;
    }
    if (clean.day < 1 || clean.day > calendar.longestMonth) {
      why = "Einen " + std::to_string(clean.day) + ". Tag hat kein Monat (" + std::string(calendar.label) +
            ").";
      return std::nullopt;
    }
  }
  const std::optional<FixedDay> day = calendar.toFixed(clean);
  if (!day) {
    why = WhyNoDay(calendar, clean);
    return std::nullopt;
  }
  bool exists = calendar.wayBackChecksItself;
  if (!exists) {
    const std::optional<CalendarFields> back = calendar.fromFixed(*day);
    exists = back && SameDate(calendar, *back, clean);
  }
  const CivilDate civil = CivilFromFixed(*day);
  if (civil.year < kMinimumYear || civil.year > kMaximumYear) {
    why = "Der " + DateText(calendar, clean) + (exists ? " ist der " : " läge beim ") + CivilText(civil) +
          " und damit außerhalb der Jahre 100 bis 3000.";
    return std::nullopt;
  }
  // The registry decides in which years the report shows the line.
  const ReportEntry* entry = FindReportEntry(calendar.entry);
  if (entry != nullptr && !entry->AppliesTo(civil.year)) {
    why = "Der " + DateText(calendar, clean) + (exists ? " ist der " : " läge beim ") + CivilText(civil) +
          "; der Bericht zeigt diesen Kalender (" + std::string(calendar.label) + ") erst ab dem Jahr " +
          std::to_string(entry->firstYear) + ".";
    return std::nullopt;
  }
  if (!exists) {
    why = WhyNoDay(calendar, clean);
    return std::nullopt;
  }
  return civil;
}

std::optional<CalendarFields> ParseCalendarDate(const LookupCalendar& calendar, std::string_view text,
                                                std::string& why) {
  const std::string malformed = "Das Datum \"" + std::string(text) + "\" hat nicht die Form " +
                                std::string(calendar.form) + " (" + std::string(calendar.label) + ").";
  CalendarFields fields;
  if (calendar.shape == DateShape::kLongCount) {
    std::string_view rest = text;
    for (std::size_t i = 0; i < fields.longCount.size(); ++i) {
      const std::size_t dot = rest.find('.');
      const bool last = i + 1 == fields.longCount.size();
      if (last != (dot == std::string_view::npos)) {
        why = malformed;
        return std::nullopt;
      }
      const std::optional<int> value = ParseDecimal(rest.substr(0, dot), 2);
      if (!value) {
        why = malformed;
        return std::nullopt;
      }
      fields.longCount[i] = *value;
      rest = last ? std::string_view() : rest.substr(dot + 1);
    }
    return fields;
  }
  if (calendar.shape == DateShape::kEraYearMonthDay) {
    const std::size_t eraEnd = text.find('-');
    const std::optional<int> era =
        eraEnd == std::string_view::npos ? std::nullopt : ParseEra(calendar, text.substr(0, eraEnd));
    if (!era) {
      why = malformed;
      return std::nullopt;
    }
    fields.era = *era;
    text = text.substr(eraEnd + 1);
  }
  // A negative year starts with "-"; the separators come after it.
  const std::size_t yearEnd = text.find('-', 1);
  const std::size_t monthEnd = yearEnd == std::string_view::npos ? yearEnd : text.find('-', yearEnd + 1);
  if (text.empty() || monthEnd == std::string_view::npos) {
    why = malformed;
    return std::nullopt;
  }
  const std::optional<int> year = ParseSigned(text.substr(0, yearEnd), kMaxYearDigits);
  std::string_view monthText = text.substr(yearEnd + 1, monthEnd - yearEnd - 1);
  if (calendar.hasLeapMonths && monthText.ends_with("tan")) {
    fields.leapMonth = true;
    monthText.remove_suffix(3);
  }
  const std::optional<int> month = ParseDecimal(monthText, 2);
  const std::optional<int> day = ParseDecimal(text.substr(monthEnd + 1), 2);
  if (!year || !month || !day) {
    why = malformed;
    return std::nullopt;
  }
  fields.year = *year;
  fields.month = *month;
  fields.day = *day;
  return fields;
}

std::optional<CivilDate> ParseAnyDateArgument(std::string_view text, std::string& why) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    return ParseDateArgument(text, why);
  }
  const std::string_view id = text.substr(0, colon);
  const LookupCalendar* calendar = FindLookupCalendar(id);
  if (calendar == nullptr) {
    why = "Den Kalender \"" + std::string(id) + "\" kennt --from nicht (Liste: tempulo-report --from help).";
    return std::nullopt;
  }
  const std::optional<CalendarFields> fields = ParseCalendarDate(*calendar, text.substr(colon + 1), why);
  if (!fields) {
    return std::nullopt;
  }
  return LookUpDate(*calendar, *fields, why);
}

std::string LookupHelpText() {
  std::string text =
      "Kalender für --from KALENDER:DATUM (Kennung, Form des Datums, Zeile des Berichts);\n"
      "ohne Kalender liest --from JJJJ-MM-TT das bürgerliche Datum wie --date.\n";
  // Columns padded by characters, not bytes ("ÄRA-…"), and never cut: a
  // long date form pushes its label along instead.
  const auto column = [](std::string_view cell, std::size_t width) {
    const std::size_t length = Utf8Length(cell);
    return std::string(cell) + std::string(length < width ? width - length : 0, ' ') + " ";
  };
  for (const LookupCalendar& calendar : LookupCalendars()) {
    text += "  " + column(calendar.id, 18) + column(calendar.form, 40) + std::string(calendar.label) + "\n";
  }
  text += "Ohne Weg zurück (ein Datum nennt hier keinen einzelnen Tag):\n";
  for (const UnreachableCalendar& calendar : UnreachableCalendars()) {
    text += "- " + std::string(calendar.entry) + ": " + std::string(calendar.why) + "\n";
  }
  return text;
}

}  // namespace tempulo

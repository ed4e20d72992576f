// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/calendar_lookup.h"

#include <algorithm>
#include <cstdio>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/iranian.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "report/date_argument.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// No month of these calendars is longer; checked before any conversion.
constexpr int kLongestMonth = 31;
constexpr int kMaxYearDigits = 5;
// Report number of a Chinese year ("(4724)") from its elapsed-years count.
constexpr int kChineseYearNumberOffset = 61;

constexpr std::array<int, 5> kLongCountLimits = {20, 20, 20, 18, 20};
constexpr std::array<std::string_view, 5> kLongCountNames = {"Baktun", "Katun", "Tun", "Uinal", "Kin"};

template <typename Date>
CalendarFields Fields(long long year, const Date& date) {
  CalendarFields fields;
  fields.year = year;
  fields.month = date.month;
  fields.day = date.day;
  return fields;
}

int IntYear(const CalendarFields& f) { return static_cast<int>(f.year); }

// The calendars whose report line shows their own year, month and day, both
// ways; the fields are set by name, so no order of a date struct matters.
template <typename Date, auto kToFixed>
std::optional<FixedDay> PlainTo(const CalendarFields& f) {
  Date date{};
  date.year = static_cast<decltype(date.year)>(f.year);
  date.month = f.month;
  date.day = static_cast<decltype(date.day)>(f.day);
  return kToFixed(date);
}
template <auto kFromFixed>
std::optional<CalendarFields> PlainBack(FixedDay day) {
  const auto date = kFromFixed(day);
  return Fields(date.year, date);
}

// --- the calendars, each one way and back ---

std::optional<FixedDay> EgyptianTo(const CalendarFields& f) {
  return FixedFromEgyptian({IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> EgyptianBack(FixedDay day) {
  const EgyptianDate d = EgyptianFromFixed(day);
  // The report counts the years before the epoch without a year 0.
  return Fields(d.year < 1 ? d.year - 1LL : d.year, d);
}

std::optional<FixedDay> JewishTo(const CalendarFields& f) {
  return FixedFromJewish({IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> JewishBack(FixedDay day) {
  const std::optional<JewishDay> d = JewishFromFixed(day);
  if (!d) {
    return std::nullopt;
  }
  return Fields(d->year, *d);
}

std::optional<FixedDay> ChineseTo(const CalendarFields& f) {
  return FixedFromChinese(IntYear(f) - kChineseYearNumberOffset, f.month, f.leapMonth, f.day);
}
std::optional<CalendarFields> ChineseBack(FixedDay day) {
  const ChineseDateRecord d = ChineseDate(DateValueOf(day));
  CalendarFields fields = Fields(static_cast<long long>(d.cycle) * 60 + d.yearInCycle + 1, d);
  fields.leapMonth = d.isLeapMonth;
  return fields;
}

std::optional<FixedDay> FrenchTo(const CalendarFields& f) {
  return FixedFromFrenchRepublican({f.year, f.month, f.day});
}
std::optional<CalendarFields> FrenchBack(FixedDay day) {
  const std::optional<FrenchRepublicanDate> d = FrenchRepublicanFromFixed(day);
  if (!d) {
    return std::nullopt;
  }
  return Fields(d->year, *d);
}

// The report gives two year counts, "1403" after the slash being the usual
// one; that is the year looked up.
std::optional<FixedDay> IranianTo(const CalendarFields& f) {
  return FixedFromIranian({f.year - kIranianSecondCountOffset, f.month, f.day});
}
std::optional<CalendarFields> IranianBack(FixedDay day) {
  const IranianDate d = IranianFromFixed(day);
  return Fields(d.year + kIranianSecondCountOffset, d);
}

std::optional<FixedDay> MayaTo(const CalendarFields& f) {
  const auto& c = f.longCount;
  return FixedFromMayaLongCount({0, c[0], c[1], c[2], c[3], c[4]});
}
std::optional<CalendarFields> MayaBack(FixedDay day) {
  const MayaLongCount c = MayaLongCountFromFixed(day);
  if (c.pictun != 0) {
    return std::nullopt;
  }
  CalendarFields fields;
  fields.longCount = {c.baktun, c.katun, c.tun, c.uinal, c.kin};
  return fields;
}

std::optional<FixedDay> BahaiTo(const CalendarFields& f) {
  return FixedFromBahai({IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> BahaiBack(FixedDay day) {
  const BahaiDate d = BahaiFromFixed(day);
  // Before the era the report's line stays empty.
  if (d.year < 1) {
    return std::nullopt;
  }
  return Fields(d.year, d);
}

std::optional<FixedDay> ArmenianTo(const CalendarFields& f) {
  return FixedFromArmenian({IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> ArmenianBack(FixedDay day) {
  const std::optional<ArmenianDate> d = ArmenianFromFixed(day);
  if (!d) {
    return std::nullopt;
  }
  return Fields(d->year, *d);
}

constexpr std::string_view kYmd = "JJJJ-MM-TT";
constexpr auto kYmdShape = DateShape::kYearMonthDay;

// Year ranges: a little wider than the years that reach the civil years
// 100..3000, so that the exact edge is decided by the civil day.
const std::array<LookupCalendar, 15> kCalendars = {{
    {"julian", "Julianischer Kalender", kYmd, kYmdShape, 99, 3001, 12, false,
     PlainTo<CivilDate, FixedFromJulian>, PlainBack<JulianFromFixed>, false, GermanMonthName},
    {"egyptian", "Altägyptischer Kalender", kYmd, kYmdShape, 4335, 7250, 13, false, EgyptianTo, EgyptianBack,
     false, EgyptianMonthName},
    {"islamic", "Islamischer Kalender", kYmd, kYmdShape, -545, 2460, 12, false,
     PlainTo<IslamicDay, FixedFromIslamic>, PlainBack<IslamicFromFixed>, false, IslamicMonthName},
    {"jewish", "Jüdischer Kalender", kYmd, kYmdShape, 4110, 6770, 13, false, JewishTo, JewishBack, false,
     JewishMonthName},
    {"chinese", "Chinesischer Kalender", "JJJJ-MM-TT (Schaltmonat: JJJJ-MMtan-TT)", kYmdShape, 2790, 5705, 12,
     true, ChineseTo, ChineseBack, true, nullptr},
    {"french_republican", "Französischer Revolutionskalender", kYmd, kYmdShape, 0, 1215, 13, false, FrenchTo,
     FrenchBack, false, FrenchRepublicanMonthName},
    {"seleucid", "Seleukidischer Kalender", kYmd, kYmdShape, 405, 3320, 12, false,
     PlainTo<SeleucidDate, FixedFromSeleucid>, PlainBack<SeleucidFromFixed>, false, nullptr},
    {"iranian", "Iranischer Kalender", "JJJJ-MM-TT (das Jahr nach dem Schrägstrich)", kYmdShape, -530, 2385,
     13, false, IranianTo, IranianBack, false, IranianMonthName},
    {"maya", "Maya-Kalender", "B.K.T.U.K (Baktun.Katun.Tun.Uinal.Kin)", DateShape::kLongCount, 0, 0, 0, false,
     MayaTo, MayaBack, false, nullptr},
    {"bahai", "Bahâi-Kalender", kYmd, kYmdShape, 1, 1160, 20, false, BahaiTo, BahaiBack, false,
     BahaiMonthName},
    {"coptic_ethiopian", "Koptischer Kalender", kYmd, kYmdShape, -190, 2720, 13, false,
     PlainTo<CopticDate, FixedFromCoptic>, PlainBack<CopticFromFixed>, false, CopticMonthName},
    {"ethiopian", "Äthiopischer Kalender", kYmd, kYmdShape, 85, 2995, 13, false,
     PlainTo<EthiopianDate, FixedFromEthiopian>, PlainBack<EthiopianFromFixed>, false, EthiopianMonthName},
    {"indian", "Indischer Kalender", kYmd, kYmdShape, 15, 2925, 12, false,
     PlainTo<IndianDate, FixedFromIndian>, PlainBack<IndianFromFixed>, false, IndianMonthName},
    {"sikh", "Sikh-Kalender", kYmd, kYmdShape, -1375, 1535, 12, false,
     PlainTo<NanakshahiDate, FixedFromNanakshahi>, PlainBack<NanakshahiFromFixed>, false,
     NanakshahiMonthName},
    {"armenian", "Armenischer Kalender", kYmd, kYmdShape, 1, 2455, 13, false, ArmenianTo, ArmenianBack, false,
     ArmenianMonthName},
}};

std::string CivilText(CivilDate date) {
  return std::to_string(date.day) + "." + std::string(GermanMonthName(date.month)) + " " +
         std::to_string(date.year);
}

bool SameDate(const LookupCalendar& calendar, const CalendarFields& a, const CalendarFields& b) {
  if (calendar.shape == DateShape::kLongCount) {
    return a.longCount == b.longCount;
  }
  return a.year == b.year && a.month == b.month && a.leapMonth == b.leapMonth && a.day == b.day;
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

std::string DateText(const LookupCalendar& calendar, const CalendarFields& date) {
  if (calendar.shape == DateShape::kLongCount) {
    return LongCountText(date.longCount);
  }
  return std::to_string(date.day) + ". " + MonthText(calendar, date.month, date.leapMonth) + " " +
         std::to_string(date.year);
}

// Why a date in range names no day: its month is missing from the year, or
// its day from the month.
std::string WhyNoDay(const LookupCalendar& calendar, const CalendarFields& date) {
  const std::string year = std::to_string(date.year);
  const std::string month = MonthText(calendar, date.month, date.leapMonth);
  CalendarFields first = date;
  first.day = 1;
  CalendarFields firstOfYear = first;
  firstOfYear.month = 1;
  firstOfYear.leapMonth = false;
  if (!calendar.toFixed(firstOfYear)) {
    return "Für das Jahr " + year + " zeigt der Bericht keine Tage (" + std::string(calendar.label) + ").";
  }
  if (!RoundTrip(calendar, first)) {
    return "Das Jahr " + year + " hat keinen " + (date.leapMonth ? "" : "Monat ") + month + ".";
  }
  // The month's length: its last day that exists.
  int length = 1;
  for (int day = std::min(date.day - 1, kLongestMonth); day > 1; --day) {
    CalendarFields probe = date;
    probe.day = day;
    if (RoundTrip(calendar, probe)) {
      length = day;
      break;
    }
  }
  return "Den " + std::to_string(date.day) + ". " + month + " gibt es im Jahr " + year + " nicht (" + month +
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

}  // namespace

std::span<const LookupCalendar> LookupCalendars() { return kCalendars; }

const LookupCalendar* FindLookupCalendar(std::string_view id) {
  const auto* found = std::find_if(kCalendars.begin(), kCalendars.end(),
                                   [id](const LookupCalendar& calendar) { return calendar.id == id; });
  return found == kCalendars.end() ? nullptr : &*found;
}

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
    if (clean.day < 1 || clean.day > kLongestMonth) {
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
  const ReportEntry* entry = FindReportEntry(calendar.id);
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
  for (const LookupCalendar& calendar : kCalendars) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-18s %-40s %s\n", std::string(calendar.id).c_str(),
                  std::string(calendar.form).c_str(), std::string(calendar.label).c_str());
    text += line;
  }
  return text;
}

}  // namespace tempulo

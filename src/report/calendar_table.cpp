// SPDX-License-Identifier: GPL-3.0-or-later
// The report's entry table: each row names its line, the years it shows, the
// function that words it and, for a calendar whose date names a day, its way
// there and back in the report's own numbering. The report, the lookups, the
// calendar choice and the structured output all read this one table.
#include <algorithm>
#include <array>
#include <cstdio>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/iranian_astronomical.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"
#include "calendars/modern/world_calendar.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/byzantine.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/japanese.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "calendars/traditional/umm_al_qura.h"
#include "report/refresh.h"
#include "report/registry.h"
#include "report/wording.h"
#include "time/julian_day.h"

// The table names each way's fields by designation and leaves the rest at
// their defaults on purpose; GCC 12 warns about that nonetheless.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tempulo {
namespace {

constexpr int kFirst = kMinimumYear;
constexpr int kLast = kMaximumYear;

// Report number of a Chinese year ("(4724)") from its elapsed-years count.
constexpr int kChineseYearNumberOffset = 61;
// The Berber year runs with the Julian one, 950 years ahead.
constexpr int kBerberYearOffset = 950;

void AddSeparator(DayValues& /*day*/, Report& r) { r.Add(" "); }

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
// The same for a calendar that has no date for some days.
template <auto kFromFixed>
std::optional<CalendarFields> OptionalBack(FixedDay day) {
  const auto date = kFromFixed(day);
  if (!date) {
    return std::nullopt;
  }
  return Fields(date->year, *date);
}

// --- the ways of the calendars that need more than their plain fields ---

std::optional<FixedDay> EgyptianTo(const CalendarFields& f) {
  // The report counts the years before the epoch without a year 0.
  return FixedFromEgyptian({IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> EgyptianBack(FixedDay day) {
  const EgyptianDate d = EgyptianFromFixed(day);
  return Fields(d.year < 1 ? d.year - 1LL : d.year, d);
}

std::optional<FixedDay> JewishTo(const CalendarFields& f) { return FixedFromJewish({IntYear(f), f.month, f.day}); }

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

std::optional<FixedDay> BahaiTo(const CalendarFields& f) { return FixedFromBahai({IntYear(f), f.month, f.day}); }
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

std::optional<FixedDay> BerberTo(const CalendarFields& f) {
  return FixedFromJulian({static_cast<int>(f.year - kBerberYearOffset), f.month, f.day});
}
std::optional<CalendarFields> BerberBack(FixedDay day) {
  const CivilDate julian = JulianFromFixed(day);
  return Fields(julian.year + kBerberYearOffset, julian);
}

// Days outside the months (holidays, named days, St. Tib's Day) are looked up
// as a month after the last, numbered in their order.
constexpr int kSovietHolidayMonth = 13;
std::optional<FixedDay> SovietTo(const CalendarFields& f) {
  if (f.month == kSovietHolidayMonth) {
    if (f.day > static_cast<int>(SovietHoliday::kIndustryDay2)) {
      return std::nullopt;
    }
    return FixedFromSoviet({f.year, 0, 0, static_cast<SovietHoliday>(f.day)});
  }
  return FixedFromSoviet({f.year, f.month, f.day, SovietHoliday::kNone});
}
std::optional<CalendarFields> SovietBack(FixedDay day) {
  const SovietDate d = SovietFromFixed(day);
  CalendarFields fields = Fields(d.year, d);
  if (d.holiday != SovietHoliday::kNone) {
    fields.month = kSovietHolidayMonth;
    fields.day = static_cast<int>(d.holiday);
  }
  return fields;
}
std::string_view SovietMonthOrHolidays(int month) {
  return month == kSovietHolidayMonth ? "Feiertage" : SovietMonthName(month);
}

std::string_view PositivistMonthOrFestivals(int month) {
  return month == kPositivistFestivalMonth ? "Festtage" : PositivistMonthName(month);
}

constexpr int kStTibsMonth = 6;
std::optional<FixedDay> DiscordianTo(const CalendarFields& f) {
  if (f.month == kStTibsMonth) {
    if (f.day != 1) {
      return std::nullopt;
    }
    return FixedFromDiscordian({f.year, 0, 0});
  }
  return FixedFromDiscordian({f.year, f.month, f.day});
}
std::optional<CalendarFields> DiscordianBack(FixedDay day) {
  const DiscordianDate d = DiscordianFromFixed(day);
  CalendarFields fields;
  fields.year = d.year;
  fields.month = d.IsStTibsDay() ? kStTibsMonth : d.season;
  fields.day = d.IsStTibsDay() ? 1 : d.day;
  return fields;
}
std::string_view DiscordianSeasonOrStTib(int month) {
  return month == kStTibsMonth ? "St.Tib's Day" : DiscordianSeasonName(month);
}

constexpr int kSixtyWeekNamedMonth = 13;
std::optional<FixedDay> SixtyWeekTo(const CalendarFields& f) {
  if (f.month == kSixtyWeekNamedMonth) {
    if (f.day > static_cast<int>(SixtyWeekNamedDay::kWinter)) {
      return std::nullopt;
    }
    return FixedFromSixtyWeek({IntYear(f), 0, 0, static_cast<SixtyWeekNamedDay>(f.day)});
  }
  return FixedFromSixtyWeek({IntYear(f), f.month, f.day, SixtyWeekNamedDay::kNone});
}
std::optional<CalendarFields> SixtyWeekBack(FixedDay day) {
  const std::optional<SixtyWeekDate> d = SixtyWeekFromFixed(day);
  if (!d) {
    return std::nullopt;
  }
  CalendarFields fields = Fields(d->year, *d);
  if (d->named != SixtyWeekNamedDay::kNone) {
    fields.month = kSixtyWeekNamedMonth;
    fields.day = static_cast<int>(d->named);
  }
  return fields;
}
std::string_view SixtyWeekMonthOrNamedDays(int month) {
  return month == kSixtyWeekNamedMonth ? "Benannte Tage" : DeeMonthName(month);
}

// --- the calendars added since the table: way and wording side by side ---

std::string_view ByzantineMonthName(int month) {
  return month >= 1 && month <= 12 ? GermanMonthName(JulianMonthOfByzantine(month)) : std::string_view{};
}
void AddByzantine(DayValues& c, Report& r) {
  const ByzantineDate date = ByzantineFromFixed(c.day);
  r.Add("Byzantinischer Kalender", Str(date.day) + "." + std::string(ByzantineMonthName(date.month)) + " " +
                                       Str(date.year) + " Anno Mundi");
  SetDateFields(r, {.year = date.year, .month = date.month, .monthName = ByzantineMonthName(date.month),
                    .day = date.day});
}

// Where the official table ends the report says the arithmetical calendar
// stands in.
void AddUmmAlQura(DayValues& c, Report& r) {
  const UmmAlQuraDate date = UmmAlQuraFromFixed(c.day);
  const std::string_view source = date.fromTable ? " (Umm-al-Qura-Tabelle)" : " (arithmetisch)";
  r.Add("Umm-al-Qura-Kalender", Str(date.day) + "." + std::string(IslamicMonthName(date.month)) + " " +
                                    Str(date.year) + std::string(source));
  SetDateFields(r, {.year = date.year, .month = date.month, .monthName = IslamicMonthName(date.month),
                    .day = date.day});
  r.Set("source", date.fromTable ? "table" : "arithmetic");
}

// Iran's own calendar, its Nowruz from the almanac's equinox; the arithmetic
// line above stays as it was.
void AddAstronomicalIranian(DayValues& c, Report& r) {
  const std::optional<AstronomicalIranianDate> date = AstronomicalIranianFromFixed(c.day);
  if (!date) {
    return;
  }
  r.Add("Iranischer Kalender (amtlich)",
        Str(date->day) + "." + std::string(IranianMonthName(date->month)) + " " + Str(date->year));
  SetDateFields(r, {.year = date->year, .month = date->month, .monthName = IranianMonthName(date->month),
                    .day = date->day});
}

// The Roman date names a day by the next kalends, nones or ides and the
// days counted to it. Looked up, that marked day is one of 36 a year, taken
// as the "month" (1 the kalends of January, 2 its nones, 3 its ides, …), and
// 37 the doubled sixth day before the March kalends of a leap year; the
// year is the one the report writes, of the day itself from the founding of
// Rome, and the "day" the count (1 on the marked day itself).
constexpr int kRomanMarkedDays = 36;
constexpr int kRomanDoubledDay = 37;
constexpr int kRomanDoubledCount = 6;
constexpr std::array<std::string_view, kRomanDoubledDay> kRomanMarkedDayNames = {
    "Kalenden des Januar", "Nonen des Januar", "Iden des Januar",
    "Kalenden des Februar", "Nonen des Februar", "Iden des Februar",
    "Kalenden des März", "Nonen des März", "Iden des März",
    "Kalenden des April", "Nonen des April", "Iden des April",
    "Kalenden des Mai", "Nonen des Mai", "Iden des Mai",
    "Kalenden des Juni", "Nonen des Juni", "Iden des Juni",
    "Kalenden des Juli", "Nonen des Juli", "Iden des Juli",
    "Kalenden des August", "Nonen des August", "Iden des August",
    "Kalenden des September", "Nonen des September", "Iden des September",
    "Kalenden des Oktober", "Nonen des Oktober", "Iden des Oktober",
    "Kalenden des November", "Nonen des November", "Iden des November",
    "Kalenden des Dezember", "Nonen des Dezember", "Iden des Dezember",
    "Schalttag (der doppelte 6. vor den Kalenden des März)",
};
std::string_view RomanMarkedDayName(int slot) {
  return slot >= 1 && slot <= kRomanDoubledDay ? kRomanMarkedDayNames[static_cast<std::size_t>(slot - 1)]
                                                : std::string_view{};
}
std::optional<FixedDay> RomanTo(const CalendarFields& f) {
  const int julianYear = static_cast<int>(f.year) - kRomeFoundedBeforeYear1;
  if (f.month == kRomanDoubledDay) {
    if (f.day != kRomanDoubledCount) {
      return std::nullopt;
    }
    return FixedFromRoman({julianYear, 3, RomanEvent::kKalends, kRomanDoubledCount, true});
  }
  if (f.month < 1 || f.month > kRomanMarkedDays || f.day < 1) {
    return std::nullopt;
  }
  const int month = (f.month - 1) / 3 + 1;
  const auto event = static_cast<RomanEvent>((f.month - 1) % 3 + 1);
  // The days after the December ides count to the kalends of the next year.
  const bool nextYear = month == 1 && event == RomanEvent::kKalends && f.day > 1;
  return FixedFromRoman({julianYear + (nextYear ? 1 : 0), month, event, f.day, false});
}
std::optional<CalendarFields> RomanBack(FixedDay day) {
  const RomanDate roman = RomanFromFixed(day);
  CalendarFields fields;
  fields.year = static_cast<long long>(JulianFromFixed(day).year) + kRomeFoundedBeforeYear1;
  fields.month = roman.leap ? kRomanDoubledDay : (roman.month - 1) * 3 + static_cast<int>(roman.event);
  fields.day = roman.count;
  return fields;
}

// The Japanese eras numbered from 1 (Meiji) to 5 (Reiwa).
constexpr int kJapaneseEras = 5;
std::string_view JapaneseEraNumbered(int era) {
  return era >= 1 && era <= kJapaneseEras ? JapaneseEraName(static_cast<JapaneseEra>(era - 1))
                                          : std::string_view{};
}
std::optional<FixedDay> JapaneseTo(const CalendarFields& f) {
  if (f.era < 1 || f.era > kJapaneseEras) {
    return std::nullopt;
  }
  return FixedFromJapanese({static_cast<JapaneseEra>(f.era - 1), IntYear(f), f.month, f.day});
}
std::optional<CalendarFields> JapaneseBack(FixedDay day) {
  const std::optional<JapaneseDate> date = JapaneseFromFixed(day);
  if (!date) {
    return std::nullopt;
  }
  CalendarFields fields = Fields(date->year, *date);
  fields.era = static_cast<int>(date->era) + 1;
  return fields;
}

template <auto kToFixed>
std::optional<FixedDay> LunisolarTo(const CalendarFields& f) {
  return kToFixed({f.day, f.month, IntYear(f), f.era});
}
template <auto kFromFixed>
std::optional<CalendarFields> LunisolarBack(FixedDay day) {
  const LunisolarDate date = kFromFixed(day);
  CalendarFields fields = Fields(date.year, date);
  fields.era = date.era;
  return fields;
}

constexpr std::string_view kYmd = "JJJJ-MM-TT";
constexpr auto kYmdShape = DateShape::kYearMonthDay;

// Year ranges: a little wider than the years that reach the civil years
// 100..3000, so that the exact edge is decided by the civil day. A range left
// at 0..0 is measured from the calendar's dates of the first and last day.
constexpr std::array<LookupCalendar, 1> kJulianWays = {{
    {.id = "julian", .label = "Julianischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 99,
     .lastYear = 3001, .monthCount = 12, .toFixed = PlainTo<CivilDate, FixedFromJulian>,
     .fromFixed = PlainBack<JulianFromFixed>, .monthName = GermanMonthName},
}};
constexpr std::array<LookupCalendar, 1> kWorldWays = {{
    {.id = "world", .label = "UNO-Weltkalender", .form = kYmd, .shape = kYmdShape, .monthCount = 12,
     .toFixed = PlainTo<WorldCalendarDate, FixedFromWorldCalendar>, .fromFixed = PlainBack<WorldCalendarFromFixed>,
     .monthName = GermanMonthName},
}};
constexpr std::array<LookupCalendar, 1> kRomanWays = {{
    {.id = "roman", .label = "Römischer Kalender",
     .form = "JJJJ-S-N (S: 1 Kalenden, 2 Nonen, 3 Iden des Januar … 37 Schalttag; N: 1 = der Stichtag)",
     .shape = kYmdShape, .monthCount = kRomanDoubledDay, .longestMonth = 19, .toFixed = RomanTo,
     .fromFixed = RomanBack, .countsToMarkedDays = true, .monthName = RomanMarkedDayName},
}};
constexpr std::array<LookupCalendar, 1> kJapaneseWays = {{
    {.id = "japanese", .label = "Japanischer Kalender",
     .form = "ÄRA-JJ-MM-TT (Ära 1 Meiji … 5 Reiwa oder ihr Name)", .shape = DateShape::kEraYearMonthDay,
     .firstYear = 1, .lastYear = 983, .monthCount = 12, .toFixed = JapaneseTo, .fromFixed = JapaneseBack,
     .monthName = JapaneseMonthName, .firstEra = 1, .lastEra = kJapaneseEras, .eraName = JapaneseEraNumbered},
}};
constexpr std::array<LookupCalendar, 1> kGoddessWays = {{
    {.id = "goddess", .label = "Göttinnen-Kalender", .form = "ÄRA-JJJJ-MM-TT",
     .shape = DateShape::kEraYearMonthDay, .firstYear = 1, .lastYear = 1689, .monthCount = 13,
     .toFixed = LunisolarTo<FixedFromGoddess>, .fromFixed = LunisolarBack<GoddessFromFixed>,
     .monthName = GoddessMonthName, .firstEra = 4, .lastEra = 5},
}};
constexpr std::array<LookupCalendar, 1> kSolilunarWays = {{
    {.id = "solilunar", .label = "Solilunar-Kalender", .form = "ÄRA-JJ-MM-TT",
     .shape = DateShape::kEraYearMonthDay, .firstYear = 1, .lastYear = 60, .monthCount = 13,
     .toFixed = LunisolarTo<FixedFromSolilunar>, .fromFixed = LunisolarBack<SolilunarFromFixed>,
     .monthName = SolilunarMonthName, .firstEra = 70, .lastEra = 119},
}};
constexpr std::array<LookupCalendar, 1> kByzantineWays = {{
    {.id = "byzantine", .label = "Byzantinischer Kalender", .form = "JJJJ-MM-TT (Monat 1 = September)",
     .shape = kYmdShape, .monthCount = 12, .toFixed = PlainTo<ByzantineDate, FixedFromByzantine>,
     .fromFixed = PlainBack<ByzantineFromFixed>, .monthName = ByzantineMonthName},
}};
constexpr std::array<LookupCalendar, 1> kEgyptianWays = {{
    {.id = "egyptian", .label = "Altägyptischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 4335,
     .lastYear = 7250, .monthCount = 13, .toFixed = EgyptianTo, .fromFixed = EgyptianBack,
     .monthName = EgyptianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kIslamicWays = {{
    {.id = "islamic", .label = "Islamischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = -545,
     .lastYear = 2460, .monthCount = 12, .toFixed = PlainTo<IslamicDay, FixedFromIslamic>,
     .fromFixed = PlainBack<IslamicFromFixed>, .monthName = IslamicMonthName},
}};
constexpr std::array<LookupCalendar, 1> kUmmAlQuraWays = {{
    {.id = "umm_al_qura", .label = "Umm-al-Qura-Kalender", .form = kYmd, .shape = kYmdShape, .monthCount = 12,
     .toFixed = PlainTo<UmmAlQuraDate, FixedFromUmmAlQura>, .fromFixed = PlainBack<UmmAlQuraFromFixed>,
     .monthName = IslamicMonthName},
}};
constexpr std::array<LookupCalendar, 1> kJewishWays = {{
    {.id = "jewish", .label = "Jüdischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 4110,
     .lastYear = 6770, .monthCount = 13, .toFixed = JewishTo, .fromFixed = OptionalBack<JewishFromFixed>,
     .monthName = JewishMonthName},
}};
constexpr std::array<LookupCalendar, 1> kChineseWays = {{
    {.id = "chinese", .label = "Chinesischer Kalender", .form = "JJJJ-MM-TT (Schaltmonat: JJJJ-MMtan-TT)",
     .shape = kYmdShape, .firstYear = 2790, .lastYear = 5705, .monthCount = 12, .hasLeapMonths = true,
     .toFixed = ChineseTo, .fromFixed = ChineseBack, .wayBackChecksItself = true},
}};
constexpr std::array<LookupCalendar, 1> kFrenchWays = {{
    {.id = "french_republican", .label = "Französischer Revolutionskalender", .form = kYmd, .shape = kYmdShape,
     .firstYear = 0, .lastYear = 1215, .monthCount = 13, .toFixed = FrenchTo,
     .fromFixed = OptionalBack<FrenchRepublicanFromFixed>, .monthName = FrenchRepublicanMonthName},
}};
constexpr std::array<LookupCalendar, 1> kSovietWays = {{
    {.id = "soviet", .label = "Sowjetischer Revolutionskalender", .form = "JJJJ-MM-TT (Feiertage: JJJJ-13-N)",
     .shape = kYmdShape, .monthCount = 13, .toFixed = SovietTo, .fromFixed = SovietBack,
     .monthName = SovietMonthOrHolidays},
}};
constexpr std::array<LookupCalendar, 1> kSeleucidWays = {{
    {.id = "seleucid", .label = "Seleukidischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 405,
     .lastYear = 3320, .monthCount = 12, .toFixed = PlainTo<SeleucidDate, FixedFromSeleucid>,
     .fromFixed = PlainBack<SeleucidFromFixed>},
}};
constexpr std::array<LookupCalendar, 1> kIranianWays = {{
    {.id = "iranian", .label = "Iranischer Kalender", .form = "JJJJ-MM-TT (das Jahr nach dem Schrägstrich)",
     .shape = kYmdShape, .firstYear = -530, .lastYear = 2385, .monthCount = 13, .toFixed = IranianTo,
     .fromFixed = IranianBack, .monthName = IranianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kAstronomicalIranianWays = {{
    {.id = "iranian_astronomical", .label = "Iranischer Kalender (amtlich)", .form = kYmd, .shape = kYmdShape,
     .monthCount = 12, .toFixed = PlainTo<AstronomicalIranianDate, FixedFromAstronomicalIranian>,
     .fromFixed = OptionalBack<AstronomicalIranianFromFixed>, .monthName = IranianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kMayaWays = {{
    {.id = "maya", .label = "Maya-Kalender", .form = "B.K.T.U.K (Baktun.Katun.Tun.Uinal.Kin)",
     .shape = DateShape::kLongCount, .toFixed = MayaTo, .fromFixed = MayaBack},
}};
constexpr std::array<LookupCalendar, 1> kBahaiWays = {{
    {.id = "bahai", .label = "Bahâi-Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 1, .lastYear = 1160,
     .monthCount = 20, .toFixed = BahaiTo, .fromFixed = BahaiBack, .monthName = BahaiMonthName},
}};
constexpr std::array<LookupCalendar, 2> kCopticEthiopianWays = {{
    {.id = "coptic_ethiopian", .label = "Koptischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = -190,
     .lastYear = 2720, .monthCount = 13, .toFixed = PlainTo<CopticDate, FixedFromCoptic>,
     .fromFixed = PlainBack<CopticFromFixed>, .monthName = CopticMonthName},
    {.id = "ethiopian", .label = "Äthiopischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 85,
     .lastYear = 2995, .monthCount = 13, .toFixed = PlainTo<EthiopianDate, FixedFromEthiopian>,
     .fromFixed = PlainBack<EthiopianFromFixed>, .monthName = EthiopianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kIndianWays = {{
    {.id = "indian", .label = "Indischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 15,
     .lastYear = 2925, .monthCount = 12, .toFixed = PlainTo<IndianDate, FixedFromIndian>,
     .fromFixed = PlainBack<IndianFromFixed>, .monthName = IndianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kSikhWays = {{
    {.id = "sikh", .label = "Sikh-Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = -1375,
     .lastYear = 1535, .monthCount = 12, .toFixed = PlainTo<NanakshahiDate, FixedFromNanakshahi>,
     .fromFixed = PlainBack<NanakshahiFromFixed>, .monthName = NanakshahiMonthName},
}};
constexpr std::array<LookupCalendar, 1> kArmenianWays = {{
    {.id = "armenian", .label = "Armenischer Kalender", .form = kYmd, .shape = kYmdShape, .firstYear = 1,
     .lastYear = 2455, .monthCount = 13, .toFixed = ArmenianTo, .fromFixed = OptionalBack<ArmenianFromFixed>,
     .monthName = ArmenianMonthName},
}};
constexpr std::array<LookupCalendar, 1> kBerberWays = {{
    {.id = "berber", .label = "Berber-Kalender", .form = kYmd, .shape = kYmdShape, .monthCount = 12,
     .toFixed = BerberTo, .fromFixed = BerberBack, .monthName = BerberMonthName},
}};
constexpr std::array<LookupCalendar, 1> kDeeWays = {{
    {.id = "john_dee", .label = "John Dee-Kalender", .form = kYmd, .shape = kYmdShape, .monthCount = 12,
     .toFixed = PlainTo<DeeDate, FixedFromDee>, .fromFixed = PlainBack<DeeFromFixed>, .monthName = DeeMonthName},
}};
constexpr std::array<LookupCalendar, 1> kSixtyWeekWays = {{
    {.id = "sixty_week", .label = "60 Wochen-Kalender", .form = "JJJJ-MM-TT (benannte Tage: JJJJ-13-N)",
     .shape = kYmdShape, .monthCount = 13, .toFixed = SixtyWeekTo,
     .fromFixed = SixtyWeekBack, .monthName = SixtyWeekMonthOrNamedDays},
}};
constexpr std::array<LookupCalendar, 1> kPositivistWays = {{
    {.id = "positivist", .label = "Positivisten-Kalender", .form = "JJJJ-MM-TT (Festtage: JJJJ-14-N)",
     .shape = kYmdShape, .monthCount = kPositivistFestivalMonth,
     .toFixed = PlainTo<PositivistDate, FixedFromPositivist>, .fromFixed = PlainBack<PositivistFromFixed>,
     .monthName = PositivistMonthOrFestivals},
}};
constexpr std::array<LookupCalendar, 1> kCotsworthWays = {{
    {.id = "cotsworth", .label = "Cotsworth-Kalender", .form = kYmd, .shape = kYmdShape, .monthCount = 13,
     .toFixed = PlainTo<CotsworthDate, FixedFromCotsworth>, .fromFixed = PlainBack<CotsworthFromFixed>,
     .monthName = CotsworthMonthName},
}};
constexpr std::array<LookupCalendar, 1> kDiscordianWays = {{
    {.id = "discordian", .label = "Diskordianischer Kalender", .form = "JJJJ-S-TT (Jahreszeit 1 bis 5; St.Tib's Day: JJJJ-6-1)",
     .shape = kYmdShape, .monthCount = kStTibsMonth, .longestMonth = 73, .toFixed = DiscordianTo,
     .fromFixed = DiscordianBack, .monthName = DiscordianSeasonOrStTib},
}};

// The report's lines in their fixed order. An entry whose years exclude the
// selected year adds nothing; the others decide for themselves on days they
// have no value for (before an epoch, outside a cycle).
constexpr std::array<ReportEntry, 45> kEntries = {{
    {"weekday", "Wochentag", kFirst, kLast, AddWeekday},
    {"day_of_year", "", 1583, kLast, AddDayAndWeekOfYear},
    {"julian_date", "Julianisches Datum", kFirst, kLast, AddJulianDate},
    {"julian", "Julianischer Kalender", kFirst, kLast, AddJulianCalendar, kJulianWays},
    {"day_counts", "Tag seit 1.1.1 / 1.1.2001", kFirst, kLast, AddDaysSinceEpochs},
    {"gregorian_day", "Gregorianischer Tag", kFirst, kLast, AddGregorianDay},
    {"world", "UNO-Weltkalender", 1583, kLast, AddWorldCalendar, kWorldWays},
    {"roman", "Römischer Kalender", kFirst, kLast, AddRoman, kRomanWays},
    {"byzantine", "Byzantinischer Kalender", kFirst, kLast, AddByzantine, kByzantineWays, false},
    {"egyptian", "Altägyptischer Kalender", kFirst, kLast, AddEgyptian, kEgyptianWays},
    {"islamic", "Islamischer Kalender", kFirst, kLast, AddIslamic, kIslamicWays},
    {"islamic_festivals", "", kFirst, kLast, AddIslamicFestivals},
    {"umm_al_qura", "Umm-al-Qura-Kalender", kFirst, kLast, AddUmmAlQura, kUmmAlQuraWays, false},
    {"jewish", "Jüdischer Kalender", 359, kLast, AddJewish, kJewishWays},
    {"japanese", "Japanischer Kalender", 1868, kLast, AddJapanese, kJapaneseWays},
    {"chinese", "Chinesischer Kalender", kFirst, kLast, AddChinese, kChineseWays},
    {"chinese_year", "", kFirst, kLast, AddSolarTerm},
    {"chinese_festivals", "", kFirst, kLast, AddChineseFestivals},
    {"french_republican", "Französischer Revolutionskalender", kFirst, kLast, AddFrenchRepublican, kFrenchWays},
    {"soviet", "Sowjetischer Revolutionskalender", 1917, kLast, AddSoviet, kSovietWays},
    {"seleucid", "Seleukidischer Kalender", kFirst, kLast, AddSeleucid, kSeleucidWays},
    {"iranian", "Iranischer Kalender", kFirst, kLast, AddIranian, kIranianWays},
    {"iranian_astronomical", "Iranischer Kalender (amtlich)", kFirst, kLast, AddAstronomicalIranian,
     kAstronomicalIranianWays, false},
    {"babylonian", "Babylonischer Kalender", kFirst, kLast, AddBabylonian},
    {"maya", "Maya-Kalender", kFirst, kLast, AddMaya, kMayaWays},
    {"aztec", "Azteken-Kalender", kFirst, kLast, AddAztec},
    {"bahai", "Bahâi-Kalender", kFirst, kLast, AddBahai, kBahaiWays},
    {"coptic_ethiopian", "Koptischer Kalender", kFirst, kLast, AddCopticEthiopian, kCopticEthiopianWays},
    {"ethiopian_festivals", "", kFirst, kLast, AddEthiopianFestivals},
    {"indian", "Indischer Kalender", kFirst, kLast, AddIndian, kIndianWays},
    {"sikh", "Sikh-Kalender", kFirst, kLast, AddSikh, kSikhWays},
    {"armenian", "Armenischer Kalender", kFirst, kLast, AddArmenian, kArmenianWays},
    {"berber", "Berber-Kalender", kFirst, kLast, AddBerber, kBerberWays},
    {"john_dee", "John Dee-Kalender", kFirst, kLast, AddJohnDee, kDeeWays},
    {"sixty_week", "60 Wochen-Kalender", kFirst, kLast, AddSixtyWeek, kSixtyWeekWays},
    {"positivist", "Positivisten-Kalender", kFirst, kLast, AddPositivist, kPositivistWays},
    {"cotsworth", "Cotsworth-Kalender", kFirst, kLast, AddCotsworth, kCotsworthWays},
    {"goddess", "Göttinnen-Kalender", kFirst, kLast, AddGoddess, kGoddessWays},
    {"solilunar", "Solilunar-Kalender", kFirst, kLast, AddSolilunar, kSolilunarWays},
    {"discordian", "Diskordianischer Kalender", kFirst, kLast, AddDiscordian, kDiscordianWays},
    {"mars", "Julianisches Marsdatum", kFirst, kLast, AddMars},
    {"stardate", "Star Trek Sternzeit", kFirst, kLast, AddStardate},
    {"pi", "PI-Kalender", kFirst, kLast, AddPiCalendar},
    {"separator", " ", kFirst, kLast, AddSeparator, {}, true, false},
    {"sun_moon", "Morgendämmerung", 1900, kLast, AddSunAndMoon},
}};

// Why the entries without a way back cannot be looked up.
constexpr std::array<UnreachableCalendar, 9> kUnreachable = {{
    {"weekday", "nennt keinen Tag, nur seine Stelle in der Woche"},
    {"day_of_year", "nennt den Tag nur zusammen mit dem bürgerlichen Jahr"},
    {"chinese_year", "das Jahr im 60er-Zyklus nennt ein Jahr, keinen Tag"},
    {"babylonian", "schematisch: manche Tage haben keinen Monat, manche Daten kommen zweimal vor"},
    {"maya.tzolkin_haab", "Tzolkin und Haab wiederholen sich ohne Jahr: ein Datum nennt viele Tage"},
    {"aztec", "das Jahr des Azteken-Kalenders wiederholt sich alle 52 Jahre"},
    {"mars", "ein Sol dauert 1,0275 Tage und hängt von der Uhrzeit ab"},
    {"stardate", "eine Sternzeit ist ein Zeitpunkt, kein Tag"},
    {"pi", "legt einen Bruchteil seines Jahres auf das bürgerliche Jahr: Daten wiederholen sich oder fehlen"},
}};

// The further lines of the entries that word more than one: their labels as
// the report writes them and the identifiers that name them.
constexpr std::array<ReportLineIdRow, 23> kLineIds = {{
    {"", "Datum", "date"},
    {"", "Feier-,Gedenktag", "holiday"},
    {"jewish", "", "jewish.festival"},
    {"maya", "", "maya.tzolkin_haab"},
    {"coptic_ethiopian", "Äthiopischer Kalender", "coptic_ethiopian.ethiopian"},
    {"mars", "Darischer Marskalender", "mars.darian"},
    {"pi", "", "pi.new_years_eve"},
    {"sun_moon", "Ort", "sun_moon.place"},
    {"sun_moon", "Abenddämmerung", "sun_moon.civil_dusk"},
    {"sun_moon", "Mondalter", "sun_moon.moon_age"},
    {"sun_moon", "Aktuelle Phase", "sun_moon.moon_phase"},
    {"sun_moon", "Mondabstand", "sun_moon.moon_distance"},
    {"sun_moon", "Nächster Neumond", "sun_moon.next_new_moon"},
    {"sun_moon", "Nächstes 1.Viertel", "sun_moon.next_first_quarter"},
    {"sun_moon", "Nächster Vollmond", "sun_moon.next_full_moon"},
    {"sun_moon", "Nächstes 3.Viertel", "sun_moon.next_last_quarter"},
    {"sun_moon", "Mondaufgang", "sun_moon.moonrise"},
    {"sun_moon", "Mondkulmination", "sun_moon.moon_transit"},
    {"sun_moon", "Monduntergang", "sun_moon.moonset"},
    {"sun_moon", "Sonnenaufgang", "sun_moon.sunrise"},
    {"sun_moon", "Sonnenkulmination", "sun_moon.sun_transit"},
    {"sun_moon", "Sonnenuntergang", "sun_moon.sunset"},
    {"sun_moon", "Finsternis", "sun_moon.eclipse"},
}};

// A way whose years were left open gets those its dates of the first and
// the last civil day fall in, one more on each side.
LookupCalendar WithYears(LookupCalendar way, std::string_view entry) {
  way.entry = entry;
  if (way.shape == DateShape::kYearMonthDay && way.firstYear == 0 && way.lastYear == 0) {
    const std::optional<CalendarFields> first = way.fromFixed(FixedFromJulian({kFirst, 1, 1}));
    const std::optional<CalendarFields> last = way.fromFixed(FixedFromGregorian({kLast, 12, 31}));
    way.firstYear = first ? first->year - 1 : -100000;
    way.lastYear = last ? last->year + 1 : 100000;
  }
  return way;
}

std::vector<LookupCalendar> CollectWays() {
  std::vector<LookupCalendar> ways;
  for (const ReportEntry& entry : kEntries) {
    for (const LookupCalendar& way : entry.ways) {
      ways.push_back(WithYears(way, entry.id));
    }
  }
  return ways;
}

std::size_t IndexOf(std::string_view id) {
  const auto* found =
      std::find_if(kEntries.begin(), kEntries.end(), [id](const ReportEntry& entry) { return entry.id == id; });
  return static_cast<std::size_t>(found - kEntries.begin());
}

}  // namespace

std::span<const ReportEntry> ReportEntries() { return kEntries; }

const ReportEntry* FindReportEntry(std::string_view id) {
  const std::size_t index = IndexOf(id);
  return index < kEntries.size() ? &kEntries[index] : nullptr;
}

std::string_view ReportLineId(std::string_view entryId, std::string_view label) {
  for (const ReportLineIdRow& row : kLineIds) {
    if (row.entry == entryId && row.label == label) {
      return row.id;
    }
  }
  return entryId;
}

std::span<const ReportLineIdRow> ReportLineIds() { return kLineIds; }

std::span<const LookupCalendar> LookupCalendars() {
  static const std::vector<LookupCalendar> ways = CollectWays();
  return ways;
}

const LookupCalendar* FindLookupCalendar(std::string_view id) {
  const std::span<const LookupCalendar> ways = LookupCalendars();
  const auto found =
      std::find_if(ways.begin(), ways.end(), [id](const LookupCalendar& calendar) { return calendar.id == id; });
  return found == ways.end() ? nullptr : &*found;
}

std::span<const UnreachableCalendar> UnreachableCalendars() { return kUnreachable; }

EntryChoice::EntryChoice() : shown_(kEntries.size()) {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    shown_[i] = kEntries[i].shownByDefault;
  }
}

EntryChoice EntryChoice::All() {
  EntryChoice choice;
  std::fill(choice.shown_.begin(), choice.shown_.end(), true);
  return choice;
}

std::optional<EntryChoice> EntryChoice::Parse(std::string_view text, std::vector<std::string>* unknown) {
  if (text == "all") {
    return All();
  }
  if (text == "default") {
    return EntryChoice();
  }
  EntryChoice choice;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    choice.shown_[i] = !kEntries[i].choosable;
  }
  bool any = false;
  // At most one identifier per character: the loop ends with the text.
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view id = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (id.empty()) {
      continue;
    }
    const std::size_t index = IndexOf(id);
    if (index >= kEntries.size() || !kEntries[index].choosable) {
      if (unknown != nullptr) {
        unknown->emplace_back(id);
      }
      continue;
    }
    choice.shown_[index] = true;
    any = true;
  }
  if (!any) {
    return std::nullopt;
  }
  return choice;
}

bool EntryChoice::Shows(const ReportEntry& entry) const {
  const auto index = static_cast<std::size_t>(&entry - kEntries.data());
  if (index >= kEntries.size()) {
    return false;
  }
  // The blank line before the sun and moon block comes and goes with it.
  if (!entry.choosable) {
    return shown_[IndexOf("sun_moon")];
  }
  return shown_[index];
}

bool EntryChoice::Shows(std::string_view id) const {
  const ReportEntry* entry = FindReportEntry(id);
  return entry != nullptr && Shows(*entry);
}

void EntryChoice::Set(std::string_view id, bool shown) {
  const std::size_t index = IndexOf(id);
  if (index < kEntries.size() && kEntries[index].choosable) {
    shown_[index] = shown;
  }
}

bool EntryChoice::IsDefault() const { return *this == EntryChoice(); }

std::vector<std::string_view> EntryChoice::Ids() const {
  std::vector<std::string_view> ids;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (shown_[i] && kEntries[i].choosable) {
      ids.push_back(kEntries[i].id);
    }
  }
  return ids;
}

std::string EntryChoice::Text() const {
  std::string text;
  for (const std::string_view id : Ids()) {
    text += (text.empty() ? "" : ",") + std::string(id);
  }
  return text;
}

std::string EntryChoiceLabel(const ReportEntry& entry) {
  if (!entry.label.empty()) {
    return std::string(entry.label);
  }
  // The lines without a label of their own follow the calendar they belong to.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kUnlabelled = {{
      {"day_of_year", "Tag und Woche des Jahres"},
      {"islamic_festivals", "Islamische Feste"},
      {"chinese_year", "Chinesisches Jahr und Sonnenabschnitt"},
      {"chinese_festivals", "Chinesische Feste"},
      {"ethiopian_festivals", "Äthiopische Feste"},
  }};
  for (const auto& [id, label] : kUnlabelled) {
    if (id == entry.id) {
      return std::string(label);
    }
  }
  return std::string(entry.id);
}

std::string EntryChoiceHelpText() {
  std::string text =
      "Zeilen für --calendars KENNUNG,KENNUNG,… (oder all, default), in der Reihenfolge des Berichts;\n"
      "* = in der Voreinstellung gezeigt.\n";
  for (const ReportEntry& entry : kEntries) {
    if (!entry.choosable) {
      continue;
    }
    char line[160];
    std::snprintf(line, sizeof line, "  %c %-22s %s\n", entry.shownByDefault ? '*' : ' ',
                  std::string(entry.id).c_str(), EntryChoiceLabel(entry).c_str());
    text += line;
  }
  return text;
}

}  // namespace tempulo

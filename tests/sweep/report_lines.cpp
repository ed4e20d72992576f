// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_lines.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <string>

#include "holiday_list.h"
#include "name_tables.h"
#include "report/registry.h"
#include "time/delta_t.h"
#include "time/julian_day.h"

namespace tempulo::sweep {
namespace {

// ------------------------------------------------------------ arithmetic

std::int64_t Mod(std::int64_t a, std::int64_t b) {
  const std::int64_t r = a % b;
  return r < 0 ? r + b : r;
}

std::int64_t Whole(long double jd) { return static_cast<std::int64_t>(std::floor(jd)); }

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

// 0 = Sunday.
int WeekdayOf(long double jd) { return static_cast<int>(Mod(Whole(jd + 0.5L) + 1, 7)); }

// The civil date a Julian Date falls on, as the report's dates read it.
YearMonthDay CivilDateOf(long double jd) {
  return jd < 2299160.5L ? JulianCalendarOf(jd) : GregorianCalendarOf(jd);
}

// ------------------------------------------------------------ conditions

// The years a line is shown in are its entry's (report/registry.h); these
// are the further conditions.

bool Never(const DayContext&) { return false; }

// The Mars lines need the moment (the chosen day at 12:00 CET) on or after
// the epoch, 12 March 1609 at 0 h universal time.
constexpr long double kMarsEpoch = 2308805.5L;
constexpr long double kSolLength = 1.02749171204585L;
constexpr long double kMarsHourOffset = 11.0L / 24.0L;  // 12:00 CET in universal time
long double MarsSols(const DayContext& c) { return (c.day.jd + kMarsHourOffset - kMarsEpoch) / kSolLength; }
bool MarsShown(const DayContext& c) { return MarsSols(c) >= 0; }

// ------------------------------------------------------------ shared readers

bool ReadNamed(LineCheck& c, const NameTable& names, std::string_view name) {
  const int index = IndexOf(names, name);
  if (index < 0) {
    c.Fail("name", Quote(name) + " is not in the table");
    return false;
  }
  c.Result().month = index + 1;
  return true;
}

// "d.Name Y"
bool ReadDayNameYear(LineCheck& c, const NameTable& names, std::string_view text) {
  Reading& r = c.Result();
  std::string_view name;
  Scanner s(text);
  s.Int(r.day).Literal(".").WordToLast(name, " ").Literal(" ").Int(r.year);
  if (!s.Done()) {
    c.Fail("format", "not \"day.name year\": " + Quote(text));
    return false;
  }
  if (!ReadNamed(c, names, name)) {
    return false;
  }
  r.valid = true;
  return true;
}

// "d.Name (m) Y", the number naming the same month as the name.
bool ReadDayNameNumberYear(LineCheck& c, const NameTable& names, Scanner& s) {
  Reading& r = c.Result();
  std::string_view name;
  int number = 0;
  s.Int(r.day).Literal(".").Word(name, " (").Literal(" (").Int(number).Literal(") ").Int(r.year);
  if (!s.Ok()) {
    c.Fail("format", "not \"day.name (month) year\": " + Quote(c.Value()));
    return false;
  }
  if (!ReadNamed(c, names, name)) {
    return false;
  }
  if (number != r.month) {
    c.Fail("name", Quote(name) + " is month " + Str(r.month) + ", the text says " + Str(number));
    return false;
  }
  r.valid = true;
  return true;
}

void ExpectText(LineCheck& c, const std::string& expected) {
  if (c.Value() != expected) {
    c.Fail("value", "expected " + Quote(expected) + ", got " + Quote(c.Value()));
  } else {
    c.Result().valid = true;
  }
}

// A group of repeated lines must be exactly these values, in this order.
void ExpectValues(LineCheck& c, const std::vector<std::string_view>& expected) {
  if (c.Values() != expected) {
    std::string want;
    for (std::string_view v : expected) {
      want += (want.empty() ? "" : " | ") + std::string(v);
    }
    std::string got;
    for (std::string_view v : c.Values()) {
      got += (got.empty() ? "" : " | ") + std::string(v);
    }
    c.Fail("value", "expected [" + want + "], got [" + got + "]");
  }
  c.Result().valid = true;
}

bool IsOneOf(const NameTable& names, std::string_view value) { return IndexOf(names, value) >= 0; }

// ------------------------------------------------------------ frame

void ReadDate(LineCheck& c) {
  const SweepDay& d = c.Day();
  ExpectText(c, Str(d.day) + "." + std::string(kGermanMonths[d.month - 1]) + " " + Str(d.year));
}

void ReadWeekday(LineCheck& c) {
  const auto index = static_cast<int>(Mod(static_cast<std::int64_t>(std::trunc(c.Day().jd)), 7));
  c.Result().day = index;
  ExpectText(c, std::string(kReportWeekdays[static_cast<std::size_t>(index)]));
}

void FollowWeekday(const Reading& before, LineCheck& after) {
  if (after.Result().day != (before.day + 1) % 7) {
    after.Fail("succession", "weekday " + Str(after.Result().day) + " after " + Str(before.day));
  }
}

void ReadDayOfYear(LineCheck& c) {
  const YearMonthDay date{c.Day().year, c.Day().month, c.Day().day};
  ExpectText(c,
             Str(GregorianDayOfYear(date)) + ".Tag des Jahres / " + Str(IsoWeek(date)) + ".Woche des Jahres");
}

void ReadJulianDate(LineCheck& c) {
  const long double jd = c.Day().jd;
  ExpectText(c, Str(Whole(jd)) + ".5 / modifiziert " + Str(Whole(jd - 2400000.5L)));
}

void ReadJulianCalendar(LineCheck& c) {
  const YearMonthDay& j = c.Context().julian;
  Reading& r = c.Result();
  r.year = j.year;
  r.month = j.month;
  r.day = j.day;
  ExpectText(c, Str(j.day) + "." + std::string(kGermanMonths[j.month - 1]) + " " + Str(j.year));
}

void FollowJulianCalendar(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, JulianMonthLength(before.month, before.year),
                before.month == 12 ? before.year + 1 : before.year, before.month % 12 + 1);
}

void ReadDaysSince(LineCheck& c) {
  const long double jd = c.Day().jd;
  ExpectText(c, Str(std::llround(jd - 1721423.5L)) + " / " + Str(std::llround(jd - 2451910.5L)));
}

void ReadGregorianDay(LineCheck& c) { ExpectText(c, Str(std::llround(c.Day().jd + 1 - 2299160.5L))); }

// ------------------------------------------------------------ World Calendar

void ReadWorld(LineCheck& c) {
  const std::int64_t year = c.Day().year;
  const bool leap = IsGregorianLeap(year);
  int ordinal = 0;
  Scanner s(c.Value());
  int day = 0;
  int month = 0;
  s.Int(day).Literal(".").Int(month).Literal(". ");
  std::string_view rest;
  s.Word(rest);
  if (!s.Done() || month < 1 || month > 12) {
    c.Fail("format", "not \"day.month. name\": " + Quote(c.Value()));
    return;
  }
  if (rest == "Schalttag") {
    if (!leap || day != 31 || month != 6) {
      c.Fail("value", "a leap day other than 31.6. of a leap year");
      return;
    }
    ordinal = 183;
  } else if (rest == "Weltfeiertag") {
    if (day != 31 || month != 12) {
      c.Fail("value", "a year-end day other than 31.12.");
      return;
    }
    ordinal = leap ? 366 : 365;
  } else {
    // Every quarter runs 31, 30, 30 days and starts on a Sunday.
    const int inQuarter = (month - 1) % 3;
    const int length = inQuarter == 0 ? 31 : 30;
    if (day < 1 || day > length) {
      c.Fail("day", "day " + Str(day) + " outside month " + Str(month));
      return;
    }
    const int dayOfQuarter = (inQuarter == 0 ? 0 : inQuarter == 1 ? 31 : 61) + day;
    if (rest != kSaturdayFirstWeekdays[static_cast<std::size_t>(dayOfQuarter % 7)]) {
      c.Fail("name", Quote(rest) + " is not the weekday of day " + Str(dayOfQuarter) + " of the quarter");
      return;
    }
    ordinal = (month - 1) / 3 * 91 + dayOfQuarter + (leap && month > 6 ? 1 : 0);
  }
  if (ordinal != c.Context().gregorianDayOfYear) {
    c.Fail("value",
           "day " + Str(ordinal) + " of the year, the date is day " + Str(c.Context().gregorianDayOfYear));
    return;
  }
  c.Result().valid = true;
}

// ------------------------------------------------------------ Roman

std::string RomanNumeral(std::int64_t n) {
  static constexpr std::string_view kUnits[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
  static constexpr std::string_view kTens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
  static constexpr std::string_view kHundreds[] = {"",  "C",  "CC",  "CCC",  "CD",
                                                   "D", "DC", "DCC", "DCCC", "CM"};
  std::string text(static_cast<std::size_t>(n / 1000), 'M');
  text += kHundreds[n % 1000 / 100];
  text += kTens[n % 100 / 10];
  text += kUnits[n % 10];
  return text;
}

// The value of a numeral written in the usual form, 0 when it is not one.
std::int64_t RomanValue(std::string_view numeral) {
  for (std::int64_t n = 1; n < 5000; ++n) {
    if (RomanNumeral(n) == numeral) {
      return n;
    }
  }
  return 0;
}

void ReadRoman(LineCheck& c) {
  const YearMonthDay& j = c.Context().julian;
  std::string_view text = c.Value();
  constexpr std::string_view kYearEnd = " A. V. C.";
  if (text.size() < kYearEnd.size() || text.substr(text.size() - kYearEnd.size()) != kYearEnd) {
    c.Fail("format", "no year \"... A. V. C.\": " + Quote(text));
    return;
  }
  text.remove_suffix(kYearEnd.size());
  const std::size_t blank = text.rfind(' ');
  const std::int64_t year = RomanValue(text.substr(blank + 1));
  if (blank == std::string_view::npos || year != j.year + 753) {
    c.Fail("value", "year numeral " + Quote(text.substr(blank + 1)) + " is not " + Str(j.year + 753));
    return;
  }
  text = text.substr(0, blank);
  // The day: the marked days of the month named, or a count back to one.
  const std::size_t lastBlank = text.rfind(' ');
  const std::string_view genitive = text.substr(lastBlank + 1);
  const int named = IndexOf(kRomanMonths, genitive) + 1;
  if (lastBlank == std::string_view::npos || named == 0) {
    c.Fail("name", "no month genitive in " + Quote(c.Value()));
    return;
  }
  text = text.substr(0, lastBlank);
  const bool longMonth = named == 3 || named == 5 || named == 7 || named == 10;
  const int nones = longMonth ? 7 : 5;
  const int ides = longMonth ? 15 : 13;
  int month = named;
  int day = 0;
  if (text == "KALENDAE") {
    day = 1;
  } else if (text == "NONAE") {
    day = nones;
  } else if (text == "IDVS") {
    day = ides;
  } else if (text == "ANTE DIEM BIS VI KALENDIS" && named == 3 && IsJulianLeap(j.year)) {
    month = 2;
    day = 25;
  } else {
    std::int64_t count = 0;
    std::string_view mark;
    if (text.starts_with("PRIDIE ")) {
      count = 2;
      mark = text.substr(7);
    } else if (text.starts_with("ANTE DIEM ")) {
      const std::string_view rest = text.substr(10);
      const std::size_t gap = rest.find(' ');
      count = gap == std::string_view::npos ? 0 : RomanValue(rest.substr(0, gap));
      mark = gap == std::string_view::npos ? std::string_view() : rest.substr(gap + 1);
      if (count < 3) {
        c.Fail("format", "a count below III in " + Quote(c.Value()));
        return;
      }
    }
    if (mark == "NONIS") {
      day = static_cast<int>(nones + 1 - count);
      if (day <= 1) {
        day = 0;
      }
    } else if (mark == "IDIBVS") {
      day = static_cast<int>(ides + 1 - count);
      if (day <= nones) {
        day = 0;
      }
    } else if (mark == "KALENDIS") {
      month = named == 1 ? 12 : named - 1;
      int length = JulianMonthLength(month, j.year);
      // In a leap year the doubled sixth day before the Kalends of March
      // leaves the counts from the sixth on as in a common year.
      if (month == 2 && count >= 6) {
        length = 28;
      }
      day = static_cast<int>(length + 2 - count);
      const bool longBefore = month == 3 || month == 5 || month == 7 || month == 10;
      if (day <= (longBefore ? 15 : 13)) {
        day = 0;
      }
    } else {
      c.Fail("format", "no NONIS, IDIBVS or KALENDIS in " + Quote(c.Value()));
      return;
    }
  }
  if (day == 0 || month != j.month || day != j.day) {
    c.Fail("value", Quote(c.Value()) + " does not name the Julian " + Str(j.day) + "." + Str(j.month) + ".");
    return;
  }
  c.Result().valid = true;
}

// ------------------------------------------------------------ Old Egyptian, Armenian, Aztec

// Twelve months of 30 days and five extra days, every year.
int WanderingLength(const Reading& r) { return r.month == 13 ? 5 : 30; }
void FollowWandering(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, WanderingLength(before), before.month == 13 ? before.year + 1 : before.year,
                before.month % 13 + 1);
}

void ReadEgyptian(LineCheck& c) {
  const std::size_t semicolon = c.Value().find("; Sothis-Periode ");
  if (semicolon == std::string_view::npos) {
    c.Fail("format", "no \"; Sothis-Periode \": " + Quote(c.Value()));
    return;
  }
  if (!ReadDayNameYear(c, kEgyptianMonths, c.Value().substr(0, semicolon))) {
    return;
  }
  Reading& r = c.Result();
  std::int64_t period = 0;
  Scanner s(c.Value().substr(semicolon));
  s.Literal("; Sothis-Periode ").Int(period);
  // A Sothic period of 1461 wandering years begins with a year.
  if (!s.Done() || r.year < 1 || period != (r.year - 1) / 1461 + 1) {
    c.Fail("value", "Sothic period " + Str(period) + " for year " + Str(r.year));
    r.valid = false;
    return;
  }
  r.valid = DayInMonth(r, WanderingLength(r), c);
}

void ReadArmenian(LineCheck& c) {
  constexpr long double kEpoch = 1922867.5L;  // 11 July 552, Julian calendar
  if (c.Day().jd < kEpoch) {
    if (c.Value() != "-") {
      c.Fail("value", "expected \"-\" before the era, got " + Quote(c.Value()));
    }
    return;
  }
  if (ReadDayNameYear(c, kArmenianMonths, c.Value())) {
    Reading& r = c.Result();
    r.valid = r.year >= 1 && DayInMonth(r, WanderingLength(r), c);
  }
}

void ReadAztec(LineCheck& c) {
  Scanner s(c.Value());
  std::string_view name;
  int number = 0;
  Reading& r = c.Result();
  s.Int(r.day).Literal(".").Word(name, " (").Literal(" (").Int(number).Literal(")");
  if (!s.Done()) {
    c.Fail("format", "not \"day.name (period)\": " + Quote(c.Value()));
    return;
  }
  if (!ReadNamed(c, kAztecPeriods, name)) {
    return;
  }
  if (number != r.month) {
    c.Fail("name", Quote(name) + " is period " + Str(r.month) + ", the text says " + Str(number));
    return;
  }
  r.valid = DayInMonth(r, r.month == 19 ? 5 : 20, c);
}

void FollowAztec(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, before.month == 19 ? 5 : 20, 0, before.month % 19 + 1);
}

// ------------------------------------------------------------ Islamic

bool IsIslamicLeap(std::int64_t year) { return Mod(14 + 11 * year, 30) < 11; }
int IslamicMonthLength(const Reading& r) {
  if (r.month == 12) {
    return IsIslamicLeap(r.year) ? 30 : 29;
  }
  return r.month % 2 == 1 ? 30 : 29;
}

void ReadIslamic(LineCheck& c) {
  if (ReadDayNameYear(c, kIslamicMonths, c.Value())) {
    c.Result().valid = DayInMonth(c.Result(), IslamicMonthLength(c.Result()), c);
  }
}

void FollowIslamic(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, IslamicMonthLength(before), before.month == 12 ? before.year + 1 : before.year,
                before.month % 12 + 1);
}

template <std::size_t N>
std::vector<std::string_view> FestivalsOn(const std::array<FestivalRow, N>& rows, int first, int second) {
  std::vector<std::string_view> names;
  for (const FestivalRow& row : rows) {
    if (row.first == first && row.second == second) {
      names.push_back(kFestivals[static_cast<std::size_t>(row.index)]);
    }
  }
  return names;
}

bool IsIslamicFestival(std::string_view value) {
  return IsOneOf(kFestivals, value) && IndexOf(kFestivals, value) <= 11;
}

void ReadIslamicFestivals(LineCheck& c) {
  if (const Reading* islamic = c.Of("islamic")) {
    ExpectValues(c, FestivalsOn(kIslamicFestivalRows, islamic->day, islamic->month));
  }
}

// ------------------------------------------------------------ Jewish

bool IsJewishLeap(std::int64_t year) { return Mod(7 * year + 1, 19) < 7; }

// The length of a Jewish month; 0 where Heshvan and Kislev may have 29 or 30.
int JewishMonthLength(const Reading& r) {
  switch (r.month) {
    case 8:
    case 9:
      return 0;
    case 12:
      return IsJewishLeap(r.year) ? 30 : 29;
    case 13:
      return 29;
    default:
      return r.month % 2 == 1 ? 30 : 29;
  }
}

void ReadJewish(LineCheck& c) {
  if (!ReadDayNameYear(c, kJewishMonths, c.Value())) {
    return;
  }
  Reading& r = c.Result();
  const int length = JewishMonthLength(r);
  r.valid = DayInMonth(r, length == 0 ? 30 : length, c);
  if (r.valid && r.month == 13 && !IsJewishLeap(r.year)) {
    c.Fail("name", "Adar 2 in the common year " + Str(r.year));
    r.valid = false;
  }
  r.flag = r.month == 13;
  // The postponements keep 1 Tishri off Sunday, Wednesday and Friday, and
  // so 15 Nisan off Monday, Wednesday and Friday.
  const int weekday = WeekdayOf(c.Day().jd);
  if (r.valid && r.month == 7 && r.day == 1 && (weekday == 0 || weekday == 3 || weekday == 5)) {
    c.Fail("value", "1 Tishri on weekday " + Str(weekday) + " (0 = Sunday)");
  }
  if (r.valid && r.month == 1 && r.day == 15 && (weekday == 1 || weekday == 3 || weekday == 5)) {
    c.Fail("value", "15 Nisan on weekday " + Str(weekday) + " (0 = Sunday)");
  }
}

void FollowJewish(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  if (r.year == before.year && r.month == before.month && r.day == before.day + 1) {
    return;
  }
  const int length = JewishMonthLength(before);
  const bool monthEnds = length == 0 ? before.day == 29 || before.day == 30 : before.day == length;
  int next = before.month % 13 + 1;
  std::int64_t nextYear = before.year;
  if (before.month == 12 && !IsJewishLeap(before.year)) {
    next = 1;
  } else if (before.month == 6) {
    nextYear = before.year + 1;
  }
  if (!monthEnds || r.year != nextYear || r.month != next || r.day != 1) {
    after.Fail("succession", Show(r) + " after " + Show(before));
  }
}

bool IsJewishFestival(std::string_view value) {
  const int index = IndexOf(kFestivals, value);
  return value == "Passahfest" || (index >= 12 && index <= 22);
}

void ReadJewishFestivals(LineCheck& c) {
  if (const Reading* jewish = c.Of("jewish")) {
    std::vector<std::string_view> expected = FestivalsOn(kJewishFestivalRows, jewish->month, jewish->day);
    if (jewish->month == 1 && jewish->day >= 15 && jewish->day <= 21) {
      expected.push_back("Passahfest");
    }
    ExpectValues(c, expected);
  }
}

// ------------------------------------------------------------ Japanese

void ReadJapanese(LineCheck& c) {
  const SweepDay& d = c.Day();
  std::string era = "Reiwa " + Str(d.year - 2018);
  if (d.year < 1912) {
    era = "Meiji " + Str(d.year - 1867);
  } else if (d.year < 1926) {
    era = "Taisho " + Str(d.year - 1911);
  } else if (d.year < 1989) {
    era = "Showa " + Str(d.year - 1925);
  } else if (d.year < 2019) {
    era = "Heisei " + Str(d.year - 1988);
  }
  ExpectText(c, Str(d.day) + "." + std::string(kJapaneseMonths[d.month - 1]) + " " + era);
}

// ------------------------------------------------------------ Chinese

void ReadChinese(LineCheck& c) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  std::int64_t yearInCycle = 0;
  std::int64_t cycle = 0;
  std::int64_t shown = 0;
  s.Int(r.day).Literal(".").Int(r.month).Literal(".");
  r.flag = c.Value().find(".tan ") != std::string_view::npos;
  if (r.flag) {
    s.Literal("tan");
  }
  s.Literal(" des ")
      .Int(yearInCycle)
      .Literal(".Jahres im ")
      .Int(cycle)
      .Literal(".Zyklus (")
      .Int(shown)
      .Literal(")");
  if (!s.Done()) {
    c.Fail("format", "not \"day.month.[tan] des y.Jahres im c.Zyklus (n)\": " + Quote(c.Value()));
    return;
  }
  if (r.month < 1 || r.month > 12 || yearInCycle < 1 || yearInCycle > 60 || cycle < 1) {
    c.Fail("value", "month, year or cycle out of range: " + Quote(c.Value()));
    return;
  }
  if (shown != cycle * 60 + yearInCycle + 1) {
    c.Fail("value", "count in brackets " + Str(shown) + " is not cycle x 60 + year + 1");
    return;
  }
  // Years since the epoch: the civil year + 2637 from the Chinese new year
  // on, + 2636 before it.
  r.year = (cycle - 1) * 60 + yearInCycle;
  const std::int64_t civil = c.Day().year;
  if (r.year != civil + 2636 && r.year != civil + 2637) {
    c.Fail("value",
           "year " + Str(yearInCycle) + " of cycle " + Str(cycle) + " is not that of the civil year");
    return;
  }
  r.extra = yearInCycle;
  r.valid = DayInMonth(r, 30, c);
}

void FollowChinese(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  if (r.year == before.year && r.month == before.month && r.flag == before.flag && r.day == before.day + 1) {
    return;
  }
  const bool monthEnds = before.day == 29 || before.day == 30;
  const bool leapMonthNext = r.month == before.month && r.flag && !before.flag;
  const bool plainMonthNext = r.month == before.month % 12 + 1 && !r.flag;
  const std::int64_t year = r.month == 1 && !r.flag ? before.year + 1 : before.year;
  if (!monthEnds || r.day != 1 || !(leapMonthNext || plainMonthNext) || r.year != year) {
    after.Fail("succession", Show(r) + (r.flag ? " (leap)" : "") + " after " + Show(before) +
                                 (before.flag ? " (leap)" : ""));
  }
}

// The sun's apparent longitude, to a few hundredths of a degree: enough to
// name the solar term of a day that is not right at a term's start.
long double ApproximateSolarLongitude(long double jd) {
  constexpr long double kDegree = 3.14159265358979323846L / 180;
  const long double t = (jd - 2451545.0L) / 36525;
  const long double mean = 280.46646L + 36000.76983L * t + 0.0003032L * t * t;
  const long double anomaly = (357.52911L + 35999.05029L * t - 0.0001537L * t * t) * kDegree;
  const long double center = (1.914602L - 0.004817L * t) * std::sin(anomaly) +
                             (0.019993L - 0.000101L * t) * std::sin(2 * anomaly) +
                             0.000289L * std::sin(3 * anomaly);
  const long double longitude = std::fmod(mean + center, 360.0L);
  return longitude < 0 ? longitude + 360 : longitude;
}

void ReadSolarTerm(LineCheck& c) {
  Scanner s(c.Value());
  std::string_view year;
  std::string_view term;
  s.Literal("Jahr : ").Word(year, "; ").Literal("; ").Word(term);
  if (!s.Done()) {
    c.Fail("format", "not \"Jahr : name; term\": " + Quote(c.Value()));
    return;
  }
  if (const Reading* chinese = c.Of("chinese")) {
    const std::int64_t branch = (chinese->extra - 1) % 12;
    const std::string expected = std::string(kAnimals[branch]) + " (" +
                                 std::string(kStems[(chinese->extra - 1) % 10]) + "-" +
                                 std::string(kBranches[branch]) + ")";
    if (year != expected) {
      c.Fail("value", "year " + Quote(year) + ", expected " + Quote(expected));
    }
  }
  const int index = IndexOf(kSolarTerms, term);
  if (index < 0) {
    c.Fail("name", Quote(term) + " is not a solar term");
    return;
  }
  // The term of the sun's longitude at 0 h universal time (its place taken
  // at that instant's dynamical time, hours later in the first centuries),
  // unless that lies within a tenth of a degree of a term's start.
  const long double jd = c.Day().jd;
  const long double dynamical =
      jd + DeltaTSeconds(static_cast<double>(2000.0L + (jd - 2451544.5L) / 365.2425L)) / 86400.0L;
  const long double longitude = ApproximateSolarLongitude(dynamical);
  const auto low = static_cast<int>(std::floor((longitude - 0.1L) / 15));
  const auto high = static_cast<int>(std::floor((longitude + 0.1L) / 15));
  if (index != Mod(low, 24) && index != Mod(high, 24)) {
    c.Fail("value", Quote(term) + " at a solar longitude of " + Str(std::llround(longitude)) + " degrees");
    return;
  }
  c.Result().day = index;
  c.Result().valid = true;
}

void FollowSolarTerm(const Reading& before, LineCheck& after) {
  const int term = after.Result().day;
  if (term != before.day && term != (before.day + 1) % 24) {
    after.Fail("succession", "term " + Str(term) + " after term " + Str(before.day));
    return;
  }
  // A major term (an even one) never falls in a leap month, and the winter
  // solstice (Dongzhi, 18) always in month 11. The others fall in the month of
  // their number (Yushui, 22, in month 1, Chunfen, 0, in month 2, ...) except
  // beside a month that holds two of them. The line names the term at 0 h
  // universal time, the calendar counts days in China, so the term may have
  // begun on the day before.
  if (term == before.day || term % 2 != 0) {
    return;
  }
  const Reading* today = after.Of("chinese");
  const Reading* yesterday = after.Before("chinese");
  if (today == nullptr || yesterday == nullptr) {
    return;
  }
  const auto describe = [](const Reading* r) { return Str(r->month) + (r->flag ? " (leap)" : ""); };
  if (today->flag && yesterday->flag) {
    after.Fail("month", "major term " + Str(term) + " begins in the leap month " + describe(today));
    return;
  }
  const int month = (term / 2 + 1) % 12 + 1;
  const auto holds = [](const Reading* r, int m) { return !r->flag && r->month == m; };
  if (holds(today, month) || holds(yesterday, month)) {
    return;
  }
  const int below = (month + 10) % 12 + 1;
  const int above = month % 12 + 1;
  if (term != 18 &&
      (holds(today, below) || holds(today, above) || holds(yesterday, below) || holds(yesterday, above))) {
    after.Exception(
        "Chinese calendar: a major term in the month beside its number (a month with two of them)");
    return;
  }
  after.Fail("month", "major term " + Str(term) + " begins in Chinese month " + describe(today) +
                          ", not in month " + Str(month));
}

bool IsChineseFestival(std::string_view value) {
  const int index = IndexOf(kFestivals, value);
  return index >= 23 && index <= 36;
}

void ReadChineseFestivals(LineCheck& c) {
  if (const Reading* chinese = c.Of("chinese")) {
    ExpectValues(c, FestivalsOn(kChineseFestivalRows, chinese->day, chinese->month));
  }
}

// ------------------------------------------------------------ French Republican

int FrenchMonthLength(const Reading& r) {
  if (r.month <= 12) {
    return 30;
  }
  return Mod(r.year, 4) == 3 ? 6 : 5;
}

void ReadFrench(LineCheck& c) {
  if (c.Day().jd <= 2375475.5L) {  // up to 24 September 1791
    if (c.Value() != "-") {
      c.Fail("value", "expected \"-\" before the epoch, got " + Quote(c.Value()));
    }
    return;
  }
  Reading& r = c.Result();
  Scanner s(c.Value());
  std::string_view name;
  s.Int(r.day).Literal(".");
  if (c.Value().find(".jour compl. ") != std::string_view::npos) {
    s.Literal("jour compl. ").Int(r.year);
    r.month = 13;
  } else {
    std::string_view decade;
    s.Word(name, " ").Literal(" ").Int(r.year).Literal(" (").Word(decade, ")").Literal(")");
    if (s.Done() && ReadNamed(c, kFrenchMonths, name) &&
        decade != kDecadeDays[static_cast<std::size_t>(Mod(r.day, 10))]) {
      c.Fail("name", Quote(decade) + " is not the name of day " + Str(r.day) + " of a decade");
      return;
    }
  }
  if (!s.Done() || r.month == 0) {
    c.Fail("format", "not \"day.month year (day name)\": " + Quote(c.Value()));
    return;
  }
  r.valid = r.year >= 0 && DayInMonth(r, FrenchMonthLength(r), c);
}

void FollowFrench(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, FrenchMonthLength(before), before.month == 13 ? before.year + 1 : before.year,
                before.month % 13 + 1);
}

// ------------------------------------------------------------ Soviet

// The place of a Soviet day in its year, 0 when there is none.
int SovietOrdinal(std::string_view name, int number, bool leap) {
  struct Part {
    std::string_view name;
    int days;  // 0: a named day of its own
  };
  static constexpr Part kYear[] = {{"Januar", 30},
                                   {"Lenintag", 0},
                                   {"Februar", 30},
                                   {"Schalttag", 0},
                                   {"März", 30},
                                   {"April", 30},
                                   {"1.Tag der Arbeit", 0},
                                   {"2.Tag der Arbeit", 0},
                                   {"Mai", 30},
                                   {"Juni", 30},
                                   {"Juli", 30},
                                   {"August", 30},
                                   {"September", 30},
                                   {"Oktober", 30},
                                   {"November", 7},
                                   {"1.Tag der Industrie", 0},
                                   {"2.Tag der Industrie", 0},
                                   {"November", 23},
                                   {"Dezember", 30}};
  int before = 0;
  int novemberDays = 0;
  for (const Part& part : kYear) {
    if (part.name == "Schalttag" && !leap) {
      continue;
    }
    const int offset = part.name == "November" ? novemberDays : 0;
    if (part.name == name) {
      if (part.days == 0 && number == 0) {
        return before + 1;
      }
      if (part.days > 0 && number > offset && number <= offset + part.days) {
        return before + number - offset;
      }
    }
    if (part.name == "November") {
      novemberDays += part.days;
    }
    before += part.days == 0 ? 1 : part.days;
  }
  return 0;
}

void ReadSoviet(LineCheck& c) {
  Scanner s(c.Value());
  std::string_view name;
  std::int64_t year = 0;
  int number = 0;
  const char first = c.Value().empty() ? ' ' : c.Value().front();
  const bool numbered = first >= '0' && first <= '9' && c.Value().find(".Tag der ") == std::string_view::npos;
  if (numbered) {
    s.Int(number).Literal(".");
  }
  s.WordToLast(name, " ").Literal(" ").Int(year);
  if (!s.Done()) {
    c.Fail("format", "not \"day.month year\" or \"name year\": " + Quote(c.Value()));
    return;
  }
  const int ordinal = SovietOrdinal(name, number, IsGregorianLeap(c.Day().year));
  if (ordinal == 0) {
    c.Fail("name", Quote(c.Value()) + " is no day of the Soviet year");
    return;
  }
  if (year != c.Day().year || ordinal != c.Context().gregorianDayOfYear) {
    c.Fail("value", "day " + Str(ordinal) + " of " + Str(year) + ", the date is day " +
                        Str(c.Context().gregorianDayOfYear) + " of " + Str(c.Day().year));
    return;
  }
  c.Result().valid = true;
}

// ------------------------------------------------------------ Seleucid, Berber

void ReadSeleucid(LineCheck& c) {
  const YearMonthDay& j = c.Context().julian;
  // The Julian day and month, months counted from October, the era year
  // beginning with it.
  const std::int64_t year = j.year + (j.month >= 10 ? 312 : 311);
  ExpectText(c, Str(j.day) + "." + Str((j.month + 2) % 12 + 1) + "." + Str(year));
}

void ReadBerber(LineCheck& c) {
  const YearMonthDay& j = c.Context().julian;
  ExpectText(c, Str(j.day) + "." + std::string(kBerberMonths[j.month - 1]) + " " + Str(j.year + 950));
}

// ------------------------------------------------------------ Iranian

void ReadIranian(LineCheck& c) {
  const std::size_t slash = c.Value().find(" / ");
  if (slash == std::string_view::npos) {
    c.Fail("format", "no second year count: " + Quote(c.Value()));
    return;
  }
  if (!ReadDayNameYear(c, kIranianMonths, c.Value().substr(0, slash))) {
    return;
  }
  Reading& r = c.Result();
  std::int64_t second = 0;
  Scanner s(c.Value().substr(slash));
  s.Literal(" / ").Int(second);
  if (!s.Done() || second != r.year + 457) {
    c.Fail("value", "second count " + Str(second) + " is not " + Str(r.year) + " + 457");
    r.valid = false;
    return;
  }
  r.valid = DayInMonth(r, r.month == 13 ? 6 : 30, c);
}

void FollowIranian(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  // The extra days run to 5, or to 6 in a leap year.
  if (before.month == 13 && before.day == 5 && r.year == before.year && r.month == 13 && r.day == 6) {
    return;
  }
  ExpectNextDay(before, after, before.month == 13 ? std::max(before.day, 5) : 30,
                before.month == 13 ? before.year + 1 : before.year, before.month % 13 + 1);
}

// ------------------------------------------------------------ Babylonian

void ReadBabylonian(LineCheck& c) {
  if (c.Value().empty()) {
    // The schematic year leaves some day counts outside its months.
    c.Exception("Babylonischer Kalender: no month holds the day count (empty value)");
    return;
  }
  Scanner s(c.Value());
  if (!ReadDayNameNumberYear(c, kBabylonianMonths, s) || !s.Done()) {
    if (s.Ok()) {
      c.Fail("format", "text after the year: " + Quote(c.Value()));
    }
    c.Result().valid = false;
    return;
  }
  // The longest each month is in any kind of year.
  static constexpr int kLongest[] = {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 30, 31, 29};
  Reading& r = c.Result();
  const std::int64_t year = c.Day().year;
  if (r.year != year + 746 && r.year != year + 747) {
    c.Fail("value", "year " + Str(r.year) + " for the civil year " + Str(year));
    r.valid = false;
    return;
  }
  r.valid = DayInMonth(r, kLongest[r.month - 1], c);
}

// ------------------------------------------------------------ Maya

constexpr std::int64_t kMayaCorrelation = 584283;

void ReadMayaLongCount(LineCheck& c) {
  std::array<std::int64_t, 6> units{};
  Scanner s(c.Value());
  s.Int(units[0]).Literal(" Pictun ").Int(units[1]).Literal(" Baktun ").Int(units[2]).Literal(" Katun ");
  s.Int(units[3]).Literal(" Tun ").Int(units[4]).Literal(" Uinal ").Int(units[5]).Literal(" Kin");
  if (!s.Done()) {
    c.Fail("format", "not the six long-count units: " + Quote(c.Value()));
    return;
  }
  static constexpr std::int64_t kRadix[] = {20, 20, 20, 20, 18, 20};
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (units[i] < 0 || units[i] >= kRadix[i]) {
      c.Fail("value", "unit " + Str(units[i]) + " out of its range");
      return;
    }
  }
  const std::int64_t count =
      ((((units[0] * 20 + units[1]) * 20 + units[2]) * 20 + units[3]) * 18 + units[4]) * 20 + units[5];
  const std::int64_t expected = Whole(c.Day().jd + 0.5L) - kMayaCorrelation;
  if (count != expected) {
    c.Fail("value", "day " + Str(count) + " of the count, expected " + Str(expected));
    return;
  }
  c.Result().extra = count;
  c.Result().valid = true;
}

void ReadMayaRound(LineCheck& c) {
  // The count's day 0 (13.0.0.0.0) was 4 Ahau 8 Cumku.
  const std::int64_t count = Whole(c.Day().jd + 0.5L) - kMayaCorrelation;
  const std::int64_t haab = Mod(17 * 20 + 8 + count, 365);
  ExpectText(c, Str(Mod(count + 3, 13) + 1) + " " +
                    std::string(kMayaSigns[static_cast<std::size_t>(Mod(count + 19, 20))]) + "; " +
                    Str(haab % 20) + " " + std::string(kMayaMonths[static_cast<std::size_t>(haab / 20)]));
}

// ------------------------------------------------------------ Bahá'í

int BahaiMonthLength(const Reading& r) {
  if (r.month == 19) {
    return IsGregorianLeap(r.year + 1844) ? 5 : 4;
  }
  return 19;
}

void ReadBahai(LineCheck& c) {
  const long double epoch = JulianDateOfGregorian(1844, 3, 21);
  if (c.Day().jd < epoch) {
    if (!c.Value().empty()) {
      c.Fail("value", "expected no value before 21 March 1844, got " + Quote(c.Value()));
    }
    return;
  }
  Scanner s(c.Value());
  if (!ReadDayNameNumberYear(c, kBahaiMonths, s)) {
    return;
  }
  Reading& r = c.Result();
  std::string_view yearName;
  std::int64_t period = 0;
  s.Literal("; Vahid: ").Word(yearName, " / ").Literal(" / Kull-i-Shay: ").Int(period);
  if (!s.Done()) {
    c.Fail("format", "no \"; Vahid: name / Kull-i-Shay: n\": " + Quote(c.Value()));
    r.valid = false;
    return;
  }
  const std::string_view expected = kBahaiYearNames[static_cast<std::size_t>(r.year / 19 % 19)];
  if (yearName != expected || period != r.year / 361 + 1) {
    c.Fail("value", "year name or period for year " + Str(r.year) + ": " + Quote(c.Value()));
    r.valid = false;
    return;
  }
  r.valid = r.year >= 1 && DayInMonth(r, BahaiMonthLength(r), c);
}

void FollowBahai(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, BahaiMonthLength(before), before.month == 20 ? before.year + 1 : before.year,
                before.month % 20 + 1);
}

// ------------------------------------------------------------ Coptic, Ethiopian

int CopticMonthLength(const Reading& r, std::int64_t offset) {
  if (r.month <= 12) {
    return 30;
  }
  return Mod(r.year - offset, 4) == 3 ? 6 : 5;
}

void ReadCoptic(LineCheck& c) {
  if (ReadDayNameYear(c, kCopticMonths, c.Value())) {
    c.Result().valid = DayInMonth(c.Result(), CopticMonthLength(c.Result(), 0), c);
  }
}

void FollowCoptic(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, CopticMonthLength(before, 0),
                before.month == 13 ? before.year + 1 : before.year, before.month % 13 + 1);
}

void ReadEthiopian(LineCheck& c) {
  if (!ReadDayNameYear(c, kEthiopianMonths, c.Value())) {
    return;
  }
  Reading& r = c.Result();
  r.valid = DayInMonth(r, CopticMonthLength(r, 276), c);
  if (const Reading* coptic = c.Of("coptic_ethiopian")) {
    if (coptic->month != r.month || coptic->day != r.day || coptic->year + 276 != r.year) {
      c.Fail("value", Show(r) + " is not the Coptic " + Show(*coptic) + " with the year + 276");
      r.valid = false;
    }
  }
}

void FollowEthiopian(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, CopticMonthLength(before, 276),
                before.month == 13 ? before.year + 1 : before.year, before.month % 13 + 1);
}

bool IsEthiopianFestival(std::string_view value) { return IndexOf(kFestivals, value) >= 37; }

void ReadEthiopianFestivals(LineCheck& c) {
  const Reading* ethiopian = c.Of("coptic_ethiopian.ethiopian");
  const Reading* islamic = c.Of("islamic");
  if (ethiopian == nullptr || islamic == nullptr) {
    return;
  }
  const SweepDay& d = c.Day();
  const YearMonthDay easter = JulianEaster(d.year);
  const long double orthodoxEaster = JulianDateOfJulian(d.year, easter.month, easter.day);
  const bool rows[] = {
      d.day == 7 && d.month == 1,
      ethiopian->month == 5 && ethiopian->day == 11,
      islamic->month == 10 && islamic->day == 1,
      islamic->month == 12 && islamic->day == 10,
      d.jd == orthodoxEaster - 2,
      d.jd == orthodoxEaster,
      islamic->month == 3 && islamic->day == 12,
      ethiopian->month == 1 && ethiopian->day == 1,
      ethiopian->month == 1 && ethiopian->day == 17,
  };
  std::vector<std::string_view> expected;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    if (rows[i]) {
      expected.push_back(kFestivals[37 + i]);
    }
  }
  ExpectValues(c, expected);
}

// ------------------------------------------------------------ Indian, Sikh

int IndianMonthLength(const Reading& r) {
  if (r.month == 1) {
    return IsGregorianLeap(r.year + 78) ? 31 : 30;
  }
  return r.month <= 6 ? 31 : 30;
}

void ReadIndian(LineCheck& c) {
  if (ReadDayNameYear(c, kIndianMonths, c.Value())) {
    c.Result().valid = DayInMonth(c.Result(), IndianMonthLength(c.Result()), c);
  }
}

void FollowIndian(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, IndianMonthLength(before), before.month == 12 ? before.year + 1 : before.year,
                before.month % 12 + 1);
}

int SikhMonthLength(const Reading& r) {
  if (r.month == 12) {
    return IsGregorianLeap(r.year + 1469) ? 31 : 30;
  }
  return r.month <= 5 ? 31 : 30;
}

void ReadSikh(LineCheck& c) {
  Scanner s(c.Value());
  if (ReadDayNameNumberYear(c, kNanakshahiMonths, s)) {
    c.Result().valid = s.Done() && DayInMonth(c.Result(), SikhMonthLength(c.Result()), c);
  }
}

void FollowSikh(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, SikhMonthLength(before), before.month == 12 ? before.year + 1 : before.year,
                before.month % 12 + 1);
}

// ------------------------------------------------------------ John Dee

int DeeMonthLength(const Reading& r) {
  if (r.month == 2) {
    return Mod(r.year - 1, 33) % 4 == 3 ? 29 : 28;
  }
  return JulianMonthLength(r.month, 1);
}

void ReadJohnDee(LineCheck& c) {
  if (ReadDayNameYear(c, kGermanMonths, c.Value())) {
    c.Result().valid = DayInMonth(c.Result(), DeeMonthLength(c.Result()), c);
  }
}

void FollowJohnDee(const Reading& before, LineCheck& after) {
  ExpectNextDay(before, after, DeeMonthLength(before), before.month == 12 ? before.year + 1 : before.year,
                before.month % 12 + 1);
}

// ------------------------------------------------------------ sixty weeks

bool SixtyWeekShown(const DayContext& c) { return c.day.year >= 1937 && c.day.year <= 2063; }

// Months 1..12 of 30 days; the named days as one-day months 13.. in their
// table order.
void ReadSixtyWeek(LineCheck& c) {
  if (!SixtyWeekShown(c.Context())) {
    if (!c.Value().empty()) {
      c.Fail("value", "expected no value outside 1937-2063, got " + Quote(c.Value()));
    }
    return;
  }
  Reading& r = c.Result();
  Scanner named(c.Value());
  std::string_view name;
  named.Word(name, " ").Literal(" ").Int(r.year);
  if (named.Done() && IndexOf(kSixtyWeekNamedDays, name) >= 0) {
    r.month = 13 + IndexOf(kSixtyWeekNamedDays, name);
    r.day = 1;
  } else {
    Scanner s(c.Value());
    std::string_view weekday;
    s.Int(r.day).Literal(".").Word(name, " ").Literal(" ").Int(r.year).Literal(", ").Word(weekday);
    if (!s.Done()) {
      c.Fail("format", "not \"day.month year, weekday\" or \"name year\": " + Quote(c.Value()));
      return;
    }
    if (!ReadNamed(c, kGermanMonths, name) || !DayInMonth(r, 30, c)) {
      return;
    }
    if (weekday != kSixDayWeek[static_cast<std::size_t>(r.day % 6)]) {
      c.Fail("name", Quote(weekday) + " is not the six-day weekday of day " + Str(r.day));
      return;
    }
  }
  if (r.year != c.Day().year + 6000 && r.year != c.Day().year + 6001) {
    c.Fail("value", "year " + Str(r.year) + " for the civil year " + Str(c.Day().year));
    return;
  }
  r.valid = true;
}

void FollowSixtyWeek(const Reading& before, LineCheck& after) {
  const bool leap = Mod(before.year - 6000, 4) == 0;
  Reading next{true, before.year, before.month + 1, 1};
  switch (before.month) {
    case 3:  // spring day
      next.month = 13;
      break;
    case 6:  // summer day
      next.month = 14;
      break;
    case 14:  // leap day, leap years only
      next.month = leap ? 15 : 7;
      break;
    case 9:  // autumn day
      next.month = 16;
      break;
    case 12:  // winter day
      next.month = 17;
      break;
    case 17:  // New Year opens the next year
      next = {true, before.year + 1, 18, 1};
      break;
    case 18:
      next.month = 1;
      break;
    case 13:
      next.month = 4;
      break;
    case 15:
      next.month = 7;
      break;
    case 16:
      next.month = 10;
      break;
    default:
      break;
  }
  ExpectNextDay(before, after, before.month <= 12 ? 30 : 1, next.year, next.month);
}

// ------------------------------------------------------------ Positivist, Cotsworth, Discordian

void ReadPositivist(LineCheck& c) {
  const int dayOfYear = c.Context().gregorianDayOfYear;
  const std::int64_t year = c.Context().gregorian.year - 1788;
  int ordinal = 0;
  if (c.Value() == "Festtag der großen Toten") {
    ordinal = 365;
  } else if (c.Value() == "Festtag der heiligen Jungfrau") {
    ordinal = 366;
  } else {
    Reading& r = c.Result();
    const std::string_view value = c.Value();
    const std::size_t comma = value.find(", ");
    std::string_view weekday;
    std::string_view dayName;
    Scanner s(comma == std::string_view::npos ? std::string_view() : value.substr(comma));
    s.Literal(", ").Word(weekday, ", ").Literal(", Tag: ").Word(dayName);
    if (!s.Done()) {
      c.Fail("format", "not \"day.month year, weekday, Tag: name\": " + Quote(value));
      return;
    }
    if (!ReadDayNameYear(c, kPositivistMonths, value.substr(0, comma)) || !DayInMonth(r, 28, c)) {
      r.valid = false;
      return;
    }
    const std::int64_t shownYear = r.year;
    ordinal = (r.month - 1) * 28 + r.day;
    if (shownYear != year) {
      c.Fail("value", "year " + Str(shownYear) + ", expected " + Str(year));
      return;
    }
    if (weekday != kPositivistWeekdays[static_cast<std::size_t>(ordinal % 7)]) {
      c.Fail("name", Quote(weekday) + " is not the weekday of day " + Str(ordinal));
      return;
    }
    if (dayName != kPositivistDayNames[static_cast<std::size_t>(ordinal - 1)]) {
      c.Fail("name", Quote(dayName) + " is not the name of day " + Str(ordinal));
      return;
    }
  }
  if (ordinal != dayOfYear) {
    c.Fail("value", "day " + Str(ordinal) + " of the year, the date is day " + Str(dayOfYear));
    return;
  }
  c.Result().valid = true;
}

void ReadCotsworth(LineCheck& c) {
  const int dayOfYear = c.Context().gregorianDayOfYear;
  const std::int64_t year = c.Context().gregorian.year - 1922;
  const bool leap = IsGregorianLeap(c.Context().gregorian.year);
  int ordinal = 0;
  std::int64_t shownYear = 0;
  Scanner named(c.Value());
  std::string_view name;
  named.Word(name, " ").Literal(" ").Int(shownYear);
  if (named.Done() && name == "Olympic") {
    ordinal = leap ? 169 : 0;
  } else if (named.Done() && name == "Sylvester") {
    ordinal = leap ? 366 : 365;
  } else {
    Reading& r = c.Result();
    Scanner s(c.Value());
    std::string_view weekday;
    s.Int(r.day).Literal(".").Word(name, " ").Literal(" ").Int(shownYear).Literal(", ").Word(weekday);
    if (!s.Done()) {
      c.Fail("format", "not \"day.month year, weekday\": " + Quote(c.Value()));
      return;
    }
    if (!ReadNamed(c, kCotsworthMonths, name) || !DayInMonth(r, 28, c)) {
      return;
    }
    const int count = (r.month - 1) * 28 + r.day;
    if (weekday != kSaturdayFirstWeekdays[static_cast<std::size_t>(count % 7)]) {
      c.Fail("name", Quote(weekday) + " is not the weekday of day " + Str(count));
      return;
    }
    // The leap day follows the sixth month.
    ordinal = count + (leap && r.month >= 7 ? 1 : 0);
  }
  if (shownYear != year) {
    c.Fail("value", "year " + Str(shownYear) + ", expected " + Str(year));
    return;
  }
  if (ordinal != dayOfYear) {
    c.Fail("value", "day " + Str(ordinal) + " of the year, the date is day " + Str(dayOfYear));
    return;
  }
  c.Result().valid = true;
}

void ReadDiscordian(LineCheck& c) {
  const YearMonthDay& g = c.Context().gregorian;
  const std::int64_t year = g.year + 1166;
  std::int64_t shownYear = 0;
  if (g.month == 2 && g.day == 29) {
    ExpectText(c, "St.Tib's Day " + Str(year) + " YOLD");
    return;
  }
  Reading& r = c.Result();
  constexpr std::string_view kYold = " YOLD";
  const std::string_view value = c.Value();
  if (value.size() <= kYold.size() || value.substr(value.size() - kYold.size()) != kYold) {
    c.Fail("format", "not \"day.season year YOLD\": " + Quote(value));
    return;
  }
  if (!ReadDayNameYear(c, kDiscordianSeasons, value.substr(0, value.size() - kYold.size())) ||
      !DayInMonth(r, 73, c)) {
    r.valid = false;
    return;
  }
  shownYear = r.year;
  // The day of a common year: the leap day stands outside the seasons.
  const int commonDay = c.Context().gregorianDayOfYear - (IsGregorianLeap(g.year) && g.month > 2 ? 1 : 0);
  if (shownYear != year || (r.month - 1) * 73 + r.day != commonDay) {
    c.Fail("value", Quote(c.Value()) + " is not day " + Str(commonDay) + " of " + Str(year));
    return;
  }
  r.valid = true;
}

// ------------------------------------------------------------ Goddess, Solilunar

void ReadEraDate(LineCheck& c, const NameTable& names, std::int64_t yearsPerEra) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  std::string_view name;
  std::int64_t year = 0;
  std::int64_t era = 0;
  s.Int(r.day).Literal(".").Word(name, " ").Literal(" ").Int(year).Literal(" ").Int(era).Literal(".Ära");
  if (!s.Done()) {
    c.Fail("format", "not \"day.month year era.Ära\": " + Quote(c.Value()));
    return;
  }
  if (!ReadNamed(c, names, name)) {
    return;
  }
  if (year < 1 || year > yearsPerEra) {
    c.Fail("value", "year " + Str(year) + " outside 1.." + Str(yearsPerEra) + " of its era");
    return;
  }
  r.year = era * yearsPerEra + year;
  r.flag = r.month == 13;
  r.valid = DayInMonth(r, 31, c);
}

// Goddess months: the first of 28 to 31 days, then 30 and 29 by turns.
void ReadGoddess(LineCheck& c) {
  ReadEraDate(c, kGoddessMonths, 1689);
  Reading& r = c.Result();
  if (r.valid && r.month > 1) {
    r.valid = DayInMonth(r, r.month % 2 == 0 ? 30 : 29, c);
  }
}

void FollowGoddess(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  if (r.year == before.year && r.month == before.month && r.day == before.day + 1) {
    return;
  }
  bool ok = r.day == 1;
  if (before.month == 1) {
    ok = ok && before.day >= 28 && r.year == before.year && r.month == 2;
  } else {
    const int length = before.month % 2 == 0 ? 30 : 29;
    const bool yearMayEnd = before.month == 12;
    ok = ok && before.day == length &&
         ((r.year == before.year && r.month == before.month + 1 && before.month < 13) ||
          ((yearMayEnd || before.month == 13) && r.year == before.year + 1 && r.month == 1));
  }
  if (!ok) {
    after.Fail("succession", Show(r) + " after " + Show(before));
  }
}

// Solilunar months: 29 and 30 days by turns, a thirteenth of 30 or 31.
void ReadSolilunar(LineCheck& c) {
  ReadEraDate(c, kSolilunarMonths, 60);
  Reading& r = c.Result();
  if (r.valid && r.month < 13) {
    r.valid = DayInMonth(r, r.month % 2 == 1 ? 29 : 30, c);
  }
}

void FollowSolilunar(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  if (r.year == before.year && r.month == before.month && r.day == before.day + 1) {
    return;
  }
  bool ok = r.day == 1;
  if (before.month == 13) {
    ok = ok && before.day >= 30 && r.year == before.year + 1 && r.month == 1;
  } else {
    const int length = before.month % 2 == 1 ? 29 : 30;
    ok = ok && before.day == length &&
         ((r.year == before.year && r.month == before.month + 1) ||
          (before.month == 12 && r.year == before.year + 1 && r.month == 1));
  }
  if (!ok) {
    after.Fail("succession", Show(r) + " after " + Show(before));
  }
}

// ------------------------------------------------------------ Mars

// Month 24 has its 28th sol only in the long years (odd or divisible by 10,
// not by 100): the year's own length decides where it ends.
int MarsMonthLength(int month, std::int64_t year) {
  if (month == 24) {
    const bool longYear = (Mod(year, 2) == 1 || year % 10 == 0) && year % 100 != 0;
    return longYear ? 28 : 27;
  }
  return month % 6 == 0 ? 27 : 28;
}

void ReadMarsJulian(LineCheck& c) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  s.Real(r.real).Literal(", ").Int(r.extra).Literal(".Tag des Marsjahres");
  if (!s.Done()) {
    c.Fail("format", "not \"sols, n.Tag des Marsjahres\": " + Quote(c.Value()));
    return;
  }
  const long double expected = MarsSols(c.Context());
  if (std::fabs(r.real - expected) > 0.00011L) {
    c.Fail("value", "sol count " + Quote(c.Value()) + ", expected about " +
                        std::to_string(static_cast<double>(expected)));
    return;
  }
  r.valid = r.extra >= 0 && r.extra < 669;
  if (!r.valid) {
    c.Fail("value", "day " + Str(r.extra) + " of the Mars year");
  }
}

void ReadMarsDarian(LineCheck& c) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  std::string_view name;
  std::string_view sol;
  int number = 0;
  int weekday = 0;
  s.Int(r.day).Literal(".").Word(name, " ").Literal(" ").Int(r.year).Literal(" (").Int(number).Literal("); ");
  s.Int(weekday).Literal(".Wochentag, Sol ").Word(sol);
  if (!s.Done()) {
    c.Fail("format", "not \"day.month year (n); w.Wochentag, Sol name\": " + Quote(c.Value()));
    return;
  }
  if (!ReadNamed(c, kMarsMonths, name)) {
    return;
  }
  if (number != r.month) {
    c.Fail("name", Quote(name) + " is month " + Str(r.month) + ", the text says " + Str(number));
    return;
  }
  if (!DayInMonth(r, MarsMonthLength(r.month, r.year), c)) {
    return;
  }
  // Every month starts on Solis.
  if (weekday != (r.day - 1) % 7 + 1 || sol != kMarsSols[static_cast<std::size_t>(weekday - 1)]) {
    c.Fail("name", "sol " + Str(weekday) + " " + Quote(sol) + " on day " + Str(r.day));
    return;
  }
  if (const Reading* julian = c.Of("mars")) {
    int before = 0;
    for (int month = 1; month < r.month; ++month) {
      before += MarsMonthLength(month, r.year);
    }
    if (julian->extra != before + r.day - 1) {
      c.Fail("value", "day " + Str(julian->extra) + " of the Mars year on " + Show(r));
      return;
    }
  }
  r.valid = true;
}

// At a fixed time of day the Mars date moves on by one sol or stays.
void FollowMarsDarian(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  if (r.year == before.year && r.month == before.month && r.day == before.day) {
    return;
  }
  ExpectNextDay(before, after, MarsMonthLength(before.month, before.year),
                before.month == 24 ? before.year + 1 : before.year, before.month % 24 + 1);
}

// ------------------------------------------------------------ stardate, PI calendar

void ReadStardate(LineCheck& c) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  s.Real(r.real);
  if (!s.Done()) {
    c.Fail("format", "not a number: " + Quote(c.Value()));
    return;
  }
  const long double expected = (c.Day().jd + 0.5L - JulianDateOfGregorian(2323, 1, 1)) * 2.73790926490113L;
  if (std::fabs(r.real - expected) > 0.0006L) {
    c.Fail("value", Quote(c.Value()) + ", expected about " + std::to_string(static_cast<double>(expected)));
    return;
  }
  r.valid = true;
}

// The PI-year's fraction laid onto the selected year from its 1 January, in
// the arithmetic of the report (doubles).
void ReadPi(LineCheck& c) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  s.Int(r.day).Literal(".").Int(r.month).Literal(".").Int(r.year);
  if (!s.Done()) {
    c.Fail("format", "not \"day.month.year\": " + Quote(c.Value()));
    return;
  }
  constexpr double kLength = 363.610260832152;
  const double x = (static_cast<double>(c.Day().jd) - 1616596.5) / kLength;  // from 1 January -286, Julian
  const double offset = (x - std::trunc(x)) * kLength;
  const long double newYear = CivilJulianDate(c.Day().year, 1, 1);
  const YearMonthDay expected = CivilDateOf(newYear + std::floor(offset));
  const bool nearWholeDay = std::fabs(offset - std::round(offset)) < 1e-6;
  if (r.year != static_cast<std::int64_t>(std::trunc(x)) + 1) {
    c.Fail("value",
           "PI-year " + Str(r.year) + ", expected " + Str(static_cast<std::int64_t>(std::trunc(x)) + 1));
    return;
  }
  if ((r.month != expected.month || r.day != expected.day) && !nearWholeDay) {
    c.Fail("value", "day " + Str(r.day) + "." + Str(r.month) + ". expected " + Str(expected.day) + "." +
                        Str(expected.month) + ".");
    return;
  }
  r.valid = r.month >= 1 && r.month <= 12 && DayInMonth(r, CivilMonthLength(r.month, c.Day().year), c);
}

void ReadPiSilvester(LineCheck& c) {
  if (const Reading* pi = c.Of("pi")) {
    std::vector<std::string_view> expected;
    if (pi->day == 28 && pi->month == 12) {
      expected.push_back("PI-Silvester");
    }
    ExpectValues(c, expected);
  }
}

bool IsPiSilvester(std::string_view value) { return value == "PI-Silvester"; }

// ------------------------------------------------------------ sun and moon

// "Finsternis": a kind, the maximum as a time of day with its zone, and what
// the place sees ("NN % bedeckt", "Größe N.NN", "hier nicht sichtbar").
void ReadEclipse(LineCheck& c) {
  static const std::regex kLine(
      "(partielle|ringförmige|totale|hybride) Sonnenfinsternis, Maximum "
      "([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9] "
      "[A-Z+0-9-]+(, ([1-9][0-9]?|100) % bedeckt|, hier nicht sichtbar)|"
      "(Halbschatten-|partielle |totale )Mondfinsternis, Maximum ([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9] "
      "[A-Z+0-9-]+, Größe -?[0-9]\\.[0-9][0-9](, hier nicht sichtbar)?");
  const std::string value(c.Value());
  if (value.empty()) {
    c.Result().valid = true;  // most days have none
    return;
  }
  c.Result().valid = std::regex_match(value, kLine);
  if (!c.Result().valid) {
    c.Fail("value", Quote(value) + " is not an eclipse line");
  }
}

bool IsMonthDay(int day, int month, std::int64_t year) {
  return month >= 1 && month <= 12 && day >= 1 && day <= GregorianMonthLength(month, year);
}

// The moment of a time line as a Julian Date in Central European Time.
void ReadMoment(LineCheck& c) {
  Reading& r = c.Result();
  if (!ReadCetMoment(c.Value(), r.real)) {
    c.Fail("format", "not \"dd.MM.yyyy HH:mm:ss MEZ\": " + Quote(c.Value()));
    return;
  }
  r.valid = true;
}

// Sun and twilight: on the chosen day itself, at hours (CET) that 50 degrees
// north and 12 degrees east allow in some season.
void ReadSunMoment(LineCheck& c, long double earliest, long double latest) {
  ReadMoment(c);
  Reading& r = c.Result();
  if (!r.valid) {
    return;
  }
  const long double hours = (r.real - c.Day().jd) * 24;
  if (hours < earliest || hours > latest) {
    c.Fail("value", Quote(c.Value()) + " is not between " + Str(std::llround(earliest * 60)) + " and " +
                        Str(std::llround(latest * 60)) + " minutes after midnight of the chosen day");
    r.valid = false;
  }
}

void ReadDawn(LineCheck& c) { ReadSunMoment(c, 2.5L, 8.25L); }
void ReadDusk(LineCheck& c) { ReadSunMoment(c, 16.25L, 22.0L); }
void ReadSunRise(LineCheck& c) { ReadSunMoment(c, 3.5L, 8.75L); }
// Mean noon at 12 degrees east is 12:12 CET; the equation of time moves the
// sun's culmination by at most about 17 minutes either way.
void ReadSunTransit(LineCheck& c) { ReadSunMoment(c, 11.85L, 12.5L); }

void FollowSunMoment(const Reading& before, LineCheck& after) {
  // Rise, set and twilight move by a few minutes a day at 50 degrees north.
  const long double step = after.Result().real - before.real - 1;
  if (std::fabs(step) > 6.0L / 1440) {
    after.Fail("succession", "moved by " + Str(std::llround(step * 1440)) + " minutes from the day before");
  }
}

void ReadSunSet(LineCheck& c) {
  ReadSunMoment(c, 15.5L, 21.25L);
  const Reading* dawn = c.Of("sun_moon");
  const Reading* dusk = c.Of("sun_moon.civil_dusk");
  const Reading* rise = c.Of("sun_moon.sunrise");
  const Reading* transit = c.Of("sun_moon.sun_transit");
  const Reading& set = c.Result();
  if (set.valid && dawn != nullptr && dusk != nullptr && rise != nullptr && transit != nullptr &&
      !(dawn->real < rise->real && rise->real < transit->real && transit->real < set.real &&
        set.real < dusk->real)) {
    c.Fail("order", "not dawn < sunrise < culmination < sunset < dusk");
  }
}

// The moon's rise, culmination and set: an event of the chosen day itself
// (MEZ), or "-" on the day about once a month that has none (read, with the
// flag set and no moment).
void ReadMoonMoment(LineCheck& c) {
  if (c.Value() == "-") {
    c.Result().valid = true;
    c.Result().flag = true;
    return;
  }
  ReadMoment(c);
  Reading& r = c.Result();
  const long double start = c.Day().jd;
  if (r.valid && (r.real < start - 1e-9L || r.real >= start + 1)) {
    c.Fail("value", Quote(c.Value()) + " is not within the chosen day");
    r.valid = false;
  }
}

// The next phase: at or after the chosen day's 0 h and within a lunation
// (from one phase to the next of its kind may take a little over 29.8 days).
void ReadPhase(LineCheck& c) {
  ReadMoment(c);
  Reading& r = c.Result();
  const long double start = c.Day().jd + 1.0L / 24;
  if (r.valid && (r.real < start - 1e-9L || r.real > start + 30.5L)) {
    c.Fail("value", Quote(c.Value()) + " is not within a lunation after the chosen day");
    r.valid = false;
  }
}

void FollowPhase(const Reading& before, LineCheck& after) {
  const Reading& r = after.Result();
  const long double start = after.Day().jd + 1.0L / 24;
  const long double second = 1.0L / 86400;
  if (before.real >= start) {
    // Still ahead: the same moment, to the second.
    if (std::fabs(r.real - before.real) > 1.5L * second) {
      after.Fail("succession", "the phase moved from the day before");
    }
  } else if (r.real < before.real + 25) {
    after.Fail("succession", "the next phase after one that has passed is less than 25 days later");
  }
}

void ReadLastQuarter(LineCheck& c) {
  ReadPhase(c);
  // New moon, first quarter, full moon and last quarter follow each other
  // round the lunation.
  const Reading* phases[] = {c.Of("sun_moon.next_new_moon"), c.Of("sun_moon.next_first_quarter"),
                             c.Of("sun_moon.next_full_moon"), c.Of("sun_moon.next_last_quarter")};
  for (const Reading* p : phases) {
    if (p == nullptr) {
      return;
    }
  }
  int wraps = 0;
  for (int i = 0; i < 4; ++i) {
    wraps += phases[(i + 1) % 4]->real < phases[i]->real ? 1 : 0;
  }
  if (wraps != 1) {
    c.Fail("order", "the next phases are not in the order of the lunation");
  }
  // The moon's age at 0 h and the time to each phase add up to the phase's
  // place in the lunation, give or take the moon's uneven pace.
  const Reading* age = c.Of("sun_moon.moon_age");
  if (age == nullptr) {
    return;
  }
  constexpr long double kLunation = 29.530589L;
  for (int i = 0; i < 4; ++i) {
    const long double untilPhase = phases[i]->real - 1.0L / 24 - c.Day().jd;
    long double off = std::fmod(age->real + untilPhase - i * kLunation / 4, kLunation);
    off += off < -kLunation / 2 ? kLunation : off > kLunation / 2 ? -kLunation : 0;
    if (std::fabs(off) > 1.5L) {
      c.Fail("value", "the moon's age and the next phase " + Str(2 * i) + " are " +
                          std::to_string(static_cast<double>(off)) + " days apart");
    }
  }
}

void ReadWithUnit(LineCheck& c, std::string_view unit, long double low, long double high,
                  long double maxStep) {
  Reading& r = c.Result();
  Scanner s(c.Value());
  s.Real(r.real).Literal(unit);
  if (!s.Done()) {
    c.Fail("format", "not a number and " + Quote(unit) + ": " + Quote(c.Value()));
    return;
  }
  if (r.real < low || r.real > high) {
    c.Fail("value", Quote(c.Value()) + " outside " + std::to_string(static_cast<double>(low)) + ".." +
                        std::to_string(static_cast<double>(high)));
    return;
  }
  r.extra = std::llround(maxStep * 1000);
  r.valid = true;
}

void FollowMeasure(const Reading& before, LineCheck& after) {
  if (std::fabs(after.Result().real - before.real) * 1000 > static_cast<long double>(before.extra)) {
    after.Fail("succession", "changed by " +
                                 std::to_string(static_cast<double>(after.Result().real - before.real)) +
                                 " from the day before");
  }
}

void ReadMoonAge(LineCheck& c) { ReadWithUnit(c, " Tage", 0, 29.535L, 1.1L); }

void FollowMoonAge(const Reading& before, LineCheck& after) {
  // The age is the elongation in days of a mean lunation, so it grows by the
  // moon's speed relative to the sun: from about 0.8 to 1.25 days a day.
  const long double step = after.Result().real - before.real;
  const bool newLunation = step < 0 && after.Result().real < 1.4L;
  if (!newLunation && (step < 0.7L || step > 1.4L)) {
    after.Fail("succession", "age changed by " + std::to_string(static_cast<double>(step)) + " days");
  }
}

void ReadMoonPhase(LineCheck& c) {
  ReadWithUnit(c, " %", 0, 100, 15);
  // About (1 - cos elongation) / 2, the elongation taken from the age.
  const Reading* age = c.Of("sun_moon.moon_age");
  Reading& r = c.Result();
  if (r.valid && age != nullptr) {
    constexpr long double kTurn = 2 * 3.14159265358979323846L;
    const long double expected = 50 * (1 - std::cos(kTurn * age->real / 29.530589L));
    if (std::fabs(r.real - expected) > 8) {
      c.Fail("value", Quote(c.Value()) + " lit at an age of " +
                          std::to_string(static_cast<double>(age->real)) + " days (about " +
                          std::to_string(static_cast<double>(expected)) + " %)");
    }
  }
}
void ReadMoonDistance(LineCheck& c) { ReadWithUnit(c, " km", 356000, 407000, 8000); }

// ------------------------------------------------------------ the table

constexpr auto kRules = std::to_array<LineRule>({
    {.id = "date", .read = ReadDate, .byJulianDay = false},
    {.id = "holiday", .occurs = Occurs::kAny, .read = ReadReportHolidays, .byJulianDay = false},
    {.id = "weekday", .read = ReadWeekday, .follow = FollowWeekday},
    {.id = "day_of_year", .read = ReadDayOfYear},
    {.id = "julian_date", .read = ReadJulianDate},
    {.id = "julian", .read = ReadJulianCalendar, .follow = FollowJulianCalendar},
    {.id = "day_counts", .read = ReadDaysSince},
    {.id = "gregorian_day", .read = ReadGregorianDay},
    {.id = "world", .read = ReadWorld},
    {.id = "roman", .read = ReadRoman},
    {.id = "egyptian", .read = ReadEgyptian, .follow = FollowWandering},
    {.id = "islamic", .read = ReadIslamic, .follow = FollowIslamic},
    {.id = "islamic_festivals",
     .occurs = Occurs::kAny,
     .accepts = IsIslamicFestival,
     .read = ReadIslamicFestivals},
    {.id = "jewish", .read = ReadJewish, .follow = FollowJewish},
    {.id = "jewish.festival",
     .occurs = Occurs::kAny,
     .accepts = IsJewishFestival,
     .read = ReadJewishFestivals},
    {.id = "japanese", .read = ReadJapanese},
    {.id = "chinese", .read = ReadChinese, .follow = FollowChinese},
    {.id = "chinese_year", .read = ReadSolarTerm, .follow = FollowSolarTerm},
    {.id = "chinese_festivals",
     .occurs = Occurs::kAny,
     .accepts = IsChineseFestival,
     .read = ReadChineseFestivals},
    {.id = "french_republican", .read = ReadFrench, .follow = FollowFrench},
    {.id = "soviet", .read = ReadSoviet},
    {.id = "seleucid", .read = ReadSeleucid},
    {.id = "iranian", .read = ReadIranian, .follow = FollowIranian},
    // The Babylonian year is laid onto the civil day numbers, not the Julian
    // Day, and is schematic: not a day-by-day calendar.
    {.id = "babylonian", .read = ReadBabylonian, .byJulianDay = false},
    {.id = "maya", .read = ReadMayaLongCount},
    {.id = "maya.tzolkin_haab", .read = ReadMayaRound},
    {.id = "aztec", .read = ReadAztec, .follow = FollowAztec},
    {.id = "bahai", .read = ReadBahai, .follow = FollowBahai},
    {.id = "coptic_ethiopian", .read = ReadCoptic, .follow = FollowCoptic},
    {.id = "coptic_ethiopian.ethiopian", .read = ReadEthiopian, .follow = FollowEthiopian},
    // Genna is tied to the civil 7 January.
    {.id = "ethiopian_festivals",
     .occurs = Occurs::kAny,
     .accepts = IsEthiopianFestival,
     .read = ReadEthiopianFestivals,
     .byJulianDay = false},
    {.id = "indian", .read = ReadIndian, .follow = FollowIndian},
    {.id = "sikh", .read = ReadSikh, .follow = FollowSikh},
    {.id = "armenian", .read = ReadArmenian, .follow = FollowWandering},
    {.id = "berber", .read = ReadBerber},
    {.id = "john_dee", .read = ReadJohnDee, .follow = FollowJohnDee},
    // Laid onto the civil day numbers of 1937-2063.
    {.id = "sixty_week", .read = ReadSixtyWeek, .follow = FollowSixtyWeek, .byJulianDay = false},
    {.id = "positivist", .read = ReadPositivist},
    {.id = "cotsworth", .read = ReadCotsworth},
    {.id = "goddess", .read = ReadGoddess, .follow = FollowGoddess},
    {.id = "solilunar", .read = ReadSolilunar, .follow = FollowSolilunar},
    {.id = "discordian", .read = ReadDiscordian},
    {.id = "mars", .applies = MarsShown, .read = ReadMarsJulian},
    {.id = "mars.darian", .applies = MarsShown, .read = ReadMarsDarian, .follow = FollowMarsDarian},
    {.id = "stardate", .read = ReadStardate},
    {.id = "pi", .read = ReadPi},
    {.id = "pi.new_years_eve",
     .occurs = Occurs::kOptional,
     .accepts = IsPiSilvester,
     .read = ReadPiSilvester},
    // The sweep refreshes without a chosen place: no "Ort" line.
    {.id = "sun_moon.place", .occurs = Occurs::kOptional, .applies = Never},
    {.id = "sun_moon", .read = ReadDawn, .follow = FollowSunMoment},
    {.id = "sun_moon.civil_dusk", .read = ReadDusk, .follow = FollowSunMoment},
    {.id = "sun_moon.moon_age", .read = ReadMoonAge, .follow = FollowMoonAge},
    {.id = "sun_moon.moon_phase", .read = ReadMoonPhase, .follow = FollowMeasure},
    {.id = "sun_moon.moon_distance", .read = ReadMoonDistance, .follow = FollowMeasure},
    {.id = "sun_moon.next_new_moon", .read = ReadPhase, .follow = FollowPhase},
    {.id = "sun_moon.next_first_quarter", .read = ReadPhase, .follow = FollowPhase},
    {.id = "sun_moon.next_full_moon", .read = ReadPhase, .follow = FollowPhase},
    {.id = "sun_moon.next_last_quarter", .read = ReadLastQuarter, .follow = FollowPhase},
    {.id = "sun_moon.moonrise", .read = ReadMoonMoment},
    {.id = "sun_moon.moon_transit", .read = ReadMoonMoment},
    {.id = "sun_moon.moonset", .read = ReadMoonMoment},
    {.id = "sun_moon.sunrise", .read = ReadSunRise, .follow = FollowSunMoment},
    {.id = "sun_moon.sun_transit", .read = ReadSunTransit, .follow = FollowSunMoment},
    {.id = "sun_moon.sunset", .read = ReadSunSet, .follow = FollowSunMoment},
    {.id = "sun_moon.eclipse", .occurs = Occurs::kOptional, .read = ReadEclipse},
});

// The checking code of a line; nullptr for a line the sweep has none for.
const LineRule* RuleOf(std::string_view id) {
  for (const LineRule& rule : kRules) {
    if (rule.id == id) {
      return &rule;
    }
  }
  return nullptr;
}

const LookupCalendar* WayOf(const ReportEntry& entry) {
  if (entry.ways.empty()) {
    return nullptr;
  }
  const LookupCalendar& way = entry.ways.front();
  return way.shape == DateShape::kYearMonthDay && !way.countsToMarkedDays && way.monthName != nullptr &&
                 way.fromFixed != nullptr
             ? &way
             : nullptr;
}

SweptLine Line(std::string_view id, std::string_view entry, std::string_view label, int firstYear,
               int lastYear, const LookupCalendar* way = nullptr) {
  // The report's blank lines are a lone space, written as the whole line.
  return {id, entry, label, label == " ", firstYear, lastYear, RuleOf(id), way};
}

std::vector<SweptLine> CollectLines(const EntryChoice& shown) {
  constexpr int kAnyYear = std::numeric_limits<int>::max();
  std::vector<SweptLine> lines;
  // The refresh's own lines: the date, a blank line (it has no id of its
  // own), the day's holidays.
  for (const ReportLineIdRow& row : ReportLineIds()) {
    if (row.entry.empty()) {
      lines.push_back(Line(row.id, {}, row.label, -kAnyYear, kAnyYear));
      if (row.id == "date") {
        lines.push_back(Line("blank", {}, " ", -kAnyYear, kAnyYear));
      }
    }
  }
  // The entries shown, each first line followed by the entry's further
  // lines in their order (the "Ort" line that a chosen place puts before the
  // sun and moon times never shows: the sweep chooses no place).
  for (const ReportEntry& entry : ReportEntries()) {
    if (!shown.Shows(entry)) {
      continue;
    }
    lines.push_back(Line(entry.id, entry.id, entry.label, entry.firstYear, entry.lastYear, WayOf(entry)));
    for (const ReportLineIdRow& row : ReportLineIds()) {
      if (row.entry == entry.id) {
        lines.push_back(Line(row.id, entry.id, row.label, entry.firstYear, entry.lastYear));
      }
    }
  }
  return lines;
}

}  // namespace

bool SweptLine::Applies(const DayContext& context) const {
  if (context.day.year < firstYear || context.day.year > lastYear) {
    return false;
  }
  if (rule == nullptr) {
    return way == nullptr || way->fromFixed(FixedFromJulianDate(context.day.jd)).has_value();
  }
  return rule->applies == nullptr || rule->applies(context);
}

void ReadByWay(const LookupCalendar& way, LineCheck& c) {
  const std::optional<CalendarFields> date = way.fromFixed(FixedFromJulianDate(c.Day().jd));
  if (!date) {
    return;
  }
  const std::string expected =
      Str(date->day) + "." + std::string(way.monthName(date->month)) + " " + Str(date->year);
  const std::string_view value = c.Value();
  if (value.substr(0, expected.size()) != expected ||
      (value.size() > expected.size() && value[expected.size()] != ' ')) {
    c.Fail("value", "expected the date " + Quote(expected) + " its way gives, got " + Quote(value));
    return;
  }
  Reading& r = c.Result();
  r.year = date->year;
  r.month = date->month;
  r.day = date->day;
  r.valid = true;
}

const std::vector<SweptLine>& SweptLines(bool allEntries) {
  static const std::vector<SweptLine> defaultLines = CollectLines(EntryChoice());
  static const std::vector<SweptLine> allLines = CollectLines(EntryChoice::All());
  return allEntries ? allLines : defaultLines;
}

std::span<const LineRule> LineRules() { return kRules; }

int LineIndexOf(const std::vector<SweptLine>& lines, std::string_view id) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].id == id) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool ReadCetMoment(std::string_view value, long double& moment) {
  int day = 0;
  int month = 0;
  std::int64_t year = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  Scanner s(value);
  s.Int(day).Literal(".").Int(month).Literal(".").Int(year);
  // Two-digit day and month, four-digit year.
  if (!s.Ok() || value.size() < 10 || value[2] != '.' || value[5] != '.') {
    return false;
  }
  if (value.substr(10) != " MEZ") {
    Scanner time(value.substr(10));
    time.Literal(" ").Int(hour).Literal(":").Int(minute).Literal(":").Int(second).Literal(" MEZ");
    if (!time.Done() || value.size() != 23 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
      return false;
    }
  }
  if (!IsMonthDay(day, month, year)) {
    return false;
  }
  moment = JulianDateOfGregorian(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0L;
  return true;
}

YearMonthDay JulianEaster(int year) {
  const int d = (19 * (year % 19) + 15) % 30;
  const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
  const int x = d + e + 114;
  return {year, x / 31, x % 31 + 1};
}

YearMonthDay GregorianEaster(int year) {
  // The anonymous Gregorian algorithm.
  const int a = year % 19;
  const int b = year / 100;
  const int c = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4;
  const int k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int x = h + l - 7 * m + 114;
  return {year, x / 31, x % 31 + 1};
}

}  // namespace tempulo::sweep

#include "report/report_builder.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "report/festivals.h"
#include "report/refresh.h"
#include "astro/angles.h"
#include "calendars/traditional/islamic.h"
#include "astro/moon.h"
#include "astro/moon_phases.h"
#include "astro/rise_set.h"
#include "astro/vsop87.h"
#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"
#include "calendars/modern/week_and_time.h"
#include "calendars/modern/world_calendar.h"
#include "calendars/traditional/aztec.h"
#include "calendars/traditional/babylonian.h"
#include "calendars/traditional/bahai.h"
#include "calendars/traditional/calendar_helpers.h"
#include "calendars/traditional/chinese.h"
#include "calendars/traditional/civil_dates.h"
#include "calendars/traditional/dee_sixty_week.h"
#include "calendars/traditional/egyptian.h"
#include "calendars/traditional/indian.h"
#include "calendars/traditional/japanese.h"
#include "calendars/traditional/jewish.h"
#include "calendars/traditional/maya.h"
#include "calendars/traditional/roman.h"
#include "calendars/traditional/seleucid_armenian.h"
#include "calendars/traditional/sexagenary.h"
#include "holidays/holidays.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Dienstag",  "Mittwoch", "Donnerstag", "Freitag",
                                                           "Sonnabend", "Sonntag",  "Montag"};

constexpr std::array<std::string_view, 12> kBerberMonthNames = {"Yennayer", "Furar", "Meghres", "Ibrir",
                                                                "Mayyu",    "Yunyu", "Yulyu",   "Ghust",
                                                                "Shtember", "Tuber", "Wamber",  "Jember"};

constexpr std::array<std::string_view, 13> kJewishMonthNames = {
    "Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",  "Tishri",
    "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};

constexpr std::array<std::string_view, 24> kSolarTermNames = {
    "Chunfen - Frühlingstagundnachtgleiche",
    "Qingming - Hell und Klar",
    "Guyu - Regen für Körnerfrüchte",
    "Lixia - Sommeranfang",
    "Xiaoman - Kleiner Überfluss",
    "Mangzhong - Getreidedrusch",
    "Xiazhi - Sommersonnenwende",
    "Xiaoshu - Kleine Hitze",
    "Dashu - Große Hitze",
    "Liqiu - Herbstanfang",
    "Chushu - Ende der Hitze",
    "Bailu - Weißer Tau",
    "Qiufen - Herbsttagundnachtgleiche",
    "Hanlu - Kalter Tau",
    "Shuangjiang - Rauhreif",
    "Lidong - Winteranfang",
    "Xiaoxue - Kleiner Schnee",
    "Daxue - Großer Schnee",
    "Dongzhi - Wintersonnenwende",
    "Xiaohan - Kleine Kälte",
    "Dahan - Große Kälte",
    "Lichun - Frühlingsanfang",
    "Yushui - Regenwasser",
    "Jingzhe - Erwachen der Insekten",
};

constexpr double kStardatesPerDay = 2.73790926490113;
constexpr double kPiYearLength = 363.610260832152;

// A 1-based name table read without ever leaving it.
template <std::size_t N>
std::string Name(const std::array<std::string_view, N>& table, int index) {
  if (index < 1 || index > static_cast<int>(N)) {
    return {};
  }
  return std::string(table[static_cast<std::size_t>(index - 1)]);
}

std::string Str(long long n) { return std::to_string(n); }

// What the steps share: the selected date, the values formed once at the
// start, and the results one step leaves for a later one.
struct ReportContext {
  int day;
  int month;
  int year;
  const Clock& clock;
  Report& report;
  long double jd = 0;     // Julian Date of the day at 0 h
  double dateValue = 0;   // the same instant as a date value
  CivilDate julian{};     // the day in the Julian calendar
  CivilDate gregorian{};  // the day in the proleptic Gregorian calendar
  int dayOfYear = 0;      // Gregorian day of the year (years after 1582)
  IslamicDateResult islamic{};
  ChineseDateRecord chinese{};
};

void Heading(ReportContext& c) {
  c.report.SetHeading(std::string(GermanMonthName(c.month)) + " " + Str(c.year));
}

void DateValues(ReportContext& c) {
  c.jd = ReportJulianDay(c.day, c.month, c.year);
  // Formed from the JD, so every line names the same day as the JD also
  // before the reform.
  c.dateValue = JulianDayToDateTime(c.jd);
  c.julian = JulianDayToJulianCalendar(c.jd);
  c.gregorian = JulianDayToGregorianCalendar(c.jd);
}

void Weekday(ReportContext& c) {
  const auto index = static_cast<long long>(std::trunc(c.jd)) % 7;
  c.report.Add("Wochentag", kWeekdayNames[static_cast<std::size_t>(index)]);
}

void DayAndWeekOfYear(ReportContext& c) {
  if (c.year <= 1582) {
    return;
  }
  c.dayOfYear = DayOfYear(c.day, c.month, c.year);
  c.report.Add("", Str(c.dayOfYear) + ".Tag des Jahres / " + Str(IsoWeekNumber(c.year, c.dayOfYear)) +
                       ".Woche des Jahres");
}

void JulianDate(ReportContext& c) {
  c.report.Add("Julianisches Datum", FormatTrimmedNumber(1, 2, static_cast<double>(c.jd)) +
                                         " / modifiziert " +
                                         FormatTrimmedNumber(1, 2, static_cast<double>(c.jd - 2400000.5L)));
}

void JulianCalendar(ReportContext& c) {
  c.report.Add(
      "Julianischer Kalender",
      Str(c.julian.day) + "." + std::string(GermanMonthName(c.julian.month)) + " " + Str(c.julian.year));
}

void DaysSinceEpochs(ReportContext& c) {
  c.report.Add(
      "Tag seit 1.1.1 / 1.1.2001",
      FormatTrimmedNumber(1, 0, static_cast<double>(c.jd - JulianCalendarToJulianDay(1, 1, 1))) + " / " +
          FormatTrimmedNumber(1, 0, static_cast<double>(c.jd - GregorianCalendarToJulianDay(2001, 1, 1))));
}

void GregorianDay(ReportContext& c) {
  c.report.Add("Gregorianischer Tag",
               FormatTrimmedNumber(1, 0, static_cast<double>(c.jd + 1 - CivilDateToJulianDay(1582, 10, 15))));
}

void WorldCalendar(ReportContext& c) {
  if (c.year > 1582) {
    WorldCalendarDate(c.dayOfYear, c.year, c.report);
  }
}

void Roman(ReportContext& c) {
  c.report.Add("Römischer Kalender", RomanDate(c.julian.day, c.julian.month, c.julian.year));
}

void Egyptian(ReportContext& c) { c.report.Add("Altägyptischer Kalender", EgyptianDate(c.jd)); }

void Islamic(ReportContext& c) {
  c.islamic = IslamicDate(c.day, c.month, c.year);
  c.report.Add("Islamischer Kalender", c.islamic.text);
}

void IslamicFestivals(ReportContext& c) { AddIslamicFestivals(c.islamic.day, c.islamic.month, c.report); }

void Jewish(ReportContext& c) {
  if (c.year < 359) {
    return;
  }
  const JewishDay jewish = JewishDate(c.dateValue, c.clock);
  c.report.Add("Jüdischer Kalender",
               Str(jewish.day) + "." + Name(kJewishMonthNames, jewish.month) + " " + Str(jewish.year));
  AddJewishFestivals(jewish.month, jewish.day, c.report);
  if (jewish.month == 1 && jewish.day >= 15 && jewish.day <= 21) {
    c.report.Add("", "Passahfest");
  }
}

void Japanese(ReportContext& c) {
  if (c.year >= 1868) {
    c.report.Add("Japanischer Kalender", JapaneseEraDate(c.year, c.month, c.day));
  }
}

void Chinese(ReportContext& c) {
  c.chinese = ChineseDate(c.dateValue);
  const ChineseDateRecord& d = c.chinese;
  std::string text = Str(d.day) + "." + Str(d.month) + ".";
  if (d.isLeapMonth) {
    text += "tan";
  }
  text += " des " + Str(d.yearInCycle) + ".Jahres im " + Str(d.cycle) + ".Zyklus (" +
          Str(static_cast<long long>(d.cycle) * 60 + d.yearInCycle + 1) + ")";
  c.report.Add("Chinesischer Kalender", text);
}

void SolarTerm(ReportContext& c) {
  const int term = SolarTermIndex(EarthHeliocentricPosition(c.dateValue).longitude);
  c.report.Add("", "Jahr : " + SexagenaryText(c.chinese) + "; " +
                       std::string(kSolarTermNames[static_cast<std::size_t>(term)]));
}

void ChineseFestivals(ReportContext& c) { AddChineseFestivals(c.chinese.day, c.chinese.month, c.report); }

void FrenchRepublican(ReportContext& c) {
  c.report.Add("Französischer Revolutionskalender", FrenchRepublicanDate(c.jd));
}

void Soviet(ReportContext& c) {
  if (c.year >= 1917) {
    SovietDate(c.year, c.dayOfYear, c.report);
  }
}

void Seleucid(ReportContext& c) { c.report.Add("Seleukidischer Kalender", SeleucidDate(c.jd)); }

void Iranian(ReportContext& c) { c.report.Add("Iranischer Kalender", IranianDate(c.jd)); }

void Babylonian(ReportContext& c) {
  c.report.Add("Babylonischer Kalender", BabylonianDate(c.day, c.month, c.year));
}

void Maya(ReportContext& c) {
  c.report.Add("Maya-Kalender", MayaLongCount(c.jd));
  c.report.Add("", MayaRoundDate(c.jd));
}

void Aztec(ReportContext& c) { c.report.Add("Azteken-Kalender", AztecDate(c.jd)); }

void Bahai(ReportContext& c) { c.report.Add("Bahâi-Kalender", BahaiDate(true, static_cast<double>(c.jd))); }

void CopticEthiopian(ReportContext& c) { CopticEthiopianDates(c.jd, c.report); }

void EthiopianFestivals(ReportContext& c) {
  AddEthiopianFestivals({c.jd, c.day, c.month, c.islamic.day, c.islamic.month, OrthodoxEasterSunday(c.year)},
                        c.report);
}

void Indian(ReportContext& c) {
  // Defined on the Gregorian calendar: before the reform the proleptic
  // Gregorian date of the day.
  c.report.Add("Indischer Kalender",
               IndianNationalDate(c.gregorian.year, c.gregorian.month, c.gregorian.day));
}

void Sikh(ReportContext& c) {
  c.report.Add("Sikh-Kalender", NanakshahiDate(c.gregorian.day, c.gregorian.month, c.gregorian.year));
}

void Armenian(ReportContext& c) { c.report.Add("Armenischer Kalender", ArmenianDate(c.jd)); }

void Berber(ReportContext& c) {
  c.report.Add("Berber-Kalender", Str(c.julian.day) + "." + Name(kBerberMonthNames, c.julian.month) + " " +
                                      Str(c.julian.year + 950));
}

void JohnDee(ReportContext& c) { c.report.Add(JohnDeeDate(c.jd)); }

void SixtyWeek(ReportContext& c) {
  c.report.Add("60 Wochen-Kalender", SixtyWeekDate(c.day, c.month, c.year));
}

// The Positivist, Cotsworth and Discordian calendars count the days of a
// Gregorian year: before the reform they read the proleptic Gregorian date of
// the day, so that a Julian leap day (29 February 1500) neither repeats nor
// skips a day of theirs.
void Positivist(ReportContext& c) {
  PositivistDate(c.gregorian.year, c.gregorian.month, c.gregorian.day, c.report);
}

void Cotsworth(ReportContext& c) {
  c.report.Add("Cotsworth-Kalender", CotsworthDate(c.gregorian.day, c.gregorian.month, c.gregorian.year));
}

void Goddess(ReportContext& c) { GoddessDate(c.jd, c.report); }

void Solilunar(ReportContext& c) { SolilunarDate(c.jd, c.report); }

void Discordian(ReportContext& c) {
  DiscordianDate(c.gregorian.day, c.gregorian.month, c.gregorian.year, c.report);
}

void Mars(ReportContext& c) { MarsDate(c.year, c.month, c.day, c.clock.Now(), c.report); }

void Stardate(ReportContext& c) {
  const TimeOfDay now = c.clock.Now();
  const double t = CalendarDateToJulianDay(c.year, c.month, c.day) +
                   (now.hour + now.minute / 60.0 + now.second / 3600.0) / 24.0;
  c.report.Add("Star Trek Sternzeit",
               FormatTrimmedNumber(1, 3, (t - CalendarDateToJulianDay(2323, 1, 1)) * kStardatesPerDay));
}

void PiCalendar(ReportContext& c) {
  const double x =
      (CalendarDateToJulianDay(c.year, c.month, c.day) - CalendarDateToJulianDay(-286, 1, 1)) / kPiYearLength;
  // The PI-year's fraction is laid onto the selected year from its 1 January.
  const double fraction = x - std::trunc(x);
  const CivilDate onYear =
      JulianDayToCalendarDate(CalendarDateToJulianDay(c.year, 1, 1) + fraction * kPiYearLength);
  c.report.Add("PI-Kalender", Str(onYear.day) + "." + Str(onYear.month) + "." +
                                  FormatTrimmedNumber(1, 0, std::trunc(x) + 1));
  if (onYear.day == 28 && onYear.month == 12) {
    c.report.Add("", "PI-Silvester");
  }
}

void Separator(ReportContext& c) { c.report.Add(" "); }

void SunAndMoon(ReportContext& c) {
  if (c.year >= 1900) {
    AddSunAndMoonBlock(c.dateValue, c.report);
  }
}

using Step = void (*)(ReportContext&);

// The report's lines in their fixed order. A step that does not apply to the
// year (day of the year, World Calendar, Jewish, Japanese, Soviet, sun and
// moon) adds nothing.
constexpr std::array<Step, 44> kSteps = {
    Heading,
    DateValues,
    Weekday,
    DayAndWeekOfYear,
    JulianDate,
    JulianCalendar,
    DaysSinceEpochs,
    GregorianDay,
    WorldCalendar,
    Roman,
    Egyptian,
    Islamic,
    IslamicFestivals,
    Jewish,
    Japanese,
    Chinese,
    SolarTerm,
    ChineseFestivals,
    FrenchRepublican,
    Soviet,
    Seleucid,
    Iranian,
    Babylonian,
    Maya,
    Aztec,
    Bahai,
    CopticEthiopian,
    EthiopianFestivals,
    Indian,
    Sikh,
    Armenian,
    Berber,
    JohnDee,
    SixtyWeek,
    Positivist,
    Cotsworth,
    Goddess,
    Solilunar,
    Discordian,
    Mars,
    Stardate,
    PiCalendar,
    Separator,
    SunAndMoon,
};

}  // namespace

int SolarTermIndex(long double heliocentricLongitude) {
  // The sun stands opposite the Earth.
  long double lambda = heliocentricLongitude + 180.0L;
  if (lambda > 360.0L) {
    lambda -= 360.0L;
  }
  if (!(lambda >= 0.0L && lambda < 720.0L)) {
    return 0;
  }
  // A longitude of exactly 360 degrees is term 0 again.
  return static_cast<int>(std::trunc(lambda)) / 15 % 24;
}

void AddSunAndMoonBlock(double dateValue, Report& report) {
  const double t = dateValue;
  const long double lat = kObserverLatitude;
  const long double lon = kObserverLongitude;
  Report& r = report;
  AddCetTimeLine(r, "Morgendämmerung", CivilDawn(t, lat, lon));
  AddCetTimeLine(r, "Abenddämmerung", CivilDusk(t, lat, lon));
  r.Add("Mondalter", FormatTrimmedNumber(1, 2, static_cast<double>(MoonAge(t))) + " Tage");
  r.Add("Aktuelle Phase",
        FormatTrimmedNumber(1, 2, static_cast<double>(MoonIlluminatedFraction(t) * 100)) + " %");
  r.Add("Mondabstand", FormatTrimmedNumber(1, 2, static_cast<double>(MoonDistance(t))) + " km");
  AddCetTimeLine(r, "Nächster Neumond", NextMoonPhase(0, t));
  AddCetTimeLine(r, "Nächstes 1.Viertel", NextMoonPhase(2, t));
  AddCetTimeLine(r, "Nächster Vollmond", NextMoonPhase(4, t));
  AddCetTimeLine(r, "Nächstes 3.Viertel", NextMoonPhase(6, t));
  AddCetTimeLine(r, "Mondaufgang", MoonRise(t, lat, lon));
  AddCetTimeLine(r, "Mondkulmination", MoonTransit(t, lat, lon));
  AddCetTimeLine(r, "Monduntergang", MoonSet(t, lat, lon));
  AddCetTimeLine(r, "Sonnenaufgang", SunRise(t, lat, lon));
  AddCetTimeLine(r, "Sonnenkulmination", SunTransit(t, lat, lon));
  AddCetTimeLine(r, "Sonnenuntergang", SunSet(t, lat, lon));
}

long double ReportJulianDay(int day, int month, int year) {
  const bool afterReform = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day > 14)));
  if (afterReform) {
    return GregorianCalendarToJulianDay(year, month, day);
  }
  return JulianCalendarToJulianDay(year, month, day);
}

void BuildReport(int day, int month, int year, const Clock& clock, Report& report) {
  ReportContext context{day, month, year, clock, report};
  for (const Step step : kSteps) {
    step(context);
  }
}

}  // namespace tempulo

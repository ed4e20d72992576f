// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the traditional calendars and their festivals.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "astro/vsop87.h"
#include "calendars/traditional/aztec.h"
#include "calendars/traditional/babylonian.h"
#include "calendars/traditional/bahai.h"
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
#include "calendars/traditional/sexagenary.h"
#include "report/festivals.h"
#include "report/registry.h"
#include "report/report_builder.h"
#include "time/instant.h"
#include "report/wording.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 12> kBerberMonthNames = {"Yennayer", "Furar", "Meghres", "Ibrir",
                                                                "Mayyu",    "Yunyu", "Yulyu",   "Ghust",
                                                                "Shtember", "Tuber", "Wamber",  "Jember"};

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

}  // namespace

std::string_view SolarTermName(int term) {
  return term >= 0 && term < 24 ? kSolarTermNames[static_cast<std::size_t>(term)] : std::string_view{};
}

void AddRoman(DayValues& c, Report& r) {
  const RomanDate date = RomanFromFixed(c.day);
  std::string text;
  r.SetFlag("leap_day", date.leap);
  if (date.leap) {
    text = "ANTE DIEM BIS VI KALENDIS MARTII";
  } else {
    const std::string month(RomanMonthGenitive(date.month));
    const bool onTheDay = date.count == 1;
    switch (date.event) {
      case RomanEvent::kKalends:
        text = onTheDay ? "KALENDAE " + month : RomanDayCount(date.count) + "KALENDIS " + month;
        break;
      case RomanEvent::kNones:
        text = onTheDay ? "NONAE " + month : RomanDayCount(date.count) + "NONIS " + month;
        break;
      case RomanEvent::kIdes:
        text = onTheDay ? "IDVS " + month : RomanDayCount(date.count) + "IDIBVS " + month;
        break;
    }
  }
  // The year of the day itself, also for the days that name the next January.
  r.Add("Römischer Kalender",
        text + " " + RomanNumeral(c.julian.year + kRomeFoundedBeforeYear1) + " A. V. C.");
  r.Set("text", text);
  r.Set("year_auc", static_cast<long long>(c.julian.year) + kRomeFoundedBeforeYear1);
}

void AddEgyptian(DayValues& c, Report& r) {
  const EgyptianDate date = EgyptianFromFixed(c.day);
  // The years before the epoch are counted without a year 0.
  const long long year = date.year < 1 ? date.year - 1LL : date.year;
  const long long period = SothicPeriodOf(c.day);
  r.Add("Altägyptischer Kalender", Str(date.day) + "." + std::string(EgyptianMonthName(date.month)) + " " +
                                       Str(year) + "; Sothis-Periode " + Str(period));
  SetDateFields(
      r, {.year = year, .month = date.month, .monthName = EgyptianMonthName(date.month), .day = date.day});
  r.Set("sothic_period", period);
}

void AddIslamic(DayValues& c, Report& r) {
  const IslamicDay& date = c.Islamic();
  r.Add("Islamischer Kalender",
        Str(date.day) + "." + std::string(IslamicMonthName(date.month)) + " " + Str(date.year));
  SetDateFields(
      r,
      {.year = date.year, .month = date.month, .monthName = IslamicMonthName(date.month), .day = date.day});
}

void AddIslamicFestivals(DayValues& c, Report& r) { AddIslamicFestivals(c.Islamic(), r); }

void AddJewish(DayValues& c, Report& r) {
  if (c.selected.year < 359) {
    return;
  }
  const std::optional<JewishDay> jewish = JewishFromFixed(c.day);
  if (!jewish) {
    return;
  }
  r.Add("Jüdischer Kalender",
        Str(jewish->day) + "." + std::string(JewishMonthName(jewish->month)) + " " + Str(jewish->year));
  SetDateFields(r, {.year = jewish->year,
                    .month = jewish->month,
                    .monthName = JewishMonthName(jewish->month),
                    .day = jewish->day});
  AddJewishFestivals(*jewish, r);
}

void AddJapanese(DayValues& c, Report& r) {
  if (c.selected.year < 1868) {
    return;
  }
  const std::optional<JapaneseDate> date = JapaneseFromFixed(c.day);
  if (date) {
    r.Add("Japanischer Kalender", Str(date->day) + "." + std::string(JapaneseMonthName(date->month)) + " " +
                                      std::string(JapaneseEraName(date->era)) + " " + Str(date->year));
    SetDateFields(r, {.year = date->year,
                      .month = date->month,
                      .monthName = JapaneseMonthName(date->month),
                      .day = date->day});
    r.Set("era", JapaneseEraName(date->era));
  }
}

void AddChinese(DayValues& c, Report& r) {
  const ChineseDateRecord& d = c.Chinese();
  std::string text = Str(d.day) + "." + Str(d.month) + ".";
  if (d.isLeapMonth) {
    text += "tan";
  }
  text += " des " + Str(d.yearInCycle) + ".Jahres im " + Str(d.cycle) + ".Zyklus (" +
          Str(static_cast<long long>(d.cycle) * 60 + d.yearInCycle + 1) + ")";
  r.Add("Chinesischer Kalender", text);
  r.Set("cycle", static_cast<long long>(d.cycle));
  r.Set("year_in_cycle", static_cast<long long>(d.yearInCycle));
  r.Set("year", static_cast<long long>(d.cycle) * 60 + d.yearInCycle + 1);
  r.Set("month", static_cast<long long>(d.month));
  r.SetFlag("leap_month", d.isLeapMonth);
  r.Set("day", static_cast<long long>(d.day));
}

void AddSolarTerm(DayValues& c, Report& r) {
  const int term = SolarTermIndex(EarthHeliocentricPosition(c.start.TerrestrialDateValue()).longitude);
  const SexagenaryYear year = SexagenaryYearOf(c.Chinese().yearInCycle);
  // The stem goes inside the parentheses, before the branch: "Ratte (jia-zi)".
  r.Add("", "Jahr : " + std::string(BranchAnimalName(year.branch)) + " (" +
                std::string(HeavenlyStemName(year.stem)) + "-" + std::string(EarthlyBranchName(year.branch)) +
                "); " + std::string(kSolarTermNames[static_cast<std::size_t>(term)]));
  r.Set("animal", BranchAnimalName(year.branch));
  r.Set("stem", HeavenlyStemName(year.stem));
  r.Set("branch", EarthlyBranchName(year.branch));
  r.Set("solar_term", term);
  r.Set("solar_term_name", kSolarTermNames[static_cast<std::size_t>(term)]);
}

void AddChineseFestivals(DayValues& c, Report& r) { AddChineseFestivals(c.Chinese(), r); }

void AddSeleucid(DayValues& c, Report& r) {
  const SeleucidDate date = SeleucidFromFixed(c.day);
  r.Add("Seleukidischer Kalender", Str(date.day) + "." + Str(date.month) + "." + Str(date.year));
  SetDateFields(r, {.year = date.year, .month = date.month, .monthName = {}, .day = date.day});
}

void AddBabylonian(DayValues& c, Report& r) {
  const std::optional<BabylonianDate> date = BabylonianFromCivil(c.selected);
  r.Add("Babylonischer Kalender", date
                                      ? Str(date->day) + "." + std::string(BabylonianMonthName(date->month)) +
                                            " (" + Str(date->month) + ") " + Str(date->year)
                                      : std::string());
  if (date) {
    SetDateFields(r, {.year = date->year,
                      .month = date->month,
                      .monthName = BabylonianMonthName(date->month),
                      .day = date->day});
  }
}

void AddMaya(DayValues& c, Report& r) {
  const MayaLongCount count = MayaLongCountFromFixed(c.day);
  r.Add("Maya-Kalender", Str(count.pictun) + " Pictun " + Str(count.baktun) + " Baktun " + Str(count.katun) +
                             " Katun " + Str(count.tun) + " Tun " + Str(count.uinal) + " Uinal " +
                             Str(count.kin) + " Kin");
  r.Set("pictun", static_cast<long long>(count.pictun));
  r.Set("baktun", static_cast<long long>(count.baktun));
  r.Set("katun", static_cast<long long>(count.katun));
  r.Set("tun", static_cast<long long>(count.tun));
  r.Set("uinal", static_cast<long long>(count.uinal));
  r.Set("kin", static_cast<long long>(count.kin));
  const MayaTzolkin tzolkin = MayaTzolkinFromFixed(c.day);
  const MayaHaab haab = MayaHaabFromFixed(c.day);
  r.Add("", Str(tzolkin.number) + " " + std::string(MayaTzolkinName(tzolkin.name)) + "; " + Str(haab.day) +
                " " + std::string(MayaHaabMonthName(haab.month)));
  r.Set("tzolkin.number", static_cast<long long>(tzolkin.number));
  r.Set("tzolkin.name", MayaTzolkinName(tzolkin.name));
  r.Set("haab.month", static_cast<long long>(haab.month));
  r.Set("haab.month_name", MayaHaabMonthName(haab.month));
  r.Set("haab.day", static_cast<long long>(haab.day));
}

void AddAztec(DayValues& c, Report& r) {
  const AztecXihuitl date = AztecXihuitlFromFixed(c.day);
  r.Add("Azteken-Kalender",
        Str(date.day) + "." + std::string(AztecPeriodName(date.period)) + " (" + Str(date.period) + ")");
  r.Set("period", static_cast<long long>(date.period));
  r.Set("period_name", AztecPeriodName(date.period));
  r.Set("day", static_cast<long long>(date.day));
}

void AddBahai(DayValues& c, Report& r) {
  const BahaiDate date = BahaiFromFixed(c.day);
  if (date.year < 1) {
    // Before the era the line stays empty.
    r.Add("Bahâi-Kalender", "");
    return;
  }
  r.Add("Bahâi-Kalender", Str(date.day) + "." + std::string(BahaiMonthName(date.month)) + " (" +
                              Str(date.month) + ") " + Str(date.year) +
                              "; Vahid: " + std::string(BahaiYearName(BahaiVahid(date.year))) +
                              " / Kull-i-Shay: " + Str(BahaiKullIShay(date.year)));
  SetDateFields(
      r, {.year = date.year, .month = date.month, .monthName = BahaiMonthName(date.month), .day = date.day});
  r.Set("vahid_name", BahaiYearName(BahaiVahid(date.year)));
  r.Set("kull_i_shay", static_cast<long long>(BahaiKullIShay(date.year)));
}

void AddIndian(DayValues& c, Report& r) {
  // Defined on the Gregorian calendar: before the reform the proleptic
  // Gregorian date of the day.
  const IndianDate date = IndianFromFixed(c.day);
  r.Add("Indischer Kalender",
        Str(date.day) + "." + std::string(IndianMonthName(date.month)) + " " + Str(date.year));
  SetDateFields(
      r, {.year = date.year, .month = date.month, .monthName = IndianMonthName(date.month), .day = date.day});
}

void AddSikh(DayValues& c, Report& r) {
  const NanakshahiDate date = NanakshahiFromFixed(c.day);
  r.Add("Sikh-Kalender", Str(date.day) + "." + std::string(NanakshahiMonthName(date.month)) + " (" +
                             Str(date.month) + ") " + Str(date.year));
  SetDateFields(r, {.year = date.year,
                    .month = date.month,
                    .monthName = NanakshahiMonthName(date.month),
                    .day = date.day});
}

void AddArmenian(DayValues& c, Report& r) {
  const std::optional<ArmenianDate> date = ArmenianFromFixed(c.day);
  r.Add("Armenischer Kalender",
        date ? Str(date->day) + "." + std::string(ArmenianMonthName(date->month)) + " " + Str(date->year)
             : std::string("-"));
  if (date) {
    SetDateFields(r, {.year = date->year,
                      .month = date->month,
                      .monthName = ArmenianMonthName(date->month),
                      .day = date->day});
  }
}

std::string_view BerberMonthName(int month) {
  return month >= 1 && month <= 12 ? kBerberMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view();
}

void AddBerber(DayValues& c, Report& r) {
  r.Add("Berber-Kalender",
        Str(c.julian.day) + "." + Name(kBerberMonthNames, c.julian.month) + " " + Str(c.julian.year + 950));
  SetDateFields(r, {.year = c.julian.year + 950LL,
                    .month = c.julian.month,
                    .monthName = Name(kBerberMonthNames, c.julian.month),
                    .day = c.julian.day});
}

void AddJohnDee(DayValues& c, Report& r) {
  const DeeDate date = DeeFromFixed(c.day);
  r.Add("John Dee-Kalender",
        Str(date.day) + "." + std::string(DeeMonthName(date.month)) + " " + Str(date.year));
  SetDateFields(
      r, {.year = date.year, .month = date.month, .monthName = DeeMonthName(date.month), .day = date.day});
}

void AddSixtyWeek(DayValues& c, Report& r) {
  const std::optional<SixtyWeekDate> date = SixtyWeekFromFixed(c.day);
  std::string text;
  if (date && date->named != SixtyWeekNamedDay::kNone) {
    text = std::string(SixtyWeekNamedDayName(date->named)) + " " + Str(date->year);
    r.Set("year", static_cast<long long>(date->year));
    r.Set("named_day", SixtyWeekNamedDayName(date->named));
  } else if (date) {
    // The months carry the civil month names.
    text = Str(date->day) + "." + std::string(DeeMonthName(date->month)) + " " + Str(date->year) + ", " +
           std::string(SixtyWeekWeekdayName(SixtyWeekWeekday(*date)));
    SetDateFields(
        r,
        {.year = date->year, .month = date->month, .monthName = DeeMonthName(date->month), .day = date->day});
    r.Set("weekday", SixtyWeekWeekdayName(SixtyWeekWeekday(*date)));
  }
  r.Add("60 Wochen-Kalender", text);
}

}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the reform, invented and planetary calendars.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "calendars/modern/coptic_ethiopian.h"
#include "calendars/modern/discordian.h"
#include "calendars/modern/french_republican.h"
#include "calendars/modern/goddess_solilunar.h"
#include "calendars/modern/iranian.h"
#include "calendars/modern/mars.h"
#include "calendars/modern/positivist_cotsworth.h"
#include "calendars/modern/soviet.h"
#include "calendars/modern/world_calendar.h"
#include "holidays/holidays.h"
#include "report/festivals.h"
#include "report/registry.h"
#include "report/wording.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

constexpr double kStardatesPerDay = 2.73790926490113;
constexpr double kPiYearLength = 363.610260832152;
// Julian Dates (0 h) of the stardate 0, 1 January 2323, and of the PI-count's
// start, the civil (Julian) 1 January 287 BC.
constexpr double kStardateEpoch = static_cast<double>(JulianDateOf(FixedFromGregorian({2323, 1, 1})));
constexpr double kPiEpoch = static_cast<double>(JulianDateOf(FixedFromJulian({-286, 1, 1})));

}  // namespace

void AddWorldCalendar(DayValues& c, Report& r) {
  if (c.selected.year <= 1582) {
    return;
  }
  const WorldCalendarDate date = WorldCalendarFromFixed(c.day);
  const std::string dayMonth = Str(date.day) + "." + Str(date.month) + ".";
  r.Set("month", static_cast<long long>(date.month));
  r.Set("day", static_cast<long long>(date.day));
  if (IsWorldCalendarExtraDay(date)) {
    r.Add("UNO-Weltkalender", dayMonth + (date.month == 6 ? " Schalttag" : " Weltfeiertag"));
    r.Set("extra_day", date.month == 6 ? "Schalttag" : "Weltfeiertag");
    return;
  }
  r.Add("UNO-Weltkalender", dayMonth + " " + std::string(WorldWeekdayName(WorldDayOfHalfYear(date))));
  r.Set("weekday", WorldWeekdayName(WorldDayOfHalfYear(date)));
}

void AddFrenchRepublican(DayValues& c, Report& r) {
  const std::optional<FrenchRepublicanDate> date = FrenchRepublicanFromFixed(c.day);
  if (!date) {
    r.Add("Französischer Revolutionskalender", "-");
    return;
  }
  std::string text =
      Str(date->day) + "." + std::string(FrenchRepublicanMonthName(date->month)) + " " + Str(date->year);
  // The complementary days stand outside the ten-day weeks.
  SetDateFields(r, {.year = date->year,
                    .month = date->month,
                    .monthName = FrenchRepublicanMonthName(date->month),
                    .day = date->day});
  if (date->month != 13) {
    text += " (" + std::string(DecadeDayName(date->day)) + ")";
    r.Set("decade_day", DecadeDayName(date->day));
  }
  r.Add("Französischer Revolutionskalender", text);
}

void AddSoviet(DayValues& c, Report& r) {
  if (c.selected.year < 1917) {
    return;
  }
  const SovietDate date = SovietFromFixed(c.day);
  const std::string year = " " + Str(date.year);
  r.Set("year", static_cast<long long>(date.year));
  if (date.holiday != SovietHoliday::kNone) {
    r.Add("Sowjetischer Revolutionskalender", std::string(SovietHolidayName(date.holiday)) + year);
    r.Set("holiday", SovietHolidayName(date.holiday));
    return;
  }
  r.Add("Sowjetischer Revolutionskalender",
        Str(date.day) + "." + std::string(SovietMonthName(date.month)) + year);
  SetDateFields(
      r, {.year = date.year, .month = date.month, .monthName = SovietMonthName(date.month), .day = date.day});
}

void AddIranian(DayValues& c, Report& r) {
  const IranianDate date = IranianFromFixed(c.day);
  r.Add("Iranischer Kalender", Str(date.day) + "." + std::string(IranianMonthName(date.month)) + " " +
                                   Str(date.year) + " / " + Str(date.year + kIranianSecondCountOffset));
  SetDateFields(
      r,
      {.year = date.year, .month = date.month, .monthName = IranianMonthName(date.month), .day = date.day});
  r.Set("second_count_year", static_cast<long long>(date.year) + kIranianSecondCountOffset);
}

void AddCopticEthiopian(DayValues& c, Report& r) {
  const CopticDate coptic = CopticFromFixed(c.day);
  const EthiopianDate ethiopian = EthiopianFromFixed(c.day);
  r.Add("Koptischer Kalender",
        Str(coptic.day) + "." + std::string(CopticMonthName(coptic.month)) + " " + Str(coptic.year));
  r.Add("Äthiopischer Kalender", Str(ethiopian.day) + "." + std::string(EthiopianMonthName(ethiopian.month)) +
                                     " " + Str(ethiopian.year));
  SetDateFields(r, {.year = coptic.year,
                    .month = coptic.month,
                    .monthName = CopticMonthName(coptic.month),
                    .day = coptic.day});
  SetDateFields(r,
                {.year = ethiopian.year,
                 .month = ethiopian.month,
                 .monthName = EthiopianMonthName(ethiopian.month),
                 .day = ethiopian.day},
                "ethiopian.");
}

void AddEthiopianFestivals(DayValues& c, Report& r) {
  AddEthiopianFestivals({c.start.JulianDate(), c.selected.day, c.selected.month, c.Islamic().day,
                         c.Islamic().month, OrthodoxEasterSunday(c.selected.year)},
                        r);
}

// The Positivist, Cotsworth and Discordian calendars count the days of a
// Gregorian year: before the reform they read the proleptic Gregorian date of
// the day, so that a Julian leap day (29 February 1500) neither repeats nor
// skips a day of theirs.
// (The typed dates read the day count and so the proleptic Gregorian year.)
void AddPositivist(DayValues& c, Report& r) {
  const PositivistDate date = PositivistFromFixed(c.day);
  if (date.month == kPositivistFestivalMonth) {
    r.Add("Positivisten-Kalender",
          date.day == 1 ? "Festtag der großen Toten" : "Festtag der heiligen Jungfrau");
    r.Set("year", static_cast<long long>(date.year));
    r.Set("festival", date.day == 1 ? "Festtag der großen Toten" : "Festtag der heiligen Jungfrau");
    return;
  }
  r.Add("Positivisten-Kalender", Str(date.day) + "." + std::string(PositivistMonthName(date.month)) + " " +
                                     Str(date.year) + ", " + std::string(PositivistWeekdayName(date.day)) +
                                     ", Tag: " + std::string(PositivistDayName(date)));
  SetDateFields(r, {.year = date.year,
                    .month = date.month,
                    .monthName = PositivistMonthName(date.month),
                    .day = date.day});
  r.Set("weekday", PositivistWeekdayName(date.day));
  r.Set("day_name", PositivistDayName(date));
}

void AddCotsworth(DayValues& c, Report& r) {
  const CotsworthDate date = CotsworthFromFixed(c.day);
  if (date.day == 29) {
    r.Add("Cotsworth-Kalender", std::string(date.month == 6 ? "Olympic " : "Sylvester ") + Str(date.year));
    r.Set("year", static_cast<long long>(date.year));
    r.Set("extra_day", date.month == 6 ? "Olympic" : "Sylvester");
    return;
  }
  r.Add("Cotsworth-Kalender", Str(date.day) + "." + std::string(CotsworthMonthName(date.month)) + " " +
                                  Str(date.year) + ", " + std::string(CotsworthWeekdayName(date.day)));
  SetDateFields(
      r,
      {.year = date.year, .month = date.month, .monthName = CotsworthMonthName(date.month), .day = date.day});
  r.Set("weekday", CotsworthWeekdayName(date.day));
}

namespace {

std::string LunisolarText(const LunisolarDate& date, std::string_view monthName, Report& r) {
  SetDateFields(r, {.year = date.year, .month = date.month, .monthName = monthName, .day = date.day});
  r.Set("era", static_cast<long long>(date.era));
  return Str(date.day) + "." + std::string(monthName) + " " + Str(date.year) + " " + Str(date.era) + ".Ära";
}

}  // namespace

void AddGoddess(DayValues& c, Report& r) {
  const LunisolarDate date = GoddessFromFixed(c.day);
  r.Add("Göttinnen-Kalender", LunisolarText(date, GoddessMonthName(date.month), r));
}

void AddSolilunar(DayValues& c, Report& r) {
  const LunisolarDate date = SolilunarFromFixed(c.day);
  r.Add("Solilunar-Kalender", LunisolarText(date, SolilunarMonthName(date.month), r));
}

void AddDiscordian(DayValues& c, Report& r) {
  const DiscordianDate date = DiscordianFromFixed(c.day);
  const std::string yold = " " + Str(date.year) + " YOLD";
  r.Set("year", static_cast<long long>(date.year));
  if (date.IsStTibsDay()) {
    r.Add("Diskordianischer Kalender", "St.Tib's Day" + yold);
    r.SetFlag("st_tibs_day", true);
    return;
  }
  r.Add("Diskordianischer Kalender",
        Str(date.day) + "." + std::string(DiscordianSeasonName(date.season)) + yold);
  r.Set("season", static_cast<long long>(date.season));
  r.Set("season_name", DiscordianSeasonName(date.season));
  r.Set("day", static_cast<long long>(date.day));
}

// The clock's time of day is taken as Central European Time; the Mars count
// starts only at its epoch.
void AddMars(DayValues& c, Report& r) {
  const TimeOfDay now = c.clock.Now();
  // One hour less than Central European Time is universal time.
  const long double julianDate = JulianDateOf(c.day) + now.dayOffset +
                                 ((now.hour - 1) + now.minute / 60.0L + now.second / 3600.0L) / 24.0L;
  const long double m = MarsSolDate(julianDate);
  if (m < 0) {
    return;
  }
  const DarianDate date = DarianDateOf(m);
  r.Add("Julianisches Marsdatum",
        TrimmedDecimal(static_cast<double>(m), 4) + ", " + Str(date.dayOfYear) + ".Tag des Marsjahres");
  r.Add("Darischer Marskalender", Str(date.day) + "." + std::string(DarianMonthName(date.month)) + " " +
                                      Str(date.year) + " (" + Str(date.month) + "); " + Str(date.weekSol) +
                                      ".Wochentag, Sol " + std::string(MarsSolName(date.weekSol)));
  r.Set("sol_date", static_cast<double>(m));
  r.Set("day_of_mars_year", static_cast<long long>(date.dayOfYear));
  SetDateFields(
      r, {.year = date.year, .month = date.month, .monthName = DarianMonthName(date.month), .day = date.day},
      "darian.");
  r.Set("darian.week_sol", static_cast<long long>(date.weekSol));
  r.Set("darian.sol_name", MarsSolName(date.weekSol));
}

void AddStardate(DayValues& c, Report& r) {
  const TimeOfDay now = c.clock.Now();
  const double t = static_cast<double>(JulianDateOf(c.day)) + now.dayOffset +
                   (now.hour + now.minute / 60.0 + now.second / 3600.0) / 24.0;
  const double stardate = (t - kStardateEpoch) * kStardatesPerDay;
  r.Add("Star Trek Sternzeit", TrimmedDecimal(stardate, 3));
  r.Set("stardate", stardate);
}

void AddPiCalendar(DayValues& c, Report& r) {
  const double x = (static_cast<double>(JulianDateOf(c.day)) - kPiEpoch) / kPiYearLength;
  // The PI-year's fraction is laid onto the selected year from its 1 January.
  const double fraction = x - std::trunc(x);
  const auto newYear = static_cast<double>(JulianDateOf(FixedFromCivil({c.selected.year, 1, 1})));
  const CivilDate onYear = CivilFromFixed(FixedFromJulianDate(newYear + fraction * kPiYearLength));
  r.Add("PI-Kalender",
        Str(onYear.day) + "." + Str(onYear.month) + "." + TrimmedDecimal(std::trunc(x) + 1, 0));
  SetDateFields(r, {.year = static_cast<long long>(std::trunc(x) + 1),
                    .month = onYear.month,
                    .monthName = {},
                    .day = onYear.day});
  if (onYear.day == 28 && onYear.month == 12) {
    r.Add("", "PI-Silvester");
    r.SetFlag("new_years_eve", true);
  }
}

}  // namespace tempulo

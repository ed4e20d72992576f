// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_builder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "astro/moon.h"
#include "astro/moon_phases.h"
#include "astro/rise_set.h"
#include "report/eclipse_lines.h"
#include "report/time_lines.h"
#include "report/wording.h"
#include "time/civil.h"
#include "time/delta_t.h"
#include "time/julian_day.h"
#include "time/place.h"
#include "report/refresh.h"
#include "report/registry.h"

namespace tempulo {

void AddSunAndMoon(DayValues& c, Report& r) {
  if (c.selected.year >= 1900) {
    if (c.place != nullptr) {
      AddSunAndMoonBlock(c.start.DateValue(), *c.place, r);
    } else {
      AddSunAndMoonBlock(c.start.DateValue(), r);
    }
  }
}

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

namespace {

// The block's lines for one observer and one local day; `timeLine` words a
// moment in the zone of the day.
template <typename TimeLine>
void AddSunAndMoonLines(double t, const DaySpan& day, long double latitude, long double westLongitude, Report& r,
                        const TimeZone& zone, TimeLine timeLine) {
  const DayEvents sun(Luminary::kSun, day, latitude, westLongitude);
  const DayEvents moon(Luminary::kMoon, day, latitude, westLongitude);
  // A rise, set or twilight line shows the day's first event; near the poles
  // a body may cross twice in one day, and the structured output lists every
  // crossing under "crossings.<key>".
  const auto eventLine = [&](std::string_view label, const DayEvents& events, RiseSetKind kind,
                             std::string_view key) {
    timeLine(r, label, events.Find(kind), key);
    if (kind != RiseSetKind::kTransit && r.ListsEveryCrossing()) {
      AppendZoneTimes(r, "crossings." + std::string(key), events.FindAll(kind), zone);
    }
  };
  eventLine("Morgendämmerung", sun, RiseSetKind::kCivilDawn, "civil_dawn");
  eventLine("Abenddämmerung", sun, RiseSetKind::kCivilDusk, "civil_dusk");
  const auto age = static_cast<double>(MoonAge(t));
  const auto phase = static_cast<double>(MoonIlluminatedFraction(t) * 100);
  const auto distance = static_cast<double>(MoonDistance(TerrestrialFromUniversal(t)));
  r.Add("Mondalter", TrimmedDecimal(age, 2) + " Tage");
  r.Add("Aktuelle Phase", TrimmedDecimal(phase, 2) + " %");
  r.Add("Mondabstand", TrimmedDecimal(distance, 2) + " km");
  r.Set("moon_age_days", age);
  r.Set("moon_illuminated_percent", phase);
  r.Set("moon_distance_km", distance);
  timeLine(r, "Nächster Neumond", NextMoonPhase(LunarPhase::kNewMoon, t), "next_new_moon");
  timeLine(r, "Nächstes 1.Viertel", NextMoonPhase(LunarPhase::kFirstQuarter, t), "next_first_quarter");
  timeLine(r, "Nächster Vollmond", NextMoonPhase(LunarPhase::kFullMoon, t), "next_full_moon");
  timeLine(r, "Nächstes 3.Viertel", NextMoonPhase(LunarPhase::kLastQuarter, t), "next_last_quarter");
  eventLine("Mondaufgang", moon, RiseSetKind::kRise, "moonrise");
  eventLine("Mondkulmination", moon, RiseSetKind::kTransit, "moon_transit");
  eventLine("Monduntergang", moon, RiseSetKind::kSet, "moonset");
  eventLine("Sonnenaufgang", sun, RiseSetKind::kRise, "sunrise");
  eventLine("Sonnenkulmination", sun, RiseSetKind::kTransit, "sun_transit");
  eventLine("Sonnenuntergang", sun, RiseSetKind::kSet, "sunset");
  // Only on the day of an eclipse's maximum.
  AddEclipseLines(r, day.start, day.end, static_cast<double>(latitude), -static_cast<double>(westLongitude), zone);
}

}  // namespace

void AddSunAndMoonBlock(double dateValue, Report& report) {
  // Rise, culmination, set and twilight of the report's own day in MEZ, so
  // each names an event of the day it is listed on.
  const DaySpan day = CivilDaySpan(dateValue, kCetUtcOffsetHours);
  AddSunAndMoonLines(dateValue, day, kObserverLatitude, kObserverLongitude, report, TimeZone{},
                     [](Report& r, std::string_view label, double moment, std::string_view key) {
                       AddCetTimeLine(r, label, moment, key);
                     });
}

void AddSunAndMoonBlock(double dateValue, const ReportPlace& place, Report& report) {
  report.Add("Ort", PlaceText(place.place));
  if (!place.place.name.empty()) {
    report.Set("place_name", place.place.name);
  }
  report.Set("latitude", place.place.latitude);
  report.Set("longitude", place.place.longitude);
  report.Set("time_zone", place.place.zone);
  // The place's own local day: midnight to midnight of its civil time, 23 or
  // 25 hours long on the days its clocks change. The moon's age, phase and
  // distance stay those of 0 h universal time of the date, as without a place.
  const DaySpan day{place.zone.DayStart(dateValue), place.zone.DayStart(dateValue + 1.0)};
  AddSunAndMoonLines(dateValue, day, static_cast<long double>(place.place.latitude),
                     -static_cast<long double>(place.place.longitude), report, place.zone,
                     [&zone = place.zone](Report& r, std::string_view label, double moment, std::string_view key) {
                       AddZoneTimeLine(r, label, moment, zone, key);
                     });
}

long double ReportJulianDay(CivilDate date) {
  return JulianDateOf(CheckedFixedFromCivil(date));
}

void BuildReport(CivilDate date, const Clock& clock, Report& report, const ReportPlace* place,
                 const EntryChoice* choice) {
  report.SetHeading(std::string(GermanMonthName(date.month)) + " " + std::to_string(date.year));
  DayValues values(date, clock);
  values.place = place;
  // A line the user has not chosen is not computed at all; without a choice
  // the default set shows, not every entry.
  for (const ReportEntry& entry : ReportEntries()) {
    const bool shown = choice == nullptr ? entry.shownByDefault : choice->Shows(entry);
    if (entry.AppliesTo(date.year) && shown) {
      report.BeginEntry(entry.id);
      entry.add(values, report);
    }
  }
  report.BeginEntry({});
}

}  // namespace tempulo

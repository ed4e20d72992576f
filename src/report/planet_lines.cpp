// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/planet_lines.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "report/report_builder.h"
#include "report/wording.h"
#include "time/date_encoding.h"
#include "time/day_count.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// The sun for the rise and set searches at an altitude of the user's choice.
class SunAtHeight final : public SkyBody {
 public:
  explicit SunAtHeight(long double altitude) : altitude_(altitude) {}
  // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the body interface's own order
  void Place(double t, long double& siderealTime, long double& rightAscension,
             long double& declination) const override {
    CelestialPosition sun;
    SunPosition(sun, t);
    siderealTime = ApparentSiderealTime(t);
    rightAscension = sun.rightAscension;
    declination = sun.declination;
  }
  long double HorizonAltitude() const override { return altitude_; }

 private:
  long double altitude_;
};

// The golden hour lies between these altitudes of the sun's centre, the blue
// hour below it down to the end of civil twilight.
constexpr long double kGoldenTop = 6.0L;
constexpr long double kGoldenBottom = -4.0L;
constexpr long double kBlueBottom = -6.0L;

// Where the day's lines are computed and how their times read.
struct Observer {
  DaySpan day;
  long double latitude = 0;
  long double westLongitude = 0;
  const TimeZone* zone = nullptr;  // null: the fixed MEZ
};

ZoneOffset OffsetAt(const Observer& o, double moment) {
  if (o.zone == nullptr || o.zone->IsFixedMez()) {
    return {.seconds = 3600, .abbreviation = "MEZ"};
  }
  return o.zone->OffsetAt(moment);
}

// "HH:MM:SS" of the moment in the observer's zone, "-" for none.
std::string Clock(const Observer& o, double moment, bool seconds = true) {
  if (moment == NoEvent || !std::isfinite(moment)) {
    return "-";
  }
  const double shifted = moment + OffsetAt(o, moment).seconds / 86400.0;
  const std::string text = DateTimeText(shifted + (seconds ? 0.0 : 30.0 / 86400.0));
  // DateTimeText gives "dd.MM.yyyy HH:mm:ss" or, at an exact midnight, the
  // date alone.
  if (text.size() < 19) {
    return seconds ? "00:00:00" : "00:00";
  }
  return text.substr(11, seconds ? 8 : 5);
}

std::string Zone(const Observer& o) { return OffsetAt(o, o.day.start + 0.5).abbreviation; }

std::string Span(const Observer& o, double from, double to) {
  if (from == NoEvent || to == NoEvent || !(to > from)) {
    return "-";
  }
  return Clock(o, from) + "–" + Clock(o, to);
}

void AddSunHours(const Observer& o, Report& r) {
  const SunCrossing top = SunAtAltitude(o.day, o.latitude, o.westLongitude, kGoldenTop);
  const SunCrossing middle = SunAtAltitude(o.day, o.latitude, o.westLongitude, kGoldenBottom);
  const SunCrossing bottom = SunAtAltitude(o.day, o.latitude, o.westLongitude, kBlueBottom);
  const std::string zone = " " + Zone(o);
  r.Add("Goldene Stunde", "morgens " + Span(o, middle.rising, top.rising) + ", abends " +
                              Span(o, top.setting, middle.setting) + zone);
  r.Add("Blaue Stunde", "morgens " + Span(o, bottom.rising, middle.rising) + ", abends " +
                            Span(o, middle.setting, bottom.setting) + zone);
}

std::string Decimal(long double value, int decimals) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
  return buffer;
}

void AddSunAltitude(const Observer& o, long double altitude, Report& r) {
  const SunCrossing c = SunAtAltitude(o.day, o.latitude, o.westLongitude, altitude);
  r.Add("Sonne bei " + Decimal(altitude, 1) + "°",
        "steigend " + Clock(o, c.rising) + ", fallend " + Clock(o, c.setting) + " " + Zone(o));
}

void AddPlanets(const Observer& o, Report& r) {
  const DaySpan night = NightAfter(o.day, o.latitude, o.westLongitude);
  const std::string zone = " " + Zone(o);
  r.Add("Planeten", night.end > night.start ? "dunkel " + Clock(o, night.start, false) + "–" +
                                                  Clock(o, night.end, false) + zone
                                            : "keine Dunkelheit (Sonne nicht unter -6°)");
  for (const Planet planet : kPlanets) {
    const PlanetNight evening = PlanetEvening(planet, o.day, night, o.latitude, o.westLongitude);
    const PlanetPlace& place = evening.place;
    r.Add(PlanetName(planet), "Aufgang " + Clock(o, evening.rise) + ", Kulmination " + Clock(o, evening.transit) +
                                  ", Untergang " + Clock(o, evening.set) + zone);
    std::string seen;
    if (evening.stretches == 0) {
      seen = "nachts nicht sichtbar";
    } else {
      seen = "sichtbar ";
      for (int k = 0; k < evening.stretches; ++k) {
        const auto i = static_cast<std::size_t>(k);
        seen += (k > 0 ? ", " : "") + Clock(o, evening.from[i], false) + "–" + Clock(o, evening.to[i], false);
      }
      seen += zone;
    }
    r.Add("\t" + Decimal(place.magnitude, 1) + " mag, " + Decimal(place.elongation, 1) + "° " +
          (place.eastOfSun ? "östlich" : "westlich") + " der Sonne, " + seen);
    if (r.KeepsValues()) {
      const std::string id(PlanetId(planet));
      r.Set(id + ".magnitude", static_cast<double>(place.magnitude));
      r.Set(id + ".elongation", static_cast<double>(place.elongation));
      r.SetFlag(id + ".east_of_sun", place.eastOfSun);
      r.SetFlag(id + ".seen_at_night", evening.stretches > 0);
    }
  }
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the order of every rise and set search
SunCrossing SunAtAltitude(const DaySpan& day, long double latitude, long double westLongitude,
                          long double altitude) {
  const SunAtHeight sun(altitude);
  const DayEvents events(sun, day, latitude, westLongitude);
  return {events.Find(RiseSetKind::kRise), events.Find(RiseSetKind::kSet)};
}

void AddExtraReportLines(const CivilDate& date, const ReportPlace* place, const ExtraReportLines& extra,
                         Report& report) {
  if (!extra.Any() || date.year < 1900) {
    return;
  }
  const double dateValue = DateValueOf(CheckedFixedFromCivil(date));
  Observer o;
  if (place != nullptr) {
    o.day = {place->zone.DayStart(dateValue), place->zone.DayStart(dateValue + 1.0)};
    o.latitude = static_cast<long double>(place->place.latitude);
    o.westLongitude = -static_cast<long double>(place->place.longitude);
    o.zone = &place->zone;
  } else {
    o.day = CivilDaySpan(dateValue, kCetUtcOffsetHours);
    o.latitude = kObserverLatitude;
    o.westLongitude = kObserverLongitude;
  }
  if (extra.sunHours) {
    report.BeginEntry("sun_hours");
    AddSunHours(o, report);
  }
  if (extra.sunAltitude) {
    report.BeginEntry("sun_altitude");
    AddSunAltitude(o, static_cast<long double>(*extra.sunAltitude), report);
  }
  if (extra.planets) {
    report.BeginEntry("planets");
    AddPlanets(o, report);
  }
  report.BeginEntry({});
}

}  // namespace tempulo

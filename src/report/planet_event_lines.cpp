// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/planet_event_lines.h"

#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "astro/rise_set.h"
#include "report/ics.h"
#include "report/time_lines.h"
#include "time/civil.h"
#include "time/date_encoding.h"
#include "time/day_count.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

ZoneOffset OffsetOf(double moment, const ReportPlace* place) {
  if (place == nullptr || place->zone.IsFixedMez()) {
    return {.seconds = 3600, .abbreviation = "MEZ"};
  }
  return place->zone.OffsetAt(moment);
}

std::string LocalText(const PlanetEvent& event, const ReportPlace* place, ZoneOffset& offset) {
  const double moment = event.time.DateValue();
  offset = OffsetOf(moment, place);
  std::string text = DateTimeText(moment + offset.seconds / 86400.0);
  if (text.size() == 10) {
    text += " 00:00:00";
  }
  return text;
}

std::string IsoTime(const PlanetEvent& event, const ReportPlace* place) {
  ZoneOffset offset;
  const std::string text = LocalText(event, place, offset);
  return IsoDateTimeFromText(text, offset.seconds);
}

bool HasOther(const PlanetEvent& e) { return e.kind == PlanetEventKind::kPlanetConjunction; }

bool HasDegrees(const PlanetEvent& e) {
  return e.kind == PlanetEventKind::kGreatestElongationEast || e.kind == PlanetEventKind::kGreatestElongationWest ||
         e.kind == PlanetEventKind::kMoonConjunction || e.kind == PlanetEventKind::kPlanetConjunction;
}

std::string Degrees(long double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2Lf", value);
  return buffer;
}

}  // namespace

std::vector<PlanetEvent> PlanetEventsOfYear(int year, const ReportPlace* place) {
  const double first = DateValueOf(CheckedFixedFromCivil({year, 1, 1}));
  const double next = DateValueOf(CheckedFixedFromCivil({year + 1, 1, 1}));
  if (place == nullptr) {
    return PlanetEvents(Instant::FromDateValue(CivilDaySpan(first, kCetUtcOffsetHours).start),
                        Instant::FromDateValue(CivilDaySpan(next, kCetUtcOffsetHours).start));
  }
  return PlanetEvents(Instant::FromDateValue(place->zone.DayStart(first)),
                      Instant::FromDateValue(place->zone.DayStart(next)));
}

std::string PlanetEventTime(const PlanetEvent& event, const ReportPlace* place) {
  ZoneOffset offset;
  const std::string text = LocalText(event, place, offset);
  return text + " " + offset.abbreviation;
}

CivilDate PlanetEventDate(const PlanetEvent& event, const ReportPlace* place) {
  const double moment = event.time.DateValue();
  const double local = moment + OffsetOf(moment, place).seconds / 86400.0;
  return CivilFromFixed(FixedFromDateValue(std::floor(local)));
}

std::string PlanetEventsText(const std::vector<PlanetEvent>& events, const ReportPlace* place) {
  std::string text;
  for (const PlanetEvent& e : events) {
    text += PlanetEventTime(e, place) + "\t" + PlanetEventText(e) + "\n";
  }
  return text;
}

std::string PlanetEventsTsv(const std::vector<PlanetEvent>& events, const ReportPlace* place) {
  std::string text = "time\tkind\tplanet\tother\tdegrees\ttext\n";
  for (const PlanetEvent& e : events) {
    text += IsoTime(e, place) + "\t" + std::string(PlanetEventKindId(e.kind)) + "\t" +
            std::string(PlanetId(e.planet)) + "\t" + (HasOther(e) ? std::string(PlanetId(e.other)) : "") + "\t" +
            (HasDegrees(e) ? Degrees(e.value) : "") + "\t" + PlanetEventText(e) + "\n";
  }
  return text;
}

std::string PlanetEventsJson(const std::vector<PlanetEvent>& events, const ReportPlace* place) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const PlanetEvent& e : events) {
    nlohmann::ordered_json item;
    item["time"] = IsoTime(e, place);
    item["kind"] = PlanetEventKindId(e.kind);
    item["planet"] = PlanetId(e.planet);
    if (HasOther(e)) {
      item["other"] = PlanetId(e.other);
    }
    if (HasDegrees(e)) {
      item["degrees"] = std::round(static_cast<double>(e.value) * 100.0) / 100.0;
    }
    item["text"] = PlanetEventText(e);
    list.push_back(std::move(item));
  }
  return list.dump(2) + "\n";
}

std::string PlanetEventsIcs(const std::vector<PlanetEvent>& events, std::string_view stampUtc) {
  std::string text;
  text += FoldIcsLine("BEGIN:VCALENDAR");
  text += FoldIcsLine("VERSION:2.0");
  text += FoldIcsLine("PRODID:-//Tempulo//Almanach//DE");
  text += FoldIcsLine("CALSCALE:GREGORIAN");
  text += FoldIcsLine("METHOD:PUBLISH");
  for (const PlanetEvent& e : events) {
    // The instant to the second, in UTC.
    const double rounded = std::round(e.time.DateValue() * 86400.0) / 86400.0;
    const std::string utc = DateTimeText(rounded);
    std::string stamp;
    if (utc.size() == 19) {
      stamp = utc.substr(6, 4) + utc.substr(3, 2) + utc.substr(0, 2) + "T" + utc.substr(11, 2) +
              utc.substr(14, 2) + utc.substr(17, 2) + "Z";
    } else {
      stamp = utc.substr(6, 4) + utc.substr(3, 2) + utc.substr(0, 2) + "T000000Z";
    }
    const std::string summary = PlanetEventText(e);
    const CivilDate day = CivilFromFixed(FixedFromDateValue(std::floor(rounded)));
    text += FoldIcsLine("BEGIN:VEVENT");
    text += FoldIcsLine("UID:" + IcsUid(GregorianFromFixed(FixedFromCivil(day)), summary));
    text += FoldIcsLine("DTSTAMP:" + std::string(stampUtc));
    text += FoldIcsLine("DTSTART:" + stamp);
    text += FoldIcsLine("DTEND:" + stamp);
    text += FoldIcsLine("SUMMARY:" + IcsText(summary));
    text += FoldIcsLine("TRANSP:TRANSPARENT");
    text += FoldIcsLine("END:VEVENT");
  }
  text += FoldIcsLine("END:VCALENDAR");
  return text;
}

}  // namespace tempulo

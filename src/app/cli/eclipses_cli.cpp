// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/eclipses_cli.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "report/eclipse_lines.h"
#include "report/ics.h"
#include "report/time_lines.h"
#include "time/civil.h"
#include "time/julian_day.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

constexpr double kDefaultLatitude = 50.0;
constexpr double kDefaultLongitude = 12.0;

std::string_view KindId(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::kSolarPartial:
      return "solar_partial";
    case EclipseKind::kSolarAnnular:
      return "solar_annular";
    case EclipseKind::kSolarTotal:
      return "solar_total";
    case EclipseKind::kSolarHybrid:
      return "solar_hybrid";
    case EclipseKind::kLunarPenumbral:
      return "lunar_penumbral";
    case EclipseKind::kLunarPartial:
      return "lunar_partial";
    case EclipseKind::kLunarTotal:
      return "lunar_total";
  }
  return "";
}

// To the nearest second, as the report line words the maximum.
double RoundedToSecond(double moment) { return std::round(moment * 86400.0) / 86400.0; }

// The instant in the zone's time as ISO 8601 with its offset, empty for none.
std::string IsoInZone(double moment, const TimeZone& zone) {
  if (moment == kNoContact || !std::isfinite(moment)) {
    return "";
  }
  moment = RoundedToSecond(moment);
  const ZoneOffset offset = zone.OffsetAt(moment);
  return IsoDateTimeFromText(DateTimeText(moment + offset.seconds / 86400.0), offset.seconds);
}

// "YYYYMMDDTHHMMSSZ" of an instant in universal time.
std::string IcsUtc(double moment) {
  const std::string text = DateTimeText(RoundedToSecond(moment));  // dd.MM.yyyy[ HH:mm:ss]
  std::string stamp = text.substr(6, 4) + text.substr(3, 2) + text.substr(0, 2) + "T";
  stamp += text.size() == 19 ? text.substr(11, 2) + text.substr(14, 2) + text.substr(17, 2) : "000000";
  return stamp + "Z";
}

// The civil date of the instant in the zone (Julian before the reform), as
// the report's day that shows the eclipse.
std::string LocalDate(double moment, const TimeZone& zone) {
  const double local = RoundedToSecond(moment) + zone.OffsetAt(moment).seconds / 86400.0;
  const CivilDate date = CivilFromFixed(FixedFromDateValue(std::floor(local)));
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string Decimal(double value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", digits, value);
  return text;
}

}  // namespace

void WriteEclipses(int year, const ReportPlace* place, EclipsesOutput output, std::string_view stampUtc,
                   std::ostream& out) {
  const TimeZone zone = place != nullptr ? place->zone : TimeZone{};
  const double latitude = place != nullptr ? place->place.latitude : kDefaultLatitude;
  const double longitude = place != nullptr ? place->place.longitude : kDefaultLongitude;
  const std::vector<PlacedEclipse> eclipses = EclipsesOfYear(year, zone, latitude, longitude);
  if (output == EclipsesOutput::kIcs) {
    std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tempulo//Finsternisse//DE\r\n";
    for (const PlacedEclipse& e : eclipses) {
      const bool seen = e.local.visible && e.local.eclipsed;
      const double begin = seen && e.local.begin.time != kNoContact ? e.local.begin.time : e.maximum;
      const double end = seen && e.local.end.time != kNoContact ? e.local.end.time : e.maximum;
      const std::string summary(EclipseKindName(e.eclipse.kind));
      const CivilDate day = DecodeDate(std::floor(e.eclipse.greatest.DateValue()));
      ics += "BEGIN:VEVENT\r\n";
      ics += FoldIcsLine("UID:" + IcsUid(day, summary));
      ics += "DTSTAMP:" + std::string(stampUtc) + "\r\n";
      ics += "DTSTART:" + IcsUtc(begin) + "\r\n";
      ics += "DTEND:" + IcsUtc(end) + "\r\n";
      ics += FoldIcsLine("SUMMARY:" + IcsText(summary));
      ics += FoldIcsLine("DESCRIPTION:" + IcsText(EclipseSummary(e, zone)));
      ics += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    }
    out << ics << "END:VCALENDAR\r\n";
    return;
  }
  if (output == EclipsesOutput::kTsv) {
    out << "date\tkind\tname\tgreatest\tmagnitude\tgamma\tsaros\tvisible\tbegin\tmaximum\tend\tobscuration\n";
  }
  for (const PlacedEclipse& e : eclipses) {
    const bool seen = e.local.visible && e.local.eclipsed;
    const bool solar = IsSolar(e.eclipse.kind);
    const std::string date = LocalDate(e.maximum, zone);
    switch (output) {
      case EclipsesOutput::kText:
        out << date << '\t' << EclipseSummary(e, zone) << '\n';
        break;
      case EclipsesOutput::kTsv:
        out << date << '\t' << KindId(e.eclipse.kind) << '\t' << EclipseKindName(e.eclipse.kind) << '\t'
            << IsoInZone(e.eclipse.greatest.DateValue(), zone) << '\t' << Decimal(e.eclipse.magnitude, 4)
            << '\t' << Decimal(e.eclipse.gamma, 4) << '\t' << e.eclipse.saros << '\t'
            << (seen ? "ja" : "nein") << '\t' << (seen ? IsoInZone(e.local.begin.time, zone) : "") << '\t'
            << (seen ? IsoInZone(e.local.maximum.time, zone) : "") << '\t'
            << (seen ? IsoInZone(e.local.end.time, zone) : "") << '\t'
            << (seen && solar ? Decimal(e.local.obscuration, 4) : "") << '\n';
        break;
      default: {
        nlohmann::ordered_json j{{"date", date},
                                 {"kind", KindId(e.eclipse.kind)},
                                 {"name", EclipseKindName(e.eclipse.kind)},
                                 {"greatest", IsoInZone(e.eclipse.greatest.DateValue(), zone)},
                                 {"magnitude", e.eclipse.magnitude},
                                 {"gamma", e.eclipse.gamma},
                                 {"saros", e.eclipse.saros},
                                 {"visible", seen}};
        if (solar && e.eclipse.central) {
          j["central_latitude"] = e.eclipse.latitude;
          j["central_longitude"] = e.eclipse.longitude;
        }
        if (seen) {
          nlohmann::ordered_json local{{"kind", KindId(e.local.kind)}};
          const std::pair<const char*, EclipseContact> contacts[] = {{"begin", e.local.begin},
                                                                     {"total_begin", e.local.totalBegin},
                                                                     {"maximum", e.local.maximum},
                                                                     {"total_end", e.local.totalEnd},
                                                                     {"end", e.local.end}};
          for (const auto& [key, contact] : contacts) {
            if (contact.time != kNoContact) {
              local[key] = {{"time", IsoInZone(contact.time, zone)}, {"altitude", contact.altitude}};
            }
          }
          if (solar) {
            local["obscuration"] = e.local.obscuration;
          }
          j["local"] = local;
        }
        out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        break;
      }
    }
  }
}

}  // namespace tempulo

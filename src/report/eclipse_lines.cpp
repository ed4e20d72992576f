// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/eclipse_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "report/refresh.h"
#include "time/civil.h"
#include "time/julian_day.h"

namespace tempulo {
namespace {

// A local maximum lies within a few hours of the greatest eclipse; the
// search for a day or year looks this far beyond its ends.
constexpr double kMargin = 0.5;

}  // namespace

std::string_view EclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::kSolarPartial:
      return "partielle Sonnenfinsternis";
    case EclipseKind::kSolarAnnular:
      return "ringförmige Sonnenfinsternis";
    case EclipseKind::kSolarTotal:
      return "totale Sonnenfinsternis";
    case EclipseKind::kSolarHybrid:
      return "hybride Sonnenfinsternis";
    case EclipseKind::kLunarPenumbral:
      return "Halbschatten-Mondfinsternis";
    case EclipseKind::kLunarPartial:
      return "partielle Mondfinsternis";
    case EclipseKind::kLunarTotal:
      return "totale Mondfinsternis";
  }
  return "Finsternis";
}

std::vector<PlacedEclipse> PlacedEclipsesBetween(double start, double end, double latitude, double longitude) {
  std::vector<PlacedEclipse> placed;
  for (const Eclipse& e :
       EclipsesBetween(Instant::FromDateValue(start - kMargin), Instant::FromDateValue(end + kMargin))) {
    PlacedEclipse p{e, LocalCircumstances(e, latitude, longitude), e.greatest.DateValue()};
    if (p.local.visible && p.local.maximum.time != kNoContact) {
      p.maximum = p.local.maximum.time;
    }
    if (p.maximum >= start && p.maximum < end) {
      placed.push_back(p);
    }
  }
  return placed;
}

std::vector<PlacedEclipse> EclipsesOfYear(int year, const TimeZone& zone, double latitude, double longitude) {
  if (year < kMinimumYear || year > kMaximumYear) {
    return {};
  }
  // The civil year: Julian before the reform.
  const double first = DateValueOf(FixedFromCivil({year, 1, 1}));
  const double next = DateValueOf(FixedFromCivil({year + 1, 1, 1}));
  return PlacedEclipsesBetween(zone.DayStart(first), zone.DayStart(next), latitude, longitude);
}

std::string ZoneTimeOfDay(double moment, const TimeZone& zone) {
  const ZoneOffset offset = zone.OffsetAt(moment);
  const double local = moment + offset.seconds / 86400.0;
  // Rounded to the second as the report's other times.
  auto seconds = static_cast<long long>(std::llround((local - std::floor(local)) * 86400.0));
  seconds %= 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return std::string(text) + " " + offset.abbreviation;
}

std::string EclipseSummary(const PlacedEclipse& e, const TimeZone& zone) {
  const bool solar = IsSolar(e.eclipse.kind);
  const bool seen = e.local.visible && e.local.eclipsed;
  std::string text(EclipseKindName(seen && solar ? e.local.kind : e.eclipse.kind));
  text += ", Maximum " + ZoneTimeOfDay(e.maximum, zone);
  if (!solar) {
    char magnitude[32];
    std::snprintf(magnitude, sizeof magnitude, ", Größe %.2f",
                  e.eclipse.kind == EclipseKind::kLunarPenumbral ? e.eclipse.penumbralMagnitude : e.eclipse.magnitude);
    text += magnitude;
  } else if (seen) {
    // Whole per cent, but never 0 % or 100 % for a part of the disc.
    double percent = std::round(e.local.obscuration * 100.0);
    if (e.local.obscuration < 1.0) {
      percent = std::clamp(percent, 1.0, 99.0);
    }
    text += ", " + std::to_string(static_cast<int>(percent)) + " % bedeckt";
  }
  if (!seen) {
    text += ", hier nicht sichtbar";
  }
  return text;
}

void AddEclipseLines(Report& report, double dayStart, double dayEnd, double latitude, double longitude,
                     const TimeZone& zone) {
  for (const PlacedEclipse& e : PlacedEclipsesBetween(dayStart, dayEnd, latitude, longitude)) {
    report.Add("Finsternis", EclipseSummary(e, zone));
  }
}

}  // namespace tempulo

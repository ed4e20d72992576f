// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/time_lines.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "astro/rise_set.h"
#include "time/utf8.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

constexpr std::size_t kMaxLabelLength = 255;

}  // namespace

void AddCetTimeLine(Report& report, std::string_view label, double moment) {
  const std::string cutLabel = Utf8Left(label, kMaxLabelLength);
  if (moment == NoEvent || !std::isfinite(moment)) {
    report.Add(cutLabel, "-");
    return;
  }
  const long double shifted = static_cast<long double>(moment) + 1.0L / 24.0L;
  report.Add(cutLabel, DateTimeText(static_cast<double>(shifted)) + " MEZ");
}

void AddZoneTimeLine(Report& report, std::string_view label, double moment, const TimeZone& zone) {
  if (zone.IsFixedMez() || moment == NoEvent || !std::isfinite(moment)) {
    AddCetTimeLine(report, label, moment);
    return;
  }
  const ZoneOffset offset = zone.OffsetAt(moment);
  const long double shifted = static_cast<long double>(moment) + static_cast<long double>(offset.seconds) / 86400.0L;
  report.Add(Utf8Left(label, kMaxLabelLength), DateTimeText(static_cast<double>(shifted)) + " " + offset.abbreviation);
}

}  // namespace tempulo

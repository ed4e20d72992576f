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

std::string IsoDateTimeFromText(std::string_view text, int utcOffsetSeconds) {
  if (!(text.size() == 10 || text.size() == 19) || text[2] != '.' || text[5] != '.' ||
      (text.size() == 19 && (text[10] != ' ' || text[13] != ':' || text[16] != ':'))) {
    return {};
  }
  std::string iso;
  iso.append(text.substr(6, 4)).append("-").append(text.substr(3, 2)).append("-").append(text.substr(0, 2));
  iso.append("T").append(text.size() == 19 ? text.substr(11, 8) : std::string_view("00:00:00"));
  // Whole minutes: zones such as Asia/Kolkata are half an hour off.
  const int minutes = (utcOffsetSeconds < 0 ? -utcOffsetSeconds : utcOffsetSeconds) / 60;
  const int hours = minutes / 60 % 100;
  iso += utcOffsetSeconds < 0 ? '-' : '+';
  iso += static_cast<char>('0' + hours / 10);
  iso += static_cast<char>('0' + hours % 10);
  iso += ':';
  iso += static_cast<char>('0' + minutes % 60 / 10);
  iso += static_cast<char>('0' + minutes % 10);
  return iso;
}

void AddCetTimeLine(Report& report, std::string_view label, double moment, std::string_view key) {
  const std::string cutLabel = Utf8Left(label, kMaxLabelLength);
  if (moment == NoEvent || !std::isfinite(moment)) {
    report.Add(cutLabel, "-");
    return;
  }
  const long double shifted = static_cast<long double>(moment) + kCetUtcOffsetHours / 24.0L;
  const std::string text = DateTimeText(static_cast<double>(shifted));
  report.Add(cutLabel, text + " MEZ");
  if (!key.empty() && report.KeepsValues()) {
    // Worded from the very text of the line, so the two never disagree.
    report.Set(key, IsoDateTimeFromText(text, static_cast<int>(kCetUtcOffsetHours * 3600)));
  }
}

void AddZoneTimeLine(Report& report, std::string_view label, double moment, const TimeZone& zone,
                     std::string_view key) {
  if (zone.IsFixedMez() || moment == NoEvent || !std::isfinite(moment)) {
    AddCetTimeLine(report, label, moment, key);
    return;
  }
  const ZoneOffset offset = zone.OffsetAt(moment);
  const long double shifted = static_cast<long double>(moment) + static_cast<long double>(offset.seconds) / 86400.0L;
  const std::string text = DateTimeText(static_cast<double>(shifted));
  report.Add(Utf8Left(label, kMaxLabelLength), text + " " + offset.abbreviation);
  if (!key.empty() && report.KeepsValues()) {
    report.Set(key, IsoDateTimeFromText(text, static_cast<int>(offset.seconds)));
  }
}

}  // namespace tempulo

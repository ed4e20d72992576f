// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/time_lines.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "astro/rise_set.h"
#include "time/date_encoding.h"
#include "time/utf8.h"

namespace tempulo {
namespace {

constexpr std::size_t kMaxLabelLength = 255;
constexpr int kSecondsPerHour = 3600;

// The moment shifted by the zone's offset, as the time lines word it.
std::string ShiftedText(double moment, const ZoneOffset& offset) {
  const long double shifted =
      static_cast<long double>(moment) + static_cast<long double>(offset.seconds) / 86400.0L;
  return DateTimeText(static_cast<double>(shifted));
}

ZoneOffset MezOffset() {
  return {.seconds = static_cast<int>(kCetUtcOffsetHours * kSecondsPerHour), .abbreviation = "MEZ"};
}

// The offset in force at the moment; the fixed zone is MEZ all year.
ZoneOffset OffsetIn(const TimeZone& zone, double moment) {
  return zone.IsFixedMez() ? MezOffset() : zone.OffsetAt(moment);
}

// A time line of an event: the instant shifted by the zone's offset, worded
// with the zone's name, and, when the report keeps values, as ISO 8601.
void AddShiftedTimeLine(Report& report, std::string_view label, double moment, const ZoneOffset& offset,
                        std::string_view key) {
  const std::string text = ShiftedText(moment, offset);
  report.Add(Utf8Left(label, kMaxLabelLength), text + " " + offset.abbreviation);
  if (!key.empty() && report.KeepsValues()) {
    // Worded from the very text of the line, so the two never disagree.
    report.Set(key, IsoDateTimeFromText(text, offset.seconds));
  }
}

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
  if (moment == NoEvent || !std::isfinite(moment)) {
    report.Add(Utf8Left(label, kMaxLabelLength), "-");
    return;
  }
  AddShiftedTimeLine(report, label, moment, MezOffset(), key);
}

void AddZoneTimeLine(Report& report, std::string_view label, double moment, const TimeZone& zone,
                     std::string_view key) {
  if (zone.IsFixedMez() || moment == NoEvent || !std::isfinite(moment)) {
    AddCetTimeLine(report, label, moment, key);
    return;
  }
  AddShiftedTimeLine(report, label, moment, OffsetIn(zone, moment), key);
}

void AppendZoneTimes(Report& report, std::string_view key, const std::vector<double>& moments,
                     const TimeZone& zone) {
  if (!report.KeepsValues()) {
    return;
  }
  for (const double moment : moments) {
    if (moment == NoEvent || !std::isfinite(moment)) {
      continue;
    }
    const ZoneOffset offset = OffsetIn(zone, moment);
    report.Append(key, IsoDateTimeFromText(ShiftedText(moment, offset), offset.seconds));
  }
}

}  // namespace tempulo

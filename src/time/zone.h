// SPDX-License-Identifier: GPL-3.0-or-later
// The civil time of a place: its offset from universal time and the
// abbreviation of that offset at an instant, and where its local days begin.
// A zone is either the almanac's fixed MEZ (UTC+1 all year, no summer time)
// or a zone of the system's time-zone database (/usr/share/zoneinfo).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace date {
class time_zone;
}

namespace tempulo {

struct ZoneOffset {
  int seconds = 0;           // ahead of universal time
  std::string abbreviation;  // "MEZ", "MESZ", "EST", "+0530" ...
  friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

class TimeZone {
 public:
  // The fixed MEZ: UTC+1 all year, labelled "MEZ".
  TimeZone() = default;

  // "MEZ" or a zone name of the database ("Europe/Berlin"); empty when the
  // name is unknown or the database cannot be read.
  static std::optional<TimeZone> Find(std::string_view name);

  // "MEZ" or the database's name of the zone.
  const std::string& Name() const { return name_; }
  bool IsFixedMez() const { return zone_ == nullptr; }

  // The offset in force at an instant (a date value in universal time).
  // Central European abbreviations read in German (CET MEZ, CEST MESZ).
  // After the database's last listed change (it lists them up to 2037) the
  // zone's summer-time rule goes on: the year is read as the year of 2010-2037
  // that has the same calendar.
  ZoneOffset OffsetAt(double utcDateValue) const;

  // The first instant (a date value in universal time) of the local day that
  // begins at the whole date value `localDay`: its local midnight, or, where
  // the clock skips midnight, the instant the clock jumps past it. The next
  // day's start ends the day, so a day may have 23 or 25 hours.
  double DayStart(double localDay) const;

 private:
  std::string name_ = "MEZ";
  const date::time_zone* zone_ = nullptr;
};

}  // namespace tempulo

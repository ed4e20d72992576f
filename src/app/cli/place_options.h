// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's choice of a place: --place, --lat, --lon and --tz.
#pragma once

#include <optional>
#include <string>

#include "report/report_place.h"

namespace tempulo {

struct PlaceOptions {
  std::optional<std::string> name;
  std::optional<std::string> latitude;
  std::optional<std::string> longitude;
  std::optional<std::string> zone;

  bool Any() const { return name || latitude || longitude || zone; }
};

// The place the options name: a place of the list (its coordinates and zone),
// free coordinates (both --lat and --lon; the place list's name then no longer
// applies), a zone of its own; what is not given stays the almanac's default
// (50° N, 12° O, MEZ). Empty, with a German reason, for an unknown place or
// zone, a coordinate out of range or only one of --lat and --lon.
std::optional<ReportPlace> ResolvePlaceOptions(const PlaceOptions& options, std::string& why);

}  // namespace tempulo

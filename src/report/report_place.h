// SPDX-License-Identifier: GPL-3.0-or-later
// The place the report's sun and moon block is computed for, with its zone
// looked up once.
#pragma once

#include <optional>
#include <string>

#include "time/place.h"
#include "time/zone.h"

namespace tempulo {

struct ReportPlace {
  Place place;
  TimeZone zone;

  // The place with its zone; empty, with a German reason, for a zone the
  // system's database does not know.
  static std::optional<ReportPlace> For(const Place& place, std::string& why);
};

}  // namespace tempulo

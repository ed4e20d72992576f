// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/report_place.h"

namespace tempulo {

std::optional<ReportPlace> ReportPlace::For(const Place& place, std::string& why) {
  const auto zone = TimeZone::Find(place.zone);
  if (!zone) {
    why = "Die Zeitzone \"" + place.zone + "\" ist unbekannt (erlaubt: MEZ oder ein Name wie Europe/Berlin).";
    return std::nullopt;
  }
  ReportPlace result{place, *zone};
  result.place.zone = zone->Name();
  return result;
}

}  // namespace tempulo

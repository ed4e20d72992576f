// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/place_options.h"

#include "time/place.h"

namespace tempulo {

std::optional<ReportPlace> ResolvePlaceOptions(const PlaceOptions& options, std::string& why) {
  Place place;
  if (options.name) {
    std::string warning;
    const std::vector<Place> places = LoadPlaces(DefaultPlaceFiles(), warning);
    const Place* found = FindPlace(places, *options.name);
    if (found == nullptr) {
      why = "Der Ort \"" + *options.name + "\" steht nicht in der Ortsliste.";
      if (!warning.empty()) {
        why += " " + warning;
      }
      return std::nullopt;
    }
    place = *found;
  }
  if (options.latitude.has_value() != options.longitude.has_value()) {
    why = "--lat und --lon gehören zusammen: bitte beide angeben.";
    return std::nullopt;
  }
  if (options.latitude) {
    const auto latitude = ParseLatitude(*options.latitude, why);
    if (!latitude) {
      return std::nullopt;
    }
    const auto longitude = ParseLongitude(*options.longitude, why);
    if (!longitude) {
      return std::nullopt;
    }
    place.name.clear();
    place.latitude = *latitude;
    place.longitude = *longitude;
  }
  if (options.zone) {
    place.zone = *options.zone;
  }
  return ReportPlace::For(place, why);
}

}  // namespace tempulo

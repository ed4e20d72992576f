// SPDX-License-Identifier: GPL-3.0-or-later
// The observer's place: a name, the coordinates and the name of its time
// zone; the list of places to choose from and the German way of writing and
// reading coordinates.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tempulo {

inline constexpr double kMaximumLatitude = 89.9;

struct Place {
  std::string name;         // empty for coordinates entered freely
  double latitude = 50.0;   // degrees, north positive
  double longitude = 12.0;  // degrees, east positive
  std::string zone = "MEZ";  // "MEZ" or a name of the time-zone database
  friend bool operator==(const Place&, const Place&) = default;
};

// "52°31′ N" and "13°24′ O": degrees and whole arc minutes, German compass
// letters (N/S, O/W).
std::string LatitudeText(double latitude);
std::string LongitudeText(double longitude);
// The report's place line value: "Berlin, 52°31′ N, 13°24′ O, Europe/Berlin"
// (without the name when there is none).
std::string PlaceText(const Place& place);

// Reads a latitude (-89.9..89.9) or longitude (-180..180): a decimal number
// with a comma or a point, optionally with a degree sign and a compass letter
// ("52,5 N", "13.4° O", "-33,87", "74 W", "E" for east too), or degrees and
// minutes ("52°31′ N", "52 31 N"). Empty, with a German reason, otherwise.
std::optional<double> ParseLatitude(std::string_view text, std::string& why);
std::optional<double> ParseLongitude(std::string_view text, std::string& why);

// The system time-zone table zone1970.tab: one place per zone, named by its
// principal city (the zone name's last part, "_" read as a space), at the
// coordinates the table gives. Malformed lines are skipped.
std::vector<Place> ReadZoneTable(std::istream& in);
// The almanac's own list: "name<TAB>latitude<TAB>longitude<TAB>zone" in
// decimal degrees, "#" starts a comment line. Malformed lines are skipped.
std::vector<Place> ReadPlaceTable(std::istream& in);

// Where the two lists are read from.
struct PlaceFiles {
  std::string zoneTable;  // the system's zone1970.tab
  std::string ownTable;   // the almanac's own list
};
// The system's zone table and PlaceTablePath().
PlaceFiles DefaultPlaceFiles();

// Both lists, sorted by name (German letters folded for the order), the
// almanac's own first where a name is in both. `warning` gets a German note
// for a file that cannot be read.
std::vector<Place> LoadPlaces(const PlaceFiles& files, std::string& warning);

// The place of that name, case folded for ASCII letters; nullptr when none.
const Place* FindPlace(const std::vector<Place>& places, std::string_view name);

// The almanac's own list: $TEMPULO_PLACES when set, else share/tempulo
// beside the program's folder (an installation), else the source tree's
// data folder (a program run from its build tree).
std::string PlaceTablePath();

// Where the system keeps zone1970.tab.
inline constexpr const char* kSystemZoneTable = "/usr/share/zoneinfo/zone1970.tab";

}  // namespace tempulo

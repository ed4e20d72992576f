// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/place.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

namespace tempulo {
namespace {

// Longest line of a place file that is read; longer lines are skipped.
constexpr std::size_t kMaxLineLength = 1000;
// More places than any list has: a guard against a runaway file.
constexpr std::size_t kMaxPlaces = 20000;

std::string DegreesMinutes(double value) {
  const long total = std::lround(std::fabs(value) * 60.0);
  const long degrees = total / 60;
  const long minutes = total % 60;
  return std::to_string(degrees) + "°" + (minutes < 10 ? "0" : "") + std::to_string(minutes) + "′";
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
}

std::optional<double> ParseNumber(std::string_view token) {
  std::string text(token);
  std::replace(text.begin(), text.end(), ',', '.');
  if (!text.empty() && text.front() == '+') {
    text.erase(0, 1);
  }
  if (text.empty() || text.size() > 30) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Latitude or longitude: the compass letters of either sign, the largest
// amount and the German word for the messages.
struct CoordinateKind {
  std::string_view positive;
  std::string_view negative;
  double limit;
  std::string_view what;
};

// Reads "number [° [minutes [′ [seconds ″]]]] [letter]"; the letter, when
// given, must be one of the kind's positive or negative letters and sets the sign.
std::optional<double> ParseCoordinate(std::string_view input, const CoordinateKind& kind, std::string& why) {
  const std::string_view positive = kind.positive;
  const std::string_view negative = kind.negative;
  const double limit = kind.limit;
  const std::string_view what = kind.what;
  const std::string original(input);
  why = "Die " + std::string(what) + " \"" + original + "\" ist keine Gradangabe (z. B. \"52,5 N\" oder \"52°31′ N\").";
  if (input.size() > 60) {
    return std::nullopt;
  }
  std::string text = original;
  for (const std::string_view mark : {"°", "′", "″", "'", "\""}) {
    ReplaceAll(text, mark, " ");
  }
  // The compass letter, if any, at the end.
  while (!text.empty() && text.back() == ' ') {
    text.pop_back();
  }
  int sign = 1;
  bool lettered = false;
  if (!text.empty() && std::isalpha(static_cast<unsigned char>(text.back())) != 0) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (positive.find(letter) != std::string_view::npos) {
      sign = 1;
    } else if (negative.find(letter) != std::string_view::npos) {
      sign = -1;
    } else {
      return std::nullopt;
    }
    lettered = true;
    text.pop_back();
  }
  std::istringstream tokens(text);
  std::string token;
  std::vector<double> parts;
  while (tokens >> token) {
    const auto number = ParseNumber(token);
    if (!number || parts.size() >= 3) {
      return std::nullopt;
    }
    parts.push_back(*number);
  }
  if (parts.empty()) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (parts[i] < 0 || parts[i] >= 60 || parts[0] != std::trunc(parts[0])) {
      return std::nullopt;
    }
  }
  if (lettered && parts[0] < 0) {
    return std::nullopt;
  }
  const bool negativeNumber = std::signbit(parts[0]);
  double value = std::fabs(parts[0]);
  if (parts.size() > 1) {
    value += parts[1] / 60.0;
  }
  if (parts.size() > 2) {
    value += parts[2] / 3600.0;
  }
  value *= (negativeNumber ? -1 : 1) * sign;
  if (std::fabs(value) > limit + 1e-9) {
    std::ostringstream limitText;
    limitText << limit;
    std::string shown = limitText.str();
    std::replace(shown.begin(), shown.end(), '.', ',');
    why = "Die " + std::string(what) + " \"" + original + "\" liegt nicht zwischen -" + shown + "° und " + shown + "°.";
    return std::nullopt;
  }
  why.clear();
  return value;
}

// "+5230+01322" or "+523000+0132200": ISO 6709 degrees and minutes (and seconds).
bool ParseIsoCoordinates(std::string_view text, double& latitude, double& longitude) {
  const auto split = text.find_first_of("+-", 1);
  if (split == std::string_view::npos) {
    return false;
  }
  const auto part = [](std::string_view field, std::size_t degreeDigits, double& out) {
    if (field.size() < 2) {
      return false;
    }
    const int sign = field[0] == '-' ? -1 : 1;
    field.remove_prefix(1);
    const std::size_t digits = field.size();
    if (digits != degreeDigits + 2 && digits != degreeDigits + 4) {
      return false;
    }
    if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return false;
    }
    const auto number = [&field](std::size_t from, std::size_t length) {
      return std::stoi(std::string(field.substr(from, length)));
    };
    double value = number(0, degreeDigits) + number(degreeDigits, 2) / 60.0;
    if (digits == degreeDigits + 4) {
      value += number(degreeDigits + 2, 2) / 3600.0;
    }
    out = sign * value;
    return true;
  };
  return part(text.substr(0, split), 2, latitude) && part(text.substr(split), 3, longitude);
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t at = line.find('\t'); at != std::string::npos; at = line.find('\t', from)) {
    fields.push_back(line.substr(from, at - from));
    from = at + 1;
  }
  fields.push_back(line.substr(from));
  return fields;
}

bool ValidPlace(const Place& place) {
  return !place.name.empty() && std::fabs(place.latitude) <= 90.0 && std::fabs(place.longitude) <= 180.0 &&
         !place.zone.empty();
}

// A sort key: lower case, German letters as their base letters.
std::string SortKey(const std::string& name) {
  std::string key = name;
  for (const auto& [from, to] : {std::pair{"Ä", "a"}, {"ä", "a"}, {"Ö", "o"}, {"ö", "o"}, {"Ü", "u"}, {"ü", "u"},
                                 {"ß", "ss"}, {"é", "e"}, {"è", "e"}, {"É", "e"}}) {
    ReplaceAll(key, from, to);
  }
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return key;
}

}  // namespace

std::string LatitudeText(double latitude) {
  return DegreesMinutes(latitude) + (latitude < 0 && std::lround(std::fabs(latitude) * 60.0) != 0 ? " S" : " N");
}

std::string LongitudeText(double longitude) {
  return DegreesMinutes(longitude) + (longitude < 0 && std::lround(std::fabs(longitude) * 60.0) != 0 ? " W" : " O");
}

std::string PlaceText(const Place& place) {
  std::string text;
  if (!place.name.empty()) {
    text = place.name + ", ";
  }
  return text + LatitudeText(place.latitude) + ", " + LongitudeText(place.longitude) + ", " + place.zone;
}

std::optional<double> ParseLatitude(std::string_view text, std::string& why) {
  return ParseCoordinate(text, {"N", "S", kMaximumLatitude, "Breite"}, why);
}

std::optional<double> ParseLongitude(std::string_view text, std::string& why) {
  return ParseCoordinate(text, {"OE", "W", 180.0, "Länge"}, why);
}

std::vector<Place> ReadZoneTable(std::istream& in) {
  std::vector<Place> places;
  std::string line;
  while (places.size() < kMaxPlaces && std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.size() > kMaxLineLength) {
      continue;
    }
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() < 3) {
      continue;
    }
    Place place;
    place.zone = fields[2];
    std::string city = place.zone.substr(place.zone.rfind('/') + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    place.name = city;
    if (ParseIsoCoordinates(fields[1], place.latitude, place.longitude) && ValidPlace(place)) {
      places.push_back(std::move(place));
    }
  }
  return places;
}

std::vector<Place> ReadPlaceTable(std::istream& in) {
  std::vector<Place> places;
  std::string line;
  std::string why;
  while (places.size() < kMaxPlaces && std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.size() > kMaxLineLength) {
      continue;
    }
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 4) {
      continue;
    }
    const auto latitude = ParseNumber(fields[1]);
    const auto longitude = ParseNumber(fields[2]);
    if (!latitude || !longitude) {
      continue;
    }
    Place place{fields[0], *latitude, *longitude, fields[3]};
    if (ValidPlace(place)) {
      places.push_back(std::move(place));
    }
  }
  return places;
}

PlaceFiles DefaultPlaceFiles() { return {kSystemZoneTable, PlaceTablePath()}; }

std::vector<Place> LoadPlaces(const PlaceFiles& files, std::string& warning) {
  const std::string& zoneTablePath = files.zoneTable;
  const std::string& placeTablePath = files.ownTable;
  warning.clear();
  std::vector<Place> places;
  std::ifstream own(placeTablePath);
  if (own) {
    places = ReadPlaceTable(own);
  } else {
    warning = "Die Ortsliste \"" + placeTablePath + "\" ist nicht lesbar.";
  }
  std::ifstream zones(zoneTablePath);
  if (zones) {
    std::set<std::string> names;
    for (const Place& place : places) {
      names.insert(SortKey(place.name));
    }
    for (Place& place : ReadZoneTable(zones)) {
      if (names.insert(SortKey(place.name)).second) {
        places.push_back(std::move(place));
      }
    }
  } else {
    warning += std::string(warning.empty() ? "" : " ") + "Die Zeitzonentabelle \"" + zoneTablePath +
               "\" ist nicht lesbar.";
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const Place& a, const Place& b) { return SortKey(a.name) < SortKey(b.name); });
  return places;
}

std::string PlaceTablePath() {
  constexpr const char* kFileName = "places-dach.tsv";
  if (const char* path = std::getenv("TEMPULO_PLACES"); path != nullptr && *path != '\0') {
    return path;
  }
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path installed = program.parent_path().parent_path() / "share" / "tempulo" / kFileName;
    if (std::filesystem::is_regular_file(installed, error)) {
      return installed.string();
    }
  }
#ifdef TEMPULO_SOURCE_DATA_DIR
  return std::string(TEMPULO_SOURCE_DATA_DIR) + "/places/" + kFileName;
#else
  return kFileName;
#endif
}

const Place* FindPlace(const std::vector<Place>& places, std::string_view name) {
  const auto equalFolded = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  };
  for (const Place& place : places) {
    if (equalFolded(place.name, name)) {
      return &place;
    }
  }
  return nullptr;
}

}  // namespace tempulo

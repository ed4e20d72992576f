// SPDX-License-Identifier: GPL-3.0-or-later
// The place: German coordinate text, reading coordinates, the place lists,
// and the sun and moon block anywhere on Earth.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "report/report.h"
#include "report/report_builder.h"
#include "report/report_place.h"
#include "time/date_encoding.h"
#include "time/place.h"

namespace tempulo {
namespace {

TEST(PlaceTest, CoordinateText) {
  const struct {
    double latitude, longitude;
    const char* text;
  } cases[] = {
      {52.52, 13.405, "52°31′ N, 13°24′ O"},
      {-33.8667, 151.2167, "33°52′ S, 151°13′ O"},
      {40.7142, -74.0064, "40°43′ N, 74°00′ W"},
      {0.0, 0.0, "0°00′ N, 0°00′ O"},
      {-0.004, -0.004, "0°00′ N, 0°00′ O"},  // rounds to zero: no "S"/"W" for nothing
      {89.9, -179.9, "89°54′ N, 179°54′ W"},
      {49.9999, 11.9999, "50°00′ N, 12°00′ O"},  // minutes round up into the degree
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LatitudeText(c.latitude) + ", " + LongitudeText(c.longitude), c.text);
  }
  EXPECT_EQ(PlaceText({"Berlin", 52.52, 13.405, "Europe/Berlin"}), "Berlin, 52°31′ N, 13°24′ O, Europe/Berlin");
  EXPECT_EQ(PlaceText({"", 50, 12, "MEZ"}), "50°00′ N, 12°00′ O, MEZ");
}

TEST(PlaceTest, ReadsGermanCoordinates) {
  const struct {
    const char* text;
    bool latitude;
    bool ok;
    double value;
  } cases[] = {
      {"52,52", true, true, 52.52},
      {"52.52 N", true, true, 52.52},
      {"33,87 S", true, true, -33.87},
      {"-33,87", true, true, -33.87},
      {"+33,87", true, true, 33.87},
      {"52°31′ N", true, true, 52 + 31 / 60.0},
      {"52° 31' 30\" n", true, true, 52 + 31 / 60.0 + 30 / 3600.0},
      {"52 31 N", true, true, 52 + 31 / 60.0},
      {"89,9 S", true, true, -89.9},
      {"13,4 O", false, true, 13.4},
      {"13,4 E", false, true, 13.4},
      {"74 W", false, true, -74.0},
      {"-180", false, true, -180.0},
      {"179°54′ W", false, true, -179.9},
      // Refused: out of range, wrong letter, a sign and a letter, garbage.
      {"90", true, false, 0},
      {"89,95 N", true, false, 0},
      {"13 O", true, false, 0},
      {"52 W", true, false, 0},
      {"180,1", false, false, 0},
      {"13 N", false, false, 0},
      {"-13 O", false, false, 0},
      {"", true, false, 0},
      {"N", true, false, 0},
      {"abc", true, false, 0},
      {"52,5,1", true, false, 0},
      {"52 61 N", true, false, 0},
      {"52,5 30 N", true, false, 0},  // minutes after a fractional degree
      {"1 2 3 4", true, false, 0},
      {"nan", true, false, 0},
      {"inf", false, false, 0},
      {"1e400", false, false, 0},
  };
  for (const auto& c : cases) {
    std::string why;
    const auto value = c.latitude ? ParseLatitude(c.text, why) : ParseLongitude(c.text, why);
    EXPECT_EQ(value.has_value(), c.ok) << c.text;
    if (value && c.ok) {
      EXPECT_NEAR(*value, c.value, 1e-9) << c.text;
    }
    if (!c.ok) {
      EXPECT_NE(why.find(c.latitude ? "Breite" : "Länge"), std::string::npos) << c.text << ": " << why;
    }
  }
}

TEST(PlaceTest, ReadsTheZoneTableAndTheOwnList) {
  std::istringstream zones(
      "# comment\n"
      "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
      "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
      "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
      "XX\tnonsense\tEtc/Broken\n"
      "short line\n");
  const auto fromZones = ReadZoneTable(zones);
  ASSERT_EQ(fromZones.size(), 3u);
  EXPECT_EQ(fromZones[0], (Place{"Berlin", 52.5, 13 + 22 / 60.0, "Europe/Berlin"}));
  EXPECT_EQ(fromZones[1].name, "Buenos Aires");
  EXPECT_NEAR(fromZones[1].latitude, -(34 + 36 / 60.0), 1e-12);
  EXPECT_NEAR(fromZones[1].longitude, -(58 + 27 / 60.0), 1e-12);
  EXPECT_NEAR(fromZones[2].latitude, 40 + 42 / 60.0 + 51 / 3600.0, 1e-12);
  EXPECT_NEAR(fromZones[2].longitude, -(74 + 0 / 60.0 + 23 / 3600.0), 1e-12);

  std::istringstream own(
      "# Quelle\n"
      "Görlitz\t51.1528\t14.9872\tEurope/Berlin\n"
      "Halle (Saale)\t51,4825\t11,9697\tEurope/Berlin\n"
      "Kaputt\t91\t0\tEurope/Berlin\n"
      "Ohne Zone\t50\t10\n"
      "Falsch\tx\t10\tEurope/Berlin\n");
  const auto fromOwn = ReadPlaceTable(own);
  ASSERT_EQ(fromOwn.size(), 2u);
  EXPECT_EQ(fromOwn[0].name, "Görlitz");
  EXPECT_EQ(fromOwn[1].name, "Halle (Saale)");
  EXPECT_NEAR(fromOwn[1].longitude, 11.9697, 1e-12);
}

TEST(PlaceTest, TheInstalledListsLoadAndEveryZoneIsKnown) {
  std::string warning;
  const auto places = LoadPlaces(DefaultPlaceFiles(), warning);
  EXPECT_EQ(warning, "");
  EXPECT_GT(places.size(), 350u);
  for (const char* name : {"Berlin", "Aachen", "Wien", "Zürich", "Sydney",
                           "New York", "Kolkata", "Nairobi", "Sao Paulo", "Auckland", "Casey", "Nuuk"}) {
    EXPECT_NE(FindPlace(places, name), nullptr) << name;
  }
  // One Berlin: the city's own coordinates, not the zone table's.
  EXPECT_NEAR(FindPlace(places, "berlin")->longitude, 13.405, 1e-9);
  EXPECT_EQ(FindPlace(places, "Atlantis"), nullptr);
  for (const Place& place : places) {
    std::string why;
    EXPECT_TRUE(ReportPlace::For(place, why).has_value()) << place.name << " " << place.zone;
  }
  std::string missing;
  const auto none = LoadPlaces({"/nonexistent/zone1970.tab", "/nonexistent/places.tsv"}, missing);
  EXPECT_TRUE(none.empty());
  EXPECT_NE(missing.find("nicht lesbar"), std::string::npos);
}

// Every event line of the block names a moment of the selected local day or
// "-"; nothing reads "nan", and the search ends, wherever the place is.
TEST(PlaceTest, SunAndMoonAnywhereOnEarth) {
  const double latitudes[] = {-89.9, -78.0, -66.6, -33.9, 0.0, 51.5, 66.6, 78.2, 89.9};
  const struct {
    double longitude;
    const char* zone;
  } meridians[] = {{-179.9, "Pacific/Pago_Pago"}, {-74.0, "America/New_York"}, {0.0, "Etc/UTC"},
                   {88.4, "Asia/Kolkata"},        {179.9, "Pacific/Kiritimati"}, {179.9, "Pacific/Auckland"}};
  const std::regex moment(R"((\d\d)\.(\d\d)\.(\d{4})( \d\d:\d\d:\d\d)? \S+)");
  const char* eventLabels[] = {"Morgendämmerung", "Abenddämmerung", "Mondaufgang", "Mondkulmination",
                               "Monduntergang",   "Sonnenaufgang",  "Sonnenkulmination", "Sonnenuntergang"};
  int dashes = 0;
  int events = 0;
  for (const double latitude : latitudes) {
    for (const auto& meridian : meridians) {
      std::string why;
      const auto place = ReportPlace::For({"", latitude, meridian.longitude, meridian.zone}, why);
      ASSERT_TRUE(place) << why;
      for (int month = 1; month <= 12; month += 2) {
        for (const int day : {1, 21}) {
          Report report;
          AddSunAndMoonBlock(EncodeDate(2026, month, day), *place, report);
          char expectedDate[16];
          std::snprintf(expectedDate, sizeof expectedDate, "%02d.%02d.2026", day, month);
          for (const std::string& line : report.Lines()) {
            ASSERT_EQ(line.find("nan"), std::string::npos) << line;
            const std::string label = line.substr(0, line.find('\t'));
            const std::string value = line.substr(line.find('\t') + 1);
            for (const char* event : eventLabels) {
              if (label != event) {
                continue;
              }
              if (value == "-") {
                ++dashes;
                continue;
              }
              std::smatch match;
              ASSERT_TRUE(std::regex_match(value, match, moment)) << line;
              EXPECT_EQ(value.substr(0, 10), expectedDate)
                  << line << " at " << latitude << "/" << meridian.longitude << " " << meridian.zone;
              ++events;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(dashes, 100);   // polar days and nights
  EXPECT_GT(events, 2000);  // and ordinary days
}

}  // namespace
}  // namespace tempulo

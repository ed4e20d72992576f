// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report's choice of a place: the "Ort" line, local times, and the
// German refusals with exit status 2.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/report_cli.h"
#include "cli_run.h"

namespace tempulo {
namespace {

CliRun RunCli(const std::vector<std::string>& args) { return RunCliAt(args, {12, 0, 0}); }

std::string Line(const std::string& text, const std::string& label) {
  const auto at = text.find("\n" + label + "\t");
  if (at == std::string::npos) {
    return "";
  }
  const auto end = text.find('\n', at + 1);
  return text.substr(at + 1, end - at - 1);
}

TEST(PlaceCliTest, ChosenPlaces) {
  const struct {
    std::vector<std::string> args;
    const char* place;
    const char* sunrise;
  } cases[] = {
      {{"--date", "2026-07-15", "--place", "Berlin"},
       "Ort\tBerlin, 52°31′ N, 13°24′ O, Europe/Berlin",
       "Sonnenaufgang\t15.07.2026 05:01:33 MESZ"},
      {{"--date", "2026-07-15", "--place", "wien"}, "Ort\tWien, 48°12′ N, 16°22′ O, Europe/Vienna", nullptr},
      {{"--date", "2026-07-15", "--lat", "50", "--lon", "12"},
       "Ort\t50°00′ N, 12°00′ O, MEZ",
       "Sonnenaufgang\t15.07.2026 04:19:26 MEZ"},
      {{"--date", "2026-07-15", "--tz", "Europe/Berlin"},
       "Ort\t50°00′ N, 12°00′ O, Europe/Berlin",
       "Sonnenaufgang\t15.07.2026 05:19:26 MESZ"},
      {{"--date", "2026-07-15", "--place", "Berlin", "--tz", "MEZ"},
       "Ort\tBerlin, 52°31′ N, 13°24′ O, MEZ",
       "Sonnenaufgang\t15.07.2026 04:01:33 MEZ"},
      {{"--date", "2026-06-21", "--lat", "89,9", "--lon", "0", "--tz", "Etc/UTC"},
       "Ort\t89°54′ N, 0°00′ O, Etc/UTC",
       "Sonnenaufgang\t-"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Line(run.out, "Ort"), c.place);
    if (c.sunrise != nullptr) {
      EXPECT_EQ(Line(run.out, "Sonnenaufgang"), c.sunrise);
    }
    // The place line heads the sun and moon block.
    EXPECT_LT(run.out.find("\nOrt\t"), run.out.find("\nMorgendämmerung\t"));
  }
}

TEST(PlaceCliTest, NoPlaceNoLine) {
  const CliRun run = RunCli({"--date", "2026-07-15"});
  EXPECT_EQ(run.out.find("\nOrt\t"), std::string::npos);
  EXPECT_EQ(Line(run.out, "Sonnenaufgang"), "Sonnenaufgang\t15.07.2026 04:19:26 MEZ");
}

TEST(PlaceCliTest, RefusalsInGerman) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--place", "Atlantis"}, "Der Ort \"Atlantis\" steht nicht in der Ortsliste."},
      {{"--tz", "Mond/Krater"}, "Die Zeitzone \"Mond/Krater\" ist unbekannt"},
      {{"--lat", "91", "--lon", "0"}, "Die Breite \"91\" liegt nicht zwischen -89,9° und 89,9°."},
      {{"--lat", "10", "--lon", "181 O"}, "Die Länge \"181 O\" liegt nicht zwischen -180° und 180°."},
      {{"--lat", "10 O", "--lon", "0"}, "Die Breite \"10 O\" ist keine Gradangabe"},
      {{"--lat", "52"}, "--lat und --lon gehören zusammen"},
      {{"--lon", "13"}, "--lat und --lon gehören zusammen"},
      {{"--place"}, "Nach --place fehlt der Wert."},
      {{"--tz", "MEZ", "--tz", "MEZ"}, "Die Angabe --tz steht mehrfach im Aufruf."},
      // A place of the list has its own coordinates.
      {{"--place", "Berlin", "--lat", "10", "--lon", "10"},
       "Die Angaben --place und --lat schließen einander aus."},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(std::string("tempulo-report: ") + c.message, 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace tempulo

// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report for scripts: the time of --time in other zones, calendar
// file stamps, messages that stay one printable line, and the structured
// forms of the feasts and entries.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli_text.h"
#include "cli_run.h"

namespace tempulo {
namespace {

CliRun RunCli(const std::vector<std::string>& args) { return RunCliAt(args, {12, 34, 56}); }

// The lines that read the time of day: stardate and the two Mars lines.
std::string TimeLines(const std::string& report) {
  std::istringstream in(report);
  std::string lines;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("Star Trek Sternzeit\t") || line.starts_with("Julianisches Marsdatum\t") ||
        line.starts_with("Darischer Marskalender\t")) {
      lines += line + "\n";
    }
  }
  return lines;
}

// Each time is the same moment as the MEZ time on the date of the right.
TEST(ScriptingCli, TimeWithAnOffsetOrAZoneIsTheSameMomentInMez) {
  const struct {
    std::vector<std::string> args;
    const char* mezDate;
    const char* mezTime;
  } cases[] = {
      {{"--date", "2026-12-08", "--time", "12:00"}, "2026-12-08", "12:00:00"},
      {{"--date", "2026-12-08", "--time", "11:00:00Z"}, "2026-12-08", "12:00:00"},
      {{"--date", "2026-12-08", "--time", "12:00:00+01:00"}, "2026-12-08", "12:00:00"},
      {{"--date", "2026-12-08", "--time", "06:00-0500"}, "2026-12-08", "12:00:00"},
      {{"--date", "2026-12-08", "--time", "17:30+05"}, "2026-12-08", "13:30:00"},
      // Across midnight: the evening before and the morning after in MEZ.
      {{"--date", "2026-12-08", "--time", "00:30:00+02:00"}, "2026-12-07", "23:30:00"},
      {{"--date", "2026-12-08", "--time", "23:00-03:00"}, "2026-12-09", "03:00:00"},
      {{"--date", "2026-01-01", "--time", "00:10+14:00"}, "2025-12-31", "11:10:00"},
      // A zone's summer time, and a zone given for the report's place.
      {{"--date", "2026-07-15", "--time", "13:00", "--tz", "Europe/Berlin"}, "2026-07-15", "12:00:00"},
      {{"--date", "2026-12-08", "--time", "13:00", "--tz", "Europe/Berlin"}, "2026-12-08", "13:00:00"},
      {{"--date", "2026-07-15", "--time", "08:00", "--tz", "America/New_York"}, "2026-07-15", "13:00:00"},
      {{"--date", "2026-07-15", "--time", "09:00", "--place", "Tokyo"}, "2026-07-15", "01:00:00"},
      {{"--date", "2026-07-15", "--time", "08:00", "--tz", "MEZ"}, "2026-07-15", "08:00:00"},
      // An offset written in the time wins over the zone.
      {{"--date", "2026-07-15", "--time", "08:00Z", "--tz", "America/New_York"}, "2026-07-15", "09:00:00"},
      // The clock goes forward: 02:30 does not exist and reads as 03:30
      // summer time; it goes back: 02:30 comes twice and is the first.
      {{"--date", "2026-03-29", "--time", "02:30", "--tz", "Europe/Berlin"}, "2026-03-29", "02:30:00"},
      {{"--date", "2026-10-25", "--time", "02:30", "--tz", "Europe/Berlin"}, "2026-10-25", "01:30:00"},
      // Without --time the clock's time, which is MEZ.
      {{"--date", "2026-12-08"}, "2026-12-08", "12:34:56"},
      {{"--date", "2026-07-15", "--tz", "America/New_York"}, "2026-07-15", "12:34:56"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    const CliRun mez = RunCli({"--date", c.mezDate, "--time", c.mezTime});
    ASSERT_EQ(run.status, 0) << c.args[3] << ": " << run.err;
    EXPECT_FALSE(TimeLines(mez.out).empty());
    EXPECT_EQ(TimeLines(run.out), TimeLines(mez.out)) << c.args[1] << " " << c.args[3];
  }
}

TEST(ScriptingCli, MalformedTimesAreRefused) {
  for (const char* time : {"24:00", "12:60", "12:00:60", "12", "12:00:00+", "12:00+1", "12:00+24:00",
                           "12:00+01:60", "12:00 +01:00", "12:00UTC", "1200", "12:00:00.5", "+12:00"}) {
    const CliRun run = RunCli({"--date", "2026-12-08", "--time", time});
    EXPECT_EQ(run.status, 2) << time;
    EXPECT_EQ(run.out, "") << time;
  }
}

class SourceDateEpoch : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
  static CliRun Ics(const char* epoch) {
    setenv("SOURCE_DATE_EPOCH", epoch, 1);
    return RunCli({"--ics", "--year", "2026"});
  }
};

// Whole seconds from the start of 1970 to the end of 9999 set the stamp;
// anything else is refused, never replaced by the clock.
TEST_F(SourceDateEpoch, OnlyWholeSecondsWithinTheIcsYearsAreTaken) {
  const struct {
    const char* epoch;
    const char* stamp;
  } taken[] = {
      {"0", "DTSTAMP:19700101T000000Z\r\n"},
      {"1700000000", "DTSTAMP:20231114T221320Z\r\n"},
      {"253402300799", "DTSTAMP:99991231T235959Z\r\n"},
      {"000000000042", "DTSTAMP:19700101T000042Z\r\n"},
  };
  for (const auto& c : taken) {
    const CliRun run = Ics(c.epoch);
    EXPECT_EQ(run.status, 0) << c.epoch;
    EXPECT_NE(run.out.find(c.stamp), std::string::npos) << c.epoch;
  }
  for (const char* epoch : {"253402300800", "99999999999999999999", "garbage", "-1", "1700000000.5",
                            " 1700000000", "1700000000 ", "+1700000000", "0x10", "1e9"}) {
    const CliRun run = Ics(epoch);
    EXPECT_EQ(run.status, 2) << epoch;
    EXPECT_EQ(run.out, "") << epoch;
    EXPECT_EQ(run.err.rfind("tempulo-report: SOURCE_DATE_EPOCH", 0), 0U) << run.err;
  }
  // Only the calendar file reads it.
  setenv("SOURCE_DATE_EPOCH", "garbage", 1);
  EXPECT_EQ(RunCli({"--date", "2026-12-08"}).status, 0);
}

TEST(ScriptingCli, MessagesAreOnePrintableLine) {
  const struct {
    std::string value;
    const char* shown;
  } cases[] = {
      {"\x1b]0;pwned\a", "\\x1B]0;pwned\\x07"},
      {"a\nb", "a\\x0Ab"},
      {"a\rb\tc", "a\\x0Db\\x09c"},
      {"\xff\xfe", "\\xFF\\xFE"},
      {"\xc3", "\\xC3"},
      {"\xc0\xaf", "\\xC0\\xAF"},           // an overlong "/"
      {"\xed\xa0\x80", "\\xED\\xA0\\x80"},  // a surrogate
      {"\xc2\x9b"
       "31m",
       "\\u009B31m"},  // the one-byte CSI of C1
      {"\xe2\x80\xae"
       "abc",
       "\\u202Eabc"},  // right-to-left override
      {"\xe2\x80\xa8", "\\u2028"},
      {"a\\x1B", "a\\\\x1B"},
      {"Ödland", "Ödland"},
      {"\xf0\x9f\x8c\x99", "\xf0\x9f\x8c\x99"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrintableText(c.value), c.shown) << c.shown;
    const CliRun run = RunCli({"--place", c.value});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              std::string("tempulo-report: Der Ort \"") + c.shown + "\" steht nicht in der Ortsliste.\n");
  }
}

TEST(ScriptingCli, FeastsAndEntriesAsTsvAndJson) {
  const CliRun text = RunCli({"--feasts", "1582"});
  const CliRun tsv = RunCli({"--feasts", "1582", "--format", "tsv"});
  const CliRun json = RunCli({"--feasts", "1582", "--format", "json"});
  std::istringstream textLines(text.out);
  std::istringstream tsvLines(tsv.out);
  std::istringstream jsonLines(json.out);
  std::string header;
  std::getline(tsvLines, header);
  EXPECT_EQ(header, "date\tcalendar\tname\tkind");
  int count = 0;
  for (std::string textLine, tsvLine, jsonLine;
       std::getline(textLines, textLine) && std::getline(tsvLines, tsvLine) &&
       std::getline(jsonLines, jsonLine);
       ++count) {
    const auto feast = nlohmann::json::parse(jsonLine);
    const std::string date = feast["date"];
    const std::string name = feast["name"];
    EXPECT_EQ(textLine, date + "\t" + name);
    EXPECT_EQ(tsvLine,
              date + "\t" + std::string(feast["calendar"]) + "\t" + name + "\t" + std::string(feast["kind"]));
    EXPECT_EQ(feast["calendar"], date < "1582-10-15" ? "julian" : "gregorian") << date;
    EXPECT_TRUE(feast["kind"] == "church" || feast["kind"] == "islamic" || feast["kind"] == "jewish" ||
                feast["kind"] == "chinese" || feast["kind"] == "ethiopian")
        << jsonLine;
    if (name == "Ostersonntag") {
      EXPECT_EQ(feast["kind"], "church");
    }
    if (name == "Pessach") {
      EXPECT_EQ(feast["kind"], "jewish");
    }
  }
  EXPECT_GT(count, 50);

  const CliRun entries = RunCli({"--entries", "--format", "tsv"});
  EXPECT_EQ(entries.out.rfind("id\tlabel\tfirst_year\tlast_year\nweekday\tWochentag\t100\t3000\n", 0), 0U);
  const std::string jsonEntries = RunCli({"--entries", "--format", "json"}).out;
  EXPECT_EQ(jsonEntries.rfind(
                "{\"id\":\"weekday\",\"label\":\"Wochentag\",\"first_year\":100,\"last_year\":3000}\n", 0),
            0U);
}

}  // namespace
}  // namespace tempulo

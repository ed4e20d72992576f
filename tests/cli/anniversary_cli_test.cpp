// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_run.h"

namespace tempulo {
namespace {

class AnniversaryCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = std::filesystem::temp_directory_path() / ("tempulo-cli-anniv-" + std::to_string(::getpid()) + ".ics");
    std::ofstream(file_, std::ios::binary)
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
           "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:19861205\r\nSUMMARY:Anna\r\n"
           "X-TEMPULO-KIND:BIRTHDAY\r\nX-TEMPULO-CALENDAR:jewish\r\nEND:VEVENT\r\n"
           "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:19960229\r\nSUMMARY:Leo\r\n"
           "X-TEMPULO-KIND:BIRTHDAY\r\nX-TEMPULO-CALENDAR:civil\r\nX-TEMPULO-LEAP-DAY:MAR1\r\nEND:VEVENT\r\n"
           "END:VCALENDAR\r\n";
  }
  void TearDown() override { std::filesystem::remove(file_); }
  CliRun Run(std::vector<std::string> args) { return RunCliAt(args, {12, 0, 0}); }
  std::filesystem::path file_;
};

TEST_F(AnniversaryCliTest, ListsTheRangeInEachFormat) {
  const std::string file = file_.string();
  const struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"--anniversaries-file", file, "--anniversaries", "--year", "2027"},
       "2027-03-01\tLeo, 31. Geburtstag (1. März)\n2027-12-03\tAnna, 41. Geburtstag (3. Kislev)\n"},
      {{"--anniversaries-file=" + file, "--anniversaries", "--date", "2027-03-01", "--format", "tsv"},
       "2027-03-01\tLeo\tbirthday\t31\tcivil\t1. März\n"},
      // The next 90 days from 8 December 2026.
      {{"--anniversaries-file", file, "--upcoming", "90"}, "2027-03-01\tLeo, 31. Geburtstag (1. März)\n"},
      {{"--anniversaries-file", file, "--upcoming", "83"}, ""},
  };
  for (const auto& c : cases) {
    const CliRun run = Run(c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.out) << c.args.back();
  }
}

TEST_F(AnniversaryCliTest, ReportLineOnTheDayOnly) {
  const CliRun day = Run({"--anniversaries-file", file_.string(), "--date", "2027-03-01"});
  EXPECT_NE(day.out.find("\nJahrestag\tLeo, 31. Geburtstag (1. März)\n"), std::string::npos);
  const CliRun other = Run({"--anniversaries-file", file_.string(), "--date", "2027-03-02"});
  EXPECT_EQ(other.out, Run({"--date", "2027-03-02", "--anniversaries-file", file_.string()}).out);
  EXPECT_EQ(other.out.find("Jahrestag"), std::string::npos);
}

TEST_F(AnniversaryCliTest, MalformedCallsEndWithStatusTwoAndAGermanLine) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--upcoming", "0"}, "zwischen 1 und 36600"},
      {{"--upcoming"}, "fehlt der Wert"},
      {{"--upcoming", "3", "--days", "4"}, "--upcoming nennt den Zeitraum selbst"},
      {{"--anniversaries=ja"}, "nimmt keinen Wert"},
      {{"--anniversaries-file", "/nicht/da.ics", "--anniversaries"}, "gibt es nicht"},
      {{"--anniversaries-file", "/nicht/da.ics", "--upcoming", "2", "--upcoming", "3"}, "mehrfach"},
  };
  for (const auto& c : cases) {
    const CliRun run = Run(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_TRUE(run.out.empty()) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tempulo

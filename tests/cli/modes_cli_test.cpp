// SPDX-License-Identifier: GPL-3.0-or-later
// Every option against every mode of tempulo-report: each combination either
// works or is refused with status 2, nothing on stdout and one line naming
// the option. The expectations are written out here, apart from the
// program's own table, so that a row changed there shows up as a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_run.h"

namespace tempulo {
namespace {

CliRun RunCli(const std::vector<std::string>& args) { return RunCliAt(args, {12, 34, 56}); }

std::string Joined(const std::vector<std::string>& args) {
  std::string joined;
  for (const std::string& arg : args) {
    joined += (joined.empty() ? "" : " ") + arg;
  }
  return joined;
}

struct ModeCase {
  const char* name;
  std::vector<std::string> args;
};

// The modes, in the column order of the table below.
const std::vector<ModeCase>& Modes() {
  static const std::vector<ModeCase> modes = {
      {"report", {}},
      {"holidays", {"--holidays"}},
      {"ics", {"--ics"}},
      {"feasts", {"--feasts", "2026"}},
      {"entries", {"--entries"}},
      {"calendars", {"--from", "help"}},
      {"places", {"--place", "help"}},
  };
  return modes;
}

// One option with a value that works where the option is used, and per
// mode 'Y' (works) or '-' (refused). The clock stands on 8 December 2026.
struct OptionCase {
  std::vector<std::string> args;
  const char* works;  // report holidays ics feasts entries calendars places
};

const OptionCase kOptionCases[] = {
    {{"--date", "2026-12-08"}, "YYY----"},
    {{"--from", "2026-12-01"}, "YYY----"},
    {{"--from", "jewish:5787-9-28"}, "YYY----"},
    {{"--to", "2026-12-31"}, "YYY----"},
    {{"--to", "islamic:1448-7-10"}, "YYY----"},
    {{"--days", "2"}, "YYY----"},
    {{"--year", "2025"}, "YYY----"},
    {{"--time", "12:00"}, "Y------"},
    {{"--time", "12:00:00+01:00"}, "Y------"},
    {{"--place", "Berlin"}, "Y------"},
    {{"--lat", "52", "--lon", "13"}, "Y------"},
    {{"--tz", "Europe/Berlin"}, "Y------"},
    {{"--format", "json"}, "YY-YY--"},
    {{"--format", "tsv"}, "YY-YY--"},
    // The month's list as text has no dates to keep a region's holidays by.
    {{"--region", "BY"}, "--Y----"},
    {{"--holidays"}, "Y------"},
    {{"--ics"}, "Y--Y---"},
    {{"--feasts", "2026"}, "Y-Y----"},
    {{"--entries"}, "Y------"},
};

TEST(ModesCli, EveryOptionWorksOrIsRefusedInEveryMode) {
  for (const OptionCase& option : kOptionCases) {
    for (std::size_t m = 0; m < Modes().size(); ++m) {
      std::vector<std::string> args = Modes()[m].args;
      args.insert(args.end(), option.args.begin(), option.args.end());
      const std::string what = std::string(Modes()[m].name) + ": " + Joined(args);
      const CliRun run = RunCli(args);
      if (option.works[m] == 'Y') {
        EXPECT_EQ(run.status, 0) << what << ": " << run.err;
        EXPECT_FALSE(run.out.empty()) << what;
        EXPECT_EQ(run.err, "") << what;
      } else {
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, "") << what;
        EXPECT_EQ(run.err.rfind("tempulo-report: ", 0), 0U) << what << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what << ": " << run.err;
        EXPECT_NE(run.err.find(option.args[0]), std::string::npos) << what << ": " << run.err;
      }
    }
  }
}

// Options that name the same thing twice, in whichever order, and the
// repeated options: refused with both named.
TEST(ModesCli, OptionsThatExcludeEachOtherAreRefusedInEitherOrder) {
  const struct {
    std::vector<std::string> first;
    std::vector<std::string> second;
  } cases[] = {
      {{"--year", "2026"}, {"--date", "2026-01-01"}},
      {{"--year", "2026"}, {"--from", "2026-01-01"}},
      {{"--year", "2026"}, {"--to", "2026-12-31"}},
      {{"--year", "2026"}, {"--days", "3"}},
      {{"--date", "2026-01-01"}, {"--from", "2026-01-01"}},
      {{"--to", "2026-12-31"}, {"--days", "3"}},
      {{"--place", "Berlin"}, {"--lat", "10", "--lon", "10"}},
      {{"--feasts", "2026", "--ics"}, {"--date", "2026-01-01"}},
      {{"--feasts", "2026", "--ics"}, {"--year", "2026"}},
      {{"--feasts", "2026", "--ics"}, {"--days", "2"}},
      {{"--entries"}, {"--ics"}},
      {{"--entries"}, {"--holidays"}},
      {{"--ics"}, {"--holidays"}},
      {{"--feasts", "2026"}, {"--holidays"}},
      {{"--ics"}, {"--format", "text"}},
      {{"--holidays"}, {"--holidays"}},
      {{"--date", "2026-01-01"}, {"--date", "2026-01-01"}},
  };
  for (const auto& c : cases) {
    for (const bool swapped : {false, true}) {
      std::vector<std::string> args = swapped ? c.second : c.first;
      const std::vector<std::string>& rest = swapped ? c.first : c.second;
      args.insert(args.end(), rest.begin(), rest.end());
      const CliRun run = RunCli(args);
      EXPECT_EQ(run.status, 2) << Joined(args);
      EXPECT_EQ(run.out, "") << Joined(args);
      EXPECT_NE(run.err.find(c.first[0]), std::string::npos) << Joined(args) << ": " << run.err;
      EXPECT_NE(run.err.find(c.second[0]), std::string::npos) << Joined(args) << ": " << run.err;
    }
  }
}

// An option repeated a thousand times is refused like one given twice.
TEST(ModesCli, NoOptionRepeats) {
  const CliRun run = RunCli(std::vector<std::string>(1000, "--holidays"));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tempulo-report: Die Angabe --holidays steht mehrfach im Aufruf.\n");
}

}  // namespace
}  // namespace tempulo

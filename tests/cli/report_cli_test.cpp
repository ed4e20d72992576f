// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/report_cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli_run.h"
#include "time/civil.h"

namespace tempulo {
namespace {

CliRun RunCli(const std::vector<std::string>& args) { return RunCliAt(args, {12, 34, 56}); }

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// The "Datum" lines of a multi-day run, in order.
std::vector<std::string> DateLines(const std::string& text) {
  std::vector<std::string> dates;
  for (const std::string& line : SplitLines(text)) {
    if (line.rfind("Datum\t", 0) == 0) {
      dates.push_back(line.substr(6));
    }
  }
  return dates;
}

TEST(ReportCli, MalformedArgumentsWriteOneGermanLineAndNothingElse) {
  const std::vector<std::vector<std::string>> cases = {
      {"--date"},
      {"--date", "2000-1"},
      {"--date", "2000-13-01"},
      {"--date", "2000-02-30"},
      {"--date", "2023-04-31"},
      {"--date", "1900-02-29"},
      {"--date", "0099-12-31"},
      {"--date", "3001-01-01"},
      {"--date", "20x0-01-01"},
      {"--date", "2000-01-01", "--date", "2000-01-02"},
      {"--days", "0"},
      {"--days", "100001"},
      {"--days", "-3"},
      {"--time", "24:00:00"},
      {"--time", "12:0"},
      {"--time", "12:00+24:00"},
      {"--frobnicate"},
      {"--date", "3000-12-31", "--days", "2"},
  };
  for (const auto& args : cases) {
    const CliRun run = RunCli(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(run.status, 2) << joined;
    EXPECT_EQ(run.out, "") << joined;
    ASSERT_FALSE(run.err.empty()) << joined;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << joined << ": " << run.err;
  }
}

TEST(ReportCli, HelpPrintsTheUsage) {
  const CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("tempulo-report [--date JJJJ-MM-TT]"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST(ReportCli, OneDayIsTheReportListOfTheWindow) {
  const CliRun run = RunCli({"--date", "2000-01-01", "--time", "12:00:00"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const auto lines = SplitLines(run.out);
  ASSERT_GE(lines.size(), 3U);
  EXPECT_EQ(lines[0], "Datum\t1.Januar 2000");
  EXPECT_EQ(lines[1], " ");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Wochentag\tSonnabend"), lines.end());
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(ReportCli, DefaultDateIsToday) {
  const CliRun run = RunCli({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(SplitLines(run.out).at(0), "Datum\t8.Dezember 2026");
}

TEST(ReportCli, TimeOfDayReachesTheStardate) {
  const auto stardate = [](const std::string& time) {
    for (const std::string& line : SplitLines(RunCli({"--date", "2323-01-01", "--time", time}).out)) {
      if (line.rfind("Star Trek Sternzeit\t", 0) == 0) return line;
    }
    return std::string();
  };
  EXPECT_EQ(stardate("00:00:00"), "Star Trek Sternzeit\t0");
  EXPECT_EQ(stardate("12:00:00"), "Star Trek Sternzeit\t1.369");
}

TEST(ReportCli, DaysStepThroughTheCivilCalendar) {
  const struct {
    const char* first;
    int days;
    std::vector<std::string> expectedDates;
  } cases[] = {
      {"1582-10-03", 4, {"3.Oktober 1582", "4.Oktober 1582", "5.Oktober 1582", "6.Oktober 1582"}},
      {"1582-10-30", 3, {"30.Oktober 1582", "31.Oktober 1582", "1.November 1582"}},
      {"1500-02-28", 3, {"28.Februar 1500", "29.Februar 1500", "1.März 1500"}},
      {"1700-02-28", 2, {"28.Februar 1700", "1.März 1700"}},
      {"1999-12-31", 2, {"31.Dezember 1999", "1.Januar 2000"}},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli({"--date", c.first, "--days", std::to_string(c.days), "--time", "00:00:00"});
    EXPECT_EQ(run.status, 0) << c.first;
    EXPECT_EQ(DateLines(run.out), c.expectedDates) << c.first;
  }
  // October 1582 keeps all its 31 day numbers.
  EXPECT_EQ(DateLines(RunCli({"--date", "1582-10-01", "--days", "31"}).out).size(), 31U);
}

TEST(ReportCli, DaysAreSeparatedByOneEmptyLine) {
  const CliRun run = RunCli({"--date", "2000-01-01", "--days", "2"});
  const auto lines = SplitLines(run.out);
  const auto second = std::find(lines.begin(), lines.end(), "Datum\t2.Januar 2000");
  ASSERT_NE(second, lines.end());
  EXPECT_EQ(*(second - 1), "");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 1);
}

TEST(ReportCli, ConversionErrorReportsAndTheOtherDaysStillPrint) {
  const CliRun single = RunCli({"--date", "1003-02-29"});
  EXPECT_EQ(single.status, 1);
  EXPECT_EQ(single.err, "tempulo-report: Fehler!\n");
  EXPECT_EQ(SplitLines(single.out).at(0), "Datum\t29.Februar 1003");

  const CliRun range = RunCli({"--date", "1003-02-29", "--days", "3"});
  EXPECT_EQ(range.status, 1);
  EXPECT_EQ(range.err, "tempulo-report: Fehler!\n");
  EXPECT_EQ(DateLines(range.out),
            (std::vector<std::string>{"29.Februar 1003", "1.März 1003", "2.März 1003"}));
  // A walk through a Julian common year's February never meets the 29th.
  EXPECT_EQ(DateLines(RunCli({"--date", "1003-02-28", "--days", "2"}).out),
            (std::vector<std::string>{"28.Februar 1003", "1.März 1003"}));

  const CliRun leap = RunCli({"--date", "1004-02-29"});
  EXPECT_EQ(leap.status, 0);
}

TEST(ReportCli, HolidaysPrintTheMonthList) {
  const CliRun run = RunCli({"--date", "2000-01-01", "--holidays"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.find("Datum\t"), std::string::npos);
}

// The entries list is the registry itself: one line per entry, in the
// report's order, and every labelled entry's label opens a line of the
// report of a day in its years.
TEST(ReportCli, EntriesListTheRegistryInReportOrder) {
  const CliRun entries = RunCli({"--entries"});
  ASSERT_EQ(entries.status, 0);
  const std::vector<std::string> lines = SplitLines(entries.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "weekday\tWochentag\t100-3000");
  // Every entry, also those off by default.
  const std::string report = RunCli({"--date", "2026-12-08", "--time", "12:00:00", "--calendars", "all"}).out;
  std::size_t position = 0;
  for (const std::string& line : lines) {
    const std::string label = line.substr(line.find('\t') + 1, line.rfind('\t') - line.find('\t') - 1);
    if (label.empty() || label == " ") {
      continue;
    }
    const std::size_t found = report.find("\n" + label + "\t", position);
    ASSERT_NE(found, std::string::npos) << label;
    position = found;
  }
}

// "--option=value" reads as "--option value" for every option with a value.
TEST(ReportCli, OptionEqualsValueReadsLikeTwoArguments) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{"--date=2000-01-01"}, {"--date", "2000-01-01"}},
      {{"--date=1582-10-04", "--days=3"}, {"--date", "1582-10-04", "--days", "3"}},
      {{"--date=2026-12-08", "--time=23:59:59"}, {"--date", "2026-12-08", "--time", "23:59:59"}},
      {{"--date=2026-12-08", "--format=json"}, {"--date", "2026-12-08", "--format", "json"}},
      {{"--year=2026", "--holidays"}, {"--year", "2026", "--holidays"}},
      {{"--from=2026-12-01", "--to=2026-12-31", "--holidays"},
       {"--from", "2026-12-01", "--to", "2026-12-31", "--holidays"}},
  };
  for (const auto& [joined, separate] : cases) {
    const CliRun a = RunCli(joined);
    const CliRun b = RunCli(separate);
    EXPECT_EQ(a.status, 0) << joined.front() << ": " << a.err;
    EXPECT_EQ(a.out, b.out) << joined.front();
    EXPECT_FALSE(a.out.empty());
  }
}

TEST(ReportCli, NewArgumentMistakesWriteOneGermanLineAndNothingElse) {
  const std::vector<std::vector<std::string>> cases = {
      {"--format", "xml"},
      {"--format="},
      {"--holidays=ja"},
      {"--version=2"},
      {"--year", "99"},
      {"--year", "3001"},
      {"--year", "2026", "--date", "2026-01-01"},
      {"--year", "2026", "--days", "3"},
      {"--from", "2026-01-01", "--date", "2026-01-01"},
      {"--from", "2026-02-01", "--to", "2026-01-31"},
      {"--to", "2026-01-31", "--days", "3"},
      {"--from", "2026-01-01", "--to", "2026-02-30"},
      {"--ics", "--format", "json"},
      {"--year", "2026", "--year", "2027"},
      {"--year", "2026", "--holidays", "--region", "XX"},
      {"--date", "2026-12-08", "--region", "BY"},
      {"--date", "2026-12-08", "--holidays", "--region=BY"},
      {"--feasts", "2026", "--year", "2026"},
      {"--date", "1003-02-01", "--to", "1003-02-29", "--holidays"},
      {"--feasts", "2026", "--date", "2026-01-01", "--ics"},
  };
  for (const auto& args : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.front();
    EXPECT_TRUE(run.out.empty()) << args.front();
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args.front() << ": " << run.err;
  }
}

// The GNU form: name and version, copyright, licence; and --help and
// --version win over whatever else the command line holds.
TEST(ReportCli, VersionAndHelpWinOverEveryOtherArgument) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_GE(lines.size(), 3U);
  EXPECT_EQ(lines[0].rfind("tempulo-report (Tempulo) ", 0), 0U);
  EXPECT_GT(lines[0].size(), std::string("tempulo-report (Tempulo) ").size());
  EXPECT_EQ(lines[1].rfind("Copyright (C) ", 0), 0U);
  EXPECT_NE(lines[2].find("GPLv3+"), std::string::npos);

  const std::string help = RunCli({"--help"}).out;
  const struct {
    std::vector<std::string> args;
    const std::string& expected;
  } cases[] = {
      {{"--help", "--bogus"}, help},
      {{"--date", "3001-01-01", "--help"}, help},
      {{"--holidays", "--holidays", "-h"}, help},
      {{"--version", "--date", "3001-01-01"}, run.out},
      {{"--ics", "--entries", "--version", "--help"}, run.out},
  };
  for (const auto& c : cases) {
    const CliRun other = RunCli(c.args);
    EXPECT_EQ(other.status, 0) << c.args[0];
    EXPECT_EQ(other.out, c.expected) << c.args[0];
    EXPECT_EQ(other.err, "");
  }
  // After "--" nothing is an option: no help, and no argument is taken.
  EXPECT_EQ(RunCli({"--", "--help"}).status, 2);
  EXPECT_EQ(RunCli({"--date", "2026-12-08", "--"}).out, RunCli({"--date", "2026-12-08"}).out);
}

// A stream whose every write fails, like a full disk.
class FullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type /*c*/) override { return traits_type::eof(); }
  std::streamsize xsputn(const char* /*s*/, std::streamsize /*n*/) override { return 0; }
};

TEST(ReportCli, AFailedWriteIsAnErrorWithAGermanMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {"--date", "2026-12-08"},
      {"--date", "2026-12-08", "--days", "400"},
      {"--year", "2026", "--holidays"},
      {"--ics", "--year", "2026"},
      {"--date", "2026-12-08", "--format", "json"},
      {"--help"},
      {"--version"},
  };
  const FixedClock clock({2026, 12, 8}, {12, 34, 56});
  for (const auto& args : cases) {
    FullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    const int status = RunReportCli(args, out, err, clock);
    EXPECT_EQ(status, 3) << args.front();
    EXPECT_NE(err.str().find("nicht geschrieben"), std::string::npos) << args.front() << ": " << err.str();
  }
}

// The dated list: each holiday once with its date, the same whichever way
// the range is named, and --days N no longer repeats the month's list.
TEST(ReportCli, DatedHolidayListsNameEachHolidayOnce) {
  const std::string year = RunCli({"--year", "2026", "--holidays"}).out;
  EXPECT_EQ(RunCli({"--date", "2026-01-01", "--days", "365", "--holidays"}).out, year);
  EXPECT_EQ(RunCli({"--from", "2026-01-01", "--to", "2026-12-31", "--holidays"}).out, year);
  const std::vector<std::string> lines = SplitLines(year);
  std::set<std::string> unique(lines.begin(), lines.end());
  EXPECT_EQ(unique.size(), lines.size());
  EXPECT_NE(year.find("2026-12-24\tHeiligabend\n"), std::string::npos);
  EXPECT_NE(year.find("2026-01-01\tNeujahr\n"), std::string::npos);
  // Each month's list, dated, in order.
  std::vector<std::string> fromMonths;
  for (int month = 1; month <= 12; ++month) {
    const std::string first = "2026-" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "-01";
    std::string day;
    for (const std::string& line : SplitLines(RunCli({"--date", first, "--holidays"}).out)) {
      const std::string number = line.substr(0, line.find('\t'));
      day = number.empty() ? day : number;
      fromMonths.push_back(first.substr(0, 8) + day + line.substr(line.find('\t')));
    }
  }
  EXPECT_EQ(lines, fromMonths);
  // The month's list for scripts: dated.
  EXPECT_EQ(RunCli({"--date", "2026-12-08", "--holidays", "--format", "tsv"}).out,
            RunCli({"--from", "2026-12-01", "--to", "2026-12-31", "--holidays", "--format", "tsv"}).out);
  // Two days: only their holidays.
  EXPECT_EQ(RunCli({"--date", "2026-12-25", "--days", "2", "--holidays"}).out,
            "2026-12-25\tWeihnachten\n2026-12-26\tWeihnachten\n");
}

// A region keeps only its statutory holidays, in the dated list and the
// calendar file alike.
TEST(ReportCli, RegionKeepsTheStatutoryHolidaysThere) {
  const struct {
    const char* region;
    const char* kept;     // a holiday statutory there
    const char* dropped;  // one that is not
  } cases[] = {
      {"BY", "2026-01-06\tHeilige 3 Könige\n", "2026-10-31\tReformationstag\n"},
      {"SN", "2026-10-31\tReformationstag\n", "2026-01-06\tHeilige 3 Könige\n"},
      {"BE", "2026-03-08\tInternationaler Frauentag\n", "2026-01-06\tHeilige 3 Könige\n"},
  };
  const std::string all = RunCli({"--year", "2026", "--holidays"}).out;
  for (const auto& c : cases) {
    const CliRun run = RunCli({"--year", "2026", "--holidays", "--region", c.region});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(c.kept), std::string::npos) << c.region;
    EXPECT_EQ(run.out.find(c.dropped), std::string::npos) << c.region;
    EXPECT_NE(all.find(c.dropped), std::string::npos) << c.region;
    EXPECT_NE(run.out.find("2026-12-25\tWeihnachten\n"), std::string::npos) << c.region;
    const std::string ics = RunCli({"--ics", "--year", "2026", "--region", c.region}).out;
    std::size_t events = 0;
    for (std::size_t at = ics.find("BEGIN:VEVENT"); at != std::string::npos;
         at = ics.find("BEGIN:VEVENT", at + 1)) {
      ++events;
    }
    EXPECT_EQ(events, SplitLines(run.out).size()) << c.region;
  }
  EXPECT_EQ(RunCli({"--year", "2026", "--holidays", "--region", "alle"}).out, all);
}

TEST(ReportCli, StructuredFormatsHaveOneRecordPerDay) {
  const CliRun json = RunCli({"--date", "2026-12-30", "--days", "3", "--format", "json"});
  EXPECT_EQ(json.status, 0);
  const std::vector<std::string> lines = SplitLines(json.out);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[0].rfind("{\"date\":\"2026-12-30\",\"calendar\":\"gregorian\"", 0), 0U);
  EXPECT_EQ(lines[2].rfind("{\"date\":\"2027-01-01\"", 0), 0U);
  const CliRun tsv = RunCli({"--date", "1582-10-04", "--days", "2", "--format", "tsv"});
  EXPECT_NE(tsv.out.find("date\tDatum\t4.Oktober 1582\n"), std::string::npos);
  EXPECT_NE(tsv.out.find("date\tDatum\t5.Oktober 1582\n"), std::string::npos);
  EXPECT_EQ(tsv.out.find("\n\n"), std::string::npos);
  // A "Fehler!" day keeps its status and says so in its record.
  const CliRun error = RunCli({"--date", "1003-02-29", "--days", "2", "--format", "json"});
  EXPECT_EQ(error.status, 1);
  EXPECT_NE(error.out.find("\"date\":\"1003-02-29\""), std::string::npos);
  EXPECT_NE(error.out.find("\"error\":\"Fehler!\""), std::string::npos);
}

TEST(ReportCli, CalendarFileHasCrlfLinesAndOneEventPerHoliday) {
  const CliRun ics = RunCli({"--ics", "--year", "2026"});
  EXPECT_EQ(ics.status, 0);
  const std::string holidays = RunCli({"--year", "2026", "--holidays"}).out;
  std::size_t events = 0;
  for (std::size_t at = ics.out.find("BEGIN:VEVENT\r\n"); at != std::string::npos;
       at = ics.out.find("BEGIN:VEVENT\r\n", at + 1)) {
    ++events;
  }
  EXPECT_EQ(events, SplitLines(holidays).size());
  EXPECT_EQ(ics.out.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0U);
  for (std::size_t i = 0; i < ics.out.size(); ++i) {
    if (ics.out[i] == '\n') {
      ASSERT_GT(i, 0U);
      EXPECT_EQ(ics.out[i - 1], '\r');
    }
  }
  // With the feasts: every holiday and every feast of the year, each once.
  const std::string both = RunCli({"--ics", "--feasts", "2026"}).out;
  std::set<std::string> expected;
  for (const std::string& list : {holidays, RunCli({"--feasts", "2026"}).out}) {
    for (const std::string& line : SplitLines(list)) {
      expected.insert(line);
    }
  }
  std::size_t withFeasts = 0;
  for (std::size_t at = both.find("BEGIN:VEVENT"); at != std::string::npos;
       at = both.find("BEGIN:VEVENT", at + 1)) {
    ++withFeasts;
  }
  EXPECT_EQ(withFeasts, expected.size());
  EXPECT_NE(both.find("SUMMARY:Passahfest\r\n"), std::string::npos);
  // Without a range: the whole year of the date.
  EXPECT_EQ(RunCli({"--ics", "--date", "2026-06-01"}).out.size(), ics.out.size());
}

// --feasts 2026 against the report: every listed feast stands in the report
// of its day, and no feast line of any day of the year is missing from the
// list. A feast line is a festival line (empty label) or a holiday line
// whose name the list gives somewhere in the year; the other empty-label
// lines (day and week of the year, the Chinese year, the Maya day names,
// PI-Silvester) are no feasts.
TEST(ReportCli, FeastsOf2026MatchTheReportOfEveryDay) {
  const CliRun feasts = RunCli({"--feasts", "2026"});
  ASSERT_EQ(feasts.status, 0);
  EXPECT_EQ(feasts.err, "");
  std::map<std::string, std::vector<std::string>> listed;
  std::set<std::string> names;
  std::string previous;
  for (const std::string& line : SplitLines(feasts.out)) {
    ASSERT_EQ(line.size() > 11 ? line[10] : ' ', '\t') << line;
    const std::string date = line.substr(0, 10);
    EXPECT_LE(previous, date);
    previous = date;
    listed[date].push_back(line.substr(11));
    names.insert(line.substr(11));
  }
  ASSERT_GT(listed.size(), 50U);
  const CliRun year = RunCli({"--date", "2026-01-01", "--days", "365", "--time", "12:00:00"});
  ASSERT_EQ(year.status, 0);
  const std::vector<std::string> lines = SplitLines(year.out);
  std::map<std::string, std::vector<std::string>> shown;
  int day = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].starts_with("Datum\t")) {
      continue;
    }
    char date[40];  // room for any int, as the compiler checks
    const CivilDate civil = CivilFromFixed(FixedFromCivil({2026, 1, 1}) + day++);
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
    std::vector<std::string>& feastsOfDay = shown[date];
    for (std::size_t j = i + 1; j < lines.size() && !lines[j].empty(); ++j) {
      const std::string& line = lines[j];
      const std::string holiday = "Feier-,Gedenktag\t";
      if (line.starts_with(holiday) && names.contains(line.substr(holiday.size()))) {
        feastsOfDay.push_back(line.substr(holiday.size()));
      } else if (line.starts_with('\t') && !line.starts_with("\tJahr : ") && line != "\tPI-Silvester" &&
                 line.find(';') == std::string::npos &&
                 line.find(".Tag des Jahres / ") == std::string::npos) {
        feastsOfDay.push_back(line.substr(1));
      }
    }
    if (feastsOfDay.empty()) {
      shown.erase(date);
    }
  }
  EXPECT_EQ(day, 365);
  EXPECT_EQ(listed, shown);
}

TEST(ReportCli, FromGoesToTheCivilDayOfAnotherCalendarsDate) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> dates;
  } cases[] = {
      {{"--from", "jewish:5790-1-15"}, {"18.April 2030"}},
      {{"--from", "chinese:4724-1-1"}, {"17.Februar 2026"}},
      {{"--from", "maya:13.0.0.0.0"}, {"21.Dezember 2012"}},
      {{"--from", "islamic:1450-1-1"}, {"25.Mai 2028"}},
      {{"--from", "2026-12-08"}, {"8.Dezember 2026"}},
      {{"--from", "julian:1582-10-4", "--days", "2"}, {"4.Oktober 1582", "5.Oktober 1582"}},
      {{"--from", "coptic_ethiopian:1743-1-1", "--days", "2"}, {"11.September 2026", "12.September 2026"}},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 0) << c.args[1] << ": " << run.err;
    EXPECT_EQ(DateLines(run.out), c.dates) << c.args[1];
  }
  // The same report as --date, and the same month list with --holidays.
  EXPECT_EQ(RunCli({"--from", "jewish:5790-1-15", "--time", "12:00:00"}).out,
            RunCli({"--date", "2030-04-18", "--time", "12:00:00"}).out);
  EXPECT_EQ(RunCli({"--from", "maya:13.0.0.0.0", "--holidays"}).out,
            RunCli({"--date", "2012-12-21", "--holidays"}).out);
}

TEST(ReportCli, FromAndFeastsRefuseWithOneGermanLine) {
  const struct {
    std::vector<std::string> args;
    const char* why;
  } cases[] = {
      {{"--from"}, "tempulo-report: Nach --from fehlt der Wert.\n"},
      {{"--from", "jewish:5786-8-30"},
       "tempulo-report: Den 30. Heshvan gibt es im Jahr 5786 nicht (Heshvan hat 29 Tage).\n"},
      {{"--from", "jewish:5785-13-1"}, "tempulo-report: Das Jahr 5785 hat keinen Monat Adar 2.\n"},
      {{"--from", "mars:1-1-1"},
       "tempulo-report: Den Kalender \"mars\" kennt --from nicht (Liste: tempulo-report --from help).\n"},
      {{"--from", "maya:13.0.0.0.0", "--date", "2000-01-01"},
       "tempulo-report: Die Angaben --date und --from schließen einander aus.\n"},
      {{"--date", "2000-01-01", "--from", "maya:13.0.0.0.0"},
       "tempulo-report: Die Angaben --date und --from schließen einander aus.\n"},
      {{"--from", "julian:3000-12-10", "--days", "20"},
       "tempulo-report: Die 20 Tage reichen über das Jahr 3000 hinaus.\n"},
      {{"--feasts", "99"},
       "tempulo-report: Das Jahr \"99\" für --feasts liegt nicht zwischen 100 und 3000.\n"},
      {{"--feasts", "x"}, "tempulo-report: Das Jahr \"x\" für --feasts liegt nicht zwischen 100 und 3000.\n"},
      {{"--feasts"}, "tempulo-report: Nach --feasts fehlt der Wert.\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.args[0];
    EXPECT_EQ(run.out, "") << c.args[0];
    EXPECT_EQ(run.err, c.why);
  }
  const CliRun help = RunCli({"--from", "help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("  chinese "), std::string::npos);
  EXPECT_NE(help.out.find("B.K.T.U.K"), std::string::npos);
}

}  // namespace
}  // namespace tempulo

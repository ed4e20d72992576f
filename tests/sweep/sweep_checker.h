// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep's judge of one refresh: every report line in its place, with
// its label and a value that reads as a date of its calendar, the month's
// holiday list, and, for the calendars that count days, the step
// from the day before.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "civil_days.h"
#include "report/refresh.h"

namespace tempulo::sweep {

struct SweptLine;

// One fault: the check it broke ("<line>: <aspect>"), the day and the line.
struct Finding {
  std::string check;
  SweepDay day;
  std::string line;
  std::string message;
};

// A fault that is already known and waits for its fix elsewhere: the check
// and the civil dates (inclusive) it is known for.
struct KnownFailure {
  std::string_view check;
  YearMonthDay from;
  YearMonthDay to;
  std::string_view reason;
};

struct CheckCounts {
  std::int64_t unexpected = 0;
  std::int64_t known = 0;
  std::vector<Finding> examples;  // the first few unexpected ones
};

struct SweepStats {
  std::int64_t days = 0;         // refreshes checked, Fehler days included
  std::int64_t fehlerDays = 0;   // of them the intended "Fehler!" days
  std::int64_t lines = 0;        // report and holiday-list lines checked
  std::int64_t successions = 0;  // day-to-day steps checked
  std::int64_t unexpected = 0;
  std::int64_t known = 0;
  // Per line: the days it was there and could be read, and the day-to-day
  // steps checked on it.
  std::map<std::string, std::int64_t> readByLine;
  std::map<std::string, std::int64_t> stepsByLine;
  // Intended exceptions met on the way, by name (counted, not failed).
  std::map<std::string, std::int64_t> exceptions;
  std::map<std::string, CheckCounts> byCheck;

  void Merge(const SweepStats& other, std::size_t examplesPerCheck);
};

class SweepChecker {
 public:
  // `allEntries`: the refreshes show every entry of the table, not only the
  // default ones.
  explicit SweepChecker(std::vector<KnownFailure> known = {}, std::size_t examplesPerCheck = 5,
                        bool allEntries = false);
  ~SweepChecker();
  SweepChecker(const SweepChecker&) = delete;
  SweepChecker& operator=(const SweepChecker&) = delete;

  // A warm-up day is read only to know the day before the next one: its own
  // faults belong to the run that owns it.

  // Checks one refresh and keeps what its lines say for the day after.
  void Check(const SweepDay& day, const RefreshResult& result);

  const SweepStats& Stats() const { return stats_; }
  // Known failures that never occurred: fixed, and to be taken off the list.
  std::vector<KnownFailure> UnusedKnownFailures() const;

  struct State;

 private:
  void Record(Finding finding);

  std::vector<KnownFailure> known_;
  std::vector<bool> knownUsed_;
  std::size_t examplesPerCheck_;
  SweepStats stats_;
  std::unique_ptr<State> state_;
  const std::vector<SweptLine>* lines_;
};

// The faults known at the time of writing, each waiting for its fix.
const std::vector<KnownFailure>& KnownFailures();

}  // namespace tempulo::sweep

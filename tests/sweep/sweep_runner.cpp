// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

#include "holidays/holidays.h"
#include "report/registry.h"
#include "time/clock.h"

namespace tempulo::sweep {
namespace {

constexpr int kYearsPerChunk = 8;

// Civil days from 1 January of `fromYear` to 1 January of `year`: October
// 1582 holds ten day numbers more than Julian Days.
std::int64_t CivilDaysBefore(int fromYear, int year) {
  const auto days = static_cast<std::int64_t>(CivilJulianDate(year, 1, 1) - CivilJulianDate(fromYear, 1, 1));
  return days + (fromYear <= 1582 && year > 1582 ? 10 : 0);
}

bool Selected(const SweepPlan& plan, int year, std::int64_t index) {
  return plan.stride <= 1 || index % plan.stride < plan.runLength ||
         std::find(plan.fullYears.begin(), plan.fullYears.end(), year) != plan.fullYears.end();
}

// The selected days of a year; `index` is the count of the year's first
// civil day from 1 January of the plan's first year.
std::vector<SweepDay> SelectedDays(const SweepPlan& plan, int year) {
  std::vector<SweepDay> days;
  std::int64_t index = CivilDaysBefore(plan.fromYear, year);
  for (const SweepDay& day : DaysOfYear(year)) {
    if (day.fehler) {
      if (plan.fehlerDays) {
        days.push_back(day);
      }
      continue;
    }
    if (Selected(plan, year, index)) {
      days.push_back(day);
    }
    ++index;
  }
  return days;
}

struct TimedDay {
  SweepDay day;
  double seconds;
};

constexpr std::size_t kSlowestKept = 32;
constexpr int kRetimings = 5;

void KeepSlowest(std::vector<TimedDay>& slowest, const TimedDay& timed) {
  if (slowest.size() == kSlowestKept && timed.seconds <= slowest.back().seconds) {
    return;
  }
  const auto at = std::find_if(slowest.begin(), slowest.end(),
                               [&](const TimedDay& kept) { return kept.seconds < timed.seconds; });
  slowest.insert(at, timed);
  if (slowest.size() > kSlowestKept) {
    slowest.pop_back();
  }
}

// The report's entries the sweep has refreshed.
EntryChoice ChoiceOf(bool allEntries) { return allEntries ? EntryChoice::All() : EntryChoice(); }

// The best of a few timings of one refresh.
double RetimedSeconds(const SweepDay& day, const EntryChoice& entries) {
  HolidayTable holidays = HolidayTable::Standard();
  double best = 0;
  for (int i = 0; i < kRetimings; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const RefreshResult result =
        Refresh(CivilDate{day.year, day.month, day.day}, holidays, SweepClock(), {.entries = &entries});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = i == 0 ? seconds : std::min(best, seconds);
  }
  return best;
}

struct Worker {
  HolidayTable holidays = HolidayTable::Standard();
  SweepChecker checker;

  EntryChoice entries;

  Worker(std::size_t examples, bool allEntries)
      : checker(KnownFailures(), examples, allEntries), entries(ChoiceOf(allEntries)) {}

  // How long the refreshes took, apart from the checks, and the slowest days
  // (a single timing can be stretched by the system; they are timed again).
  double refreshSeconds = 0;
  std::vector<TimedDay> slowest;

  void Run(const SweepDay& day) {
    const auto start = std::chrono::steady_clock::now();
    const RefreshResult result =
        Refresh(CivilDate{day.year, day.month, day.day}, holidays, SweepClock(), {.entries = &entries});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    refreshSeconds += seconds;
    if (!day.warmUp) {
      KeepSlowest(slowest, {day, seconds});
    }
    checker.Check(day, result);
  }

  void RunYears(const SweepPlan& plan, int first, int last) {
    // The day before the chunk, read only for the steps into it.
    if (first > plan.fromYear) {
      const std::vector<SweepDay> before = SelectedDays(plan, first - 1);
      if (!before.empty() && !before.back().fehler && before.back().month == 12 && before.back().day == 31) {
        SweepDay warmUp = before.back();
        warmUp.warmUp = true;
        Run(warmUp);
      }
    }
    for (int year = first; year <= last; ++year) {
      for (const SweepDay& day : SelectedDays(plan, year)) {
        Run(day);
      }
    }
  }
};

}  // namespace

const Clock& SweepClock() {
  static const FixedClock clock({2000, 1, 1}, {12, 0, 0});
  return clock;
}

SweepResult RunSweep(const SweepPlan& plan, int jobs, std::size_t examplesPerCheck,
                     const std::function<void(int year)>& yearDone) {
  const auto start = std::chrono::steady_clock::now();
  jobs = std::max(1, jobs);
  std::vector<std::unique_ptr<Worker>> workers;
  for (int j = 0; j < jobs; ++j) {
    workers.push_back(std::make_unique<Worker>(examplesPerCheck, plan.allEntries));
  }
  std::atomic<int> nextChunk{0};
  std::mutex progress;
  const int chunks = (plan.toYear - plan.fromYear) / kYearsPerChunk + 1;
  const auto work = [&](Worker& worker) {
    for (int chunk = nextChunk++; chunk < chunks; chunk = nextChunk++) {
      const int first = plan.fromYear + chunk * kYearsPerChunk;
      const int last = std::min(plan.toYear, first + kYearsPerChunk - 1);
      worker.RunYears(plan, first, last);
      if (yearDone) {
        const std::lock_guard<std::mutex> lock(progress);
        yearDone(last);
      }
    }
  };
  if (jobs == 1) {
    work(*workers.front());
  } else {
    std::vector<std::thread> threads;
    for (auto& worker : workers) {
      threads.emplace_back(work, std::ref(*worker));
    }
    for (std::thread& thread : threads) {
      thread.join();
    }
  }

  SweepResult result;
  std::vector<TimedDay> candidates;
  std::vector<bool> used(KnownFailures().size(), false);
  for (const auto& worker : workers) {
    result.stats.Merge(worker->checker.Stats(), examplesPerCheck);
    result.refreshSeconds += worker->refreshSeconds;
    for (const TimedDay& timed : worker->slowest) {
      KeepSlowest(candidates, timed);
    }
    const std::vector<KnownFailure> unused = worker->checker.UnusedKnownFailures();
    for (std::size_t i = 0; i < KnownFailures().size(); ++i) {
      const KnownFailure& known = KnownFailures()[i];
      const bool isUnused = std::any_of(unused.begin(), unused.end(), [&](const KnownFailure& u) {
        return u.check == known.check && u.from == known.from && u.to == known.to;
      });
      used[i] = used[i] || !isUnused;
    }
  }
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (!used[i]) {
      result.unusedKnownFailures.push_back(KnownFailures()[i]);
    }
  }
  if (!candidates.empty()) {
    result.slowestSingleSeconds = candidates.front().seconds;
  }
  for (const TimedDay& timed : candidates) {
    const double retimed = RetimedSeconds(timed.day, ChoiceOf(plan.allEntries));
    if (retimed > result.slowestRefreshSeconds) {
      result.slowestRefreshSeconds = retimed;
      result.slowestRefreshDay = timed.day;
    }
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

void PrintSweep(std::ostream& out, const SweepPlan& plan, const SweepResult& result, bool perLine) {
  const SweepStats& s = result.stats;
  const auto date = [](const SweepDay& d) {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
  };
  out << "Sweep of the years " << plan.fromYear << " to " << plan.toYear;
  if (plan.allEntries) {
    out << ", every entry of the table";
  }
  if (plan.stride > 1) {
    out << ": runs of " << plan.runLength << " days every " << plan.stride << " days";
    std::string fullYears;
    for (int year : plan.fullYears) {
      if (year >= plan.fromYear && year <= plan.toYear) {
        fullYears += " " + std::to_string(year);
      }
    }
    if (!fullYears.empty()) {
      out << ", and every day of" << fullYears;
    }
  } else {
    out << ": every day";
  }
  out << "\n";
  out << "  dates checked:         " << s.days << " (of them " << s.fehlerDays
      << " intended \"Fehler!\" days)\n";
  out << "  lines checked:         " << s.lines << "\n";
  out << "  day-to-day steps:      " << s.successions << "\n";
  out << "  failures:              " << s.unexpected << " unexpected, " << s.known << " known\n";
  out << "  time:                  " << result.seconds << " s";
  if (s.days > 0) {
    out << " (" << result.seconds * 1000 / static_cast<double>(s.days) << " ms per date)";
  }
  out << "\n";
  if (s.days > 0) {
    out << "  refresh alone:         " << result.refreshSeconds * 1000 / static_cast<double>(s.days)
        << " ms per date on average; slowest single timing " << result.slowestSingleSeconds * 1000
        << " ms; slowest date, timed again (best of " << kRetimings << "), "
        << result.slowestRefreshSeconds * 1000 << " ms on " << date(result.slowestRefreshDay) << "\n";
  }
  if (!s.exceptions.empty()) {
    out << "Intended exceptions met:\n";
    for (const auto& [name, count] : s.exceptions) {
      out << "  " << name << ": " << count << "\n";
    }
  }
  if (perLine) {
    out << "Lines read / day-to-day steps checked:\n";
    for (const auto& [name, count] : s.readByLine) {
      const auto steps = s.stepsByLine.find(name);
      out << "  " << name << ": " << count << " / " << (steps == s.stepsByLine.end() ? 0 : steps->second)
          << "\n";
    }
  }
  for (const auto& [check, counts] : s.byCheck) {
    out << "Check \"" << check << "\": " << counts.unexpected << " unexpected, " << counts.known
        << " known\n";
    for (const Finding& f : counts.examples) {
      out << "    " << date(f.day) << (f.day.fehler ? " (Fehler day)" : "") << "  \"" << f.line << "\"  "
          << f.message << "\n";
    }
  }
  for (const KnownFailure& k : result.unusedKnownFailures) {
    out << "Known failure no longer seen (take it off the list): \"" << k.check << "\" " << k.from.day << "."
        << k.from.month << "." << k.from.year << " to " << k.to.day << "." << k.to.month << "." << k.to.year
        << "\n";
  }
}

}  // namespace tempulo::sweep

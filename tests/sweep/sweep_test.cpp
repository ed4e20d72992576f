// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep's sampled run: runs of consecutive days across the years
// 100-3000 and every day of the years around the calendars' edges, each with
// the complete refresh and every line checked.
#include <gtest/gtest.h>

#include <sstream>

#include "report_lines.h"
#include "sweep_runner.h"

namespace tempulo::sweep {
namespace {

// Runs of two consecutive days (one day-to-day step each) every 22 days: the
// density of every 11th day, with every day's step from the day before. The
// sanitizer build, more than ten times slower, samples a sixth as densely
// (TEMPULO_SWEEP_STRIDE=132): it looks for memory and undefined-behaviour
// faults, which every month of every calendar still meets many times over,
// and it keeps every day of the full years below.
#ifdef TEMPULO_SWEEP_STRIDE
constexpr int kSampleStride = TEMPULO_SWEEP_STRIDE;
#else
constexpr int kSampleStride = 22;
#endif
constexpr int kSampleRun = 2;

struct SampledRange {
  const char* name;
  int from;
  int to;
};

// The years every day of which is checked: the reform and the year after it,
// the last year before the sun and moon block and its first, the change of
// the Chinese time zone, a Gregorian leap century, a Gregorian common
// century, and the last year.
const std::vector<int> kFullYears = {1582, 1583, 1899, 1900, 1928, 1929, 2000, 2100, 3000};

SweepPlan Sample(int from, int to) {
  SweepPlan plan;
  plan.fromYear = from;
  plan.toYear = to;
  plan.stride = kSampleStride;
  plan.runLength = kSampleRun;
  plan.fullYears = kFullYears;
  return plan;
}

void PrintTo(const SampledRange& range, std::ostream* out) { *out << range.from << "-" << range.to; }

class SampledSweep : public ::testing::TestWithParam<SampledRange> {};

TEST_P(SampledSweep, EveryLineOfEverySampledDay) {
  const SampledRange& range = GetParam();
  const SweepPlan plan = Sample(range.from, range.to);
  const SweepResult result = RunSweep(plan);
  std::ostringstream summary;
  PrintSweep(summary, plan, result);
  RecordProperty("dates", static_cast<int>(result.stats.days));
  RecordProperty("lines", static_cast<int>(result.stats.lines));
  EXPECT_GT(result.stats.days, 0);
  EXPECT_EQ(result.stats.unexpected, 0) << summary.str();
  if (result.stats.unexpected == 0) {
    std::cout << summary.str();
  }
}

// Ranges of about equal cost: the sun and moon block makes the days from 1900
// on about three times as dear.
INSTANTIATE_TEST_SUITE_P(
    Years, SampledSweep,
    ::testing::Values(SampledRange{"100_to_499", 100, 499}, SampledRange{"500_to_899", 500, 899},
                      SampledRange{"900_to_1299", 900, 1299}, SampledRange{"1300_to_1581", 1300, 1581},
                      SampledRange{"1582_to_1899", 1582, 1899}, SampledRange{"1900_to_1999", 1900, 1999},
                      SampledRange{"2000_to_2199", 2000, 2199}, SampledRange{"2200_to_2599", 2200, 2599},
                      SampledRange{"2600_to_3000", 2600, 3000}),
    [](const ::testing::TestParamInfo<SampledRange>& info) { return info.param.name; });

// In 1999 and 2000 every line applies: each must have been read, as a date of
// its calendar, on every day, and each day-by-day line stepped from the day
// before, so no line passes for want of being looked at.
TEST(SweepRunner, EveryLineIsReadOnEveryDay) {
  SweepPlan plan;
  plan.fromYear = 1999;
  plan.toYear = 2000;
  const SweepResult result = RunSweep(plan);
  ASSERT_EQ(result.stats.days, 731);
  for (const SweptLine& line : SweptLines()) {
    if (line.rule == nullptr || line.rule->read == nullptr) {
      continue;
    }
    const std::string name(line.id);
    EXPECT_EQ(result.stats.readByLine.count(name) ? result.stats.readByLine.at(name) : 0, 731) << name;
    if (line.rule->follow != nullptr) {
      EXPECT_EQ(result.stats.stepsByLine.count(name) ? result.stats.stepsByLine.at(name) : 0, 730) << name;
    }
  }
}

// With every entry of the table, the calendars that start unchosen are swept
// too, without checking code of their own: each line names the date its way
// gives, on every day of the reform year and of two recent years (Umm
// al-Qura's table, Nowruz 1400 on 21 March 2021).
TEST(SweepRunner, EveryEntryOfTheTable) {
  for (const auto& [from, to] : {std::pair{1582, 1582}, std::pair{2020, 2021}}) {
    SweepPlan plan;
    plan.fromYear = from;
    plan.toYear = to;
    plan.allEntries = true;
    const SweepResult result = RunSweep(plan);
    std::ostringstream summary;
    PrintSweep(summary, plan, result);
    EXPECT_EQ(result.stats.unexpected, 0) << summary.str();
    const std::int64_t days = result.stats.days - result.stats.fehlerDays;
    int byWay = 0;
    for (const SweptLine& line : SweptLines(true)) {
      if (line.rule != nullptr || line.way == nullptr || from < line.firstYear) {
        continue;
      }
      ++byWay;
      const std::string name(line.id);
      EXPECT_EQ(result.stats.readByLine.count(name) ? result.stats.readByLine.at(name) : 0, days) << name;
    }
    EXPECT_GE(byWay, 3);  // the Byzantine era, Umm al-Qura, Iran's astronomical calendar
  }
}

// Threads share the years in blocks; each block first reads the day before
// it, so the same days, lines and steps are checked as by one thread.
TEST(SweepRunner, ThreadsCheckWhatOneThreadChecks) {
  SweepPlan plan;
  plan.fromYear = 1579;
  plan.toYear = 1590;
  const SweepResult one = RunSweep(plan, 1);
  const SweepResult two = RunSweep(plan, 2);
  EXPECT_EQ(one.stats.days, two.stats.days);
  EXPECT_EQ(one.stats.lines, two.stats.lines);
  EXPECT_EQ(one.stats.successions, two.stats.successions);
  EXPECT_EQ(one.stats.fehlerDays, 3);           // 29 February 1579, 1581, 1582
  EXPECT_EQ(one.stats.days, 12 * 365 + 3 + 3);  // 1580, 1584 and 1588 are leap years
  EXPECT_EQ(one.stats.unexpected, two.stats.unexpected);
}

}  // namespace
}  // namespace tempulo::sweep

// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup_sweep.h"

#include <gtest/gtest.h>

namespace tempulo::sweep {
namespace {

// Every 97th year day by day, and the years around the start of the Jewish
// calendar (359), the reform and the range's end;
// build/tempulo_lookup_sweep runs every year.
TEST(LookupSweep, EveryDayOfSampledYearsLeadsBackToItself) {
  struct Range {
    int from;
    int to;
    int stride;
  };
  for (const Range& range :
       {Range{100, 3000, 97}, Range{358, 360, 1}, Range{1581, 1583, 1}, Range{2999, 3000, 1}}) {
    const LookupSweepResult result = RunLookupSweep(range.from, range.to, range.stride);
    EXPECT_EQ(result.failures, 0) << range.from << "-" << range.to;
    for (const std::string& example : result.examples) {
      ADD_FAILURE() << example;
    }
    EXPECT_GT(result.lookups, 0);
  }
}

}  // namespace
}  // namespace tempulo::sweep

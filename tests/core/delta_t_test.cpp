// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

#include "time/date_encoding.h"

namespace tempulo {
namespace {

// Delta T of the model's published values (Espenak and Meeus 2006: the
// constant terms of its polynomials and its rounded table of Delta T),
// seconds, with what the polynomials may differ from the rounded values.
TEST(DeltaTTest, PublishedValues) {
  struct Case {
    double year;
    double seconds;
    double tolerance;
  };
  const Case cases[] = {
      {0, 10583.6, 0.05},   {100, 9600, 20},   {500, 5710, 20},  {1000, 1574.2, 0.05}, {1500, 200, 5},
      {1600, 120, 0.05},    {1700, 8.83, 0.01}, {1750, 13.4, 1},  {1800, 13.72, 0.01},  {1850, 7.1, 0.5},
      {1860, 7.62, 0.01},   {1900, -2.79, 0.01}, {1920, 21.20, 0.01}, {1950, 29.07, 0.01}, {1960, 33.2, 0.5},
      {1975, 45.45, 0.01},  {1990, 56.9, 0.5},  {2000, 63.86, 0.01}, {2005, 64.7, 0.1},   {2020, 71.6, 0.2},
      {2100, 202.8, 1},     {2500, 1460, 20},   {3000, 4440, 20},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(DeltaTSeconds(c.year), c.seconds, c.tolerance) << c.year;
  }
}

// The pieces meet: no jump of a second or more from one day to the next, also
// where one polynomial hands over to the next (the largest, 0.25 s, at 1600).
TEST(DeltaTTest, ContinuousOverTheAlmanacsYears) {
  double previous = DeltaTSeconds(99.0);
  for (double y = 99.0 + 1.0 / 365.25; y <= 3001.0; y += 1.0 / 365.25) {
    const double value = DeltaTSeconds(y);
    ASSERT_LT(std::fabs(value - previous), 1.0) << y;
    previous = value;
  }
}

TEST(DeltaTTest, ConversionsAreInverse) {
  for (const int year : {100, 1000, 1582, 1900, 2000, 2057, 2500, 3000}) {
    const double ut = EncodeDate(year, 6, 1) + 0.3;
    const double tt = TerrestrialFromUniversal(ut);
    EXPECT_NEAR((tt - ut) * 86400.0, DeltaTSeconds(DecimalYearOfDateValue(ut)), 1e-4) << year;
    EXPECT_NEAR(UniversalFromTerrestrial(tt), ut, 1e-9) << year;
  }
  EXPECT_DOUBLE_EQ(DecimalYearOfDateValue(EncodeDate(2000, 1, 1)), 2000.0);
}

}  // namespace
}  // namespace tempulo

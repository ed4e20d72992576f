// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/eclipses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro_test_support.h"
#include "time/date_encoding.h"

namespace tempulo {
namespace {

using testing::Text;

constexpr double kSecond = 1.0 / 86400.0;

Instant At(double dateValue) { return Instant::FromDateValue(dateValue); }
Instant At(int year, int month, int day) { return At(EncodeDate(year, month, day)); }

std::vector<Eclipse> EclipsesIn(int year) { return EclipsesBetween(At(year, 1, 1), At(year + 1, 1, 1)); }

const Eclipse* Find(const std::vector<Eclipse>& eclipses, double near) {
  for (const Eclipse& e : eclipses) {
    if (std::fabs(e.greatest.DateValue() - near) < 0.5) {
      return &e;
    }
  }
  return nullptr;
}

// Published values of NASA's Five Millennium Canons (greatest eclipse in
// universal time, gamma, magnitude; umbral magnitude for the moon, whose
// shadow this almanac takes a little larger).
TEST(EclipsesTest, PublishedEclipses) {
  struct Case {
    int year, month, day, hour, minute, second;
    EclipseKind kind;
    int saros;
    double gamma;
    double magnitude;
    double magnitudeTolerance;
  };
  const Case cases[] = {
      {1999, 8, 11, 11, 3, 4, EclipseKind::kSolarTotal, 145, 0.5062, 1.0286, 0.002},
      {2017, 8, 21, 18, 25, 32, EclipseKind::kSolarTotal, 145, 0.4367, 1.0306, 0.002},
      {2024, 4, 8, 18, 17, 16, EclipseKind::kSolarTotal, 139, 0.3431, 1.0566, 0.002},
      {2023, 4, 20, 4, 16, 49, EclipseKind::kSolarHybrid, 129, -0.3952, 1.0132, 0.002},
      {2024, 10, 2, 18, 44, 59, EclipseKind::kSolarAnnular, 144, -0.3509, 0.9326, 0.002},
      {2025, 3, 29, 10, 47, 27, EclipseKind::kSolarPartial, 149, 1.0405, 0.9376, 0.005},
      {2025, 3, 14, 6, 58, 43, EclipseKind::kLunarTotal, 123, 0.3485, 1.1784, 0.01},
      {2022, 11, 8, 10, 59, 9, EclipseKind::kLunarTotal, 136, 0.2570, 1.3589, 0.01},
      {2024, 9, 18, 2, 44, 18, EclipseKind::kLunarPartial, 118, -0.9792, 0.0848, 0.01},
  };
  for (const Case& c : cases) {
    const double when = EncodeDate(c.year, c.month, c.day) + (c.hour * 3600 + c.minute * 60 + c.second) * kSecond;
    const std::vector<Eclipse> eclipses = EclipsesIn(c.year);
    const Eclipse* e = Find(eclipses, when);
    ASSERT_NE(e, nullptr) << Text(when);
    EXPECT_EQ(e->kind, c.kind) << Text(when);
    EXPECT_EQ(e->saros, c.saros) << Text(when);
    EXPECT_NEAR(e->greatest.DateValue(), when, 60 * kSecond)
        << Text(when) << " " << Text(e->greatest.DateValue());
    EXPECT_NEAR(e->gamma, c.gamma, 0.002) << Text(when);
    EXPECT_NEAR(e->magnitude, c.magnitude, c.magnitudeTolerance) << Text(when);
  }
}

// Every year has two to five solar and two to five lunar eclipses (penumbral
// ones counted), over the whole range, in time order.
TEST(EclipsesTest, EveryYearHasItsEclipses) {
  for (int year = 100; year <= 3000; year += 37) {
    const std::vector<Eclipse> eclipses = EclipsesIn(year);
    int solar = 0;
    double previous = -1e9;
    for (const Eclipse& e : eclipses) {
      solar += IsSolar(e.kind) ? 1 : 0;
      ASSERT_GT(e.greatest.DateValue(), previous) << year;
      previous = e.greatest.DateValue();
      ASSERT_GT(e.saros, 0) << year;
      ASSERT_LT(e.saros, 200) << year;
    }
    const int lunar = static_cast<int>(eclipses.size()) - solar;
    ASSERT_GE(solar, 2) << year;
    ASSERT_LE(solar, 5) << year;
    ASSERT_GE(lunar, 2) << year;
    ASSERT_LE(lunar, 5) << year;
  }
}

// At the place of greatest eclipse of a central eclipse the observer sees it
// central, at the greatest eclipse, and high in the sky.
TEST(EclipsesTest, CentralAtThePlaceOfGreatestEclipse) {
  for (const int year : {1999, 2017, 2023, 2024, 2026}) {
    for (const Eclipse& e : EclipsesIn(year)) {
      if (!IsSolar(e.kind) || !e.central) {
        continue;
      }
      const LocalEclipse l = LocalCircumstances(e, e.latitude, e.longitude);
      ASSERT_TRUE(l.visible) << Text(e.greatest.DateValue());
      const EclipseKind seen = e.kind == EclipseKind::kSolarHybrid ? EclipseKind::kSolarTotal : e.kind;
      EXPECT_EQ(l.kind, seen) << Text(e.greatest.DateValue());
      EXPECT_NEAR(l.maximum.time, e.greatest.DateValue(), 120 * kSecond) << Text(e.greatest.DateValue());
      EXPECT_LT(l.begin.time, l.totalBegin.time);
      EXPECT_LT(l.totalBegin.time, l.totalEnd.time);
      EXPECT_LT(l.totalEnd.time, l.end.time);
      if (seen == EclipseKind::kSolarTotal) {
        EXPECT_EQ(l.obscuration, 1.0);
      } else {
        EXPECT_NEAR(l.obscuration, e.magnitude * e.magnitude, 0.01) << Text(e.greatest.DateValue());
      }
    }
  }
}

// A lunar eclipse's contacts nest; a place on the night side sees it, one on
// the day side does not.
TEST(EclipsesTest, LunarContactsAndVisibility) {
  const std::vector<Eclipse> eclipses = EclipsesBetween(At(2025, 3, 10), At(2025, 3, 20));
  ASSERT_EQ(eclipses.size(), 1U);
  const Eclipse& e = eclipses.front();
  ASSERT_EQ(e.kind, EclipseKind::kLunarTotal);
  EXPECT_LT(e.penumbralBegin, e.partialBegin);
  EXPECT_LT(e.partialBegin, e.totalBegin);
  EXPECT_LT(e.totalBegin, e.greatest.DateValue());
  EXPECT_LT(e.greatest.DateValue(), e.totalEnd);
  EXPECT_LT(e.totalEnd, e.partialEnd);
  EXPECT_LT(e.partialEnd, e.penumbralEnd);
  EXPECT_TRUE(LocalCircumstances(e, 40.7, -74.0).visible);     // New York, at night
  EXPECT_FALSE(LocalCircumstances(e, 28.6, 77.2).visible);     // New Delhi, by day
  const LocalEclipse berlin = LocalCircumstances(e, 52.5, 13.4);  // moonset during the partial phase
  EXPECT_TRUE(berlin.visible);
  EXPECT_GT(berlin.begin.altitude, 0.0);
  EXPECT_LT(berlin.end.altitude, 0.0);
}

TEST(EclipsesTest, EmptyAndReversedSpans) {
  EXPECT_TRUE(EclipsesBetween(At(100.0), At(100.0)).empty());
  EXPECT_TRUE(EclipsesBetween(At(200.0), At(100.0)).empty());
  EXPECT_TRUE(EclipsesBetween(At(NAN), At(100.0)).empty());
}

}  // namespace
}  // namespace tempulo

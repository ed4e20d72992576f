// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/vsop87.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace tempulo {
namespace {

long double Abs(long double x) { return std::fabs(x); }

TEST(VSOP87Test, EarthAtJ2000) {
  const HeliocentricCoordinates p = EarthHeliocentricPosition(36526.5);
  EXPECT_LT(Abs(p.longitude - 100.3778L), 0.00005L) << static_cast<double>(p.longitude);
  EXPECT_LT(Abs(p.latitude - -0.0002L), 0.00005L) << static_cast<double>(p.latitude);
  EXPECT_LT(Abs(p.radius - 0.983328L), 0.0000005L) << static_cast<double>(p.radius);
}

TEST(VSOP87Test, EarthLookupsReturnTheZeroTermOutsideTheTables) {
  const TVSOPEarth earth;
  struct Case {
    TVSOP::TermLookup lookup;
    int index;
    int power;
    bool present;
  };
  const Case cases[] = {
      {&TVSOP::LongitudeTerm, 0, 0, true},   {&TVSOP::LongitudeTerm, 63, 0, true},
      {&TVSOP::LongitudeTerm, 64, 0, false}, {&TVSOP::LongitudeTerm, 0, 5, true},
      {&TVSOP::LongitudeTerm, 1, 5, false},  {&TVSOP::LongitudeTerm, 0, 6, false},
      {&TVSOP::LongitudeTerm, -1, 0, false}, {&TVSOP::LongitudeTerm, 0, -1, false},
      {&TVSOP::LatitudeTerm, 4, 0, true},    {&TVSOP::LatitudeTerm, 1, 1, true},
      {&TVSOP::LatitudeTerm, 0, 2, false},   {&TVSOP::LatitudeTerm, 0, 5, false},
      {&TVSOP::RadiusTerm, 39, 0, true},     {&TVSOP::RadiusTerm, 40, 0, false},
      {&TVSOP::RadiusTerm, 0, 4, true},      {&TVSOP::RadiusTerm, 0, 5, false},
  };
  for (const Case& c : cases) {
    const VSOPTerm term = (earth.*c.lookup)(c.index, c.power);
    EXPECT_EQ(term.a != 0, c.present) << c.index << " " << c.power;
    if (!c.present) {
      EXPECT_EQ(term.b, 0);
      EXPECT_EQ(term.c, 0);
    }
  }
  // Spot checks of the carried figures.
  EXPECT_EQ(earth.LongitudeTerm(0, 0).a, 175347045.673L);
  EXPECT_EQ(earth.LongitudeTerm(0, 1).a, 628331966747.491L);
  EXPECT_EQ(earth.RadiusTerm(0, 0).a, 100013988.799L);
  EXPECT_EQ(earth.LongitudeTerm(0, 5).b, 3.14159265359L);
}

// A one-term-per-power series makes the power sum visible: with a term
// A = 1e8 * (p + 1) and B = C = 0 for every power p the value is
// sum (p + 1) tau^p.
class PolynomialSeries final : public TVSOP {
 public:
  VSOPTerm LongitudeTerm(int index, int power) const override {
    if (index != 0 || power < 0 || power > 5) {
      return {};
    }
    return {1e8L * (power + 1), 0, 0};
  }
  VSOPTerm LatitudeTerm(int, int) const override { return {}; }
  VSOPTerm RadiusTerm(int, int) const override { return {}; }
};

TEST(VSOP87Test, EvaluateSeriesSumsAllSixPowers) {
  PolynomialSeries series;
  series.SetDate(36526.5 + 365250.0 / 2);  // tau = 0.5
  ASSERT_EQ(series.Tau(), 0.5L);
  long double expected = 0;
  for (int p = 5; p >= 0; --p) {
    expected = expected * 0.5L + (p + 1);
  }
  EXPECT_LT(Abs(series.Longitude() - expected), 1e-17L);
  EXPECT_EQ(series.Latitude(), 0.0L);
}

// The evaluator must be released also when a lookup fails.
class FailingSeries final : public TVSOP {
 public:
  FailingSeries() { ++alive; }
  ~FailingSeries() override { --alive; }
  VSOPTerm LongitudeTerm(int, int) const override { throw std::runtime_error("lookup"); }
  VSOPTerm LatitudeTerm(int, int) const override { return {}; }
  VSOPTerm RadiusTerm(int, int) const override { return {}; }
  static inline int alive = 0;
};

TEST(VSOP87Test, EvaluatorIsReleasedWhenAStepFails) {
  EXPECT_THROW(HeliocentricPosition<FailingSeries>(36526.5), std::runtime_error);
  EXPECT_EQ(FailingSeries::alive, 0);
}

TEST(VSOP87Test, LongitudeInOneTurnAndLatitudeSmall) {
  for (double d = -657000; d < 402000; d += 997.3) {
    const HeliocentricCoordinates p = EarthHeliocentricPosition(d);
    ASSERT_GE(p.longitude, 0.0L) << d;
    ASSERT_LT(p.longitude, 360.0L) << d;
    ASSERT_LT(Abs(p.latitude), 0.002L) << d;
    ASSERT_GT(p.radius, 0.98L) << d;
    ASSERT_LT(p.radius, 1.02L) << d;
  }
}

}  // namespace
}  // namespace tempulo

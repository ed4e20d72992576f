// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/angles.h"

namespace tempulo {
namespace {

TEST(AngleArithmetic, InverseFunctionsKeepTheirQuadrants) {
  EXPECT_NEAR(static_cast<double>(ArcTan2Deg(1, -1)), 135.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcTan2Deg(-1, -1)), -135.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcSinDeg(0.5L)), 30.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcCosDeg(-1)), 180.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcSinDeg(-1)), -90.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(ArcTanDeg(1)), 45.0, 1e-12);
}

TEST(AngleArithmetic, AngleDifferenceIsTheShorterWay) {
  const struct {
    long double a, b, expected;
  } cases[] = {{10, 350, 20}, {350, 10, -20}, {190, 10, 180}, {10, 190, 180}, {0, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(AngleDifference(c.a, c.b)), static_cast<double>(c.expected), 1e-12)
        << c.a << " - " << c.b;
  }
}

}  // namespace
}  // namespace tempulo

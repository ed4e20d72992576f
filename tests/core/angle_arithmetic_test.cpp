#include <gtest/gtest.h>

#include "astro/angles.h"

namespace tempulo {
namespace {

struct AngleCase {
  long double in;
  long double expected;
};

TEST(AngleArithmetic, NormalizeAngleBringsEveryDirectionIntoOneTurn) {
  const AngleCase cases[] = {{540, 180},
                             {-90, 270},
                             {180, 180},
                             {-180, 180},
                             {360, 0},
                             {725, 5},
                             {-720, 0},
                             {3600000, 0},
                             {359.999999L, 359.999999L},
                             {-0.000001L, 359.999999L}};
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(NormalizeAngle(c.in)), static_cast<double>(c.expected), 1e-9) << c.in;
    EXPECT_GE(NormalizeAngle(c.in), 0.0L);
    EXPECT_LT(NormalizeAngle(c.in), 360.0L);
  }
}

TEST(AngleArithmetic, TrigonometryReducesItsArgumentFirst) {
  EXPECT_NEAR(static_cast<double>(SinDeg(30)), 0.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(CosDeg(-60)), 0.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(SinDeg(30 + 360 * 1000)), 0.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(TanDeg(45)), 1.0, 1e-15);
}

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

TEST(AngleArithmetic, PositiveRemainderIsNeverZero) {
  const struct {
    int a, n, expected;
  } cases[] = {{13, 12, 1},   {12, 12, 12}, {0, 12, 12}, {-1, 12, 11},
               {-13, 12, 11}, {24, 12, 12}, {61, 60, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(PositiveRemainder(c.a, c.n), c.expected) << c.a << " mod " << c.n;
  }
}

TEST(AngleArithmetic, DateValueAndJulianDayDifferByAFixedOffset) {
  EXPECT_EQ(DateTimeToJulianDay(36526.5), 2451545.0L);
  EXPECT_EQ(JulianDayToDateTime(2451545.0L), 36526.5);
  EXPECT_EQ(DateTimeToJulianDay(0), 2415018.5L);
  EXPECT_EQ(DateTimeToJulianDay(-36000.25), 2379018.25L);
}

}  // namespace
}  // namespace tempulo

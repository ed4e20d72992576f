// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace tempulo {
namespace {

TEST(NormalizeAngleTest, ReducesToOneTurn) {
  struct Case {
    long double in;
    long double out;
  };
  const Case cases[] = {{540, 180},  {-90, 270}, {180, 180},
                        {-180, 180}, {360, 0},   {725, 5},
                        {-720, 0},   {0, 0},     {1e12L, 1e12L - 360.0L * 2777777777.0L}};
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeAngle(c.in), c.out) << static_cast<double>(c.in);
  }
  EXPECT_NEAR(static_cast<double>(NormalizeAngle(-0.000001L)), 359.999999, 1e-12);
  EXPECT_NEAR(static_cast<double>(NormalizeAngle(359.999999L)), 359.999999, 1e-12);
}

// A negative remainder smaller than the spacing of numbers near 360 used to
// come back as 360 itself, outside [0, 360).
TEST(NormalizeAngleTest, TinyNegativeAngleStaysBelowOneTurn) {
  for (const long double x :
       {-1e-30L, -1e-20L, -std::numeric_limits<long double>::denorm_min(), -720.0L - 1e-25L}) {
    const long double r = NormalizeAngle(x);
    EXPECT_GE(r, 0.0L) << static_cast<double>(x);
    EXPECT_LT(r, 360.0L) << static_cast<double>(x);
  }
}

// Arguments beyond the 64-bit turn count used to overflow the integer.
TEST(NormalizeAngleTest, HugeArgumentsStayInRange) {
  for (const long double x : {1e19L, -1e19L, 3.7e25L, -5e300L}) {
    const long double r = NormalizeAngle(x);
    EXPECT_GE(r, 0.0L) << static_cast<double>(x);
    EXPECT_LT(r, 360.0L) << static_cast<double>(x);
  }
}

TEST(AnglesTest, DesignatedValues) {
  EXPECT_NEAR(static_cast<double>(SinDeg(30)), 0.5, 1e-18);
  EXPECT_NEAR(static_cast<double>(CosDeg(-60)), 0.5, 1e-18);
  EXPECT_EQ(ArcTan2Deg(1, -1), 135.0L);
  EXPECT_EQ(ArcTan2Deg(-1, -1), -135.0L);
  EXPECT_NEAR(static_cast<double>(AngleDifference(10, 350)), 20, 1e-15);
  EXPECT_NEAR(static_cast<double>(AngleDifference(350, 10)), -20, 1e-15);
  EXPECT_EQ(AngleDifference(190, 10), 180.0L);
}

TEST(PositiveRemainderTest, StaysInOneToN) {
  struct Case {
    int a;
    int n;
    int r;
  };
  const Case cases[] = {{13, 12, 1}, {12, 12, 12}, {0, 12, 12}, {-1, 12, 11}, {-13, 12, 11}, {24, 12, 12}};
  for (const Case& c : cases) {
    EXPECT_EQ(PositiveRemainder(c.a, c.n), c.r) << c.a << " mod " << c.n;
  }
}

// The quadrant reduction must agree with a careful reference to extended
// precision, both in degrees and for the large radian arguments of the
// planetary series.
TEST(TrigonometryTest, QuadrantReductionKeepsExtendedPrecision) {
  const auto near = [](long double a, long double b, long double tolerance) {
    return std::fabs(a - b) <= tolerance;
  };
  for (int i = -2000; i <= 2000; ++i) {
    const long double deg = i * 0.4567L + 0.0001L * i * i;
    const long double rad = DegToRad(NormalizeAngle(deg));
    // The plain form rounds the whole angle to radians, which costs it up to
    // an ulp of a number near 2 pi; the quadrant form is closer than that.
    EXPECT_TRUE(near(SinDeg(deg), std::sin(rad), 1e-18L)) << static_cast<double>(deg);
    EXPECT_TRUE(near(CosDeg(deg), std::cos(rad), 1e-18L)) << static_cast<double>(deg);
    const long double large = i * 97.123456789L;  // up to about 2e5 radians
    EXPECT_TRUE(near(SinRad(large), std::sin(large), 4e-19L)) << i;
    EXPECT_TRUE(near(CosRad(large), std::cos(large), 4e-19L)) << i;
  }
  // Near zero the sine keeps its full relative precision.
  for (const long double r : {1e-3L, 1e-9L, 1e-30L, -2.5e-7L}) {
    EXPECT_TRUE(near(SinRad(r), std::sin(r), std::fabs(r) * 2e-19L)) << static_cast<double>(r);
    EXPECT_TRUE(near(CosRad(r), std::cos(r), 2e-19L)) << static_cast<double>(r);
  }
  EXPECT_EQ(CosDeg(90), 0.0L);
  EXPECT_EQ(SinDeg(180), 0.0L);
  // Quadrant counts past 2^53, which a double cannot tell from their even
  // neighbours: odd counts must still select the other kernel.
  EXPECT_EQ(SinDeg(90.0L * (0x1p53L + 1)), 1.0L);
  EXPECT_EQ(CosDeg(90.0L * (0x1p53L + 2)), -1.0L);
  EXPECT_EQ(SinCosDeg(90.0L * (0x1p53L + 3)).sine, -1.0L);
  EXPECT_EQ(SinDeg(-90), -1.0L);
  EXPECT_TRUE(std::isnan(SinRad(std::numeric_limits<long double>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(CosDeg(std::numeric_limits<long double>::infinity())));
}

// The paired form stands in for SinDeg and CosDeg wherever both are taken of
// one angle, and the recorded output relies on the very same bits: every
// quadrant, both signs, the quadrant edges, arguments of many turns and
// those past the reduction's range, and the values that are no angle.
TEST(TrigonometryTest, PairedSineAndCosineAreBitForBitTheSingleOnes) {
  std::vector<long double> angles = {0.0L,  -0.0L,   45.0L,    90.0L, -90.0L, 135.0L, 180.0L, 270.0L,
                                     360.0L, 1e-30L, 89.999999999L, 1e17L, 2e18L, -3e19L,
                                     std::numeric_limits<long double>::infinity(),
                                     std::numeric_limits<long double>::quiet_NaN()};
  for (int i = -3000; i <= 3000; ++i) {
    angles.push_back(i * 0.4567L + 0.0001L * i * i);
    angles.push_back(i * 481267.88123421L);  // the moon's mean longitude over centuries
  }
  const auto same = [](long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0 || (std::isnan(a) && std::isnan(b));
  };
  for (const long double x : angles) {
    const SineAndCosine sc = SinCosDeg(x);
    EXPECT_TRUE(same(sc.sine, SinDeg(x))) << static_cast<double>(x);
    EXPECT_TRUE(same(sc.cosine, CosDeg(x))) << static_cast<double>(x);
  }
}

// The series' double kernels keep to about 1e-16 of the extended ones over
// the arguments the theories reach, and take the same quadrants.
TEST(TrigonometryTest, SeriesKernelsKeepDoublePrecision) {
  for (int i = -3000; i <= 3000; ++i) {
    const long double deg = i * 1604.4567L + 0.37L * i * i;
    const SineAndCosine series = SeriesSinCosDeg(deg);
    EXPECT_NEAR(static_cast<double>(series.sine), static_cast<double>(SinDeg(deg)), 3e-16) << i;
    EXPECT_NEAR(static_cast<double>(series.cosine), static_cast<double>(CosDeg(deg)), 3e-16) << i;
    const long double rad = i * 71.234567L;
    EXPECT_NEAR(static_cast<double>(SeriesCosRad(rad)), static_cast<double>(CosRad(rad)), 3e-16) << i;
  }
}

}  // namespace
}  // namespace tempulo

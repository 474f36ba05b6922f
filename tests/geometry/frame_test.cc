#include "geometry/frame.h"

#include <random>

#include <gtest/gtest.h>

#include "geometry/vector_math.h"

namespace velmora {
namespace {

constexpr double kEps = 1e-9;

Eigen::Matrix3d Rz(double deg) {
  return Eigen::AngleAxisd(deg * M_PI / 180, Eigen::Vector3d::UnitZ()).toRotationMatrix();
}
Eigen::Matrix3d Ry(double deg) {
  return Eigen::AngleAxisd(deg * M_PI / 180, Eigen::Vector3d::UnitY()).toRotationMatrix();
}
Eigen::Matrix3d Rx(double deg) {
  return Eigen::AngleAxisd(deg * M_PI / 180, Eigen::Vector3d::UnitX()).toRotationMatrix();
}

TEST(FrameTest, OrientationIsRzRyRxAndMatchesTheElementFormula) {
  const double rows[][3] = {{0, 0, 0}, {90, 0, 0}, {0, 90, 0}, {30, -45, 120}, {-170, 89, 10}};
  for (const auto& r : rows) {
    Eigen::Matrix3d expected = Rz(r[0]) * Ry(r[1]) * Rx(r[2]);
    EXPECT_TRUE(RotationFromAbc(r[0], r[1], r[2]).isApprox(expected, 1e-12)) << r[0];
    EXPECT_LT((FrameToMatrix(r[0], r[1], r[2]) - expected).cwiseAbs().maxCoeff(), 1e-12);
  }
}

TEST(FrameTest, AnglesOnTheSingularityNameTheSameOrientation) {
  struct Row {
    Frame f, g;
  } rows[] = {
      {{0, 0, 0, 90, 90, 180}, {0, 0, 0, 0, 90, 90}},
      {{0, 0, 0, -90, 90, 0}, {0, 0, 0, 90, 90, -180}},
      {{0, 0, 0, 10, -90, 20}, {0, 0, 0, 30, -90, 0}},  // B = -90: only A + C counts
  };
  for (const Row& row : rows) EXPECT_TRUE(Equal(row.f, row.g, kEps));
  EXPECT_FALSE(Equal({0, 0, 0, 90, 90, 180}, {0, 0, 0, 0, 90, -90}, kEps));
}

TEST(FrameTest, SingularOrientationIsReadWithCZero) {
  Eigen::Vector3d abc = AbcFromRotation(RotationFromAbc(90, 90, 180));
  EXPECT_NEAR(abc[0], -90, kEps);  // C - A = 90 with C = 0
  EXPECT_NEAR(abc[1], 90, kEps);
  EXPECT_EQ(abc[2], 0);
  abc = AbcFromRotation(RotationFromAbc(10, -90, 20));
  EXPECT_NEAR(abc[0], 30, kEps);
  EXPECT_EQ(abc[2], 0);
}

TEST(FrameTest, MatrixToAnglesToMatrixRoundTrips) {
  const double near = 0.9999999999 * 90;
  const double pitches[] = {0, 45, -60, near, -near, 90, -90, 89.999, -89.999999};
  std::mt19937 random(7);
  std::uniform_real_distribution<double> angle(-180, 180);
  for (double b : pitches) {
    for (int i = 0; i < 200; ++i) {
      Eigen::Matrix3d r = Rz(angle(random)) * Ry(b) * Rx(angle(random));
      Eigen::Vector3d abc = AbcFromRotation(r);
      EXPECT_LT((RotationFromAbc(abc[0], abc[1], abc[2]) - r).cwiseAbs().maxCoeff(), 1e-12)
          << "B " << b;
      EXPECT_LE(std::abs(abc[1]), 90.0);
    }
  }
  // Fully random orientations, every pitch.
  for (int i = 0; i < 1000; ++i) {
    Eigen::Matrix3d r = Eigen::Quaterniond::UnitRandom().toRotationMatrix();
    Eigen::Vector3d abc = AbcFromRotation(r);
    EXPECT_LT((RotationFromAbc(abc[0], abc[1], abc[2]) - r).cwiseAbs().maxCoeff(), 1e-12);
  }
}

TEST(FrameTest, ComposeReadsLeftToRight) {
  // A base turned 90 degrees about Z at X 1000: a point 100 mm along the base x axis lies at
  // world Y 100.
  Frame world_base{1000, 0, 0, 90, 0, 0};
  Frame base_point{100, 0, 0, 0, 0, 0};
  Frame world_point = Compose(world_base, base_point);
  EXPECT_TRUE(Equal(world_point, {1000, 100, 0, 90, 0, 0}, kEps));
  EXPECT_TRUE(Equal(Compose(Inverse(world_base), world_point), base_point, kEps));
}

}  // namespace
}  // namespace velmora

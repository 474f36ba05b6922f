#include "sim/arm_kinematics.h"

#include <random>

#include <gtest/gtest.h>

namespace velmora::sim {
namespace {

double PoseDistance(const Transform& a, const Transform& b) {
  return (a.translation() - b.translation()).norm() + (a.linear() - b.linear()).norm() * 1000.0;
}

TEST(ArmKinematicsTest, HomePointsTheFlangeForward) {
  ArmKinematics arm;
  const auto& g = arm.geometry();
  Transform home = arm.Forward({0, -90, 90, 0, 0, 0});
  EXPECT_NEAR(home.translation().x(), g.a1 + g.c3 + g.c4, 1e-9);
  EXPECT_NEAR(home.translation().y(), 0.0, 1e-9);
  EXPECT_NEAR(home.translation().z(), g.c1 + g.c2 - g.a2, 1e-9);
  EXPECT_TRUE(home.linear().col(2).isApprox(Eigen::Vector3d::UnitX()));
}

// Forward, then inverse with the status and turn the forward pass reported, gives the
// same axes back; without status and turn the nearest solution to the start is the original.
TEST(ArmKinematicsTest, InverseOfForwardRoundTrips) {
  ArmKinematics arm;
  std::mt19937 random(7);
  int checked = 0;
  for (int n = 0; n < 2000; ++n) {
    Axes axes;
    for (size_t i = 0; i < 6; ++i) {
      std::uniform_real_distribution<double> range(arm.limits().low[i] + 1,
                                                   arm.limits().high[i] - 1);
      axes[i] = range(random);
    }
    if (std::fabs(axes[4]) < 1.0) continue;  // wrist singularity: axes 4 and 6 not separable
    Transform flange = arm.Forward(axes);
    Status status = arm.StatusOf(axes);
    auto back = arm.Inverse(flange, {0, -90, 90, 0, 0, 0}, status.s, status.t);
    ASSERT_TRUE(back.has_value()) << n;
    for (size_t i = 0; i < 6; ++i) EXPECT_NEAR((*back)[i], axes[i], 1e-6) << n << " axis " << i;
    auto nearest = arm.Inverse(flange, axes, std::nullopt, std::nullopt);
    ASSERT_TRUE(nearest.has_value());
    EXPECT_LT(PoseDistance(arm.Forward(*nearest), flange), 1e-6);
    for (size_t i = 0; i < 6; ++i) EXPECT_NEAR((*nearest)[i], axes[i], 1e-6);
    ++checked;
  }
  EXPECT_GT(checked, 1900);
}

TEST(ArmKinematicsTest, EverySolutionReachesThePose) {
  ArmKinematics arm(ArmGeometry{}, AxisLimits{{-180, -180, -180, -180, -180, -180},
                                              {180, 180, 180, 180, 180, 180}});
  Axes axes{20, -70, 100, 30, 40, 50};
  Transform flange = arm.Forward(axes);
  int found = 0;
  for (int s = 0; s < 8; ++s) {
    auto solution = arm.Inverse(flange, axes, s, std::nullopt);
    if (!solution) continue;
    ++found;
    EXPECT_EQ(arm.StatusOf(*solution).s, s);
    EXPECT_LT(PoseDistance(arm.Forward(*solution), flange), 1e-6) << "S " << s;
  }
  EXPECT_EQ(found, 8);
}

TEST(ArmKinematicsTest, WristSingularityKeepsAxisFour) {
  ArmKinematics arm;
  Axes axes{10, -80, 95, 0, 0, 30};
  auto back = arm.Inverse(arm.Forward(axes), {0, -90, 90, 25, 0, 0}, std::nullopt, std::nullopt);
  ASSERT_TRUE(back.has_value());
  EXPECT_NEAR((*back)[3], 25.0, 1e-9);
  EXPECT_LT(PoseDistance(arm.Forward(*back), arm.Forward(axes)), 1e-6);
}

TEST(ArmKinematicsTest, UnreachableAndOutOfLimitPosesHaveNoSolution) {
  ArmKinematics arm;
  Transform far = Transform::Identity();
  far.translation() = Eigen::Vector3d(5000, 0, 500);
  EXPECT_FALSE(arm.Inverse(far, {0, -90, 90, 0, 0, 0}, std::nullopt, std::nullopt));
  // Reachable, but only with axis 1 beyond its limit of 170 degrees.
  ArmKinematics wide(ArmGeometry{}, AxisLimits{{-180, -190, -120, -185, -120, -350},
                                               {180, 45, 156, 185, 120, 350}});
  Transform behind = wide.Forward({175, -90, 90, 0, 30, 0});
  EXPECT_FALSE(arm.Inverse(behind, {0, -90, 90, 0, 0, 0}, 0, std::nullopt));
}

}  // namespace
}  // namespace velmora::sim

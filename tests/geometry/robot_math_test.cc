#include "geometry/robotmath/robot_math.h"

#include <random>

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr double kEps = 1e-9;

std::vector<Frame> RandomPoses(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> mm(-2000, 2000), deg(-180, 180), pitch(-90, 90);
  std::vector<Frame> poses;
  for (int i = 0; i < count; ++i)
    poses.push_back({mm(random), mm(random), mm(random), deg(random), pitch(random), deg(random)});
  poses.push_back({100, 200, 300, 0, 90, 0});  // on the singularity
  poses.push_back({-5, 0, 12, 45, -90, 30});
  return poses;
}

Frame Base(Frame p, const Frame& o) {
  ShiftInBase(0, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y, p.z, p.a, p.b, p.c);
  return p;
}
Frame Tool(Frame p, const Frame& o) {
  ShiftInTool(0, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y, p.z, p.a, p.b, p.c);
  return p;
}
Frame World(int mode, const Frame& b, Frame p, const Frame& o) {
  ShiftInWorld(mode, b.x, b.y, b.z, b.a, b.b, b.c, o.x, o.y, o.z, o.a, o.b, o.c, p.x, p.y, p.z, p.a,
               p.b, p.c);
  return p;
}

TEST(RobotMathTest, ZeroOffsetChangesNoPose) {
  const Frame zero;
  for (const Frame& p : RandomPoses(50, 1)) {
    EXPECT_TRUE(Equal(Base(p, zero), p, kEps));
    EXPECT_TRUE(Equal(Tool(p, zero), p, kEps));
    for (int mode : {-1, 0, 1})
      EXPECT_TRUE(Equal(World(mode, {10, 20, 30, 40, 50, 60}, p, zero), p, kEps));
  }
}

TEST(RobotMathTest, BaseTranslationAddsAndKeepsTheOrientationValues) {
  for (const Frame& p : RandomPoses(20, 2)) {
    Frame q = Base(p, {10, 0, 0, 0, 0, 0});
    EXPECT_NEAR(q.x, p.x + 10, kEps);
    EXPECT_NEAR(q.y, p.y, kEps);
    EXPECT_NEAR(q.z, p.z, kEps);
    EXPECT_EQ(q.a, p.a);
    EXPECT_EQ(q.b, p.b);
    EXPECT_EQ(q.c, p.c);
  }
}

TEST(RobotMathTest, BaseRotationTurnsAboutThePointItself) {
  Frame q = Base({100, 200, 300, 0, 0, 0}, {0, 0, 0, 90, 0, 0});
  EXPECT_TRUE(Equal(q, {100, 200, 300, 90, 0, 0}, kEps));
  // About base-parallel axes: a tool pointing down (C 180) turned 90 degrees about base Z keeps
  // pointing down.
  q = Base({0, 0, 0, 0, 0, 180}, {0, 0, 0, 90, 0, 0});
  EXPECT_TRUE(Equal(q, {0, 0, 0, 90, 0, 180}, kEps));
}

TEST(RobotMathTest, BaseShiftThenInverseReturnsThePose) {
  std::vector<Frame> offsets = RandomPoses(10, 3);
  std::vector<Frame> poses = RandomPoses(10, 4);
  for (const Frame& o : offsets) {
    Eigen::Vector3d back = AbcFromRotation(RotationFromAbc(o.a, o.b, o.c).transpose());
    Frame inverse{-o.x, -o.y, -o.z, back[0], back[1], back[2]};
    for (const Frame& p : poses) EXPECT_TRUE(Equal(Base(Base(p, o), inverse), p, 1e-8));
  }
}

TEST(RobotMathTest, ToolShiftMovesAlongTheToolAxes) {
  const double h = 10 * std::sqrt(0.5);
  struct Row {
    Frame point;
    double dx, dy, dz;  // hand-computed direction of the tool z axis, times 10
  } rows[] = {
      {{100, 200, 300, 0, 0, 0}, 0, 0, 10},    {{100, 200, 300, 0, 90, 0}, 10, 0, 0},
      {{100, 200, 300, 0, -90, 0}, -10, 0, 0}, {{100, 200, 300, 0, 180, 0}, 0, 0, -10},
      {{100, 200, 300, 90, 0, 90}, 10, 0, 0},  {{100, 200, 300, 45, 0, 90}, h, -h, 0},
      {{100, 200, 300, 0, 0, -90}, 0, 10, 0},
  };
  for (const Row& row : rows) {
    Frame p = row.point;
    Frame q = Tool(p, {0, 0, 10, 0, 0, 0});
    Frame expected{p.x + row.dx, p.y + row.dy, p.z + row.dz, p.a, p.b, p.c};
    EXPECT_TRUE(Equal(q, expected, kEps)) << p.a << " " << p.b << " " << p.c;
  }
  // A tool rotation composes on the right: about the tool's own x axis.
  Frame q = Tool({0, 0, 0, 90, 0, 0}, {0, 0, 0, 0, 0, 30});
  EXPECT_TRUE(Equal(q, {0, 0, 0, 90, 0, 30}, kEps));
}

TEST(RobotMathTest, WorldShiftWithNullBaseEqualsBaseShift) {
  for (const Frame& o : RandomPoses(5, 5)) {
    for (const Frame& p : RandomPoses(10, 6)) {
      EXPECT_TRUE(Equal(World(0, {}, p, o), Base(p, o), kEps));
      EXPECT_TRUE(Equal(World(-1, {}, p, o), Base(p, o), kEps));
    }
  }
}

TEST(RobotMathTest, WorldShiftIsMeantInWorldAxes) {
  // Base turned 90 degrees about Z: world +X is base -Y.
  EXPECT_TRUE(Equal(World(0, {500, 0, 0, 90, 0, 0}, {100, 0, 0, 0, 0, 0}, {10, 0, 0, 0, 0, 0}),
                    {100, -10, 0, 0, 0, 0}, kEps));
  // #TCP: the point is the fixed tool seen from the carried workpiece; the workpiece moves +10 in
  // X, so the fixed tool comes 10 closer along the workpiece x axis.
  EXPECT_TRUE(
      Equal(World(1, {}, {100, 0, 0, 0, 0, 0}, {10, 0, 0, 0, 0, 0}), {90, 0, 0, 0, 0, 0}, kEps));
  // Shifting back in world returns the point in both modes.
  for (int mode : {0, 1}) {
    for (const Frame& p : RandomPoses(10, 7)) {
      Frame base{100, -300, 50, 30, 10, -20};
      Frame there = World(mode, base, p, {12, -7, 3, 0, 0, 0});
      EXPECT_TRUE(Equal(World(mode, base, there, {-12, 7, -3, 0, 0, 0}), p, 1e-8));
    }
  }
}

TEST(RobotMathTest, FrameFromPointsReturnsTheMeasuredFrame) {
  for (const Frame& f : RandomPoses(20, 8)) {
    Transform t = ToTransform(f);
    Eigen::Vector3d p1 = t * Eigen::Vector3d(0, 0, 0);
    Eigen::Vector3d p2 = t * Eigen::Vector3d(250, 0, 0);
    Eigen::Vector3d p3 = t * Eigen::Vector3d(-40, 300, 0);
    Frame r;
    ASSERT_TRUE(FrameFromPoints(p1.x(), p1.y(), p1.z(), 1, 2, 3, p2.x(), p2.y(), p2.z(), 4, 5, 6,
                                p3.x(), p3.y(), p3.z(), 7, 8, 9, r.x, r.y, r.z, r.a, r.b, r.c));
    EXPECT_TRUE(Equal(r, f, 1e-8));
  }
}

TEST(RobotMathTest, FrameFromPointsRefusesDegeneratePoints) {
  const double rows[][9] = {
      {0, 0, 0, 0.001, 0, 0, 0, 100, 0},  // P1 = P2
      {0, 0, 0, 100, 0, 0, 200, 0, 0},    // on a line
      {0, 0, 0, 100, 0, 0, 100, 0, 0},    // P2 = P3
  };
  for (const auto& r : rows) {
    Frame f{1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(FrameFromPoints(r[0], r[1], r[2], 0, 0, 0, r[3], r[4], r[5], 0, 0, 0, r[6], r[7],
                                 r[8], 0, 0, 0, f.x, f.y, f.z, f.a, f.b, f.c));
    EXPECT_EQ(f.x, 1);
    EXPECT_EQ(f.c, 6);
  }
}

}  // namespace
}  // namespace velmora

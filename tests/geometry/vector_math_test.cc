#include "geometry/vector_math.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "geometry/circle.h"

namespace velmora {
namespace {

TEST(VectorMathTest, FrameToMatrixEdgeCases) {
  EXPECT_TRUE(FrameToMatrix(0, 0, 0).isApprox(Mat3::Identity()));
  Mat3 m = FrameToMatrix(90, 0, 0);
  EXPECT_LT((m.col(0) - Vec3(0, 1, 0)).norm(), 1e-12);  // x axis onto the parent y axis
  for (auto [a, c] : {std::pair{0.0, 0.0}, {35.0, -120.0}, {-170.0, 44.0}}) {
    m = FrameToMatrix(a, 90, c);
    EXPECT_NEAR(m(2, 0), -1, 1e-12);
    EXPECT_NEAR(m(2, 1), 0, 1e-12);
    EXPECT_NEAR(m(2, 2), 0, 1e-12);
  }
}

TEST(VectorMathTest, ProductsAndLengths) {
  Vec3 a(1, 2, 3), b(-2, 0.5, 4);
  EXPECT_DOUBLE_EQ(skalprod(a, b), -2 + 1 + 12);
  EXPECT_DOUBLE_EQ(vecnorm(Vec3(3, 4, 12)), 13);
  EXPECT_EQ(VectorProduct(Vec3(1, 0, 0), Vec3(0, 1, 0)), Vec3(0, 0, 1));
  Vec3 d;
  EXPECT_DOUBLE_EQ(VectorBetween(Vec3(1, 1, 1), Vec3(4, 5, 1), d), 5);
  EXPECT_EQ(d, Vec3(3, 4, 0));
  Mat3 p = FrameToMatrix(10, 20, 30), q = FrameToMatrix(-40, 5, 60);
  EXPECT_TRUE(MatrixProduct(p, q).isApprox(FrameToMatrix(10, 20, 30) * q));
}

TEST(VectorMathTest, NormalizeLeavesShortVectorsNearZero) {
  Vec3 v(3, 0, 4);
  NormalizeVector(v);
  EXPECT_TRUE(v.isApprox(Vec3(0.6, 0, 0.8)));
  Vec3 tiny(0.00005, 0, 0);
  NormalizeVector(tiny);
  EXPECT_NEAR(tiny.x(), 0.0000000025, 1e-20);
}

TEST(VectorMathTest, CompleteYAxisMakesTheFrameRightHanded) {
  Mat3 m = FrameToMatrix(30, 40, 50);
  m.col(1).setZero();
  CompleteYAxis(m);
  EXPECT_TRUE(m.isApprox(FrameToMatrix(30, 40, 50)));
}

TEST(VectorMathTest, NearlyParallelMeansSineAtMostOnePercent) {
  EXPECT_TRUE(IsNearlyParallel(Vec3(1, 0, 0), Vec3(-5, 0.04, 0)));
  EXPECT_FALSE(IsNearlyParallel(Vec3(1, 0, 0), Vec3(1, 0.02, 0)));
  EXPECT_TRUE(IsNearlyParallel(Vec3(0, 0, 0), Vec3(1, 2, 3)));
}

TEST(VectorMathTest, AngleFromRatio) {
  EXPECT_EQ(AngleFromRatio(0.0001, 0.0001), 0);
  EXPECT_NEAR(AngleFromRatio(1, -1), -45, 1e-12);
  EXPECT_NEAR(AngleFromRatio(-1, 1), -45, 1e-12);
  EXPECT_NEAR(AngleFromRatio(1, 1), 45, 1e-12);
  EXPECT_EQ(AngleFromRatio(2, 0), 90);
  EXPECT_EQ(AngleFromRatio(-2, 0), -90);
}

TEST(CircleCentreTest, ResultsAndMessages) {
  struct Row {
    Vec3 s, h, z;
    std::string code;
  } rows[] = {
      {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, "KREIS_OK"},
      {{0, 0, 0}, {0, 0, 0}, {0.005, 0, 0}, "KREIS_START_GLEICH_ZIEL"},
      {{0, 0, 0}, {0.005, 0, 0}, {10, 0, 0}, "KREIS_START_GLEICH_HILF"},
      {{0, 0, 0}, {10, 0, 0}, {10, 0.005, 0}, "KREIS_HILF_GLEICH_ZIEL"},
      {{0, 0, 0}, {5, 5, 5}, {10, 10, 10}, "KREIS_IST_GERADE"},
  };
  for (const Row& row : rows) {
    AppContext context;
    Vec3 centre(7, 7, 7);
    EXPECT_EQ(CircleCentre(row.s, row.h, row.z, centre, context), row.code);
    if (row.code == "KREIS_OK") {
      EXPECT_LT(centre.norm(), 1e-12);
      EXPECT_TRUE(context.messages.lines().empty());
    } else {
      EXPECT_EQ(centre, Vec3(7, 7, 7));
      ASSERT_FALSE(context.messages.lines().empty());
      const MessageLine& line = context.messages.lines().back();
      EXPECT_EQ(line.message_no, "351");
      EXPECT_EQ(line.result, context.AssistantText(row.code));
    }
  }
}

TEST(CircleCentreTest, CentreIsEquidistantOnATiltedArc) {
  AppContext context;
  Vec3 c(100, -50, 30);
  Mat3 r = FrameToMatrix(20, 35, -70);
  auto on_circle = [&](double deg) {
    double t = deg * M_PI / 180;
    return Vec3(c + r * Vec3(80 * std::cos(t), 80 * std::sin(t), 0));
  };
  Vec3 centre;
  ASSERT_EQ(CircleCentre(on_circle(10), on_circle(100), on_circle(250), centre, context),
            "KREIS_OK");
  EXPECT_LT((centre - c).norm(), 1e-9);
}

}  // namespace
}  // namespace velmora

#include "geometry/vector_math.h"

#include <cmath>

#include "geometry/frame.h"

namespace velmora {
namespace {

constexpr double kShortestNormalised = 0.0001;
constexpr double kAngleLegZero = 0.00011;
constexpr double kParallelSine = 0.01;

}  // namespace

Mat3 FrameToMatrix(double a, double b, double c) {
  double ca = std::cos(DegToRad(a)), sa = std::sin(DegToRad(a));
  double cb = std::cos(DegToRad(b)), sb = std::sin(DegToRad(b));
  double cc = std::cos(DegToRad(c)), sc = std::sin(DegToRad(c));
  Mat3 m;
  m << cb * ca, ca * sb * sc - sa * cc, ca * sb * cc + sc * sa,  //
      cb * sa, sc * sb * sa + ca * cc, cc * sb * sa - ca * sc,   //
      -sb, cb * sc, cb * cc;
  return m;
}

Mat3 MatrixProduct(const Mat3& p, const Mat3& q) {
  return p * q;
}

double skalprod(const Vec3& a, const Vec3& b) {
  return a.dot(b);
}

double vecnorm(const Vec3& a) {
  return a.norm();
}

void NormalizeVector(Vec3& v) {
  double n = vecnorm(v);
  v *= n >= kShortestNormalised ? 1.0 / n : n;
}

double VectorBetween(const Vec3& p, const Vec3& q, Vec3& d) {
  d = q - p;
  return vecnorm(d);
}

Vec3 VectorProduct(const Vec3& a, const Vec3& b) {
  return a.cross(b);
}

void CompleteYAxis(Mat3& m) {
  m.col(1) = VectorProduct(m.col(2), m.col(0));
}

bool IsNearlyParallel(const Vec3& a, const Vec3& b) {
  return vecnorm(VectorProduct(a, b)) <= kParallelSine * vecnorm(a) * vecnorm(b);
}

double AngleFromRatio(double y, double x) {
  if (std::abs(x) < kAngleLegZero && std::abs(y) < kAngleLegZero) return 0.0;
  if (x == 0.0) return y > 0 ? 90.0 : -90.0;
  return RadToDeg(std::atan(y / x));
}

}  // namespace velmora

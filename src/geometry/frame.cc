#include "geometry/frame.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// Below this cos(B) the orientation counts as singular and C is set to 0.
constexpr double kSingularCosB = 1e-12;

}  // namespace

Eigen::Matrix3d RotationFromAbc(double a, double b, double c) {
  return (Eigen::AngleAxisd(DegToRad(a), Eigen::Vector3d::UnitZ()) *
          Eigen::AngleAxisd(DegToRad(b), Eigen::Vector3d::UnitY()) *
          Eigen::AngleAxisd(DegToRad(c), Eigen::Vector3d::UnitX()))
      .toRotationMatrix();
}

Eigen::Vector3d AbcFromRotation(const Eigen::Matrix3d& r) {
  double cos_b = std::hypot(r(0, 0), r(1, 0));
  double b = std::atan2(-r(2, 0), cos_b);
  double c = cos_b < kSingularCosB ? 0.0 : std::atan2(r(2, 1), r(2, 2));
  // With c known, the first two rows give sin(A) and cos(A) whatever B is.
  double sc = std::sin(c), cc = std::cos(c);
  double a = std::atan2(sc * r(0, 2) - cc * r(0, 1), cc * r(1, 1) - sc * r(1, 2));
  // kPi is a hair below pi, so a half turn would read a hair beyond 180 degrees; a half turn
  // is always written +180.
  auto half_open = [](double deg) { return deg <= -180.0 || deg > 180.0 ? 180.0 : deg; };
  return {half_open(RadToDeg(a)), std::clamp(RadToDeg(b), -90.0, 90.0), half_open(RadToDeg(c))};
}

Transform ToTransform(const Frame& f) {
  Transform t = Transform::Identity();
  t.linear() = RotationFromAbc(f.a, f.b, f.c);
  t.translation() = Eigen::Vector3d(f.x, f.y, f.z);
  return t;
}

Frame ToFrame(const Transform& t) {
  Eigen::Vector3d abc = AbcFromRotation(t.linear());
  const Eigen::Vector3d& p = t.translation();
  return {p.x(), p.y(), p.z(), abc[0], abc[1], abc[2]};
}

Frame Compose(const Frame& p_q, const Frame& q_r) {
  return ToFrame(ToTransform(p_q) * ToTransform(q_r));
}

Frame Inverse(const Frame& p_q) {
  return ToFrame(ToTransform(p_q).inverse(Eigen::Isometry));
}

bool Equal(const Frame& f, const Frame& g, double eps) {
  Transform tf = ToTransform(f), tg = ToTransform(g);
  return (tf.translation() - tg.translation()).cwiseAbs().maxCoeff() <= eps &&
         (tf.linear() - tg.linear()).cwiseAbs().maxCoeff() <= eps;
}

}  // namespace velmora

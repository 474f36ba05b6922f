#include "sim/pose.h"

#include <cmath>
#include <numbers>

namespace velmora::sim {
namespace {

constexpr const char* kFrameNames[] = {"X", "Y", "Z", "A", "B", "C"};

}  // namespace

double Degrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}
double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

Transform ToTransform(const Frame& f) {
  Transform t = Transform::Identity();
  t.linear() = (Eigen::AngleAxisd(Radians(f[3]), Eigen::Vector3d::UnitZ()) *
                Eigen::AngleAxisd(Radians(f[4]), Eigen::Vector3d::UnitY()) *
                Eigen::AngleAxisd(Radians(f[5]), Eigen::Vector3d::UnitX()))
                   .toRotationMatrix();
  t.translation() = Eigen::Vector3d(f[0], f[1], f[2]);
  return t;
}

Frame ToFrame(const Transform& t) {
  const Eigen::Matrix3d& r = t.linear();
  double b = std::atan2(-r(2, 0), std::hypot(r(0, 0), r(1, 0)));
  double a, c;
  if (std::hypot(r(0, 0), r(1, 0)) < 1e-10) {
    c = 0.0;
    a = std::atan2(-r(0, 1), r(1, 1));
  } else {
    a = std::atan2(r(1, 0), r(0, 0));
    c = std::atan2(r(2, 1), r(2, 2));
  }
  const Eigen::Vector3d p = t.translation();
  return {p.x(), p.y(), p.z(), Degrees(a), Degrees(b), Degrees(c)};
}

std::optional<Frame> FrameOf(const Aggregate& value) {
  Frame frame{};
  for (size_t i = 0; i < 6; ++i) {
    const std::string* text = value.Find(kFrameNames[i]);
    if (!text) continue;
    auto number = ParseReal(*text);
    if (!number) return std::nullopt;
    frame[i] = *number;
  }
  return frame;
}

void SetFrame(Aggregate* value, const Frame& frame) {
  for (size_t i = 0; i < 6; ++i) value->Set(kFrameNames[i], FormatReal(frame[i]));
}

}  // namespace velmora::sim

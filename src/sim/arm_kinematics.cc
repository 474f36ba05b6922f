#include "sim/arm_kinematics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora::sim {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSingular = 1e-9;
constexpr double kLimitSlack = 1e-9;

// Angle in (-pi, pi].
double Wrap(double angle) {
  angle = std::remainder(angle, 2 * kPi);
  return angle <= -kPi ? angle + 2 * kPi : angle;
}

double WrapDegrees(double angle) {
  return Degrees(Wrap(Radians(angle)));
}

Eigen::Matrix3d Rz(double angle) {
  return Eigen::AngleAxisd(angle, Eigen::Vector3d::UnitZ()).matrix();
}
Eigen::Matrix3d Ry(double angle) {
  return Eigen::AngleAxisd(angle, Eigen::Vector3d::UnitY()).matrix();
}

// Joint angles of the closed form (radians) from axis angles (degrees) and back.
std::array<double, 6> Theta(const Axes& a) {
  return {Radians(a[0]), Radians(a[1] + 90.0), Radians(a[2]),
          Radians(a[3]), Radians(a[4]),        Radians(a[5])};
}

Axes AxesOf(const std::array<double, 6>& theta) {
  Axes a;
  for (size_t i = 0; i < 6; ++i) a[i] = Degrees(Wrap(theta[i]));
  a[1] = WrapDegrees(a[1] - 90.0);
  for (double& angle : a) {
    if (std::fabs(angle) < 1e-9) angle = 0.0;  // no -0.0 or rounding dust at zero
  }
  return a;
}

bool Acos(double x, double* angle) {
  if (x > 1.0 + 1e-9 || x < -1.0 - 1e-9) return false;
  *angle = std::acos(std::clamp(x, -1.0, 1.0));
  return true;
}

}  // namespace

Transform ArmKinematics::Forward(const Axes& axes) const {
  const auto& g = geometry_;
  const auto q = Theta(axes);
  const double psi3 = std::atan2(g.a2, g.c3);
  const double k = std::hypot(g.a2, g.c3);
  const double cx1 = g.c2 * std::sin(q[1]) + k * std::sin(q[1] + q[2] + psi3) + g.a1;
  const double cy1 = g.b;
  const double cz1 = g.c2 * std::cos(q[1]) + k * std::cos(q[1] + q[2] + psi3);
  const Eigen::Vector3d centre(cx1 * std::cos(q[0]) - cy1 * std::sin(q[0]),
                               cx1 * std::sin(q[0]) + cy1 * std::cos(q[0]), cz1 + g.c1);
  const Eigen::Matrix3d r = Rz(q[0]) * Ry(q[1] + q[2]) * Rz(q[3]) * Ry(q[4]) * Rz(q[5]);
  Transform flange = Transform::Identity();
  flange.linear() = r;
  flange.translation() = centre + g.c4 * r.col(2);
  return flange;
}

Status ArmKinematics::StatusOf(const Axes& axes) const {
  const auto& g = geometry_;
  const auto q = Theta(axes);
  const double psi3 = std::atan2(g.a2, g.c3);
  const double k = std::hypot(g.a2, g.c3);
  const double cx1 = g.c2 * std::sin(q[1]) + k * std::sin(q[1] + q[2] + psi3) + g.a1;
  Status status;
  if (cx1 < 0) status.s |= 1;
  if (Wrap(q[2] + psi3) >= 0) status.s |= 2;
  if (axes[4] < 0) status.s |= 4;
  for (int i = 0; i < 6; ++i) {
    if (axes[static_cast<size_t>(i)] < 0) status.t |= 1 << i;
  }
  return status;
}

std::vector<Axes> ArmKinematics::Solutions(const Transform& flange, const Axes& start) const {
  const auto& g = geometry_;
  const Eigen::Matrix3d& r = flange.linear();
  const Eigen::Vector3d c = flange.translation() - g.c4 * r.col(2);
  const double radial2 = c.x() * c.x() + c.y() * c.y() - g.b * g.b;
  if (radial2 < 0) return {};
  const double nx1 = std::sqrt(radial2) - g.a1;
  const double dz = c.z() - g.c1;
  const double s1_2 = nx1 * nx1 + dz * dz;
  const double s2_2 = (nx1 + 2 * g.a1) * (nx1 + 2 * g.a1) + dz * dz;
  const double k2 = g.a2 * g.a2 + g.c3 * g.c3;
  const double k = std::sqrt(k2);
  const double s1 = std::sqrt(s1_2);
  const double s2 = std::sqrt(s2_2);
  const double psi3 = std::atan2(g.a2, g.c3);
  const double base = std::atan2(c.y(), c.x());
  const double lateral = std::atan2(g.b, nx1 + g.a1);
  const double t1_front = base - lateral;
  const double t1_back = base + lateral - kPi;

  struct Arm {
    double t1, t2, t3;
  };
  std::vector<Arm> arms;
  double d, e;
  if (s1 > 0 && Acos((s1_2 + g.c2 * g.c2 - k2) / (2 * s1 * g.c2), &d) &&
      Acos((s1_2 - g.c2 * g.c2 - k2) / (2 * g.c2 * k), &e)) {
    const double tilt = std::atan2(nx1, dz);
    arms.push_back({t1_front, -d + tilt, e - psi3});
    arms.push_back({t1_front, d + tilt, -e - psi3});
  }
  if (s2 > 0 && Acos((s2_2 + g.c2 * g.c2 - k2) / (2 * s2 * g.c2), &d) &&
      Acos((s2_2 - g.c2 * g.c2 - k2) / (2 * g.c2 * k), &e)) {
    const double tilt = std::atan2(nx1 + 2 * g.a1, dz);
    arms.push_back({t1_back, -d - tilt, e - psi3});
    arms.push_back({t1_back, d - tilt, -e - psi3});
  }

  const auto start_theta = Theta(start);
  std::vector<Axes> solutions;
  for (const Arm& arm : arms) {
    const Eigen::Matrix3d w = (Rz(arm.t1) * Ry(arm.t2 + arm.t3)).transpose() * r;
    const double sin5 = std::hypot(w(0, 2), w(1, 2));
    if (sin5 < kSingular) {
      // Axes 4 and 6 in line: keep axis 4 where it stands and turn axis 6 for the rest.
      const double t4 = start_theta[3];
      if (w(2, 2) > 0) {
        solutions.push_back(
            AxesOf({arm.t1, arm.t2, arm.t3, t4, 0.0, std::atan2(w(1, 0), w(0, 0)) - t4}));
      } else {
        solutions.push_back(
            AxesOf({arm.t1, arm.t2, arm.t3, t4, kPi, t4 - std::atan2(-w(1, 0), -w(0, 0))}));
      }
      continue;
    }
    const double t5 = std::atan2(sin5, w(2, 2));
    const double t4 = std::atan2(w(1, 2), w(0, 2));
    const double t6 = std::atan2(w(2, 1), -w(2, 0));
    solutions.push_back(AxesOf({arm.t1, arm.t2, arm.t3, t4, t5, t6}));
    solutions.push_back(AxesOf({arm.t1, arm.t2, arm.t3, t4 + kPi, -t5, t6 + kPi}));
  }
  return solutions;
}

std::optional<Axes> ArmKinematics::Inverse(const Transform& flange, const Axes& start,
                                           std::optional<int> s, std::optional<int> t) const {
  std::optional<Axes> best;
  double best_distance = std::numeric_limits<double>::infinity();
  for (const Axes& solution : Solutions(flange, start)) {
    Axes chosen;
    bool valid = true;
    for (size_t i = 0; i < 6 && valid; ++i) {
      double nearest = std::numeric_limits<double>::quiet_NaN();
      for (int turns = -2; turns <= 2; ++turns) {
        const double angle = solution[i] + 360.0 * turns;
        if (angle < limits_.low[i] - kLimitSlack || angle > limits_.high[i] + kLimitSlack) continue;
        // An angle at 0 (within rounding) satisfies either sign of the turn.
        if (t && std::fabs(angle) > kLimitSlack && ((*t >> i & 1) != 0) != (angle < 0)) continue;
        if (std::isnan(nearest) || std::fabs(angle - start[i]) < std::fabs(nearest - start[i]))
          nearest = angle;
      }
      valid = !std::isnan(nearest);
      chosen[i] = nearest;
    }
    if (!valid) continue;
    if (s && StatusOf(chosen).s != (*s & 7)) continue;
    double distance = 0;
    for (size_t i = 0; i < 6; ++i) distance += (chosen[i] - start[i]) * (chosen[i] - start[i]);
    if (distance < best_distance) {
      best_distance = distance;
      best = chosen;
    }
  }
  return best;
}

}  // namespace velmora::sim

#pragma once
// The simulated robot: six axes, an offset shoulder and a spherical wrist (the ortho-parallel
// arm of most industrial robots), solved in closed form.
//
// Geometry (millimetres): c1 the height of the shoulder (axis 2) above the base, a1 the
// shoulder's offset from axis 1, b a lateral offset, c2 the upper arm, a2 the elbow offset,
// c3 the forearm up to the wrist centre, c4 wrist centre to flange.
//
// Axis angles in degrees. With A2 = -90 the upper arm stands upright; A3 = 0 continues it in a
// straight line and A3 = 90 turns the forearm forward, level; A5 = 0 aligns the flange with
// the forearm. At A = (0, -90, 90, 0, 0, 0) the flange points along +X of the base.
//
// Status S (what the position alone leaves open):
//   bit 0  1 when the wrist centre lies behind axis 1 (overhead area)
//   bit 1  1 when the elbow is up, the usual way (A3 plus the elbow-offset angle at or above
//          0); 0 with the elbow bent the other way
//   bit 2  1 when A5 < 0 (wrist flipped)
// Turn T: bit i-1 is 1 when axis i stands below 0 degrees.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sim/pose.h"

namespace velmora::sim {

using Axes = std::array<double, 6>;  // A1..A6 in degrees

struct ArmGeometry {
  double a1 = 350.0;
  double a2 = -41.0;
  double b = 0.0;
  double c1 = 675.0;
  double c2 = 1150.0;
  double c3 = 1200.0;
  double c4 = 215.0;
};

struct AxisLimits {
  Axes low{-170, -190, -120, -185, -120, -350};
  Axes high{170, 45, 156, 185, 120, 350};
};

struct Status {
  int s = 0;
  int t = 0;
};

class ArmKinematics {
 public:
  ArmKinematics() = default;
  ArmKinematics(ArmGeometry geometry, AxisLimits limits) : geometry_(geometry), limits_(limits) {}

  // The flange in the robot's base frame.
  Transform Forward(const Axes& axes) const;
  Status StatusOf(const Axes& axes) const;

  // The axis angles that put the flange at `flange`, within the limits: with S given only
  // that configuration, with T given only those signs; of the rest the one nearest `start`.
  // nullopt when no such solution exists.
  std::optional<Axes> Inverse(const Transform& flange, const Axes& start, std::optional<int> s,
                              std::optional<int> t) const;

  const ArmGeometry& geometry() const { return geometry_; }
  const AxisLimits& limits() const { return limits_; }
  void set_limits(const AxisLimits& limits) { limits_ = limits; }

 private:
  // Every closed-form solution (up to eight), as angles in (-180, 180].
  std::vector<Axes> Solutions(const Transform& flange, const Axes& start) const;

  ArmGeometry geometry_;
  AxisLimits limits_;
};

}  // namespace velmora::sim

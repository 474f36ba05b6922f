#pragma once
// Frames of the simulated controller. A frame is X, Y, Z in millimetres and A, B, C in degrees
// with the orientation R = Rz(A)·Ry(B)·Rx(C); as a homogeneous transform F_P_Q it places frame Q
// in frame P, and the frame operator ":" composes left to right: (F_P_Q : F_Q_R) = F_P_R.
// Degrees at the edges, radians inside. At B = ±90° (gimbal lock) C is reported as 0 and the
// whole turn about Z goes to A.
#include <array>
#include <optional>

#include <Eigen/Geometry>

#include "sim/aggregate.h"

namespace velmora::sim {

using Transform = Eigen::Isometry3d;
using Frame = std::array<double, 6>;  // X, Y, Z, A, B, C

Transform ToTransform(const Frame& frame);
Frame ToFrame(const Transform& transform);

// X..C of an aggregate (missing components read as 0); nullopt if one is not a number.
std::optional<Frame> FrameOf(const Aggregate& value);
// Writes X..C into the aggregate, keeping its other components (S, T, E1..).
void SetFrame(Aggregate* value, const Frame& frame);

double Degrees(double radians);
double Radians(double degrees);

}  // namespace velmora::sim

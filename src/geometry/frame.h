#pragma once
// Frames and orientations. This header states the convention once; every other comment on
// Cartesian values in Velmora points here.
//
// Values. A frame is X, Y, Z in millimetres and A, B, C in degrees. A turns about Z, B about Y,
// C about X, applied from the parent side: the orientation matrix is R = Rz(A) * Ry(B) * Rx(C).
// Column k of R is the unit vector of the frame's axis k (0 x, 1 y, 2 z) expressed in the parent
// frame. Every position value of a program (E6POS, E3POS, POS, FRAME) follows this convention.
//
// Which frame. F_P_Q names frame Q expressed in frame P. Frames compose left to right, like the
// robot language's ":" operator, so that F_W_T = F_W_B : F_B_T reads right (`Compose`, or `*` on
// Transforms). A taught point is F_BASE_TCP, its tool frame in its base frame; a base table entry
// is F_WORLD_BASE; a tool table entry is F_FLANGE_TOOL.
//
// Units. Degrees at the edges (program texts, the screen, the robot-math argument lists), radians
// inside (Eigen). Degrees become radians by multiplying by kPi and dividing by 180.
//
// From a matrix back to angles: B = atan2(-r20, hypot(r00, r10)) lies in [-90, 90]; A and C lie
// in (-180, 180]. At the singularity |B| = 90 only C - A (B = 90) or C + A (B = -90) is defined:
// there C is 0 and A carries the whole turn. Near it, C is read from r21, r22 and A solved with
// that C, so the three angles rebuild the matrix to rounding even a hair away from +-90.
#include <Eigen/Geometry>

namespace velmora {

// The value of pi with which program values have always been turned into radians.
inline constexpr double kPi = 3.14159265358979;

inline double DegToRad(double degrees) {
  return degrees * kPi / 180.0;
}
inline double RadToDeg(double radians) {
  return radians * 180.0 / kPi;
}

struct Frame {
  double x = 0, y = 0, z = 0;  // mm
  double a = 0, b = 0, c = 0;  // degrees
};

using Transform = Eigen::Isometry3d;

// R = Rz(a) * Ry(b) * Rx(c), angles in degrees.
Eigen::Matrix3d RotationFromAbc(double a, double b, double c);
// (A, B, C) in degrees of a rotation matrix, with the singularity rule above.
Eigen::Vector3d AbcFromRotation(const Eigen::Matrix3d& r);

Transform ToTransform(const Frame& f);
Frame ToFrame(const Transform& t);

// F_P_R = F_P_Q : F_Q_R.
Frame Compose(const Frame& p_q, const Frame& q_r);
// F_Q_P from F_P_Q.
Frame Inverse(const Frame& p_q);

// Same place and same orientation (as matrices, so {A 90, B 90, C 180} equals {A 0, B 90, C 90}).
bool Equal(const Frame& f, const Frame& g, double eps);

}  // namespace velmora

#include "geometry/robotmath/robot_math.h"

#include <cmath>

namespace velmora {
namespace {

constexpr double kCoincident = 0.01;  // mm
constexpr double kCollinearSine = 1e-6;

double Rounded(double v) {
  if (std::abs(v) >= 1e6) return v;
  double r = std::round(v * 1e9) / 1e9;
  return r == 0.0 ? 0.0 : r;  // no "-0"
}

bool HasRotation(const Frame& f) {
  return f.a != 0.0 || f.b != 0.0 || f.c != 0.0;
}

// A pose shifted in the axes of the frame it is expressed in (see ShiftInBase).
Transform ShiftedInParentAxes(const Transform& pose, const Transform& offset) {
  Transform out = pose;
  out.translation() += offset.translation();
  out.linear() = offset.linear() * pose.linear();
  return out;
}

Frame Unpack(double x, double y, double z, double a, double b, double c) {
  return {x, y, z, a, b, c};
}

void Pack(const Frame& f, double& x, double& y, double& z, double& a, double& b, double& c) {
  x = f.x;
  y = f.y;
  z = f.z;
  a = f.a;
  b = f.b;
  c = f.c;
}

}  // namespace

Frame RoundedFrame(const Frame& f) {
  return {Rounded(f.x), Rounded(f.y), Rounded(f.z), Rounded(f.a), Rounded(f.b), Rounded(f.c)};
}

Frame ShiftFrameInBase(const Frame& point, const Frame& offset) {
  Frame out = point;
  out.x = Rounded(point.x + offset.x);
  out.y = Rounded(point.y + offset.y);
  out.z = Rounded(point.z + offset.z);
  if (HasRotation(offset)) {
    Eigen::Vector3d abc = AbcFromRotation(RotationFromAbc(offset.a, offset.b, offset.c) *
                                          RotationFromAbc(point.a, point.b, point.c));
    out.a = Rounded(abc[0]);
    out.b = Rounded(abc[1]);
    out.c = Rounded(abc[2]);
  }
  return out;
}

Frame ShiftFrameInTool(const Frame& point, const Frame& offset) {
  return RoundedFrame(ToFrame(ToTransform(point) * ToTransform(offset)));
}

Frame ShiftFrameInWorld(int32_t mode, const Frame& base, const Frame& offset, const Frame& point) {
  Transform world_base = ToTransform(base);
  Transform shift = ToTransform(offset);
  if (mode == kIpoTcp) {
    Transform workpiece = world_base * ToTransform(point).inverse(Eigen::Isometry);
    Transform moved = ShiftedInParentAxes(workpiece, shift);
    return RoundedFrame(ToFrame(moved.inverse(Eigen::Isometry) * world_base));
  }
  Transform tool = world_base * ToTransform(point);
  Transform moved = ShiftedInParentAxes(tool, shift);
  return RoundedFrame(ToFrame(world_base.inverse(Eigen::Isometry) * moved));
}

bool FrameFromThreePoints(const Eigen::Vector3d& p1, const Eigen::Vector3d& p2,
                          const Eigen::Vector3d& p3, Frame* frame) {
  Eigen::Vector3d u = p2 - p1, v = p3 - p1;
  if (u.norm() < kCoincident || v.norm() < kCoincident || (p3 - p2).norm() < kCoincident)
    return false;
  Eigen::Vector3d n = u.cross(v);
  if (n.norm() <= kCollinearSine * u.norm() * v.norm()) return false;
  Transform t = Transform::Identity();
  Eigen::Vector3d x = u.normalized();
  Eigen::Vector3d z = n.normalized();
  t.linear().col(0) = x;
  t.linear().col(1) = z.cross(x);
  t.linear().col(2) = z;
  t.translation() = p1;
  *frame = RoundedFrame(ToFrame(t));
  return true;
}

void ShiftInBase(int32_t /*mode*/, double ox, double oy, double oz, double oa, double ob, double oc,
                 double& x, double& y, double& z, double& a, double& b, double& c) {
  Pack(ShiftFrameInBase(Unpack(x, y, z, a, b, c), {ox, oy, oz, oa, ob, oc}), x, y, z, a, b, c);
}

void ShiftInTool(int32_t /*mode*/, double ox, double oy, double oz, double oa, double ob, double oc,
                 double& x, double& y, double& z, double& a, double& b, double& c) {
  Pack(ShiftFrameInTool(Unpack(x, y, z, a, b, c), {ox, oy, oz, oa, ob, oc}), x, y, z, a, b, c);
}

void ShiftInWorld(int32_t mode, double bx, double by, double bz, double ba, double bb, double bc,
                  double ox, double oy, double oz, double oa, double ob, double oc, double& x,
                  double& y, double& z, double& a, double& b, double& c) {
  Pack(ShiftFrameInWorld(mode, {bx, by, bz, ba, bb, bc}, {ox, oy, oz, oa, ob, oc},
                         Unpack(x, y, z, a, b, c)),
       x, y, z, a, b, c);
}

bool FrameFromPoints(double x1, double y1, double z1, double /*a1*/, double /*b1*/, double /*c1*/,
                     double x2, double y2, double z2, double /*a2*/, double /*b2*/, double /*c2*/,
                     double x3, double y3, double z3, double /*a3*/, double /*b3*/, double /*c3*/,
                     double& rx, double& ry, double& rz, double& ra, double& rb, double& rc) {
  Frame f;
  if (!FrameFromThreePoints({x1, y1, z1}, {x2, y2, z2}, {x3, y3, z3}, &f)) return false;
  Pack(f, rx, ry, rz, ra, rb, rc);
  return true;
}

}  // namespace velmora

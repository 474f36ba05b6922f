#pragma once
// The robot-math routines: pose shifts and the three-point frame. Values follow
// geometry/frame.h (mm, degrees, R = Rz*Ry*Rx, frames composed left to right). The argument lists
// are the fixed ones of the shift commands: a mode, the frames as six doubles by value, the point
// as six doubles overwritten in place. Nothing is returned and nothing fails; a result is rounded
// to 1e-9 (mm or degrees) so that an exact input gives an exact text back.
//
// Mode: the point's interpolation mode, 0 "#BASE" (tool on the flange, base fixed in the cell),
// 1 "#TCP" (tool fixed in the cell, base carried by the robot), -1 anything else (taken as 0).
#include <cstdint>

#include "geometry/frame.h"

namespace velmora {

inline constexpr int32_t kIpoBase = 0;
inline constexpr int32_t kIpoTcp = 1;

// The offset is meant in the axes of the point's base. Its translation is added to the point's
// X, Y, Z; its rotation turns the orientation about base-parallel axes through the point itself,
// R' = R_offset * R, so a correction by a few degrees does not move the point. The mode does not
// enter: the numbers are shifted in the frame they are expressed in. An offset without rotation
// leaves A, B, C exactly as they were.
void ShiftInBase(int32_t mode, double ox, double oy, double oz, double oa, double ob, double oc,
                 double& x, double& y, double& z, double& a, double& b, double& c);

// The offset is a frame in the point's own tool system: P' = P : O.
void ShiftInTool(int32_t mode, double ox, double oy, double oz, double oa, double ob, double oc,
                 double& x, double& y, double& z, double& a, double& b, double& c);

// The offset is meant in world axes; the point is given in the base frame (bx..bc, F_WORLD_BASE)
// and is returned in it. What moves is what the robot carries:
//  - #BASE (and -1): the tool. Its world pose Base : P is shifted as ShiftInBase shifts a point
//    (translation in world axes, rotation about world-parallel axes through the TCP), then
//    expressed in the base again. With a null base frame this equals ShiftInBase.
//  - #TCP: the workpiece frame on the flange. The point is the fixed tool seen from the
//    workpiece, so the workpiece stands at Base : P^-1 in the world; that frame is shifted the
//    same way and the point becomes (shifted workpiece)^-1 : Base.
void ShiftInWorld(int32_t mode, double bx, double by, double bz, double ba, double bb, double bc,
                  double ox, double oy, double oz, double oa, double ob, double oc, double& x,
                  double& y, double& z, double& a, double& b, double& c);

// The frame measured by three points (their orientations do not enter): origin at P1, x axis
// towards P2, the xy plane through P3 with P3 on the side of +y. Points closer than 0.01 mm or
// (nearly) on one line span no frame: the result is left as it was and false returned (a caller
// that cannot check keeps the value it passed).
bool FrameFromPoints(double x1, double y1, double z1, double a1, double b1, double c1, double x2,
                     double y2, double z2, double a2, double b2, double c2, double x3, double y3,
                     double z3, double a3, double b3, double c3, double& rx, double& ry, double& rz,
                     double& ra, double& rb, double& rc);

// The same on frames, for the routines built on them.
Frame ShiftFrameInBase(const Frame& point, const Frame& offset);
Frame ShiftFrameInTool(const Frame& point, const Frame& offset);
Frame ShiftFrameInWorld(int32_t mode, const Frame& base, const Frame& offset, const Frame& point);
// False when the points span no frame (see FrameFromPoints).
bool FrameFromThreePoints(const Eigen::Vector3d& p1, const Eigen::Vector3d& p2,
                          const Eigen::Vector3d& p3, Frame* frame);
// Rounds every value to 1e-9 (values beyond 1e6 are left as they are).
Frame RoundedFrame(const Frame& f);

}  // namespace velmora

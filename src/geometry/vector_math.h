#pragma once
// The small vector and matrix toolkit of the point corrections (TTS, circle check). Vectors are
// x, y, z; matrices follow the layout of frame.h (column k is axis k in the parent frame).
#include <Eigen/Core>

namespace velmora {

using Vec3 = Eigen::Vector3d;
using Mat3 = Eigen::Matrix3d;

// The orientation matrix Rz(a) * Ry(b) * Rx(c) of angles in degrees, element by element.
Mat3 FrameToMatrix(double a, double b, double c);
Mat3 MatrixProduct(const Mat3& p, const Mat3& q);
double skalprod(const Vec3& a, const Vec3& b);
double vecnorm(const Vec3& a);
// Scales v to length 1; a vector shorter than 0.0001 is scaled by its own length instead, so it
// stays near zero rather than pointing somewhere arbitrary.
void NormalizeVector(Vec3& v);
// d = q - p; returns the length of d.
double VectorBetween(const Vec3& p, const Vec3& q, Vec3& d);
Vec3 VectorProduct(const Vec3& a, const Vec3& b);
// Column 1 := column 2 x column 0 (a right-handed frame again from orthonormal x and z).
void CompleteYAxis(Mat3& m);
// The enclosed angle's sine is at most 0.01; zero-length vectors count as parallel.
bool IsNearlyParallel(const Vec3& a, const Vec3& b);
// atan(y / x) in degrees, in [-90, 90] without quadrant correction; 0 when both legs are below
// 0.00011; +-90 by the sign of y when only x is below it.
double AngleFromRatio(double y, double x);

}  // namespace velmora

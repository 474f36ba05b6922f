#pragma once
// Fresh names for pasted and reversed motions: point numbers after the highest in use, and the
// running numbers of the motion-data declarations PPDAT<n> and LCPDAT<n>.
#include <string_view>

namespace velmora {

class Program;

// 1 + the highest N of a declared point named <prefix>N or X<prefix>N (position or axis
// declaration, or the frame data F<prefix>N of such a point); 0 when there is none.
int NextPointNumber(const Program& program, std::string_view prefix);

struct MotionDataCounters {
  int pdat = 1;    // next PPDAT number
  int lcpdat = 1;  // next LCPDAT number
};

// 1 + the highest N of "PPDAT"N"=" and of "LCPDAT"N"=" in DatMotion; each 1 when there is none.
MotionDataCounters NextMotionDataNumbers(const Program& program);

}  // namespace velmora

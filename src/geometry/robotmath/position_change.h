#pragma once
// Re-referencing taught points to other tool, base and robot-root data. Values follow
// geometry/frame.h.
//
// The configuration text holds the lines "old_base = {X .., .., C ..}", "new_base", "old_tool",
// "new_tool", "old_robroot", "new_robroot" (frames) and "old_ipo_mode", "new_ipo_mode" ("#BASE" or
// "#TCP"). A point taught with the old data is to describe the same robot pose with the new
// data: the flange stays where it was relative to the robot root (the axis values are unchanged),
// so status, turn, external axes and axis-specific points stay as they are. With the flange F
// (in the robot root), root R, base B and tool T:
//  - "#BASE" (tool on the flange, base fixed in the cell): R : F : T = B : P, so
//    F = R^-1 : B : P : T^-1 and P' = B'^-1 : R' : F : T'.
//  - "#TCP" (tool fixed in the cell, base carried by the robot): the point is the fixed tool B seen
//    from the carried base, R : F : T : P = B, so F = R^-1 : B : P^-1 : T^-1 and
//    P' = (B'^-1 : R' : F : T')^-1.
#include <string>
#include <string_view>

namespace velmora {

// Writes into `buffer` (see result_buffer.h) the declarations text with every Cartesian
// position value re-referenced, each line keeping its name and place; ";PROGRAM NAME: " and all
// other lines unchanged. A configuration that lacks a line or holds an unknown mode, or a position
// value that cannot be read, gives an empty result.
void chg_pos_SIRL_file(std::string& buffer, std::string_view points, std::string_view config);

}  // namespace velmora

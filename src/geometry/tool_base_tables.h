#pragma once
// Tool and base tables: which tool, base and interpolation mode a motion uses, and the frames
// with those numbers as the controller holds them (TOOL_DATA, TOOL_TYPE, BASE_DATA, BASE_TYPE).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "geometry/frame.h"

namespace velmora {

class VarAccess;

// Valid table indices for reading are 0..kMaxFrameIndex; 0 is the null frame.
inline constexpr int kMaxFrameIndex = 128;

// Tool number, base number and interpolation mode ("#BASE", "#TCP" or empty) of a motion's
// parameter text (FDAT text or "Para1={...}" line); -1 and -1 when it does not match
// "*TOOL_NO *,BASE_NO *".
struct ToolBaseIpo {
  int16_t tool = -1;
  int16_t base = -1;
  std::string ipo;
};
ToolBaseIpo ParseToolText(std::string_view param);

// 0 for "#BASE", 1 for "#TCP", -1 otherwise (the robot-math mode).
int32_t IpoModeNumber(std::string_view ipo);

// The texts last read of each table element, "BASE_DATA[1]={FRAME: X ...}" as the controller
// answered; empty while never read.
struct FrameTables {
  std::array<std::string, kMaxFrameIndex + 1> tool_data, tool_type, base_data, base_type;
};

// Reads TOOL_DATA/TOOL_TYPE[tool] and BASE_DATA/BASE_TYPE[base] into the tables; a number outside
// 0..128 is not read. True only when both are in range and all four reads succeeded.
bool ReadToolBaseData(VarAccess* controller, int tool, int base, FrameTables& tables);

// X..C of a frame or position text (upper-cased; a missing component, or an empty text, is 0).
// Reads "{FRAME: X 1, ...}" right: the keys are matched with their blank ("A ").
Frame FrameOfText(std::string_view text);

// Makes the motion's tool, base and interpolation mode the controller's active ones ($IPO_MODE,
// $TOOL, $BASE, as expressions). False when the text names no tool or base, the mode is neither
// "#TCP" nor "#BASE" (nothing is set then), or a write fails.
bool SetControllerToolBase(VarAccess* controller, std::string_view param);

// The largest selectable tool and base numbers (start-up).
struct ToolBaseLimits {
  int16_t MaxTool = 0;
  int16_t MaxBase = 0;
};
// MAX_TOOL / MAX_BASE (16 when unreadable, else clamped to 32..128), lowered to the number of
// consecutive readable table elements.
ToolBaseLimits ReadToolBaseLimits(VarAccess* controller);
// The last i of 1, 2, ... limit for which prefix + i + "]" was readable before the first failure.
int CountConfiguredFrames(VarAccess* controller, std::string_view prefix, int limit);

}  // namespace velmora

#pragma once
// Manual shift: one offset typed into the input frame, applied to every point of the marked
// block (or of the current record) in the point's BASE, in WORLD, in its TOOL frame, or as axis
// angles through the controller's kinematics. The window opens the frame with
// StartManualShift, routes Enter (and soft key 6) to ApplyManualShift and Esc (and soft key 0)
// to CancelManualShift while the state is active, and sets its key rows itself.
#include <array>
#include <string>
#include <string_view>

#include "commands/manualshift/input_frame.h"

namespace velmora {

class Program;
class VarAccess;

// The four menu items of the manual-entry menu; the value is the input-frame state.
enum class ShiftMode {
  kBase = kInputBase,
  kWorld = kInputWorld,
  kTcp = kInputTcp,
  kAxis = kInputAxis
};

// What each mode shows and reports.
struct ShiftModeInfo {
  std::string_view menu_item;    // mnuCartBase, mnuCartWorld, mnuCartTCP, mnuJoint
  std::string_view caption_key;  // the frame caption's language key
  std::string_view message_no;   // of the "On" message
  std::array<std::string_view, 6> labels;
  std::array<std::string_view, 6> units;
};
const ShiftModeInfo& ModeInfo(ShiftMode mode);

// The manual shift's part of the application state.
struct ManualShiftState {
  bool active = false;  // Enter and Esc in the boxes go to the manual shift
  ShiftMode mode = ShiftMode::kBase;
  int first = 0;  // the range: the marked block's ends in order, or the current record twice
  int last = 0;
};

// What the window shows when the frame opens.
struct ManualShiftFrame {
  int input_frame_state = 0;
  std::string caption;
  std::array<std::string, 6> labels;
  std::array<std::string, 6> units;
  InputBoxes boxes;  // "0,0000" in each
};

// `StartManualShift`: activates the mode for the marked block (BlockStart..BlockEnd while
// `block_marked`) or the current record, sets "$NUMSTATE" to TRUE on the controller (when one is
// given) and lists the caption with the mode's number and "On".
ManualShiftFrame StartManualShift(Program& program, ManualShiftState& state, ShiftMode mode,
                                  bool block_marked, VarAccess* controller);

// What Enter leaves behind.
struct ManualShiftResult {
  bool shifted = false;  // the shift method answered true
  std::string offset;    // the offset text handed to it
  std::string report;    // the result text of the "Manualshift" "300" message
  InputBoxes boxes;      // the boxes as BuildOffsetText left them
};

// `ApplyManualShift`: builds the offset from the boxes, runs MoveKartBase, MoveKartWorld,
// MoveKartTcp or MoveAxis (through `controller`) on the range, lists the report ("Point P1
// shifted", "Point P1 to P5 shifted", the method's error, or the HOME text) and closes with
// CancelManualShift. Nothing happens while the state is not active.
ManualShiftResult ApplyManualShift(Program& program, ManualShiftState& state,
                                   const InputBoxes& boxes, VarAccess* controller);

// `CancelManualShift`: the view is rebuilt from the program, the block marks end and the
// manual shift becomes inactive. The window then restores its keys, hides the frame, enables
// mnuHotLimits and highlights the current record.
void CancelManualShift(Program& program, ManualShiftState& state);

}  // namespace velmora

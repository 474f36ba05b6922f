#include "commands/manualshift/manual_shift.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/var_access.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 6> kCartesianLabels = {"X=", "Y=", "Z=", "A=", "B=", "C="};
constexpr std::array<std::string_view, 6> kAxisLabels = {"A1=", "A2=", "A3=", "A4=", "A5=", "A6="};
constexpr std::array<std::string_view, 6> kCartesianUnits = {"[mm]",   "[mm]",   "[mm]",
                                                             "[deg.]", "[deg.]", "[deg.]"};
constexpr std::array<std::string_view, 6> kAxisUnits = {"[deg.]", "[deg.]", "[deg.]",
                                                        "[deg.]", "[deg.]", "[deg.]"};

// lang-key: MovePrgBase
// lang-key: MovePrgWorld
// lang-key: MovePrgTcp
// lang-key: MovePrgAxis
const ShiftModeInfo kModes[] = {
    {"mnuCartBase", "MovePrgBase", "211", kCartesianLabels, kCartesianUnits},
    {"mnuCartWorld", "MovePrgWorld", "213", kCartesianLabels, kCartesianUnits},
    {"mnuCartTCP", "MovePrgTcp", "212", kCartesianLabels, kCartesianUnits},
    {"mnuJoint", "MovePrgAxis", "214", kAxisLabels, kAxisUnits},
};

bool EndsWithHome(const std::string& name) {
  return ToUpper(name).ends_with("HOME");
}

std::string ReportText(Program& program, const ManualShiftState& state, bool shifted,
                       const std::string& error) {
  AppContext& context = program.context();
  auto text = [&](std::string_view key) { return context.AssistantText(key); };
  if (shifted) {
    std::string report = text("Point") + " " + program.Record(state.first).Point1Name + " ";
    if (state.first != state.last) {
      report += text("To") + " " + program.Record(state.last).Point1Name + " ";
    }
    return report + text("shifted");
  }
  if (state.mode != ShiftMode::kAxis && !error.empty()) {
    for (int k = state.first; k <= state.last; ++k) {
      if (EndsWithHome(program.Record(k).Point1Name)) {
        return text("mnuManEnt") + " HOME-P: " + text("ChangeNotPossible");
      }
    }
  }
  // A failure always says so, also when the method left no text of its own.
  return error.empty() ? text("not_OK") : error;
}

}  // namespace

const ShiftModeInfo& ModeInfo(ShiftMode mode) {
  return kModes[static_cast<int>(mode) - 1];
}

ManualShiftFrame StartManualShift(Program& program, ManualShiftState& state, ShiftMode mode,
                                  bool block_marked, VarAccess* controller) {
  AppContext& context = program.context();
  const ShiftModeInfo& info = ModeInfo(mode);
  state.active = true;
  state.mode = mode;
  if (block_marked && program.BlockStart != 0 && program.BlockEnd != 0) {
    state.first = std::min(program.BlockStart, program.BlockEnd);
    state.last = std::max(program.BlockStart, program.BlockEnd);
  } else {
    state.first = state.last = program.CurrentLine;
  }
  if (controller) controller->SetVar("$NUMSTATE", "TRUE");

  ManualShiftFrame frame;
  frame.input_frame_state = static_cast<int>(mode);
  frame.caption = context.AssistantText(info.caption_key);
  for (size_t i = 0; i < 6; ++i) {
    frame.labels[i] = info.labels[i];
    frame.units[i] = info.units[i];
  }
  frame.boxes = FillInputBoxes("{X 0.0, Y 0.0, Z 0.0, A 0.0, B 0.0, C 0.0}",
                               frame.input_frame_state, InputBoxes{});
  context.AddMessage(frame.caption, info.message_no, context.AssistantText("On"));
  return frame;
}

ManualShiftResult ApplyManualShift(Program& program, ManualShiftState& state,
                                   const InputBoxes& boxes, VarAccess* controller) {
  ManualShiftResult result;
  result.boxes = boxes;
  if (!state.active) return result;
  const int first = std::clamp(std::min(state.first, state.last), 0, program.LineCount());
  const int last = std::clamp(std::max(state.first, state.last), 0, program.LineCount());
  state.first = first;
  state.last = last;

  const OffsetEntry offset = BuildOffsetText(static_cast<int>(state.mode), boxes);
  result.offset = offset.text;
  result.boxes = offset.boxes;
  std::string error;
  if (first >= 2) {
    ClsPrgMove move(program, controller);
    switch (state.mode) {
      case ShiftMode::kBase:
        result.shifted = move.MoveKartBase(first, last, offset.text, error);
        break;
      case ShiftMode::kWorld:
        result.shifted = move.MoveKartWorld(first, last, offset.text, error);
        break;
      case ShiftMode::kTcp:
        result.shifted = move.MoveKartTcp(first, last, offset.text, error);
        break;
      case ShiftMode::kAxis:
        result.shifted = move.MoveAxis(first, last, offset.text, error);
        break;
    }
  }
  AppContext& context = program.context();
  result.report = first >= 2 ? ReportText(program, state, result.shifted, error)
                             : context.AssistantText("not_OK");
  context.AddMessage(context.AssistantText("Manualshift"), "300", result.report);
  CancelManualShift(program, state);
  return result;
}

void CancelManualShift(Program& program, ManualShiftState& state) {
  state.active = false;
  program.BlockStart = 0;
  program.BlockEnd = 0;
  RebuildView(program);
}

}  // namespace velmora

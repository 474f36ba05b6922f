#pragma once
// Application-wide state: the start switches and the mode flags of the command that runs.
#include <string_view>

namespace velmora {

// The command-line switches.
struct StartSwitches {
  bool ConnectSwitch = false;  // "*CONNECTTOZINTRA*": the file dialog keeps its folder
  bool OnlyTtsMode = false;    // "*ONLYTTS*": the restricted operating mode
};

// The whole command line, upper-cased and matched against each switch pattern.
StartSwitches ReadCommandLine(std::string_view command_line);

// Set by the command that owns a flag while it runs; only one is expected at a time, the
// soft-key routing gives the precedence when several are.
struct ModeFlags {
  bool LimitSetActive = false;
  bool BlockChangeActive = false;
  bool AdjustActive = false;
  int AdjustKind = 0;  // 1 TCP, 2 frame
  bool HotEditActive = false;
  bool HotEditCalculated = false;
  int HotEditMode = 0;  // 0 to 6
  int TtsChoice = 0;
  bool HotEditChangesEnabled = true;
  bool ManualShiftActive = false;
  bool FileMirrorActive = false;
  bool PointShiftActive = false;
  int PointShiftStep = 0;  // 0 at the start, 1 existing reference chosen, 2 new one taught
  bool TwoPointShift = false;
  bool SixPointShift = false;
  bool MenuCommandChosen = false;
  bool SearchActive = false;
  int StepCounter = 0;  // screen of the multi-step utilities
};

}  // namespace velmora

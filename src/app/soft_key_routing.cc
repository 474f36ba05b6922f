#include "app/soft_key_routing.h"

namespace velmora {
namespace {

using Context = SoftKeyContext;

struct Route {
  int key;
  bool (*when)(const Context&);
  void (*run)(Context&);
};

bool HotCalculated(const Context& c) {
  return c.flags.HotEditActive && c.flags.HotEditCalculated;
}
bool HotOpen(const Context& c) {
  return c.flags.HotEditActive && !c.flags.HotEditCalculated;
}
bool HotOpenTts(const Context& c) {
  return HotOpen(c) && c.flags.HotEditMode == 4;
}
bool PointShiftAtStart(const Context& c) {
  return c.flags.PointShiftActive && c.flags.PointShiftStep == 0;
}
bool StepUtility(const Context& c) {
  return (c.flags.PointShiftActive && c.flags.PointShiftStep > 0) || c.flags.FileMirrorActive;
}

void Calculate(Context& c, int tts_choice) {
  c.flags.TtsChoice = tts_choice;
  c.commands.Run("CalculateHotEdit");
}

void ToggleHotEditChanges(Context& c) {
  c.commands.Run(c.flags.HotEditChangesEnabled ? "DisableHotEditChanges" : "EnableHotEditChanges");
}

// In table order: the first row of a key whose condition holds wins.
const Route kRoutes[] = {
    {0, [](const Context& c) { return c.flags.ManualShiftActive; },
     [](Context& c) { c.commands.Run("CancelManualShift"); }},
    {0, HotCalculated,
     [](Context& c) {
       c.commands.Run("RestoreHotEdit");
       c.flags.TtsChoice = 0;
     }},
    {0, [](const Context& c) { return c.flags.FileMirrorActive; },
     [](Context& c) { c.commands.Run("LeaveFileMirroring"); }},
    {0, [](const Context& c) { return c.flags.AdjustActive; },
     [](Context& c) { c.commands.Run("CancelTcpBaseAdjust"); }},
    {0, HotOpen,
     [](Context& c) {
       c.commands.Run("CancelHotEdit");
       c.flags.TtsChoice = 0;
     }},
    {0, [](const Context& c) { return c.flags.PointShiftActive; },
     [](Context& c) { c.commands.Run("LeaveReferenceShift"); }},

    {2, HotOpenTts, [](Context& c) { Calculate(c, 3); }},

    {3, [](const Context& c) { return c.flags.LimitSetActive; },
     [](Context& c) { c.commands.Run("ResetSoftLimits"); }},
    {3, [](const Context& c) { return c.flags.BlockChangeActive; },
     [](Context& c) { c.commands.Run("BlockChangeKey33"); }},
    {3, HotCalculated, ToggleHotEditChanges},
    {3, HotOpenTts, [](Context& c) { Calculate(c, 2); }},
    {3, PointShiftAtStart,
     [](Context& c) {
       c.commands.Run("ShowReferenceFileChoice");
       c.flags.PointShiftStep = 1;
     }},
    {3, StepUtility, [](Context& c) { c.commands.Run("StepBack"); }},

    {4, [](const Context& c) { return c.flags.LimitSetActive; },
     [](Context& c) { c.commands.Run("SetSoftLimits"); }},
    {4, [](const Context& c) { return c.flags.BlockChangeActive; },
     [](Context& c) { c.commands.Run("BlockChangeKey34"); }},
    {4, HotCalculated, ToggleHotEditChanges},
    {4, HotOpenTts, [](Context& c) { Calculate(c, 3); }},
    {4, PointShiftAtStart,
     [](Context& c) {
       c.commands.Run("TeachNewReference");
       c.flags.StepCounter = 1;
       c.flags.PointShiftStep = 2;
     }},
    {4, StepUtility, [](Context& c) { c.commands.Run("AdvanceStep"); }},

    {5, [](const Context& c) { return c.flags.BlockChangeActive; },
     [](Context& c) { c.commands.Run("BlockChangeKey35"); }},

    {6, [](const Context& c) { return c.flags.ManualShiftActive; },
     [](Context& c) { c.commands.Run("ApplyManualShift"); }},
    {6, HotOpen, [](Context& c) { c.commands.Run("CalculateHotEdit"); }},
    {6, HotCalculated,
     [](Context& c) {
       if (c.soft_key4_enabled) {
         c.commands.Run("RestoreHotEdit");
         return;
       }
       c.commands.Run("ConfirmHotEdit");
       if (c.soft_key3_enabled) c.flags.TtsChoice = 0;
     }},
    {6, [](const Context& c) { return c.file_dialog_visible; },
     [](Context& c) { c.commands.Run("FileDialogOk"); }},
    {6, [](const Context& c) { return c.flags.FileMirrorActive; },
     [](Context& c) { c.commands.Run("CreateMirrorFile"); }},
    {6, [](const Context& c) { return c.flags.PointShiftActive; },
     [](Context& c) { c.commands.Run("EndReferenceShift"); }},
    {6, [](const Context& c) { return c.flags.AdjustActive; },
     [](Context& c) { c.commands.Run("ExecuteTcpBaseAdjust"); }},
    {6, [](const Context& c) { return c.flags.LimitSetActive; },
     [](Context& c) { c.commands.Run("EndLimitAdaptation"); }},
    {6, [](const Context&) { return true; }, [](Context& c) { c.commands.Run("CloseProgram"); }},
};

}  // namespace

bool RouteSoftKey(int key, SoftKeyContext& context) {
  for (const Route& route : kRoutes) {
    if (route.key != key || !route.when(context)) continue;
    route.run(context);
    return true;
  }
  return false;
}

}  // namespace velmora

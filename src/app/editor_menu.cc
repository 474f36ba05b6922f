// Menu items and the commands they start.
#include "app/editor.h"
#include "app/key_map_overlay.h"
#include "app/pendant_keys.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/search_frame.h"
#include "base/app_context.h"
#include "files/sel_dat.h"
#include "geometry/zintra_vars.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

enum Marks : unsigned {
  kNone = 0,
  kChosen = 1,  // sets MenuCommandChosen
  kSearch = 2,  // closes the search frame first
  kStatus = 4,  // refreshes the mode text of the status bar
};

struct MenuCommand {
  const char* item;
  const char* command;
  unsigned marks;
  int hot_edit_mode = -1;  // the HotEdit mode the item sets
  int point_shift = 0;     // 2 or 6: the reference-shift kind the item sets
};

const MenuCommand kMenuCommands[] = {
    {"mnuOpen", "OpenProgram", kChosen},
    {"mnuSave", "SaveIfChanged", kNone},
    {"mnuaktuelle", "OutputCurrent", kChosen},
    {"mnualles", "OutputAll", kChosen},
    {"mnuClose", "CloseProgram", kNone},
    {"mnuExit", "EndProgram", kNone},
    {"mnuCut", "CutSections", kNone},
    {"mnuCopy", "CopySections", kNone},
    {"mnuOrgPath", "PasteSections", kNone},
    {"mnuRevPath", "ReversePath", kNone},
    {"mnuDelete", "DeleteSections", kNone},
    {"mnuSelAll", "SelectAll", kChosen},
    {"mnuMirror", "MirrorBlockToFile", kSearch | kStatus},
    {"mnuCartBase", "StartManualShiftBase", kSearch | kChosen},
    {"mnuCartTCP", "StartManualShiftTcp", kSearch | kChosen},
    {"mnuCartWorld", "StartManualShiftWorld", kSearch | kChosen},
    {"mnuJoint", "StartManualShiftAxis", kSearch | kChosen},
    {"mnuChangeIdent", "StartBlockChange", kSearch | kStatus | kChosen},
    {"mnuCleanFile", "CleanFile", kNone},
    {"mnuCleanMaster", "CleanMaster", kNone},
    {"mnuTCPadj", "StartTcpAdjust", kSearch | kStatus | kChosen},
    {"mnuFrameAdj", "StartFrameAdjust", kSearch | kStatus | kChosen},
    {"mnuHotBase", "OpenHotEdit", kSearch | kStatus | kChosen, 0},
    {"mnuHotTCP", "OpenHotEdit", kSearch | kStatus | kChosen, 1},
    {"mnuHotWorld", "OpenHotEdit", kSearch | kStatus | kChosen, 2},
    {"mnuHotTTSOnline", "OpenHotEdit", kSearch | kStatus | kChosen, 4},
    {"mnuHotLimits", "OpenHotEdit", kSearch | kChosen, 3},
    {"mnuHotTTSLimit", "OpenHotEdit", kSearch | kStatus | kChosen, 5},
    {"mnuHotBASEWORLDTCPLimit", "OpenHotEdit", kSearch | kStatus | kChosen, 6},
    {"mnuSearch", "ShowSearchFrame", kChosen},
    {"mnuFileMirror", "StartFileMirroring", kStatus | kChosen},
    {"mnuFileShift2Point", "StartReferenceShift", kChosen, -1, 2},
    {"mnuFileShift6Point", "StartReferenceShift", kChosen, -1, 6},
    {"mnuLimitSet", "StartLimitAdaptation", kChosen},
    {"mnuandrucker", "ChooseOutputPrinter", kNone},
    {"mnuzuranzeige", "ChooseOutputDisplay", kNone},
    {"mnuindatei", "ChooseOutputFile", kNone},
    {"mnusetpath", "SetOutputPath", kNone},
    {"mnuVersion", "ShowVersion", kNone},
    {"mnuKeyMap", "ShowKeyMap", kNone},
};

}  // namespace

void Editor::MenuItemChosen(const std::string& id) {
  const bool after_popup = popup_pending_;
  popup_pending_ = false;
  for (const MenuCommand& c : kMenuCommands) {
    if (id != c.item) continue;
    if ((c.marks & kSearch) && search_->isVisible()) HideSearchFrame();
    if (c.marks & kChosen) flags_.MenuCommandChosen = true;
    if (c.hot_edit_mode >= 0) flags_.HotEditMode = c.hot_edit_mode;
    if (c.point_shift) {
      flags_.TwoPointShift = c.point_shift == 2;
      flags_.SixPointShift = c.point_shift == 6;
    }
    commands_.Run(c.command);
    if (c.marks & kStatus) ShowModeText();
    break;
  }
  if (after_popup) AfterPopup();
}

// The commands of the window itself. Command families built elsewhere register theirs (and
// may replace these) through commands().
void Editor::RegisterCommands() {
  commands_.Register("OpenProgram", [this] { OpenProgram(); });
  commands_.Register("SaveIfChanged", [this] { SaveIfChanged(); });
  commands_.Register("CloseProgram", [this] { CloseProgram(); });
  commands_.Register("EndProgram", [this] { EndProgram(); });
  commands_.Register("OutputCurrent", [this] { OutputCurrent(); });
  commands_.Register("OutputAll", [this] { OutputAll(); });
  commands_.Register("ChooseOutputPrinter", [this] { ChooseOutputKind(0); });
  commands_.Register("ChooseOutputDisplay", [this] { ChooseOutputKind(1); });
  commands_.Register("ChooseOutputFile", [this] { ChooseOutputKind(2); });
  commands_.Register("SetOutputPath", [this] { SetOutputPath(); });
  commands_.Register("ShowVersion", [this] { ShowVersion(); });
  commands_.Register("ShowKeyMap", [this] { ShowKeyMap(); });
  commands_.Register("ShowSearchFrame", [this] { ShowSearchFrame(); });
  commands_.Register("FileDialogOk", [this] {
    keys_.SoftKey(6)->setEnabled(false);
    file_dialog_->OkBtn_Click();
  });
  commands_.Register("StepBack", [this] { StepBack(); });
  commands_.Register("AdvanceStep", [this] { AdvanceStep(); });
  commands_.Register("EndReferenceShift", [this] { EndReferenceShift(); });
  RegisterEditCommands();
  RegisterManualShiftCommands();
  commands_.Register("ReadToolBaseLimits", [this] {
    ZintraVars controller(*context_);
    limits_ = ReadToolBaseLimits(&controller);
  });
}

void Editor::EndReferenceShift() {
  CloseProgram();
  flags_.PointShiftActive = false;
  commands_.Run("HideMirrorFrame");
  flags_.PointShiftStep = 0;
}

void Editor::ShowVersion() {
  context_->AddMessage(context_->AssistantText("mnuVersion"), "700", VELMORA_VERSION);
}

void Editor::ShowKeyMap() {
  std::vector<KeyMapOverlay::Label> labels;
  for (const KeyMapEntry& entry : PendantKeyMap()) {
    const int code = entry.code;
    QWidget* key = code < 120   ? keys_.SoftKey(code - 113)
                   : code < 128 ? keys_.MenueKey(code - 120)
                                : keys_.StatKeyL(code - 128);
    labels.push_back({key->geometry(), QString::fromStdString(entry.name)});
  }
  auto caption = [this](const char* id) {
    return menus_.Item(id)->text().remove(QLatin1Char('&'));
  };
  std::vector<std::pair<QString, QString>> view_keys = {
      {QStringLiteral("Alt, 1 \u2026 8"),
       caption("mnuFile") + QStringLiteral(" \u2026 ") + caption("mnuHelp")},
      {QStringLiteral("Ctrl+X"), caption("mnuCut")},
      {QStringLiteral("Ctrl+C"), caption("mnuCopy")},
      {QStringLiteral("Ctrl+V"), caption("mnuOrgPath")},
      {QStringLiteral("Del, Backspace"), caption("mnuDelete")},
      {QStringLiteral("Ctrl+A"), caption("mnuSelAll")},
      {QStringLiteral("Ctrl+F"), caption("mnuSearch")},
      {QStringLiteral("F3"), UiText(context_->AssistantText("SearchString"))},
      {QStringLiteral("F1"), caption("mnuKeyMap")},
  };
  key_map_->Open(caption("mnuKeyMap"), std::move(labels), std::move(view_keys));
}

}  // namespace velmora

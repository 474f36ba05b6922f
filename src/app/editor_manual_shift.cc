// Manual shift in the window: the manual-entry menu opens the input frame for one mode, Enter or
// soft key 6 applies the typed offset to the marked block, Esc or soft key 0 closes the frame.
#include "app/editor.h"
#include "app/input_frame.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/search_frame.h"
#include "base/app_context.h"
#include "geometry/zintra_vars.h"
#include "program/program.h"

namespace velmora {

void Editor::RegisterManualShiftCommands() {
  commands_.Register("StartManualShiftBase", [this] { StartManualShift(ShiftMode::kBase); });
  commands_.Register("StartManualShiftWorld", [this] { StartManualShift(ShiftMode::kWorld); });
  commands_.Register("StartManualShiftTcp", [this] { StartManualShift(ShiftMode::kTcp); });
  commands_.Register("StartManualShiftAxis", [this] { StartManualShift(ShiftMode::kAxis); });
  commands_.Register("ApplyManualShift", [this] { ApplyManualShift(); });
  commands_.Register("CancelManualShift", [this] { CancelManualShift(); });
  // Up or Down in the view while the frame is open: the entry the operator was in is left.
  commands_.Register("LeaveManualShiftEntry", [this] { InputBoxLeft(last_input_box_); });
}

void Editor::StartManualShift(ShiftMode mode) {
  if (!program_->loaded() || loading_ || program_->CurrentLine < 1 || flags_.ManualShiftActive)
    return;
  if (search_->isVisible()) HideSearchFrame();
  ShowModeText();
  flags_.ManualShiftActive = true;
  ZintraVars controller(*context_);
  const ManualShiftFrame frame = velmora::StartManualShift(*program_, manual_shift_, mode,
                                                           navigation_.BlockMarked, &controller);
  input_frame_state_ = frame.input_frame_state;
  input_->SetCaptions(frame.caption, frame.labels, frame.units);
  input_->SetTexts(frame.boxes);
  input_->Open();
  SetSoftKeys({Picture{ImageList::kSK, 2}, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
               std::nullopt, Picture{ImageList::kSK, 1}});
  SetUtilityKeys({"mnuExit"});
  last_input_box_ = 0;
  input_->Box(0)->setFocus(Qt::OtherFocusReason);
  input_->Box(0)->selectAll();
}

void Editor::ApplyManualShift() {
  if (!flags_.ManualShiftActive) return;
  const InputBoxes boxes = input_->Texts();
  input_->Close();
  ShowBusy(true);
  ZintraVars controller(*context_);
  const ManualShiftResult result =
      velmora::ApplyManualShift(*program_, manual_shift_, boxes, &controller);
  input_->SetTexts(result.boxes);
  ShowBusy(false);
  CloseManualShift();
}

void Editor::CancelManualShift() {
  if (!flags_.ManualShiftActive) return;
  velmora::CancelManualShift(*program_, manual_shift_);
  CloseManualShift();
}

// The window's part of closing the frame, after the program view was rebuilt.
void Editor::CloseManualShift() {
  ShowModeText();
  flags_.ManualShiftActive = false;
  SetSoftKeys({std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
               Picture{ImageList::k1, 1}});
  SetProgramKeys();
  input_->Close();
  menus_.SetEnabled("mnuHotLimits", true);
  FocusView();
  EndBlockAndHighlight();
}

// A box the operator left shows its text with the locale's separator; a text that is no number
// is listed and the focus goes back into its box.
void Editor::InputBoxLeft(int index) {
  if (checking_input_ || index < 0 || index > 5) return;
  checking_input_ = true;
  last_input_box_ = index;
  InputBox* box = input_->Box(index);
  const BoxCheck check = CheckInputBox(*context_, index, ProgramBytes(box->text()));
  input_->SetText(index, check.text);
  if (!check.numeric && input_->Accepting()) box->setFocus(Qt::OtherFocusReason);
  checking_input_ = false;
}

}  // namespace velmora

// The loaded program in the window: loading through the file dialog, the current record and
// its details, the view's keys, save and close.
#include <QApplication>
#include <QKeyEvent>

#include "app/editor.h"
#include "app/key_codes.h"
#include "app/message_list_view.h"
#include "app/operator_dialogs.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/search_frame.h"
#include "app/status_bar.h"
#include "base/app_context.h"
#include "base/paths.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "commands/files/start_load.h"
#include "commands/save/save_program.h"
#include "controller/zintra_comm.h"
#include "files/sel_dat.h"
#include "program/loader.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {

// ---- Current record -------------------------------------------------------------------------

void Editor::ShowDetails() {
  const int n = program_->CurrentLine;
  if (n < 1 || n > program_->LineCount()) return;
  ParseMotionRecord(*program_, n);
  const LineRecord& r = program_->Record(n);
  details_.fold_text->setPlainText(ProgramText(r.Text));
  details_.point_text->setPlainText(ProgramText(r.Point1Decl));
  details_.motion_text->setPlainText(ProgramText(r.MotionData));
  details_.fold_frame->setTitle(
      UiText(r.MotionNo >= 1 ? context_->AssistantText("FramePunktNr1") + std::to_string(r.MotionNo)
                             : context_->AssistantText("FramePunktNr2")));
}

void Editor::ShowCurrentRecord(bool block_marking) {
  const int n = program_->CurrentLine;
  if (n < 1 || n > program_->LineCount()) return;
  ShowDetails();
  const LineRecord& r = program_->Record(n);
  int first = 0, last = 0, block_start = 0, block_length = 0;
  if (navigation_.MarkedRange(&first, &last)) {
    block_start = program_->Record(first).ViewStart;
    for (int k = first; k <= last; ++k) block_length += program_->Record(k).ViewLength;
  }
  view_->SetBlockEmphasis(false);
  view_->ShowHighlight(r.ViewStart, r.ViewLength, block_start, block_length);
  if (!block_marking) EnableMenusForRecord();
}

// The menu items that fit the current record (or the first record of the block).
void Editor::EnableMenusForRecord() {
  const LineRecord& r = program_->Record(program_->CurrentLine);
  static const char* const kMotionItems[] = {"mnuChangeIdent", "mnuHotBase", "mnuHotTCP",
                                             "mnuHotWorld",    "mnuManEnt",  "mnuMirror",
                                             "mnuHotTTSOnline"};
  if (!r.IsMotion) {
    for (const char* id : kMotionItems) menus_.SetEnabled(id, false);
    return;
  }
  menus_.SetEnabled("mnuChangeIdent", true);
  if (switches_.OnlyTtsMode) {
    menus_.SetEnabled("mnuHotBase", true);
    menus_.SetEnabled("mnuHotWorld", true);
    menus_.SetEnabled("mnuHotTCP", false);
    menus_.SetEnabled("mnuHotLimits", true);
  } else {
    for (const char* id : {"mnuHotBase", "mnuHotTCP", "mnuHotWorld", "mnuManEnt", "mnuMirror"})
      menus_.SetEnabled(id, true);
  }
  const int anchor = program_->BlockStart > 0 ? program_->BlockStart : program_->CurrentLine;
  const LineRecord& a = program_->Record(anchor);
  if (!a.Point1Name.empty() && a.Point1Name != "XHOME")
    menus_.SetEnabled("mnuHotTTSOnline", a.TechCommand >= 1 && a.TechCommand <= 6);
}

void Editor::CutBlock() {
  commands_.Run("CutSections");
}
void Editor::DeleteBlock() {
  commands_.Run("DeleteSections");
}

void Editor::LeaveEntry() {
  if (flags_.HotEditActive) commands_.Run("LeaveHotEditEntry");
  if (flags_.ManualShiftActive) commands_.Run("LeaveManualShiftEntry");
}

// ---- Keys of the program view ---------------------------------------------------------------

void Editor::ViewKeyPress(QKeyEvent* e) {
  const KeyCode k = KeyCodeOf(*e);
  if (k.code == vk::kEscape && flags_.PointShiftActive) {
    SoftKeyPressed(0);
    return;
  }
  navigation_.NavigationKey(k.code, k.shift, InputFrameOpen());
  const QString typed = e->text();
  if (navigation_.AltPending && k.code != vk::kMenu && !typed.isEmpty()) {
    navigation_.CharacterTyped(typed.at(0).unicode());
    return;
  }
  if (k.shift != kCtrlMask) return;
  switch (e->key()) {
    case Qt::Key_A:
      commands_.Run("SelectAll");
      break;
    case Qt::Key_C:
      commands_.Run("CopySections");
      break;
    case Qt::Key_V:
      commands_.Run("PasteSections");
      break;
    case Qt::Key_F:
      flags_.MenuCommandChosen = true;
      ShowSearchFrame();
      break;
    default:
      break;
  }
}

void Editor::ViewKeyRelease(QKeyEvent* e) {
  const KeyCode k = KeyCodeOf(*e);
  navigation_.KeyReleased(k.code, k.shift);
}

// ---- The file dialog ------------------------------------------------------------------------

void Editor::FileDialogShown() {
  SetSoftKeys({std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
               Picture{ImageList::kSK, 1}});
}

void Editor::FileDialogFocused() {
  view_->SetBackground(ProgramView::Colour::kSilver);
}

void Editor::FileDialogEscaped() {
  if (view_->HoldsText()) {
    SetProgramKeys();
  } else {
    SetSoftKeys({});
    SetUtilityKeys({"mnuOpen", "mnuExit"});
    keys_.StatKeyL(4)->SetPicture(Picture{ImageList::kST, 6});
  }
  if (!context_->messages.ready()) context_->messages.SetUp(1);
  FocusView();
}

void Editor::ClearProgramView() {
  view_->Clear();
  navigation_.Disable_Block();
}

bool Editor::ChoosingMirrorSource() const {
  return flags_.FileMirrorActive;
}

void Editor::MirrorSourceChosen(const std::string& name) {
  if (on_mirror_source_chosen) on_mirror_source_chosen(name);
}

void Editor::ShowBusy(bool busy) {
  if (busy == busy_cursor_) return;
  busy_cursor_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void Editor::LoadChosenProgram(const std::string& entry) {
  navigation_.BlockMode = false;
  navigation_.Disable_Block();
  keys_.SoftKey(1)->setEnabled(false);
  file_dialog_->okBtn()->setEnabled(false);
  loading_ = true;
  StartLoad(entry);
  loading_ = false;
  status_->progress()->setValue(0);
  file_dialog_->okBtn()->setEnabled(true);
  navigation_.Reset();
}

void Editor::StartLoad(const std::string& entry) {
  start_load(*program_, FileSource{*context_, file_dialog_->folder()}, entry);
}

void Editor::ChosenProgramShown() {
  if (!program_->loaded()) {
    // The load was refused (its message is listed): the keys stay those without a program.
    FileDialogEscaped();
    return;
  }
  if (switches_.OnlyTtsMode) {
    SetProgramKeys();
    menus_.SetEnabled("mnuOpen", false);
    menus_.SetEnabled("mnuClose", false);
    for (const char* id : {"mnuHotBase", "mnuHotWorld", "mnuHotLimits"})
      menus_.SetEnabled(id, true);
    menus_.SetEnabled("mnuHotTCP", false);
    keys_.MenueKey(1)->setEnabled(false);
    keys_.MenueKey(2)->setEnabled(false);
    SetSoftKeys({});
  } else {
    SetSoftKeys({std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                 Picture{ImageList::k1, 1}});
    SetProgramKeys();
  }
  status_->Panel(4)->setText(ProgramText(file_dialog_->ChosenName()));
  FocusView();
  if (context_->messages.ready()) {
    context_->AddMessage(context_->AssistantText("Load"), "010", "OK");
  } else {
    context_->messages.SetUp(1);
    keys_.MenueKey(7)->setEnabled(true);
  }
  HighlightCurrentLine();
}

// ---- Open, save, close ----------------------------------------------------------------------

void Editor::OpenProgram() {
  ShowBusy(true);
  SetUtilityKeys();
  if (view_->HoldsText() && HasChanges(*program_)) SaveProgram();
  ClearProgramView();
  file_dialog_->ReadFileList();
  FileDialogShown();
  ShowBusy(false);
  file_dialog_->Activate();
}

bool Editor::SaveIfChanged() {
  if (!program_->loaded() || !HasChanges(*program_)) return false;
  SaveProgram();
  return true;
}

void Editor::SaveProgram() {
  SaveEnvironment env{*context_,    file_dialog_->folder(),
                      TempFolder(), switches_.OnlyTtsMode,
                      dialogs_,     [this](bool busy) { ShowBusy(busy); }};
  velmora::SaveProgram(*program_, env);
}

void Editor::CloseProgram() {
  if (program_->loaded() && HasChanges(*program_)) SaveProgram();
  ClearProgramView();
  if (DetailViewShown()) {
    details_.SetVisible(false);
    view_->show();
  }
  SetUtilityKeys({"mnuOpen", "mnuExit"});
  SetSoftKeys({});
  FocusView();
  program_->SrcFileName.clear();
  program_->DatFileName.clear();
  program_->CurrentLine = 0;
  status_->Panel(4)->clear();
  context_->AddMessage(context_->AssistantText("Close"), "030", "");
  if (search_->isVisible()) HideSearchFrame();
}

}  // namespace velmora

// The edit menu's record commands (Cut, Copy, Paste in path order and reversed, Delete, Select
// all) and the file cleaning, reached from the menus, the view's shortcuts and the status keys.
#include "app/editor.h"
#include "app/program_view.h"
#include "base/app_context.h"
#include "commands/edit/clean_file.h"
#include "commands/edit/clipboard_commands.h"
#include "program/program.h"

namespace velmora {

// The record commands work on a loaded program, between loads, and not under an open entry
// frame whose range would no longer match the records.
bool Editor::EditAllowed() const {
  return program_->loaded() && !loading_ && !flags_.ManualShiftActive;
}

// The restricted mode's operator corrects points but does not edit the program: its edit and
// tools menus are shut, and the view's shortcuts change no records either.
bool Editor::RecordsMayChange() const {
  return EditAllowed() && !switches_.OnlyTtsMode;
}

// After Cut, Delete, Paste, Reverse path and a manual shift: the view shows the rebuilt program
// with the current record marked and nothing marked as a block.
void Editor::EndBlockAndHighlight() {
  navigation_.BlockMode = false;
  navigation_.Disable_Block();
  HighlightCurrentLine();
}

void Editor::RegisterEditCommands() {
  commands_.Register("CopySections", [this] {
    if (!EditAllowed()) return;
    // Copying changes nothing: the block stays marked.
    if (CopySections(*program_, clipboard_, navigation_.BlockMarked)) HighlightCurrentLine();
  });
  commands_.Register("CutSections", [this] {
    if (RecordsMayChange() && CutSections(*program_, clipboard_, navigation_.BlockMarked))
      EndBlockAndHighlight();
  });
  commands_.Register("DeleteSections", [this] {
    if (RecordsMayChange() && DeleteSections(*program_, navigation_.BlockMarked))
      EndBlockAndHighlight();
  });
  commands_.Register("PasteSections", [this] {
    if (RecordsMayChange() && PasteSections(*program_, clipboard_)) EndBlockAndHighlight();
  });
  commands_.Register("ReversePath", [this] {
    if (RecordsMayChange() && ReversePath(*program_, clipboard_, navigation_.BlockMarked))
      EndBlockAndHighlight();
  });
  commands_.Register("SelectAll", [this] {
    if (!EditAllowed()) return;
    navigation_.BlockMode = true;
    view_->setFocus();
    navigation_.BlockMode = false;
    navigation_.SelectAll();
  });
  commands_.Register("CleanFile", [this] {
    if (RecordsMayChange()) CleanFile(*program_);
  });
  commands_.Register("CleanMaster", [this] {
    if (RecordsMayChange()) CleanMaster(*program_);
  });
}

}  // namespace velmora

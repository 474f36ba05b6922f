#pragma once
// Moving through the program view: the current record, block marking with Shift and the
// cursor keys, and the select-all state. Keys arrive as virtual-key codes with their shift
// state (key_codes.h); what the keys start elsewhere goes to the host.
#include "program/program.h"

namespace velmora {

class NavigationHost {
 public:
  virtual ~NavigationHost() = default;
  // Draws the current record (and the marked block), fills the detail boxes and, unless a
  // block is being marked, enables the menu items that fit the record.
  virtual void ShowCurrentRecord(bool block_marking) = 0;
  virtual void CutBlock() = 0;
  virtual void DeleteBlock() = 0;
  // Up or Down while the entry frame of a manual shift or hot edit is open: that command leaves
  // its entry.
  virtual void LeaveEntry() = 0;
  virtual void OpenMenuKey(int key) = 0;
  virtual void SearchPrompt() = 0;
};

class Navigation {
 public:
  Navigation(Program& program, NavigationHost& host) : program_(&program), host_(&host) {}

  // Key down in the program view.
  void NavigationKey(int key, int shift, bool entry_frame_open);
  // A typed character in the program view (the Alt-digit menu mode).
  bool CharacterTyped(int character);
  // Keys in the detail boxes and on the status keys.
  void KeyPressed(int key, int shift);
  // Key up in any of them.
  void KeyReleased(int key, int shift);
  // A click in the view: the next Home keeps the current record.
  void Clicked() { MouseClicked = true; }

  void HighlightCurrentLine();
  void Disable_Block();
  // `SelectAll` marks the shown records; the next End, arrow key or Esc ends that state.
  void SelectAll();
  // After a load or a close: nothing marked, the first shown record current.
  void Reset();

  // The records to draw as the block: while marking, from its start to the current record.
  bool MarkedRange(int* first, int* last) const;

  bool BlockMode = false;
  bool BlockMarked = false;
  bool SelectAllActive = false;
  bool RecordHighlighted = false;
  bool MouseClicked = false;
  bool AltPending = false;
  bool CtrlPending = false;
  enum class Direction { kNone, kUp, kDown } MarkingDirection = Direction::kNone;

 private:
  // Moves the current record by `step` within the shown records; highlights inside them.
  void MoveBy(int step);
  void MoveTo(int record);
  Program* program_;
  NavigationHost* host_;
};

}  // namespace velmora

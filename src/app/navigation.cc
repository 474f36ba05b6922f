#include "app/navigation.h"

#include <algorithm>

#include "app/key_codes.h"

namespace velmora {
namespace {
bool IsArrow(int key) {
  return key >= vk::kLeft && key <= vk::kDown;
}
}  // namespace

void Navigation::Reset() {
  Disable_Block();
  BlockMode = SelectAllActive = RecordHighlighted = MouseClicked = false;
  AltPending = CtrlPending = false;
  program_->CurrentLine = program_->FirstShownLine;
}

void Navigation::Disable_Block() {
  BlockMarked = false;
  program_->BlockStart = 0;
  program_->BlockEnd = 0;
  MarkingDirection = Direction::kNone;
}

bool Navigation::MarkedRange(int* first, int* last) const {
  const Program& p = *program_;
  if (BlockMode && p.BlockStart > 0) {
    *first = std::min(p.BlockStart, p.CurrentLine);
    *last = std::max(p.BlockStart, p.CurrentLine);
    return true;
  }
  if (!BlockMarked || p.BlockStart <= 0 || p.BlockEnd <= 0) return false;
  *first = std::min(p.BlockStart, p.BlockEnd);
  *last = std::max(p.BlockStart, p.BlockEnd);
  return true;
}

void Navigation::HighlightCurrentLine() {
  if (program_->CurrentLine == 0) return;
  if (!BlockMode || RecordHighlighted) RecordHighlighted = false;
  if (!BlockMode) RecordHighlighted = true;
  host_->ShowCurrentRecord(BlockMode);
}

void Navigation::SelectAll() {
  Program& p = *program_;
  p.BlockStart = p.FirstShownLine;
  p.BlockEnd = p.LastShownLine;
  BlockMarked = p.BlockStart > 0;
  p.CurrentLine = p.FirstShownLine;
  SelectAllActive = true;
  HighlightCurrentLine();
}

void Navigation::MoveTo(int record) {
  Program& p = *program_;
  if (record < p.FirstShownLine || record > p.LastShownLine) return;
  p.CurrentLine = record;
  HighlightCurrentLine();
}

void Navigation::MoveBy(int step) {
  Program& p = *program_;
  int target = p.CurrentLine + step;
  if (target < p.FirstShownLine || target > p.LastShownLine) return;
  p.CurrentLine = target;
  HighlightCurrentLine();
}

void Navigation::NavigationKey(int key, int shift, bool entry_frame_open) {
  Program& p = *program_;
  const bool with_shift = shift & kShiftMask;
  if (key == vk::kShift && shift == kShiftMask) return;
  if (key == vk::kControl && (shift & kCtrlMask)) {
    CtrlPending = true;
    return;
  }
  // Ctrl+X cuts once, whether or not the Ctrl key itself was seen first.
  if (key == vk::kX && (shift & kCtrlMask)) {
    CtrlPending = false;
    host_->CutBlock();
    return;
  }
  if (CtrlPending && (shift & kCtrlMask)) {
    CtrlPending = false;
    return;
  }
  if (SelectAllActive && ((key == vk::kEnd && !with_shift) || IsArrow(key) || key == vk::kEscape)) {
    SelectAllActive = false;
  }
  if ((key == vk::kUp || key == vk::kDown) && entry_frame_open) host_->LeaveEntry();
  if (key == vk::kMenu && (shift & kAltMask)) {
    AltPending = true;
    return;
  }
  if (shift == 0) BlockMode = false;
  // Whether the last highlight showed the record itself, not a block being marked.
  const bool record_was_highlighted = RecordHighlighted;
  if ((IsArrow(key) || key == vk::kEscape) && shift == 0) {
    Disable_Block();
    HighlightCurrentLine();
  }
  if ((key == vk::kHome || key == vk::kEnd) && with_shift) return;
  if (with_shift && (key == vk::kDown || key == vk::kUp)) {
    if (!BlockMode) {
      BlockMode = true;
      BlockMarked = false;
      int start = key == vk::kDown ? p.CurrentLine : p.CurrentLine - 1;
      p.BlockStart = p.BlockEnd = std::max(start, p.FirstShownLine);
    } else {
      p.BlockEnd = key == vk::kDown ? p.CurrentLine : p.CurrentLine - 1;
    }
  }
  switch (key) {
    case vk::kLeft:
    case vk::kRight:
      MouseClicked = true;
      return;
    case vk::kHome:
      if (!MouseClicked) MoveTo(p.FirstShownLine);
      MouseClicked = false;
      return;
    case vk::kPrior:
      MoveTo(p.FirstShownLine);
      return;
    case vk::kEnd:
      MoveTo(p.LastShownLine);
      return;
    case vk::kNext:
      MoveTo(p.LastShownLine);
      return;
    case vk::kUp:
    case vk::kDown: {
      if (BlockMode) {
        BlockMarked = true;
        MarkingDirection = key == vk::kUp ? Direction::kUp : Direction::kDown;
      }
      // Down right after a block was marked ends the block and keeps the same record current.
      if (key == vk::kDown && !with_shift && !record_was_highlighted) return;
      MoveBy(key == vk::kUp ? -1 : 1);
      return;
    }
    case vk::kDelete:
    case vk::kBack:
      if (shift == 0) host_->DeleteBlock();
      return;
    default:
      return;
  }
}

bool Navigation::CharacterTyped(int character) {
  if (!AltPending) return false;
  AltPending = false;
  if (character < '1' || character > '8') return false;
  host_->OpenMenuKey(character - '1');
  return true;
}

void Navigation::KeyPressed(int key, int shift) {
  Program& p = *program_;
  const bool with_shift = shift & kShiftMask;
  if (key == vk::kShift && with_shift) return;
  if (key == vk::kEscape) {
    Disable_Block();
    HighlightCurrentLine();
    return;
  }
  if ((key == vk::kHome || key == vk::kEnd) && with_shift) return;
  if (key == vk::kF3) {
    host_->SearchPrompt();
    return;
  }
  if (with_shift && (key == vk::kPrior || key == vk::kNext) && !BlockMode) {
    BlockMode = true;
    BlockMarked = true;
    p.BlockStart = p.BlockEnd = p.CurrentLine;
  }
  switch (key) {
    case vk::kHome:
      MoveTo(p.FirstShownLine);
      return;
    case vk::kEnd:
      MoveTo(p.LastShownLine);
      return;
    case vk::kPrior:
      MoveBy(-1);
      return;
    case vk::kNext:
      MoveBy(1);
      return;
    default:
      return;
  }
}

void Navigation::KeyReleased(int /*key*/, int shift) {
  if (shift & kShiftMask) return;
  if (!BlockMode) return;
  BlockMode = false;
  Program& p = *program_;
  p.BlockEnd = p.CurrentLine;
  if (p.BlockStart > p.BlockEnd) std::swap(p.BlockStart, p.BlockEnd);
  BlockMarked = p.BlockStart > 0;
  // The block is redrawn in its final extent; the last highlight still counts as one drawn
  // while marking (see the Down key).
  host_->ShowCurrentRecord(false);
}

}  // namespace velmora

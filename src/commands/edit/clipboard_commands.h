#pragma once
// The edit menu's record commands: Copy, Cut, Delete, Paste (path order), Reverse path and
// Select all. Each works on the marked block, or on the current record when no block is
// marked (`block_marked` is the view's marking state; the block is BlockStart..BlockEnd in
// either order), reports through the message list, and rebuilds the view when it changed the
// program. After a command that returns true the view ends its block marking and highlights
// CurrentLine.
#include "commands/edit/clipboard.h"

namespace velmora {

class Program;

// `CopySections`: records BlockStart..BlockEnd-1 of a block (the one record when both are
// equal), else the current record, into the clipboard. More than kMaxClipboardRecords are
// refused with a message and leave the clipboard as it was. Message "Copy" "110".
bool CopySections(Program& program, Clipboard& clipboard, bool block_marked);

// `CutSections`: copies the whole block (both ends) and removes it, then cleans the unused
// declarations. Refused like Copy above the clipboard's limit. Message "Cut" "100".
bool CutSections(Program& program, Clipboard& clipboard, bool block_marked);

// `DeleteSections`: removes the whole block without touching the clipboard, then cleans.
// A program left without statements gets an "END" record. Message "Delete" "130".
bool DeleteSections(Program& program, bool block_marked);

// `PasteSections`: inserts the clipboard after the current record (before the closing END);
// its motions get new points C<n>/XC<n> and new motion data, declared in the data file.
// Message "Paste" "121"; an empty clipboard or a full table changes nothing.
bool PasteSections(Program& program, const Clipboard& clipboard);

// `ReversePath`: inserts the clipboard's motions so that the robot travels the copied path
// backwards, with new points R<n>/XR<n>. Refused for a marked block holding a CIRC when more
// than two entries were copied. Message "Paste" "122".
bool ReversePath(Program& program, const Clipboard& clipboard, bool block_marked);

// The view's marking state after `SelectAll`.
struct SelectAllState {
  bool BlockMarked = false;
  bool SelectAllActive = false;  // the next End, arrow key or Esc ends it
};

// `SelectAll`: marks every shown record (BlockStart := FirstShownLine, BlockEnd :=
// LastShownLine) and makes the first current. Nothing is marked while nothing is shown.
SelectAllState SelectAll(Program& program);

}  // namespace velmora

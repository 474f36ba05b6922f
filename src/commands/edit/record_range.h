#pragma once
// The records a block command acts on, and the primitive edits of the line table that move
// records: removing a run and inserting copies.
#include <vector>

#include "program/line_record.h"

namespace velmora {

class Program;

struct RecordRange {
  int first = 0;
  int last = -1;  // inclusive; empty when last < first
  bool empty() const { return last < first; }
  int count() const { return empty() ? 0 : last - first + 1; }
};

// True while the view marks a block and both of its ends are set.
bool HasMarkedBlock(const Program& program, bool block_marked);

// The marked block (BlockStart, BlockEnd in either order) or, when none is marked, the current
// record; kept within records 2..LineCount. `block_marked` is the view's marking state: block
// commands use BlockStart/BlockEnd only while it is set.
RecordRange BlockOrCurrent(const Program& program, bool block_marked);

// True when `count` more records still fit into the line table.
bool TableHasRoomFor(const Program& program, int count);

// Removes the records of `range`: every later record moves up and is marked Modified; the
// freed places at the end return to the default record.
void RemoveRecords(Program& program, RecordRange range);

// Inserts `records` after record `after`; the records behind move down unchanged. The caller
// checks TableHasRoomFor first.
void InsertRecords(Program& program, int after, std::vector<LineRecord> records);

// CurrentLine kept within FirstShownLine..LastShownLine (0 while nothing is shown).
void KeepCurrentLineShown(Program& program);

// Motions for the clipboard commands are PTP, LIN and CIRC.
bool IsPathMotion(const LineRecord& record);

// True for the program's closing "END" statement (a record without fold).
bool IsEndStatement(const LineRecord& record);

}  // namespace velmora

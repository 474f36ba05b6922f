#pragma once
// What Paste and Reverse path do to each motion they insert: new point names with their
// declarations, new motion-data names, and the record read again once it stands in the table.
#include <string>
#include <string_view>
#include <vector>

#include "commands/edit/declare.h"
#include "commands/edit/new_names.h"
#include "program/line_record.h"

namespace velmora {

class Program;

// The names a paste hands out: points <letter>N (TP_USER) or X<letter>N (TP_BASIS) from the
// first free N on, and motion data PPDAT<n>/LCPDAT<n>.
class PasteNames {
 public:
  PasteNames(const Program& program, std::string_view letter);
  std::string NextPoint(int syntax);
  MotionDataCounters& data() { return data_; }
  DeclaredNames& declared() { return declared_; }

 private:
  std::string letter_;
  int next_point_;
  MotionDataCounters data_;
  DeclaredNames declared_;
};

// A copy of `base` that moves to a new point of value `value` (the text inside the braces'
// declaration after "="), with its auxiliary point and motion data under new names too, all
// declared in the data file. XHOME keeps its name and gets no declaration.
LineRecord RenamedMotion(Program& program, const LineRecord& base, std::string_view value,
                         PasteNames& names);

// A copy of `entry` inserted as it is.
LineRecord UnchangedCopy(const LineRecord& entry);

// Declares the entry's own points and motion data where they are missing (a Cut removed them).
void DeclareOwnData(Program& program, const LineRecord& entry, DeclaredNames& declared);

// The record after which a paste inserts: the current record, or the one before the closing
// END so that nothing lands behind it.
int PasteInsertionPoint(const Program& program);

// Inserts the records after `after`, reads the motion fields of the inserted motions again from
// their new texts and declarations, rebuilds the view and makes the first inserted record
// current when the paste went in before the current record.
void InsertPasted(Program& program, int after, std::vector<LineRecord> records);

// Lists the refusal of a paste that does not fit into the line table.
void ListTableFull(Program& program, std::string_view text_key, std::string_view number);

// The empty-clipboard message of Paste ("Paste") and Reverse path ("ReversePath").
void ListClipboardEmpty(Program& program, std::string_view text_key);

}  // namespace velmora

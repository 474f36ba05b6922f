// Reverse path: the clipboard's motions inserted so that the robot travels the copied path
// backwards. A path M1->P1, ..., Mn->Pn comes out as Mn->Pn (when the robot is not already at
// Pn), Mn->P(n-1), M(n-1)->P(n-2), ..., M2->P1: each motion keeps its kind and parameters and
// moves to the point before its own, under a new name.
#include <optional>
#include <vector>

#include "base/app_context.h"
#include "commands/edit/clipboard_commands.h"
#include "commands/edit/pasted_motion.h"
#include "commands/edit/record_range.h"
#include "program/declarations.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

bool IsNamedPoint(const std::string& name) {
  return !name.empty() && name != "XHOME";
}

bool HasNamedPoints(Program& program) {
  for (int k = 2; k <= program.LineCount(); ++k) {
    ParseMotionRecord(program, k);
    const LineRecord& record = program.Record(k);
    if (IsNamedPoint(record.Point1Name) || IsNamedPoint(record.Point2Name)) return true;
  }
  return false;
}

bool BlockHoldsCirc(const Program& program, bool block_marked) {
  if (!HasMarkedBlock(program, block_marked)) return false;
  const RecordRange block = BlockOrCurrent(program, true);
  for (int k = block.first; k <= block.last; ++k) {
    if (program.Record(k).MotionType == kCirc) return true;
  }
  return false;
}

std::string ValueOf(const LineRecord& entry) {
  return ValueAfterEquals(entry.Point1Decl);
}

}  // namespace

bool ReversePath(Program& program, const Clipboard& clipboard, bool block_marked) {
  AppContext& context = program.context();
  if (clipboard.empty()) {
    ListClipboardEmpty(program, "ReversePath");
    return false;
  }
  if (BlockHoldsCirc(program, block_marked) && clipboard.count() > 2) {
    context.AddMessage(context.AssistantText("ReversePath"), "122",
                       context.AssistantText("CircInHereCanNotexecut"));
    return false;
  }
  if (program.LineCount() < 1) return false;
  if (!TableHasRoomFor(program, clipboard.count())) {
    ListTableFull(program, "ReversePath", "122");
    return false;
  }

  const std::vector<LineRecord>& c = clipboard.entries;  // c[k - 1] is entry k
  const int n = clipboard.count();
  const bool named_points = HasNamedPoints(program);
  PasteNames names(program, "R");
  const int after = PasteInsertionPoint(program);
  if (after >= 2) ParseMotionRecord(program, after);
  const LineRecord& current = program.Record(after);
  const LineRecord& last = c[n - 1];

  std::vector<LineRecord> inserted;
  std::optional<int> previous;  // the entry whose motion the next point is reached with
  int k = n - 1;                // the next entry to insert, counting from 0

  if (IsPathMotion(current) && IsPathMotion(last) && current.Point1Decl != last.Point1Decl) {
    // First back to Pn.
    inserted.push_back(RenamedMotion(program, last, ValueOf(last), names));
    previous = n - 1;
    k = n - 2;
  } else if (IsPathMotion(current) && IsPathMotion(last)) {
    // The robot stands at Pn already.
    if (n >= 2) {
      const LineRecord& before = c[n - 2];
      if (!IsPathMotion(before)) {
        inserted.push_back(UnchangedCopy(before));
      } else {
        inserted.push_back(RenamedMotion(program, last, ValueOf(before), names));
        previous = n - 2;
      }
    }
    k = n - 3;
  } else if (clipboard.from_cut && IsPathMotion(last) && !last.Point1Name.empty() &&
             !named_points) {
    // A cut path put back into a program without points: the entries keep their own names.
    for (int j = n - 1; j >= 0; --j) {
      DeclareOwnData(program, c[j], names.declared());
      inserted.push_back(UnchangedCopy(c[j]));
    }
    k = -1;
  } else {
    const bool rename = clipboard.from_cut && named_points && IsPathMotion(last);
    inserted.push_back(rename ? RenamedMotion(program, last, ValueOf(last), names)
                              : UnchangedCopy(last));
    k = n - 2;
  }

  for (; k >= 0; --k) {
    const LineRecord& entry = c[k];
    if (!IsPathMotion(entry)) {
      inserted.push_back(UnchangedCopy(entry));
      continue;
    }
    const LineRecord& motion = previous ? c[*previous] : entry;
    inserted.push_back(RenamedMotion(program, motion, ValueOf(entry), names));
    previous = k;
  }

  InsertPasted(program, after, std::move(inserted));
  context.AddMessage(context.AssistantText("Paste"), "122", "OK");
  return true;
}

}  // namespace velmora

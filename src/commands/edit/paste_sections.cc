// Paste in path order: the clipboard's records with new points and motion data.
#include <vector>

#include "base/app_context.h"
#include "commands/edit/clipboard_commands.h"
#include "commands/edit/pasted_motion.h"
#include "commands/edit/record_range.h"
#include "program/declarations.h"
#include "program/program.h"

namespace velmora {

bool PasteSections(Program& program, const Clipboard& clipboard) {
  if (clipboard.empty()) {
    ListClipboardEmpty(program, "Paste");
    return false;
  }
  if (program.LineCount() < 1) return false;
  if (!TableHasRoomFor(program, clipboard.count())) {
    ListTableFull(program, "Paste", "121");
    return false;
  }
  PasteNames names(program, "C");
  const int after = PasteInsertionPoint(program);
  std::vector<LineRecord> inserted;
  for (const LineRecord& entry : clipboard.entries) {
    inserted.push_back(
        IsPathMotion(entry)
            ? RenamedMotion(program, entry, ValueAfterEquals(entry.Point1Decl), names)
            : UnchangedCopy(entry));
  }
  InsertPasted(program, after, std::move(inserted));
  program.context().AddMessage(program.context().AssistantText("Paste"), "121", "OK");
  return true;
}

}  // namespace velmora

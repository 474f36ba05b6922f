// Copy, Cut and Delete of record blocks.
#include <algorithm>
#include <string>

#include "base/app_context.h"
#include "commands/edit/clean_file.h"
#include "commands/edit/clipboard_commands.h"
#include "commands/edit/record_range.h"
#include "program/loader.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

// A block longer than the clipboard holds is refused whole: cutting part of it, or cutting it
// all while keeping part, would lose records.
bool FitsClipboard(Program& program, RecordRange range, std::string_view text_key,
                   std::string_view number) {
  if (range.count() <= kMaxClipboardRecords) return true;
  AppContext& context = program.context();
  context.AddMessage(
      context.AssistantText(text_key), number,
      context.AssistantText("not_OK") + ": " +
          context.AssistantTextWithParam("ClipboardLimit", std::to_string(kMaxClipboardRecords)));
  return false;
}

void FillClipboard(Program& program, RecordRange range, Clipboard& clipboard, bool from_cut) {
  clipboard.entries.clear();
  for (int k = range.first; k <= range.last; ++k) {
    ParseMotionRecord(program, k);
    clipboard.entries.push_back(program.Record(k));
  }
  clipboard.from_cut = from_cut;
}

}  // namespace

bool CopySections(Program& program, Clipboard& clipboard, bool block_marked) {
  RecordRange range = BlockOrCurrent(program, block_marked);
  // The record at the larger end of a block is not copied.
  if (HasMarkedBlock(program, block_marked) && program.BlockStart != program.BlockEnd) {
    range.last = std::min(range.last, std::max(program.BlockStart, program.BlockEnd) - 1);
  }
  if (range.empty() || !FitsClipboard(program, range, "Copy", "110")) return false;
  FillClipboard(program, range, clipboard, false);
  program.context().AddMessage(program.context().AssistantText("Copy"), "110", "OK");
  return true;
}

bool CutSections(Program& program, Clipboard& clipboard, bool block_marked) {
  const RecordRange range = BlockOrCurrent(program, block_marked);
  if (range.empty() || !FitsClipboard(program, range, "Cut", "100")) return false;
  FillClipboard(program, range, clipboard, true);
  RemoveRecords(program, range);
  if (program.LineCount() == 1) {
    // The closing record stays in the program, so it is no part of what was cut.
    LineRecord& end = program.Record(2);
    end = clipboard.entries.back();
    end.Modified = true;
    program.LineCount() = 2;
    clipboard.entries.pop_back();
  }
  program.BlockStart = 0;
  program.BlockEnd = 0;
  program.context().AddMessage(program.context().AssistantText("Cut"), "100", "OK");
  CleanFile(program);
  RebuildView(program);
  KeepCurrentLineShown(program);
  return true;
}

bool DeleteSections(Program& program, bool block_marked) {
  const RecordRange range = BlockOrCurrent(program, block_marked);
  if (range.empty()) return false;
  RemoveRecords(program, range);
  if (program.LineCount() == 1) {
    LineRecord& end = program.Record(2);
    end = LineRecord();
    end.Text = "END\r\n";
    end.Modified = true;
    program.Record(1).Modified = true;
    program.LineCount() = 2;
  }
  program.CurrentLine -= program.CurrentLine == range.first ? 1 : range.count();
  program.BlockStart = 0;
  program.BlockEnd = 0;
  program.context().AddMessage(program.context().AssistantText("Delete"), "130", "OK");
  CleanFile(program);
  RebuildView(program);
  KeepCurrentLineShown(program);
  return true;
}

SelectAllState SelectAll(Program& program) {
  if (program.FirstShownLine == 0) return {};
  program.BlockStart = program.FirstShownLine;
  program.BlockEnd = program.LastShownLine;
  program.CurrentLine = program.FirstShownLine;
  return {.BlockMarked = true, .SelectAllActive = true};
}

}  // namespace velmora

#include "commands/edit/record_range.h"

#include <algorithm>

#include "base/strings.h"
#include "program/program.h"

namespace velmora {

bool HasMarkedBlock(const Program& program, bool block_marked) {
  return block_marked && program.BlockStart != 0 && program.BlockEnd != 0;
}

RecordRange BlockOrCurrent(const Program& program, bool block_marked) {
  RecordRange range;
  if (HasMarkedBlock(program, block_marked)) {
    range.first = std::min(program.BlockStart, program.BlockEnd);
    range.last = std::max(program.BlockStart, program.BlockEnd);
  } else {
    range.first = range.last = program.CurrentLine;
  }
  range.first = std::max(range.first, 2);
  range.last = std::min(range.last, program.LineCount());
  return range;
}

bool TableHasRoomFor(const Program& program, int count) {
  return program.LineCount() + count <= kMaxRecords;
}

void RemoveRecords(Program& program, RecordRange range) {
  if (range.empty()) return;
  auto& records = program.table.records;
  const int count = program.LineCount();
  auto begin = records.begin() + range.first;
  std::move(begin + range.count(), records.begin() + count + 1, begin);
  for (int k = range.first; k <= count - range.count(); ++k) program.Record(k).Modified = true;
  for (int k = count - range.count() + 1; k <= count; ++k) program.Record(k) = LineRecord();
  program.LineCount() = count - range.count();
}

void InsertRecords(Program& program, int after, std::vector<LineRecord> records) {
  if (records.empty()) return;
  auto& table = program.table.records;
  const int count = program.LineCount();
  const int added = static_cast<int>(records.size());
  auto at = table.begin() + after + 1;
  std::move_backward(at, table.begin() + count + 1, table.begin() + count + 1 + added);
  std::move(records.begin(), records.end(), at);
  program.LineCount() = count + added;
}

void KeepCurrentLineShown(Program& program) {
  if (program.FirstShownLine == 0) {
    program.CurrentLine = 0;
    return;
  }
  program.CurrentLine =
      std::clamp(program.CurrentLine, program.FirstShownLine, program.LastShownLine);
}

bool IsPathMotion(const LineRecord& record) {
  return record.MotionType >= kPtp && record.MotionType <= kCirc;
}

bool IsEndStatement(const LineRecord& record) {
  return ToUpper(Trim(ReplaceAll(record.Text, kCrLf, ""))) == "END";
}

}  // namespace velmora

#include "commands/edit/pasted_motion.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/strings.h"
#include "commands/edit/declare.h"
#include "commands/edit/record_range.h"
#include "commands/edit/rename.h"
#include "program/declarations.h"
#include "program/folds.h"
#include "program/loader.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

bool IsHome(std::string_view name) {
  return EqualsNoCase(name, "XHOME");
}

// A HOME motion without motion data refers to its frame data as FHOME.
void FixHomeFrameReference(LineRecord& record, std::string_view original_point) {
  if (!IsHome(original_point) || !record.MotionData.empty()) return;
  const std::string upper = ToUpper(record.Text);
  if (record.Syntax == 1) {
    const size_t at = upper.find("FXHOME");
    if (at != std::string::npos) record.Text.replace(at, 6, "FHOME");
  } else {
    const size_t at = upper.find("FHOME");
    if (at != std::string::npos) record.Text.replace(at, 5, "FHOME");
  }
}

void ClearMasters(LineRecord& record) {
  // New points have no master declarations; the originals' masters stay with the originals.
  record.MasterDecl1.clear();
  record.MasterDecl2.clear();
  record.MasterName1.clear();
  record.MasterName2.clear();
  record.MasterPos1 = {};
}

// Renames one point of the record; the old name is returned for the motion-data renaming.
std::string RenamePoint(Program& program, LineRecord& record, std::string& name,
                        std::string& declaration, std::string_view value, PasteNames& names) {
  const std::string old_name = name;
  if (IsHome(name)) {
    declaration = name + "=" + std::string(value);
    return old_name;
  }
  name = names.NextPoint(record.Syntax);
  declaration = name + "=" + std::string(value);
  RenamePointInSection(old_name, name, record);
  DeclarePoint(program, names.declared(), declaration);
  return old_name;
}

}  // namespace

PasteNames::PasteNames(const Program& program, std::string_view letter)
    : letter_(letter),
      next_point_(NextPointNumber(program, letter)),
      data_(NextMotionDataNumbers(program)),
      declared_(program) {}

std::string PasteNames::NextPoint(int syntax) {
  return (syntax == 2 ? "X" : "") + letter_ + std::to_string(next_point_++);
}

LineRecord RenamedMotion(Program& program, const LineRecord& base, std::string_view value,
                         PasteNames& names) {
  LineRecord record = base;
  record.Modified = true;
  ClearMasters(record);
  std::string old1 = record.Point1Name, old2 = record.Point2Name;
  if (!record.Point1Name.empty()) {
    RenamePoint(program, record, record.Point1Name, record.Point1Decl, value, names);
  }
  if (!record.Point2Name.empty() && !IsHome(record.Point2Name)) {
    RenamePoint(program, record, record.Point2Name, record.Point2Decl,
                ValueAfterEquals(base.Point2Decl), names);
  }
  if (record.Syntax == 2) {
    if (!record.MotionData.empty()) {
      RenameMotionData(old1, record.Point1Name, names.data(), record, MotionDataSlot::kFirst);
      DeclareMotionData(program, names.declared(), record.MotionData);
    }
    if (!record.MotionData2.empty()) {
      RenameMotionData(old2, record.Point2Name, names.data(), record, MotionDataSlot::kSecond);
      DeclareMotionData(program, names.declared(), record.MotionData2);
    }
  } else {
    RestoreUserMotionData(program, names.declared(), record);
  }
  FixHomeFrameReference(record, old1);
  ParseFoldHeader(record.Text, record);
  return record;
}

LineRecord UnchangedCopy(const LineRecord& entry) {
  LineRecord record = entry;
  record.Modified = true;
  return record;
}

void DeclareOwnData(Program& program, const LineRecord& entry, DeclaredNames& declared) {
  if (!entry.Point1Name.empty() && !IsHome(entry.Point1Name)) {
    DeclarePoint(program, declared, entry.Point1Decl);
  }
  if (!entry.Point2Name.empty() && !IsHome(entry.Point2Name)) {
    DeclarePoint(program, declared, entry.Point2Decl);
  }
  if (entry.Syntax == 2) {
    DeclareMotionData(program, declared, entry.MotionData);
    DeclareMotionData(program, declared, entry.MotionData2);
  } else {
    RestoreUserMotionData(program, declared, entry);
  }
}

int PasteInsertionPoint(const Program& program) {
  if (program.LineCount() == 2) return 1;
  int after = std::clamp(program.CurrentLine, 1, program.LineCount());
  if (after > 1 && IsEndStatement(program.Record(after))) --after;
  return after;
}

void InsertPasted(Program& program, int after, std::vector<LineRecord> records) {
  const int count = static_cast<int>(records.size());
  InsertRecords(program, after, std::move(records));
  // The data sections stay as they are while the inserted records are read again, so one index
  // of them serves every record.
  const MotionLookups lookups(program, count > 1);
  for (int k = after + 1; k <= after + count; ++k) {
    LineRecord& record = program.Record(k);
    if (!IsPathMotion(record)) continue;
    record.Parsed = false;
    ParseMotionRecord(program, record, lookups);
    record.Pos1 = CartesianComponents(ToUpper(record.Point1Decl));
  }
  if (program.CurrentLine < 2) program.CurrentLine = 2;
  program.BlockStart = 0;
  program.BlockEnd = 0;
  RebuildView(program);
}

void ListTableFull(Program& program, std::string_view text_key, std::string_view number) {
  AppContext& context = program.context();
  context.AddMessage(
      context.AssistantText(text_key), number,
      context.AssistantText("not_OK") + ": " +
          context.AssistantTextWithParam("LineTableLimit", std::to_string(kMaxRecords - 1)));
}

void ListClipboardEmpty(Program& program, std::string_view text_key) {
  AppContext& context = program.context();
  context.AddMessage(context.AssistantText(text_key), "122",
                     context.AssistantText("no Data in Temp, ") + context.AssistantText("not_OK"));
}

}  // namespace velmora

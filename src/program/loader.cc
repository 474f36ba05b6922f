#include "program/loader.h"

#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "base/strings.h"
#include "program/dat_sections.h"
#include "program/declarations.h"
#include "program/folds.h"
#include "program/lines.h"
#include "program/logical_lines.h"
#include "program/master_list.h"
#include "program/motion.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {
namespace {

// The view shows the records of its first screen while the rest of a long program loads.
constexpr size_t kEarlyLineBreaks = 38;

// Reads the fields of a record whose Text was just set, except its display text.
void ReadRecord(Program& program, LineRecord& record, const MotionLookups& lookups,
                const MasterSearch& masters) {
  const std::string_view package = TechnologyPackage(record.Text);
  record.Syntax = package == "TP_BASIS" ? 2 : 1;
  record.MotionType = MotionTypeOf(program, record.Text);
  record.IsMotion = record.MotionType != kNoMotion;
  ParseMotionRecord(program, record, lookups, record.MotionType, package);
  record.TechCommand = TechCommandOf(program, record.Text);
  record.Pos1 = CartesianComponents(ToUpper(record.Point1Decl));
  AttachMasterDecls(record, masters);
  ParseFoldHeader(record.Text, record);
}

// Places record k's display text at the end of ViewText.
void AppendToView(Program& program, int k, const std::string& display) {
  LineRecord& record = program.Record(k);
  record.ViewStart = static_cast<int32_t>(program.ViewText.size());
  record.ViewLength = static_cast<int32_t>(display.size());
  if (display.empty()) return;
  if (program.FirstShownLine == 0) program.FirstShownLine = k;
  program.LastShownLine = k;
  program.ViewText.append(display);
}

}  // namespace

void ListProgramTooLong(Program& program, int count) {
  AppContext& context = program.context();
  context.AddMessage(context.AssistantText("Editor"), "999",
                     context.AssistantTextWithParam("ProgramTooLong", std::to_string(count)));
}

bool LoadProgramIntoView(Program& program, std::string_view dat_text, std::string_view src_text) {
  // Everything that can refuse the load runs on copies before the model is touched.
  CutSource cut = CutLogicalLines(CrLfText(src_text).view(), kMaxLogicalLines);
  if (cut.count > kMaxLogicalLines) {
    ListProgramTooLong(program, cut.count);
    return false;
  }
  const Progress& progress = program.context().progress;

  program.LineCount() = 0;
  program.FirstShownLine = 0;
  program.LastShownLine = 0;
  program.ViewText.clear();
  SplitDatSections(program, CrLfText(dat_text).view());
  program.MasterList = MasterDeclarationLines(program.DatPositions);
  ResetLineTable(program.table);
  program.Record(1).Text = std::move(cut.header);

  const MotionLookups lookups(program, true);
  MasterSearch masters(program.MasterList);
  masters.BuildIndex();
  const int n = cut.count;
  int motion_counter = 0;
  bool showing_early = static_cast<bool>(program.show_early);
  size_t line_breaks = 0;
  for (int i = 0; i < n; ++i) {
    const int k = i + 2;
    LineRecord& record = program.Record(k);
    record.Text = std::move(cut.lines[static_cast<size_t>(i)]);
    progress.Show(std::min(100, static_cast<int>(std::lround(k * 100.0 / n))));
    ReadRecord(program, record, lookups, masters);
    std::string display = DisplayText(program, record, motion_counter);
    AppendToView(program, k, display);
    if (showing_early && !display.empty()) {
      line_breaks += static_cast<size_t>(std::count(display.begin(), display.end(), '\n'));
      showing_early = line_breaks <= kEarlyLineBreaks;
      if (showing_early) program.show_early(display);
    }
    progress.ProcessEvents();
  }
  program.LineCount() = n + 1;
  program.CurrentLine = program.FirstShownLine;
  program.BlockStart = 0;
  program.BlockEnd = 0;
  if (program.view_changed) program.view_changed();
  return true;
}

void RebuildView(Program& program) {
  program.FirstShownLine = 0;
  program.LastShownLine = 0;
  program.ViewText.clear();
  int motion_counter = 0;
  for (int k = 2; k <= program.LineCount(); ++k) {
    AppendToView(program, k, DisplayText(program, program.Record(k), motion_counter));
  }
  if (program.view_changed) program.view_changed();
  program.context().progress.ProcessEvents();
}

std::string BuildSrcText(Program& program) {
  std::string text = program.Record(1).Text;
  // The header's flag goes too, so that a saved program no longer counts as changed.
  program.Record(1).Modified = false;
  for (int k = 2; k <= program.LineCount(); ++k) {
    LineRecord& record = program.Record(k);
    record.Modified = false;
    if (!EndsWith(text, kCrLf)) text.append(kCrLf);
    text.append(record.Text);
  }
  if (EndsWith(text, kCrLf)) text.resize(text.size() - 2);
  return text;
}

bool HasChanges(const Program& program) {
  if (program.LineCount() == 2) return true;
  for (int k = 1; k <= program.LineCount(); ++k) {
    if (program.Record(k).Modified) return true;
  }
  return false;
}

void ResetLineTable(LineTable& table) {
  static const LineRecord kDefault;
  for (LineRecord& record : table.records) record = kDefault;
}

}  // namespace velmora

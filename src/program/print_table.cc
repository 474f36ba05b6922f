#include "program/print_table.h"

#include "base/app_context.h"
#include "base/strings.h"
#include "program/folds.h"
#include "program/lines.h"
#include "program/loader.h"
#include "program/logical_lines.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {

bool LoadPrintTable(Program& program, LineTable& table, std::string_view src_text,
                    std::string* view_text) {
  CutSource cut = CutLogicalLines(CrLfText(src_text).view(), kMaxLogicalLines);
  if (cut.count > kMaxLogicalLines) {
    ListProgramTooLong(program, cut.count);
    return false;
  }
  ResetLineTable(table);
  table[1].Text = std::move(cut.header);
  view_text->clear();
  int motion_counter = 0;
  for (size_t i = 0; i < cut.lines.size(); ++i) {
    LineRecord& record = table[static_cast<int>(i) + 2];
    record.Text = std::move(cut.lines[i]);
    record.Syntax = TechnologyPackage(record.Text) == "TP_BASIS" ? 2 : 1;
    record.MotionType = MotionTypeOf(program, record.Text);
    record.IsMotion = record.MotionType != kNoMotion;
    record.TechCommand = TechCommandOf(program, record.Text);
    ParseFoldHeader(record.Text, record);
    std::string display = DisplayText(program, record, motion_counter);
    record.ViewStart = static_cast<int32_t>(view_text->size());
    record.ViewLength = static_cast<int32_t>(display.size());
    view_text->append(display);
    program.context().progress.ProcessEvents();
  }
  table.LineCount = cut.count + 1;
  return true;
}

}  // namespace velmora

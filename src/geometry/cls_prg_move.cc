#include "geometry/cls_prg_move.h"

#include "base/app_context.h"
#include "base/paths.h"
#include "base/strings.h"
#include "geometry/first_occurrence.h"
#include "geometry/var_access.h"
#include "program/declarations.h"
#include "program/program.h"

namespace velmora {

ClsPrgMove::ClsPrgMove(Program& program, VarAccess* controller)
    : program_(&program), controller_(controller) {}

AppContext& ClsPrgMove::context() {
  return program_->context();
}

std::string ClsPrgMove::T(std::string_view key) {
  return context().AssistantText(key);
}

LineRecord* ClsPrgMove::RecordAt(int32_t n) {
  if (n < 1 || n > kMaxRecords) return nullptr;
  return &program_->Record(n);
}

std::string ClsPrgMove::PointMessage(int32_t k, std::string_view key) {
  std::string start = T("Start");
  return (start.empty() ? start : start.substr(1)) + " " + T("Point") + " + " + std::to_string(k) +
         ": " + T(key);
}

int16_t ClsPrgMove::ParseTool(std::string_view param, int16_t& ParseBase,
                              std::string& ParseIpo) const {
  ToolBaseIpo parsed = ParseToolText(param);
  ParseBase = parsed.base;
  ParseIpo = parsed.ipo;
  return parsed.tool;
}

bool ClsPrgMove::ReadToolBaseData(int tool, int base) {
  return velmora::ReadToolBaseData(controller_, tool, base, tables_);
}

bool ClsPrgMove::SetControllerToolBase(std::string_view param) {
  return velmora::SetControllerToolBase(controller_, param);
}

bool ClsPrgMove::DirectionZ() {
  if (!direction_z_) direction_z_ = IsToolDirectionZ();
  return *direction_z_;
}

std::string ClsPrgMove::ControllerAnswer(const std::string& expression, bool* ok) {
  std::string answer;
  *ok = controller_ && controller_->ShowVar(expression, answer);
  return *ok ? AnswerValue(answer) : std::string();
}

void ClsPrgMove::WriteBack(const std::vector<Result>& results, int32_t nStart, int32_t nEnde,
                           const WriteBackRules& rules, std::string* positions) {
  struct Target {
    LineRecord* record;
    std::string LineRecord::*field;
    const std::string* text;
  };
  std::vector<Target> targets;
  for (int32_t i = nStart; i <= nEnde; ++i) {
    LineRecord* record = RecordAt(i);
    const Result& result = results[static_cast<size_t>(i - nStart)];
    if (!record || (!rules.all_records && !result.shifted)) continue;
    record->Modified = true;
    auto add = [&](std::string LineRecord::*field, const std::string& text, bool skip) {
      if (!text.empty() && !skip) targets.push_back({record, field, &text});
    };
    add(&LineRecord::Point1Decl, result.decl1,
        rules.skip_home_point1 && record->Point1Name == "HOME");
    add(&LineRecord::Point2Decl, result.decl2, false);
    add(&LineRecord::MasterDecl1, result.master1,
        rules.skip_home_master1 && record->MasterName1 == "HOME");
    add(&LineRecord::MasterDecl2, result.master2, false);
  }
  std::vector<Replacement> replacements;
  replacements.reserve(targets.size());
  for (const Target& t : targets) replacements.push_back({t.record->*t.field, *t.text});
  // An empty old text is never looked for (it would match at the very start).
  ReplaceFirstOccurrences(positions ? *positions : program_->DatPositions, replacements);
  for (const Target& t : targets) {
    t.record->*t.field = *t.text;
    if (t.field == &LineRecord::Point1Decl) t.record->Pos1 = CartesianComponents(ToUpper(*t.text));
    if (t.field == &LineRecord::MasterDecl1)
      t.record->MasterPos1 = CartesianComponents(ToUpper(*t.text));
  }
}

std::string ClsPrgMove::CStringToText(std::string_view cstring) {
  size_t nul = cstring.find('\0');
  return nul == std::string_view::npos ? std::string() : std::string(cstring.substr(0, nul));
}

std::string ClsPrgMove::CreateAxisSys(int32_t Kind) {
  if (Kind != 0) return std::string();
  return "src1 {X 1000, Y 1000, Z 1000}\r\n"
         "src2 {X 1100, Y 1000, Z 1000}\r\n"
         "src3 {X 1000, Y 1100, Z 1000}\r\n"
         "\r\n"
         "dest1 {X 1000, Y -1000, Z 1000}\r\n"
         "dest2 {X 1100, Y -1000, Z 1000}\r\n"
         "dest3 {X 1000, Y -1100, Z 1000}\r\n"
         "\r\n"
         "tool = {X 11, Y 22, Z 33, A 0, B 0, C 0}\r\n";
}

}  // namespace velmora

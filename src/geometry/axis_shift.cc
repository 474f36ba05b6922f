// MoveAxis: every point of a range moved by axis angles, through the controller's inverse and
// forward kinematics with the point's own tool, base and interpolation mode.
#include "base/app_context.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "geometry/axis_offset.h"
#include "geometry/cls_prg_move.h"
#include "geometry/shift_progress.h"
#include "geometry/var_access.h"
#include "program/declarations.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr const char* kAxisLog = "axisshift.log";

std::string NamePart(std::string_view declaration) {
  return std::string(declaration.substr(0, declaration.find('=')));
}

}  // namespace

bool ClsPrgMove::MoveAxis(int32_t nStart, int32_t nEnde, const std::string& sOffset,
                          std::string& sError) {
  AppContext& ctx = context();
  const int32_t count = nEnde >= nStart ? nEnde - nStart + 1 : 0;
  std::vector<Result> results(static_cast<size_t>(count));
  ShiftProgress progress(ctx.progress, nEnde - nStart + 2);
  const std::string header = "MoveAxis: Start=" + std::to_string(nStart) +
                             " Ende=" + std::to_string(nEnde) + " Offset=" + sOffset + "\r\n";
  trace_.Write(header);
  AppendToTempFile(kAxisLog, header);
  // The axis offset "{A1 .., ..., A6 ..}" as the manual shift built it from its entry boxes.
  const std::string& offset = sOffset;

  bool ok = true;
  for (int32_t i = nStart; i <= nEnde; ++i) {
    Result& result = results[static_cast<size_t>(i - nStart)];
    LineRecord* record = RecordAt(i);
    if (!record) continue;
    if (!record->Parsed) ParseMotionRecord(*program_, i);
    if (record->Point1Name.empty() || record->Point1Name == "XHOME") {
      if (!record->Point1Name.empty() || !record->Point1Decl.empty()) ok = false;
      continue;
    }
    progress.Advance();
    result.shifted = true;
    if (!SetControllerToolBase(record->MotionData)) {
      result.shifted = false;
      result.reason = NamePart(record->Point1Decl) + T("NoSetTool");
      AppendToTempFile(kAxisLog, result.reason);
      continue;
    }
    struct Point {
      const std::string& decl;
      std::string& new_decl;
      bool second;
      bool master;
    } points[] = {{record->Point1Decl, result.decl1, false, false},
                  {record->MasterDecl1, result.master1, false, true},
                  {record->Point2Decl, result.decl2, true, false},
                  {record->MasterDecl2, result.master2, true, true}};
    for (Point& p : points) {
      if (p.decl.empty()) continue;
      std::string reason;
      if (std::optional<std::string> moved =
              ConvertAxisPoint(p.decl, p.second, offset, reason, p.master)) {
        p.new_decl = *moved;
      } else {
        result.shifted = false;
        result.reason = reason;
      }
      if (!reason.empty()) AppendToTempFile(kAxisLog, reason);
    }
  }

  WriteBackRules rules;
  rules.all_records = true;
  rules.skip_home_point1 = rules.skip_home_master1 = true;
  WriteBack(results, nStart, nEnde, rules, nullptr);

  std::string last_message;
  for (int32_t i = nStart; i <= nEnde; ++i) {
    const Result& result = results[static_cast<size_t>(i - nStart)];
    const LineRecord* record = RecordAt(i);
    if (result.shifted || !record) continue;
    trace_.Write("P" + std::to_string(record->MotionNo) + ": " + result.reason);
    last_message = PointMessage(i - nStart, "CantMove");
    ctx.AddMessage(T("mnuJoint"), "221", last_message);
  }
  if (!last_message.empty()) sError = last_message;
  trace_.Flush();
  return ok;
}

std::optional<std::string> ClsPrgMove::ConvertAxisPoint(std::string_view declaration, bool second,
                                                        const std::string& offset,
                                                        std::string& reason, bool master) {
  auto note = [&](const std::string& entry) {
    trace_.Write(entry);
    AppendToTempFile(kAxisLog, entry);
  };
  const std::string name = NamePart(declaration);
  const std::string value = ValueAfterEquals(declaration);
  note((master ? "Vorher(MP): " : "Vorher: ") + std::string(declaration));

  std::string answer;
  bool answered =
      controller_ &&
      controller_->ShowVar("INVERSE (" + value + (second ? "," : ", ") + offset + ",0)", answer);
  if (!answered)
    answered = controller_ && controller_->ShowVar("INVERSE (" + value + ",0)", answer);
  if (!answered) {
    reason = name + T("ErrInverse");
    return std::nullopt;
  }
  const std::string axes = AnswerValue(answer);
  note("Achsspez.: " + name + "=" + axes);

  std::string sum = Contains(ToUpper(axes), "E6AXIS: A1") ? AddAxisOffset(axes, offset) : "";
  if (sum.empty()) {
    reason = name + T("ErrAddAxisOffset") + "(" + axes + offset + ")";
    return std::nullopt;
  }
  note("mit Offset: " + name + "=" + sum);

  answered = controller_ && controller_->ShowVar("FORWARD (" + sum + ",0)", answer);
  const std::string position = answered ? AnswerValue(answer) : std::string();
  const size_t cut = answer.find("={E6POS:");
  if (!answered || Trim(position) == "{E6POS:}" || cut == std::string::npos) {
    reason = name + T("ErrForward");
    return std::nullopt;
  }
  note("kartes.: " + name + "=" + position + "\r\n");
  // The controller's own form of the value, blank after the brace included.
  return name + "={" + answer.substr(cut + 8);
}

}  // namespace velmora

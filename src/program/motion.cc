#include "program/motion.h"

#include "base/strings.h"
#include "program/basis_motion.h"
#include "program/folds.h"
#include "program/program.h"
#include "program/text_view.h"
#include "program/user_motion.h"

namespace velmora {
namespace {

void ClearMotionFields(LineRecord& record) {
  record.Point1Decl.clear();
  record.MotionData.clear();
  record.Point2Decl.clear();
  record.MotionData2.clear();
  record.Point1Name.clear();
  record.Point2Name.clear();
  record.MotionDataName.clear();
}

void FindPointDecls(Program& program, LineRecord& record, const MotionLookups& lookups) {
  if (!record.Point1Name.empty()) {
    record.Point1Decl = Trim(FindPointDecl(program, lookups.positions(), record.Point1Name));
  }
  if (!record.Point2Name.empty()) {
    record.Point2Decl = Trim(FindPointDecl(program, lookups.positions(), record.Point2Name));
  }
}

}  // namespace

int16_t MotionTypeOf(const Program& program, std::string_view text) {
  for (std::string_view part : {"_PTP", "PTP ", ".PTP"}) {
    if (HasPart(text, part)) return kPtp;
  }
  for (std::string_view part : {"_LIN", "LIN ", ".LIN"}) {
    if (HasPart(text, part)) return kLin;
  }
  for (std::string_view part : {".CIRC", "CIRC "}) {
    if (HasPart(text, part)) return kCirc;
  }
  for (const UserMotionCommand& command : program.UserMotionCommands) {
    if (!command.CommandName.empty() && HasPart(text, command.CommandName)) return kUserMotion;
  }
  return kNoMotion;
}

MotionLookups::MotionLookups(const Program& program, bool indexed)
    : positions_(program.DatPositions, indexed), motion_(program.DatMotion) {
  if (indexed) motion_.BuildIndex({std::begin(kMotionKeywords), std::end(kMotionKeywords)});
}

void ParseMotionRecord(Program& program, int k) {
  LineRecord& record = program.Record(k);
  if (record.Parsed) return;
  ParseMotionRecord(program, record, MotionLookups(program, false));
}

void ParseMotionRecord(Program& program, LineRecord& record, const MotionLookups& lookups) {
  if (record.Parsed) return;
  ParseMotionRecord(program, record, lookups, MotionTypeOf(program, record.Text),
                    TechnologyPackage(record.Text));
}

void ParseMotionRecord(Program& program, LineRecord& record, const MotionLookups& lookups,
                       int16_t type, std::string_view package) {
  if (record.Parsed) return;
  record.Parsed = true;
  ClearMotionFields(record);
  const std::string& text = record.Text;
  if (TrimView(text).empty() || type == kNoMotion) return;

  if (package != "TP_USER") {
    record.Syntax = 2;
    std::string data_name;
    record.Point1Name = BasisPointName(text, type, &data_name);
    record.Point2Name = BasisAuxPointName(text, type);
    FindPointDecls(program, record, lookups);
    if (!record.Point1Name.empty()) {
      record.MotionData = BasisMotionData(lookups.motion(), record.Point1Name, data_name);
    }
    if (!record.Point2Name.empty()) {
      record.MotionData2 = BasisMotionData(lookups.motion(), record.Point2Name, "");
    }
    return;
  }

  record.Syntax = 1;
  record.Point1Name = UserPointName(text, 1);
  if (type != kPtp && type != kLin) record.Point2Name = UserPointName(text, 2);
  FindPointDecls(program, record, lookups);
  if (!StartsWith(text, ";FOLD")) {
    record.MotionData = UserCallParams(program, text);
  } else {
    record.MotionDataName = UserMotionDataName(text);
    record.MotionData = UserPdatText(record.MotionDataName, lookups.motion()) + "\r\n" +
                        UserFdatText(text, lookups.motion());
  }
}

}  // namespace velmora

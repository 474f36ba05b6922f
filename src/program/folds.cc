#include "program/folds.h"

#include "base/strings.h"
#include "base/wildcard.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {
namespace {

// Up to the first ";", else up to the first "{", else all.
std::string_view UpToSemicolonOrBrace(std::string_view text) {
  size_t end = text.find(';');
  if (end == kNpos) end = text.find('{');
  return text.substr(0, end);
}

bool NamesUserMotionCommand(const Program& program, std::string_view text) {
  for (const UserMotionCommand& command : program.UserMotionCommands) {
    if (!command.CommandName.empty() && HasPart(text, command.CommandName)) return true;
  }
  return false;
}

bool ContainsAny(std::string_view text, const std::vector<std::string>& keywords) {
  for (const std::string& keyword : keywords) {
    if (!keyword.empty() && HasPart(text, keyword)) return true;
  }
  return false;
}

// The "VW_USER" title of an SPS fold of the user variant, with the number prefix of the line.
std::string SpsUserTitle(std::string_view u) {
  std::string prefix;
  for (std::string_view pattern : {"#:*", "##:*", "###:*"}) {
    if (MatchesPattern(u, pattern)) prefix = std::string(u.substr(0, pattern.size() - 1)) + "  ";
  }
  size_t a = u.find("VUSER");
  size_t b = u.find("VW_USER", a);
  size_t c = b == kNpos ? kNpos : u.find(',', b);
  if (b == kNpos || c == kNpos) return std::string();
  return prefix + std::string(u.substr(b, c - b));
}

}  // namespace

bool ContainsInOrder(std::string_view text, std::initializer_list<std::string_view> parts) {
  size_t at = 0;
  for (std::string_view part : parts) {
    at = FindPart(text, part, at);
    if (at == kNpos) return false;
    at += part.size();
  }
  return true;
}

std::string_view TechnologyPackage(std::string_view text) {
  if (HasPart(text, "%MZEVOTPVW")) return "TP_VW";
  if (HasPart(text, "%MZEVOTPUSER")) return "TP_USER";
  return "TP_BASIS";
}

std::string FoldTitleOf(std::string_view line) {
  std::string_view t = TrimView(line);
  if (!StartsWith(t, ";")) return std::string();
  std::string_view u = TrimView(t.substr(1));
  if (!StartsWithNoCase(u, "FOLD")) return std::string();
  u = TrimView(u.substr(4));
  if (ContainsInOrder(u, {"%CVW_SPS", "%VUSER", "VW_USER"})) return SpsUserTitle(u);
  if (HasPart(u, "%CCOMMENT")) {
    std::string_view v = Mid(u, 1);
    return "-- " + std::string(UpToSemicolonOrBrace(v)) + " --";
  }
  return std::string(UpToSemicolonOrBrace(u));
}

void ParseFoldHeader(std::string_view text, LineRecord& record) {
  record.FoldTitle.clear();
  std::string_view line = FirstLine(text);
  if (line.empty()) return;
  if (!HasPart(line, "%{P") && !HasPart(line, "%{E") &&
      !StartsWithNoCase(TrimView(line), ";FOLD")) {
    return;
  }
  record.FoldTitle = FoldTitleOf(line);
}

bool IsMotionFold(const Program& program, const LineRecord& record) {
  const std::string& title = record.FoldTitle;
  for (std::string_view start : {"KCIR", "KLIN", "CIR", "LIN", "PTP"}) {
    if (StartsWith(title, start)) return true;
  }
  for (std::string_view part : {".L ", ".P ", ".C "}) {
    if (HasPart(title, part)) return true;
  }
  return NamesUserMotionCommand(program, title);
}

std::string DisplayText(const Program& program, LineRecord& record, int& motion_counter) {
  if (record.FoldTitle.empty()) {
    record.MotionNo = 0;
    return record.Text;
  }
  std::string text;
  if (IsMotionFold(program, record)) {
    record.MotionNo = static_cast<int16_t>(++motion_counter);
    record.FoldKind = "MOVE";
    text = std::to_string(motion_counter) + ": ";
  } else {
    record.MotionNo = 0;
    std::string_view title = TrimView(record.FoldTitle);
    if (StartsWith(title, "--") && EndsWith(title, "--")) record.FoldKind = "COMMENT";
    if (HasPart(record.Text, "%CVW_SPS")) record.FoldKind = "SPS";
    if (ContainsInOrder(record.Text, {"%CUSER", "%VEXPERT"})) record.FoldKind = "EXPERT";
  }
  text.append(record.FoldTitle).append(kCrLf);
  return text;
}

int16_t TechCommandOf(const Program& program, std::string_view text) {
  const UserTechKeywords& keywords = program.TechKeywords;
  if (HasPart(text, "%MZEVOTPUSER")) {
    if (ContainsAny(text, keywords.on)) return 1;
    if (ContainsAny(text, keywords.change)) return 2;
    if (ContainsAny(text, keywords.off)) return 3;
  } else {
    static constexpr std::string_view kCommands[] = {"%CARC_ON", "%CARC_SWI",  "%CARC_OFF",
                                                     "%CSEALON", "%CSEALMOVE", "%CSEALOFF"};
    for (int16_t code = 1; code <= 6; ++code) {
      if (HasPart(text, kCommands[code - 1])) return code;
    }
  }
  return NamesUserMotionCommand(program, text) ? 7 : 0;
}

}  // namespace velmora

#include "program/user_motion.h"

#include "base/strings.h"
#include "program/decl_search.h"
#include "program/lines.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {
namespace {

std::string_view WithoutFirstLine(std::string_view text) {
  PopLine(text);
  return text;
}

std::string_view BeforeFirstBlank(std::string_view text) {
  return text.substr(0, text.find(' '));
}

// The upper-case name after the "=" on the line of the first `keyword`; empty without one.
std::string AssignedName(std::string_view upper_text, std::string_view keyword) {
  size_t at = upper_text.find(keyword);
  if (at == kNpos) return std::string();
  std::string_view line = UpToCrLf(upper_text, at);
  size_t equals = line.find('=');
  return equals == kNpos ? std::string() : Trim(line.substr(equals + 1));
}

std::string DeclarationText(const DeclSearch& motion, std::string_view keyword,
                            std::string_view name) {
  size_t at = motion.Find(keyword, name);
  return at == kNpos ? std::string()
                     : std::string(UpToCrLf(motion.text(), at + keyword.size() + 1));
}

}  // namespace

std::string UserPointName(std::string_view text, int which) {
  std::string_view rest = WithoutFirstLine(text);
  std::string upper = ToUpper(rest);
  for (std::string_view keyword : {"PTP ", "LIN "}) {
    if (size_t at = upper.find(keyword); at != kNpos) {
      return std::string(BeforeFirstBlank(TrimView(UpToCrLf(rest, at + keyword.size()))));
    }
  }
  size_t at = upper.find("CIRC ");
  if (at == kNpos) return std::string();
  // "CIRC aux, target": both points stand on the CIRC line.
  std::string_view line = UpToCrLf(rest, at + 5);
  size_t comma = line.find(',');
  if (which == 1) return std::string(BeforeFirstBlank(TrimView(line.substr(0, comma))));
  if (comma == kNpos) return std::string();
  return std::string(BeforeFirstBlank(TrimView(line.substr(comma + 1))));
}

std::string UserMotionDataName(std::string_view text) {
  std::string upper = ToUpper(text);
  return HasPart(upper, "PDAT_ACT") ? AssignedName(upper, "PDAT_ACT")
                                    : AssignedName(upper, "LDAT_ACT");
}

std::string UserPdatText(std::string_view name, const DeclSearch& motion) {
  if (name.empty()) return std::string();
  std::string text = DeclarationText(motion, "DECL PDAT", name);
  return text.empty() ? DeclarationText(motion, "DECL LDAT", name) : text;
}

std::string UserFdatText(std::string_view text, const DeclSearch& motion) {
  std::string name = AssignedName(ToUpper(text), "FDAT_ACT");
  if (name.empty()) return std::string();
  return DeclarationText(motion, "DECL FDAT", name);
}

std::string UserCallParams(const Program& program, std::string_view text) {
  std::string_view rest = WithoutFirstLine(text);
  const UserMotionCommand* command = nullptr;
  for (const UserMotionCommand& entry : program.UserMotionCommands) {
    if (!entry.CommandName.empty() && HasPart(rest, entry.CommandName)) {
      command = &entry;
      break;
    }
  }
  if (!command) return std::string();
  auto join = [&](std::initializer_list<std::pair<std::string_view, int16_t>> parts) {
    std::string joined;
    for (const auto& [label, position] : parts) {
      if (position != 0) joined.append(label).append(CallArgument(position, rest));
    }
    if (StartsWith(joined, ",")) joined.erase(0, 1);
    if (EndsWith(joined, ",")) joined.pop_back();
    return joined;
  };
  std::string para1 = join({{"TOOL_NO ", command->ToolNoParam},
                            {",BASE_NO ", command->BaseNoParam},
                            {",IPO_FRAME ", command->IpoFrameParam},
                            {",POINT ", command->PointNoParam}});
  std::string para2 = join({{"VEL ", command->VelParam},
                            {",ACC ", command->AccParam},
                            {",APO_DIST ", command->ApoDistParam},
                            {",MOVE_TYPE ", command->MoveTypeParam}});
  return "Para1={" + para1 + "}\r\nPara2={" + para2 + "}\r\n";
}

std::string CallArgument(int k, std::string_view text) {
  if (k < 1) return std::string();
  size_t start;
  if (k == 1) {
    size_t open = text.find('(');
    start = open == kNpos ? 1 : open + 1;
  } else {
    size_t comma = kNpos;
    size_t from = 0;
    for (int n = 1; n < k; ++n) {
      comma = text.find(',', from);
      if (comma == kNpos) return std::string();
      from = comma + 1;
    }
    start = comma + 1;
  }
  std::string_view rest = Mid(text, start);
  size_t end = rest.find(',');
  if (end == kNpos) end = rest.find(')');
  return end == kNpos ? std::string() : std::string(rest.substr(0, end));
}

}  // namespace velmora

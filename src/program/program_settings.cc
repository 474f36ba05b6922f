#include "program/program_settings.h"

#include <filesystem>

#include "base/paths.h"
#include "base/profile.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "program/lines.h"
#include "program/text_view.h"

namespace velmora {
namespace {

constexpr size_t kOnCapacity = 10;
constexpr size_t kOffCapacity = 10;
constexpr size_t kChangeCapacity = 30;
// Ends the key loop of a settings file that numbers keys without end.
constexpr int kMaxTechKeys = 1000;

void AddKeyword(std::vector<std::string>& list, size_t capacity, std::string value) {
  if (list.size() < capacity) list.push_back(std::move(value));
}

}  // namespace

void ReadUserTechKeywords(Program& program) {
  UserTechKeywords& keywords = program.TechKeywords;
  keywords = UserTechKeywords{};
  const std::filesystem::path file = ProgramFile("HOTEDIT.INI");
  if (!std::filesystem::exists(file)) return;
  for (int k = 1; k <= kMaxTechKeys; ++k) {
    std::string value;
    if (!ReadProfileString(file, "HOT_ONLINE_USERTECHKEY", "USERTECHKEY" + std::to_string(k),
                           &value)) {
      break;
    }
    if (HasPart(value, "_ON")) {
      AddKeyword(keywords.on, kOnCapacity, std::move(value));
    } else if (HasPart(value, "_OFF")) {
      AddKeyword(keywords.off, kOffCapacity, std::move(value));
    } else {
      AddKeyword(keywords.change, kChangeCapacity, std::move(value));
    }
  }
}

std::optional<UserMotionCommand> ParseUserMotionCommand(std::string_view line) {
  line = TrimView(line);
  size_t def = line.find("DEF ");
  std::string_view rest = def == kNpos ? line : line.substr(def + 4);
  size_t open = rest.find('(');
  if (open == kNpos) return std::nullopt;
  UserMotionCommand command;
  command.CommandName = Trim(rest.substr(0, open));
  if (command.CommandName.empty()) return std::nullopt;

  std::string_view params = rest.substr(open + 1);
  params = params.substr(0, params.find(')'));
  if (TrimView(params).empty()) return command;
  static constexpr std::pair<std::string_view, int16_t UserMotionCommand::*> kKinds[] = {
      {"TOOL_NO", &UserMotionCommand::ToolNoParam},
      {"BASE_NO", &UserMotionCommand::BaseNoParam},
      {"IPO_FRAME", &UserMotionCommand::IpoFrameParam},
      {"POINT_NO", &UserMotionCommand::PointNoParam},
      {"VEL", &UserMotionCommand::VelParam},
      {"ACC", &UserMotionCommand::AccParam},
      {"APO_DIST", &UserMotionCommand::ApoDistParam},
      {"MOVE_TYPE", &UserMotionCommand::MoveTypeParam},
  };
  int16_t number = 0;
  for (;;) {
    size_t comma = params.find(',');
    std::string upper = ToUpper(TrimView(params.substr(0, comma)));
    ++number;
    for (const auto& [keyword, field] : kKinds) {
      if (!upper.empty() && HasPart(upper, keyword)) {
        command.*field = number;
        break;
      }
    }
    if (comma == kNpos) break;
    params.remove_prefix(comma + 1);
  }
  command.ParamCount = number;
  return command;
}

void ReadUserMotionCommands(Program& program) {
  const std::filesystem::path file = ProgramFile("para.ini");
  if (!std::filesystem::exists(file)) return;
  std::string text = NormalizeLineEnds(ReadTextFile(file));
  std::string_view rest = text;
  size_t entry = 0;
  while (!rest.empty() && entry < program.UserMotionCommands.size()) {
    if (auto command = ParseUserMotionCommand(PopLine(rest))) {
      program.UserMotionCommands[entry++] = std::move(*command);
    }
  }
}

void ReadProgramSettings(Program& program) {
  ReadUserTechKeywords(program);
  ReadUserMotionCommands(program);
}

}  // namespace velmora

#include "controller/zintra_names.h"

#include "base/strings.h"
#include "base/wildcard.h"

namespace velmora {

bool ExtractFileName(std::string& name, std::string_view mask) {
  const bool whole = mask == "*.";
  size_t start = 0;
  if (!whole) {
    auto sep = name.find_last_of("\\/");
    start = sep == std::string::npos ? 0 : sep + 1;
  }
  std::string collected = name.substr(start);
  bool ok;
  if (mask.empty()) {
    ok = MatchesPattern(collected, "*.*");
  } else if (whole) {
    ok = !Contains(collected, ".");
  } else {
    ok = MatchesPattern(collected, mask);
  }
  name = ok ? collected : std::string();
  return ok;
}

std::string FilterRobotDirectory(const std::vector<std::string>& entries) {
  std::string text;
  for (const auto& entry : entries) {
    std::string upper = ToUpper(entry);
    bool keep = upper.starts_with("PROGRAM\\") ||
                !(upper.starts_with("MADA\\") || upper.starts_with("SYSTEM\\") ||
                  upper.starts_with("TP\\"));
    if (keep) {
      text += entry;
      text += '\n';
    }
  }
  return text;
}

std::vector<std::string> FileListFromDirectory(std::string_view directory_text,
                                               std::string_view pattern, bool full_paths) {
  std::vector<std::string> list;
  const std::string upper_pattern = ToUpper(pattern);
  std::string_view rest = directory_text;
  while (!rest.empty()) {
    auto lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    std::string entry;
    if (full_paths) {
      entry = "NOXA:\\R1\\" + std::string(line);
    } else {
      auto slash = line.find('\\');
      entry = std::string(slash == std::string_view::npos ? line : line.substr(slash + 1));
    }
    std::string tail = entry.size() >= 4 ? ToUpper(entry.substr(entry.size() - 4)) : "";
    bool keep = (tail == ".DAT" && Contains(upper_pattern, ".DAT")) ||
                (tail == ".SRC" && Contains(upper_pattern, ".SRC")) || pattern == "*.*";
    if (!keep) continue;
    if (!full_paths) {
      auto last = entry.rfind('\\');
      if (last != std::string::npos) entry.erase(0, last + 1);
    }
    list.push_back(std::move(entry));
  }
  return list;
}

std::string ControlLevelProgramName(std::string_view text) {
  std::string name(text);
  if (auto eq = name.find('='); eq != std::string::npos) name.erase(0, eq + 1);
  if (auto paren = name.find('('); paren != std::string::npos) name.erase(paren);
  std::erase(name, '"');
  return name;
}

void SplitDownloadArgument(std::string_view argument, std::string* disk_path,
                           std::string* controller_path) {
  if (auto bar = argument.find('|'); bar != std::string_view::npos) {
    *disk_path = std::string(argument.substr(0, bar));
    *controller_path = std::string(argument.substr(bar + 1));
    return;
  }
  *disk_path = std::string(argument);
  auto sep = argument.find_last_of("\\/");
  *controller_path =
      "/R1/" + std::string(sep == std::string_view::npos ? argument : argument.substr(sep + 1));
}

bool ProgramIpNamesFile(std::string_view pro_ip_answer, std::string_view file_name) {
  return MatchesPattern(ToUpper(pro_ip_answer), "*" + ToUpper(file_name) + ".*");
}

}  // namespace velmora

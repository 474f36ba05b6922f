#include "base/language.h"

#include <cstdlib>

#include "base/paths.h"
#include "base/strings.h"
#include "base/textfile.h"

namespace velmora {

Language Language::FromEnvironment() {
  Language language;
  const char* code = std::getenv("VELMORA_LANG");
  std::string name = (code && *code) ? code : "en";
  if (!language.Load(LanguageFolder() / (name + ".ini")))
    language.Load(LanguageFolder() / "en.ini");
  return language;
}

bool Language::Load(const std::filesystem::path& ini_file) {
  std::string text = ReadTextFile(ini_file);
  if (text.empty()) return false;
  sections_.clear();
  std::map<std::string, std::string>* section = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line = Trim(line.substr(0, line.size() - 1));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = &sections_[ToLower(Trim(line.substr(1, line.size() - 2)))];
      continue;
    }
    // A key in double quotes keeps its blanks: "X = "="X = ".
    std::string key;
    size_t eq;
    if (line.front() == '"') {
      size_t close = line.find('"', 1);
      if (close == std::string::npos) continue;
      key = line.substr(1, close - 1);
      eq = line.find('=', close);
      if (eq == std::string::npos || !Trim(line.substr(close + 1, eq - close - 1)).empty())
        continue;
    } else {
      eq = line.find('=');
      if (eq == std::string::npos) continue;
      key = Trim(line.substr(0, eq));
    }
    if (!section) continue;
    std::string value = Trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    // Texts are kept in the program texts' code page, so a message can mix both.
    (*section)[ToLower(key)] = Utf8ToCp1252(value);
  }
  return true;
}

bool Language::Has(std::string_view section, std::string_view key) const {
  auto s = sections_.find(ToLower(section));
  return s != sections_.end() && s->second.count(ToLower(key)) > 0;
}

std::string Language::Text(std::string_view section, std::string_view key) const {
  asked_.emplace(std::string(section), std::string(key));
  auto s = sections_.find(ToLower(section));
  if (s != sections_.end()) {
    auto k = s->second.find(ToLower(key));
    if (k != s->second.end()) return k->second;
  }
  return "<" + std::string(key) + ">";
}

std::string Language::AssistantTextWithParam(std::string_view key,
                                             std::string_view parameter) const {
  std::string text = AssistantText(key);
  if (!Contains(text, "%1")) return text + " " + std::string(parameter);
  return ReplaceAll(text, "%1", parameter);
}

}  // namespace velmora

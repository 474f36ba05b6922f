#include "base/profile.h"

#include <vector>

#include "base/strings.h"
#include "base/textfile.h"

namespace velmora {
namespace {

constexpr size_t kProfileBuffer = 50;  // characters, the terminating zero included

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// "[name]" -> name, or nullopt for other lines.
std::optional<std::string> SectionName(const std::string& line) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  size_t close = t.rfind(']');
  if (close == std::string::npos || close == 0) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// For "key=value" lines: the key, trimmed.
std::optional<std::string> KeyOf(const std::string& line) {
  std::string t = TrimLeft(line);
  if (t.empty() || t[0] == ';' || t[0] == '#') return std::nullopt;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return Trim(t.substr(0, eq));
}

std::string ValueOf(const std::string& line) {
  std::string value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                            (value.front() == '\'' && value.back() == '\'')))
    value = value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::optional<std::string> ReadProfileValue(const std::filesystem::path& file,
                                            std::string_view section, std::string_view key) {
  std::string text = ReadTextFile(file);
  bool in_section = false;
  for (const std::string& line : SplitLines(text)) {
    if (auto name = SectionName(line)) {
      in_section = EqualsNoCase(*name, section);
      continue;
    }
    if (!in_section) continue;
    if (auto k = KeyOf(line); k && EqualsNoCase(*k, key)) return ValueOf(line);
  }
  return std::nullopt;
}

bool ReadProfileString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string* value) {
  std::string read = ReadProfileValue(file, section, key).value_or("");
  if (read.size() > kProfileBuffer - 1) read.resize(kProfileBuffer - 1);
  if (size_t zero = read.find('\0'); zero != std::string::npos) read.resize(zero);
  *value = Trim(read);
  return !read.empty();
}

bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value) {
  std::vector<std::string> lines = SplitLines(ReadTextFile(file));
  std::string entry = std::string(key) + "=" + std::string(value);
  bool in_section = false, done = false;
  size_t section_end = std::string::npos;  // index after the last line of our section
  for (size_t i = 0; i < lines.size() && !done; ++i) {
    if (auto name = SectionName(lines[i])) {
      if (in_section) break;
      in_section = EqualsNoCase(*name, section);
      if (in_section) section_end = i + 1;
      continue;
    }
    if (!in_section) continue;
    if (auto k = KeyOf(lines[i]); k && EqualsNoCase(*k, key)) {
      lines[i] = entry;
      done = true;
    } else if (!Trim(lines[i]).empty()) {
      section_end = i + 1;
    }
  }
  if (!done) {
    if (section_end == std::string::npos) {
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    } else {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section_end), entry);
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return WriteBytesAtomically(file, text);
}

}  // namespace velmora

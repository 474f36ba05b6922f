#include "sim/aggregate.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/strings.h"

namespace velmora::sim {
namespace {

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == '[' ||
         c == ']';
}

// Splits at commas outside braces and quotes.
std::optional<std::vector<std::string_view>> SplitTopLevel(std::string_view body) {
  std::vector<std::string_view> parts;
  int depth = 0;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '{') ++depth;
    if (c == '}' && --depth < 0) return std::nullopt;
    if (c == ',' && depth == 0) {
      parts.push_back(body.substr(start, i - start));
      start = i + 1;
    }
  }
  if (depth != 0 || quoted) return std::nullopt;
  parts.push_back(body.substr(start));
  return parts;
}

}  // namespace

const std::string* Aggregate::Find(std::string_view name) const {
  for (const auto& [n, v] : components) {
    if (n == name) return &v;
  }
  return nullptr;
}

void Aggregate::Set(const std::string& name, std::string value) {
  for (auto& [n, v] : components) {
    if (n == name) {
      v = std::move(value);
      return;
    }
  }
  components.emplace_back(name, std::move(value));
}

std::optional<Aggregate> ParseAggregate(std::string_view text) {
  std::string trimmed = Trim(text);
  if (trimmed.size() < 2 || trimmed.front() != '{' || trimmed.back() != '}') return std::nullopt;
  std::string_view body(trimmed);
  body = body.substr(1, body.size() - 2);
  Aggregate value;
  // An optional "TYPE:" in front.
  size_t i = 0;
  while (i < body.size() && body[i] == ' ') ++i;
  size_t name_end = i;
  while (name_end < body.size() && IsNameChar(body[name_end])) ++name_end;
  if (name_end > i && name_end < body.size() && body[name_end] == ':') {
    value.type = ToUpper(body.substr(i, name_end - i));
    body = body.substr(name_end + 1);
  }
  if (Trim(body).empty()) return value;
  auto parts = SplitTopLevel(body);
  if (!parts) return std::nullopt;
  for (std::string_view part : *parts) {
    std::string item = Trim(part);
    size_t end = 0;
    while (end < item.size() && IsNameChar(item[end])) ++end;
    if (end == 0) return std::nullopt;
    std::string component_value = Trim(std::string_view(item).substr(end));
    if (component_value.empty()) return std::nullopt;
    value.components.emplace_back(ToUpper(item.substr(0, end)), std::move(component_value));
  }
  return value;
}

std::string AnswerForm(const Aggregate& value) {
  std::string text = "{";
  if (!value.type.empty()) text += value.type + ":";
  bool first = true;
  for (const auto& [name, v] : value.components) {
    text += first ? (value.type.empty() ? "" : " ") : ", ";
    text += name + " " + v;
    first = false;
  }
  return text + "}";
}

std::string DataForm(const Aggregate& value) {
  std::string text = "{";
  bool first = true;
  for (const auto& [name, v] : value.components) {
    if (!first) text += ",";
    text += name + " " + v;
    first = false;
  }
  return text + "}";
}

std::string FormatReal(double value) {
  if (!std::isfinite(value)) return "0.0";
  if (std::fabs(value) < 5e-7) value = 0.0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  while (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  if (text == "-0.0") text = "0.0";
  return text;
}

std::optional<double> ParseReal(std::string_view text) {
  std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  const char* begin = t.data();
  if (*begin == '+') ++begin;
  double value = 0;
  auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
  if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace velmora::sim

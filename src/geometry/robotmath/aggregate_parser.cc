#include "geometry/robotmath/aggregate_parser.h"

#include <charconv>
#include <cmath>

#include "base/strings.h"

namespace velmora {
namespace {

// Component names such as "A1", "$X" or "POINT1[]"; a name does not begin with a digit.
bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c == '[' || c == ']';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Position of the "}" that closes the "{" at `open`, skipping nested braces and quoted texts.
size_t MatchingBrace(std::string_view text, size_t open) {
  int depth = 0;
  bool quoted = false;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '{') ++depth;
    if (c == '}' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

bool AggregateParser::Parse(std::string_view text) {
  items_.clear();
  type_.clear();
  size_t open = text.find('{');
  if (open == std::string_view::npos) return false;
  size_t close = MatchingBrace(text, open);
  if (close == std::string_view::npos) return false;
  std::vector<AggregateItem> items;
  items.reserve(16);
  std::string type;
  size_t i = open + 1;
  while (i < close && IsBlank(text[i])) ++i;
  // A type prefix: a name directly followed by ":".
  size_t n = i;
  while (n < close && IsNameChar(text[n])) ++n;
  if (n > i && n < close && text[n] == ':') {
    type = std::string(text.substr(i, n - i));
    i = n + 1;
  }
  if (!Trim(text.substr(i, close - i)).empty()) {
    int depth = 0;
    bool quoted = false;
    size_t part = i;
    for (size_t k = i; k <= close; ++k) {
      char c = k < close ? text[k] : ',';
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == '{') ++depth;
      if (c == '}') --depth;
      if (c != ',' || depth != 0) continue;
      size_t s = part;
      while (s < k && IsBlank(text[s])) ++s;
      size_t e = s;
      while (e < k && IsNameChar(text[e])) ++e;
      if (e == s || IsDigit(text[s]) || (e < k && !IsBlank(text[e]))) return false;
      size_t vb = e;
      while (vb < k && IsBlank(text[vb])) ++vb;
      size_t ve = k;
      while (ve > vb && IsBlank(text[ve - 1])) --ve;
      items.push_back(
          {std::string(text.substr(s, e - s)), std::string(text.substr(vb, ve - vb)), vb, ve});
      part = k + 1;
    }
  }
  items_ = std::move(items);
  type_ = std::move(type);
  begin_ = open;
  end_ = close + 1;
  return true;
}

const AggregateItem* AggregateParser::Find(std::string_view name) const {
  for (const AggregateItem& item : items_) {
    if (EqualsNoCase(item.name, name)) return &item;
  }
  return nullptr;
}

bool AggregateParser::GetValue(std::string_view name, std::string* value) const {
  const AggregateItem* item = Find(name);
  if (!item) return false;
  *value = item->value;
  return true;
}

bool ParseNumber(std::string_view text, double* value) {
  std::string t = Trim(text);
  std::string_view s = t;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == '+') return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), *value);
  return ec == std::errc() && end == s.data() + s.size() && std::isfinite(*value);
}

}  // namespace velmora

#include "geometry/first_occurrence.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace velmora {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// The name in front of the first "=" of a declaration text, or empty when the text is not of
// the form NAME=... with a name of name characters.
std::string_view DeclaredName(std::string_view text) {
  size_t eq = text.find('=');
  if (eq == std::string_view::npos || eq == 0) return {};
  std::string_view name = text.substr(0, eq);
  return std::all_of(name.begin(), name.end(), IsNameChar) ? name : std::string_view();
}

// An occurrence of NAME=... in a line puts NAME at the end of the run of name characters in
// front of one of the line's "=". The index maps each name asked for to the lines where such a
// run ends with it.
class LineIndex {
 public:
  explicit LineIndex(const std::vector<Replacement>& replacements) {
    for (const Replacement& r : replacements) {
      std::string_view name = DeclaredName(r.old_text);
      names_.insert(name);
      max_name_ = std::max(max_name_, name.size());
    }
  }

  void AddLine(int line, std::string_view text) {
    for (size_t eq = text.find('='); eq != std::string_view::npos; eq = text.find('=', eq + 1)) {
      size_t begin = eq;
      while (begin > 0 && eq - begin < max_name_ && IsNameChar(text[begin - 1])) --begin;
      for (size_t start = begin; start < eq; ++start) {
        auto name = names_.find(text.substr(start, eq - start));
        if (name != names_.end()) lines_[*name].insert(line);
      }
    }
  }

  const std::set<int>* LinesOf(std::string_view name) const {
    auto it = lines_.find(name);
    return it == lines_.end() ? nullptr : &it->second;
  }

 private:
  std::unordered_set<std::string_view> names_;
  size_t max_name_ = 0;
  std::unordered_map<std::string_view, std::set<int>> lines_;
};

}  // namespace

std::vector<bool> ReplaceFirstOccurrencesStraight(std::string& text,
                                                  const std::vector<Replacement>& replacements) {
  std::vector<bool> found;
  found.reserve(replacements.size());
  for (const Replacement& r : replacements) {
    size_t at = r.old_text.empty() ? std::string::npos : text.find(r.old_text);
    if (at != std::string::npos) text.replace(at, r.old_text.size(), r.new_text);
    found.push_back(at != std::string::npos);
  }
  return found;
}

std::vector<bool> ReplaceFirstOccurrences(std::string& text,
                                          const std::vector<Replacement>& replacements) {
  for (const Replacement& r : replacements) {
    if (r.old_text.empty()) continue;
    if (HasLineBreak(r.old_text) || HasLineBreak(r.new_text) || DeclaredName(r.old_text).empty())
      return ReplaceFirstOccurrencesStraight(text, replacements);
  }
  // Neither old nor new texts hold a line break, so every occurrence lies inside one line and
  // the line breaks never move: the first occurrence is the first one in the first line that
  // holds one.
  std::vector<std::string> lines;
  std::string breaks;  // the break character after each line but the last
  for (size_t from = 0;;) {
    size_t at = text.find_first_of("\r\n", from);
    lines.emplace_back(text, from, at == std::string::npos ? std::string::npos : at - from);
    if (at == std::string::npos) break;
    breaks += text[at];
    from = at + 1;
  }
  LineIndex index(replacements);
  for (size_t i = 0; i < lines.size(); ++i) index.AddLine(static_cast<int>(i), lines[i]);

  std::vector<bool> found;
  found.reserve(replacements.size());
  for (const Replacement& r : replacements) {
    bool hit = false;
    const std::set<int>* candidates =
        r.old_text.empty() ? nullptr : index.LinesOf(DeclaredName(r.old_text));
    if (candidates) {
      for (int line : *candidates) {
        std::string& content = lines[static_cast<size_t>(line)];
        size_t at = content.find(r.old_text);
        if (at == std::string::npos) continue;
        content.replace(at, r.old_text.size(), r.new_text);
        index.AddLine(line, content);  // the new text may hold further names
        hit = true;
        break;
      }
    }
    found.push_back(hit);
  }

  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (size_t i = 0; i < lines.size(); ++i) {
    out += lines[i];
    if (i < breaks.size()) out += breaks[i];
  }
  text = std::move(out);
  return found;
}

}  // namespace velmora

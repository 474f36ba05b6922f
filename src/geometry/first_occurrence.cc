#include "geometry/first_occurrence.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace velmora {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

bool HasLineBreak(std::string_view s) {
  return std::any_of(s.begin(), s.end(), IsLineBreak);
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
// front of one of the line's "=". The index maps each name asked for to the lines (ascending)
// where such a run ends with it.
class LineIndex {
 public:
  explicit LineIndex(const std::vector<Replacement>& replacements) {
    lines_.reserve(replacements.size());
    for (const Replacement& r : replacements) {
      std::string_view name = DeclaredName(r.old_text);
      if (name.empty()) continue;
      lines_.try_emplace(name);
      max_name_ = std::max(max_name_, name.size());
      if (name.size() < 64) lengths_ |= uint64_t{1} << name.size();
    }
  }

  void AddLine(int line, std::string_view text) {
    for (size_t eq = text.find('='); eq != std::string_view::npos; eq = text.find('=', eq + 1)) {
      size_t begin = eq;
      while (begin > 0 && eq - begin < max_name_ && IsNameChar(text[begin - 1])) --begin;
      for (size_t start = begin; start < eq; ++start) {
        size_t length = eq - start;
        if (length < 64 && !(lengths_ & (uint64_t{1} << length))) continue;
        auto name = lines_.find(text.substr(start, length));
        if (name == lines_.end()) continue;
        std::vector<int>& lines = name->second;
        auto at = std::lower_bound(lines.begin(), lines.end(), line);
        if (at == lines.end() || *at != line) lines.insert(at, line);
      }
    }
  }

  const std::vector<int>* LinesOf(std::string_view name) const {
    auto it = lines_.find(name);
    return it == lines_.end() ? nullptr : &it->second;
  }

 private:
  size_t max_name_ = 0;
  uint64_t lengths_ =
      0;  // bit n: some name has n characters (names of 64 or more: always looked up)
  std::unordered_map<std::string_view, std::vector<int>> lines_;  // every name asked for
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
  // holds one. Lines stay views of the text until a replacement changes them.
  std::vector<std::string_view> lines;
  for (size_t from = 0, i = 0;; ++i) {
    if (i == text.size() || IsLineBreak(text[i])) {
      lines.push_back(std::string_view(text).substr(from, i - from));
      if (i == text.size()) break;
      from = i + 1;
    }
  }
  std::vector<std::string> changed;        // the lines replacements have rewritten
  std::vector<int> own(lines.size(), -1);  // per line: its index in `changed`, or -1
  LineIndex index(replacements);
  for (size_t i = 0; i < lines.size(); ++i) index.AddLine(static_cast<int>(i), lines[i]);

  std::vector<bool> found;
  found.reserve(replacements.size());
  for (const Replacement& r : replacements) {
    bool hit = false;
    const std::vector<int>* candidates =
        r.old_text.empty() ? nullptr : index.LinesOf(DeclaredName(r.old_text));
    for (size_t c = 0; candidates && c < candidates->size() && !hit; ++c) {
      int line = (*candidates)[c];
      int& mine = own[static_cast<size_t>(line)];
      std::string_view content =
          mine < 0 ? lines[static_cast<size_t>(line)] : std::string_view(changed[mine]);
      size_t at = content.find(r.old_text);
      if (at == std::string_view::npos) continue;
      std::string replaced(content.substr(0, at));
      replaced.append(r.new_text).append(content.substr(at + r.old_text.size()));
      if (mine < 0) {
        mine = static_cast<int>(changed.size());
        changed.emplace_back();
      }
      changed[static_cast<size_t>(mine)] = std::move(replaced);
      index.AddLine(line, changed[static_cast<size_t>(mine)]);  // it may hold further names
      hit = true;
    }
    found.push_back(hit);
  }

  std::string out;
  out.reserve(text.size() + text.size() / 4);
  size_t break_at = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    out.append(own[i] < 0 ? lines[i] : std::string_view(changed[static_cast<size_t>(own[i])]));
    break_at += lines[i].size();
    if (break_at < text.size()) out += text[break_at++];
  }
  text = std::move(out);
  return found;
}

}  // namespace velmora

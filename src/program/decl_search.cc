#include "program/decl_search.h"

#include <algorithm>

#include "program/text_view.h"

namespace velmora {

// Why the index gives the straight search's answer: a key keyword & " " & name & "={" whose name
// holds no blank ends at a "={" whose preceding run of non-blank characters is exactly the name,
// with the key's blank just before that run and the keyword before the blank. Walking the "={"
// occurrences in text order and keeping the first position per (keyword, run) therefore yields
// the first occurrence of every such key, and nothing else.
void DeclSearch::BuildIndex(const std::vector<std::string_view>& keywords) {
  keywords_.assign(keywords.begin(), keywords.begin() + std::min(keywords.size(), kMaxKeywords));
  first_.clear();
  first_.reserve(text_.size() / 64);
  Positions none;
  none.fill(kNpos);
  size_t scanned = 0;
  size_t last_blank = kNpos;
  for (size_t j = FindPart(text_, "={"); j != kNpos; j = FindPart(text_, "={", j + 1)) {
    for (; scanned < j; ++scanned) {
      if (text_[scanned] == ' ') last_blank = scanned;
    }
    if (last_blank == kNpos) continue;
    size_t name_start = last_blank + 1;
    if (j - name_start > kMaxIndexedName) continue;
    Positions* positions = nullptr;
    for (size_t k = 0; k < keywords_.size(); ++k) {
      const std::string& keyword = keywords_[k];
      if (last_blank < keyword.size()) continue;
      size_t key_start = last_blank - keyword.size();
      if (text_.compare(key_start, keyword.size(), keyword) != 0) continue;
      if (!positions) {
        positions =
            &first_.try_emplace(text_.substr(name_start, j - name_start), none).first->second;
      }
      if ((*positions)[k] == kNpos) (*positions)[k] = key_start;
    }
  }
}

size_t DeclSearch::Find(std::string_view keyword, std::string_view name) const {
  if (name.find(' ') == kNpos && name.size() <= kMaxIndexedName) {
    for (size_t k = 0; k < keywords_.size(); ++k) {
      if (keywords_[k] != keyword) continue;
      auto it = first_.find(name);
      return it == first_.end() ? kNpos : it->second[k];
    }
  }
  std::string key;
  key.reserve(keyword.size() + name.size() + 3);
  key.append(keyword).append(" ").append(name).append("={");
  return FindPart(text_, key);
}

}  // namespace velmora

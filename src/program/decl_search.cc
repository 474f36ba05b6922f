#include "program/decl_search.h"

#include "program/text_view.h"

namespace velmora {

// Why the index gives the straight search's answer: a key keyword & " " & name & "={" whose name
// holds no blank ends at a "={" whose preceding run of non-blank characters is exactly the name,
// with the key's blank just before that run and the keyword before the blank. Walking the "={"
// occurrences in text order and keeping the first position per (keyword, run) therefore yields
// the first occurrence of every such key, and nothing else.
void DeclSearch::BuildIndex(const std::vector<std::string_view>& keywords) {
  index_.clear();
  for (std::string_view keyword : keywords) index_.push_back({std::string(keyword), {}});
  size_t scanned = 0;
  size_t last_blank = kNpos;
  for (size_t j = text_.find("={"); j != kNpos; j = text_.find("={", j + 1)) {
    for (; scanned < j; ++scanned) {
      if (text_[scanned] == ' ') last_blank = scanned;
    }
    if (last_blank == kNpos) continue;
    size_t name_start = last_blank + 1;
    if (j - name_start > kMaxIndexedName) continue;
    std::string_view name = text_.substr(name_start, j - name_start);
    for (KeywordIndex& entry : index_) {
      const std::string& keyword = entry.keyword;
      if (last_blank < keyword.size()) continue;
      size_t key_start = last_blank - keyword.size();
      if (text_.compare(key_start, keyword.size(), keyword) == 0) {
        entry.first.try_emplace(name, key_start);
      }
    }
  }
}

size_t DeclSearch::Find(std::string_view keyword, std::string_view name) const {
  if (name.find(' ') == kNpos && name.size() <= kMaxIndexedName) {
    for (const KeywordIndex& entry : index_) {
      if (entry.keyword != keyword) continue;
      auto it = entry.first.find(name);
      return it == entry.first.end() ? kNpos : it->second;
    }
  }
  std::string key;
  key.reserve(keyword.size() + name.size() + 3);
  key.append(keyword).append(" ").append(name).append("={");
  return text_.find(key);
}

}  // namespace velmora

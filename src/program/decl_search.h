#pragma once
// First-match searches for declarations "KEYWORD NAME={" in a data section. A load asks once per
// record, so a straight search of the whole section each time would make loading quadratic;
// BuildIndex records the first position of every such key once, and Find then answers exactly
// what the straight search answers.
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

class DeclSearch {
 public:
  // Searches `text`, which must outlive this object and stay unchanged while it is used.
  explicit DeclSearch(std::string_view text) : text_(text) {}
  DeclSearch(const DeclSearch&) = delete;
  DeclSearch& operator=(const DeclSearch&) = delete;

  // Indexes every occurrence of keyword, blank, name, "={" for these keywords (at most 8).
  void BuildIndex(const std::vector<std::string_view>& keywords);

  // The position of the first keyword & " " & name & "={" in the text, or npos. Names that
  // hold a blank or are very long are searched straight (the index cannot hold them).
  size_t Find(std::string_view keyword, std::string_view name) const;

  std::string_view text() const { return text_; }

 private:
  static constexpr size_t kMaxKeywords = 8;
  // Per name, the first key position for each keyword (npos: none).
  using Positions = std::array<size_t, kMaxKeywords>;
  std::string_view text_;
  std::vector<std::string> keywords_;
  std::unordered_map<std::string_view, Positions> first_;
};

// Names longer than this are never indexed (a garbage line may hold one huge "name").
inline constexpr size_t kMaxIndexedName = 256;

}  // namespace velmora

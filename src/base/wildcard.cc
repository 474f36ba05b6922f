#include "base/wildcard.h"

#include <vector>

namespace velmora {

// Classic two-pointer match with backtracking to the last "*": linear in practice and never
// exponential, whatever the pattern.
bool MatchesPattern(std::string_view text, std::string_view pattern) {
  size_t t = 0, p = 0;
  size_t star = std::string_view::npos, star_t = 0;
  auto matches_one = [](char pc, char tc) {
    if (pc == '?') return true;
    if (pc == '#') return tc >= '0' && tc <= '9';
    return pc == tc;
  };
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_t = t;
    } else if (p < pattern.size() && matches_one(pattern[p], text[t])) {
      ++p, ++t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++star_t;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace velmora

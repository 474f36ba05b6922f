#pragma once
// The text routines answer into a caller's buffer, as the C-style interface they keep asks:
// the result followed by NUL when it fits, otherwise the buffer stays as it was (without NUL,
// which the caller reads as an empty result).
#include <string>
#include <string_view>

namespace velmora {

inline void WriteResult(std::string& buffer, std::string_view result) {
  if (result.size() + 1 > buffer.size()) return;
  buffer.replace(0, result.size(), result);
  buffer[result.size()] = '\0';
}

}  // namespace velmora

#include "geometry/shift_trace.h"

#include <fstream>

#include "base/paths.h"
#include "base/strings.h"

namespace velmora {

ShiftTrace::ShiftTrace() : path_(TemplatesFolder() / "Orbi_Debug.Log") {
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

void ShiftTrace::Write(std::string_view entry) {
  Write(entry, {});
}

void ShiftTrace::Write(std::string_view head, std::string_view text) {
  constexpr size_t kChunk = 256 * 1024;  // appended in pieces that stay in the cache
  if (pending_.capacity() < kChunk) pending_.reserve(2 * kChunk);
  pending_.append(head).append(text).append(kCrLf);
  if (pending_.size() >= kChunk) Flush();
}

void ShiftTrace::Flush() {
  if (pending_.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(path_.parent_path(), ec);
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out << pending_;
  pending_.clear();
}

}  // namespace velmora

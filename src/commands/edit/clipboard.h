#pragma once
// The program-wide clipboard of Copy and Cut: copies of whole records in program order. It
// outlives the loaded program (Close and Open keep it); each Copy or Cut replaces it.
#include <vector>

#include "program/line_record.h"

namespace velmora {

// Most records one Copy or Cut takes; a larger block is refused, not cut short.
inline constexpr int kMaxClipboardRecords = 100;

struct Clipboard {
  std::vector<LineRecord> entries;
  bool from_cut = false;  // filled by Cut (true) or by Copy (false)

  bool empty() const { return entries.empty(); }
  int count() const { return static_cast<int>(entries.size()); }
};

}  // namespace velmora

#pragma once
// A source text cut into its header and logical lines, before any of it enters a line table.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct CutSource {
  std::string header;
  std::vector<std::string> lines;  // at most the limit asked for
  int count = 0;                   // all logical lines, also those past the limit
};

// Cuts `src_text` (CR LF line ends). Lines past `max_lines` are counted, not kept.
CutSource CutLogicalLines(std::string_view src_text, int max_lines);

}  // namespace velmora

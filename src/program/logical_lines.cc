#include "program/logical_lines.h"

#include "program/lines.h"

namespace velmora {

CutSource CutLogicalLines(std::string_view src_text, int max_lines) {
  CutSource cut;
  cut.header = ReadHeader(src_text);
  while (!src_text.empty()) {
    std::string line = NextLogicalLine(src_text);
    if (cut.count++ < max_lines) cut.lines.push_back(std::move(line));
  }
  return cut;
}

}  // namespace velmora

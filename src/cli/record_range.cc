#include "cli/record_range.h"

#include <charconv>

namespace velmora::cli {
namespace {

std::optional<int> Number(std::string_view text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<RecordRange> ParseRecordRange(std::string_view text, int line_count) {
  if (text.empty()) {
    if (line_count < 2) return std::nullopt;
    return RecordRange{2, line_count};
  }
  size_t dash = text.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  auto first = Number(text.substr(0, dash));
  auto last = Number(text.substr(dash + 1));
  if (!first || !last || *first < 2 || *first > *last || *last > line_count) return std::nullopt;
  return RecordRange{*first, *last};
}

}  // namespace velmora::cli

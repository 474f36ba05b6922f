#pragma once
// The --lines option of the shift and mirror subcommands.
#include <optional>
#include <string_view>

namespace velmora::cli {

struct RecordRange {
  int first = 0;
  int last = 0;
};

// "FIRST-LAST" (record numbers, FIRST <= LAST); an empty text is every record of the program
// (2 to `line_count`). nullopt for anything else, or a range outside 2..line_count.
std::optional<RecordRange> ParseRecordRange(std::string_view text, int line_count);

}  // namespace velmora::cli

#include "program/master_list.h"

#include "base/strings.h"
#include "program/declarations.h"
#include "program/line_record.h"
#include "program/lines.h"
#include "program/text_view.h"

namespace velmora {
namespace {

// Searches for s longer than this, or holding a blank, scan the lines.
constexpr size_t kMaxIndexedSuffix = 64;
// A pathological master list (a huge line of "=") is scanned instead of indexed.
constexpr size_t kMaxIndexEntries = size_t{1} << 20;

// The declared name of a master line: upper case, from its 12th character up to its "=".
std::string MasterLineName(std::string_view line) {
  size_t equals = line.find('=', 11);
  if (equals == kNpos) return std::string();
  return Trim(ToUpper(Mid(line, 11, equals - 11)));
}

}  // namespace

std::string MasterDeclarationLines(std::string_view positions) {
  // Upper-cased once; its lines stand at the same offsets as those of `positions`.
  const std::string upper = ToUpper(positions);
  std::string_view upper_rest = upper;
  std::string list;
  while (!positions.empty()) {
    std::string_view line = PopLine(positions);
    std::string_view upper_line = PopLine(upper_rest);
    if ((HasPart(upper_line, "E6POS M") || HasPart(upper_line, "AXIS ")) &&
        !HasPart(upper_line, "EXT ")) {
      list.append(line).append(kCrLf);
    }
  }
  return list;
}

MasterSearch::MasterSearch(std::string_view master_list) {
  while (!master_list.empty()) lines_.push_back(PopLine(master_list));
}

// A blank-free s followed by "=" occurs in a line exactly where s is a suffix of the run of
// non-blank characters before some "=" of the line. Every such suffix (up to the length limit)
// is recorded with the first line it occurs in.
void MasterSearch::BuildIndex() {
  first_line_.clear();
  first_line_.reserve(lines_.size() * 8);
  indexed_ = false;
  size_t entries = 0;
  for (size_t n = 0; n < lines_.size(); ++n) {
    std::string_view line = lines_[n];
    size_t run_start = 0;
    for (size_t e = 0; e < line.size(); ++e) {
      if (line[e] == ' ') run_start = e + 1;
      if (line[e] != '=') continue;
      size_t longest = std::min(e - run_start, kMaxIndexedSuffix);
      entries += longest + 1;
      if (entries > kMaxIndexEntries) {
        first_line_.clear();
        return;
      }
      for (size_t length = 0; length <= longest; ++length) {
        first_line_.try_emplace(line.substr(e - length, length), n);
      }
    }
  }
  indexed_ = true;
}

std::optional<std::string_view> MasterSearch::FirstLineWith(std::string_view s) const {
  if (!indexed_ || s.size() > kMaxIndexedSuffix || s.find(' ') != kNpos) return Scan(s);
  auto it = first_line_.find(s);
  if (it == first_line_.end()) return std::nullopt;
  return lines_[it->second];
}

std::optional<std::string_view> MasterSearch::Scan(std::string_view s) const {
  std::string key = std::string(s) + "=";
  for (std::string_view line : lines_) {
    if (HasPart(line, key)) return line;
  }
  return std::nullopt;
}

void AttachMasterDecls(LineRecord& record, const MasterSearch& masters) {
  auto attach = [&](const std::string& point, std::string* decl, std::string* name, Pose6* pos) {
    if (point.empty() || point == "XHOME") return;
    std::string s = Trim(Mid(point, 1));
    std::optional<std::string_view> line = masters.FirstLineWith(s);
    if (!line) return;
    *decl = Trim(Mid(*line, 11));
    if (pos) *pos = CartesianComponents(ToUpper(*line));
    std::string declared = MasterLineName(*line);
    if (Mid(declared, 1) == s) *name = declared;
  };
  attach(record.Point1Name, &record.MasterDecl1, &record.MasterName1, &record.MasterPos1);
  attach(record.Point2Name, &record.MasterDecl2, &record.MasterName2, nullptr);
}

}  // namespace velmora

#include "commands/edit/clean_file.h"

#include <algorithm>
#include <vector>

#include "base/app_context.h"
#include "base/strings.h"
#include "base/wildcard.h"
#include "program/lines.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kProgressMaximum = 50;

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// The bar of a cleaning pass: one step per line examined, starting again at 1 after the
// maximum, so that it keeps moving on long data files.
class CleaningProgress {
 public:
  explicit CleaningProgress(const Progress& progress) : progress_(progress) { progress_.Show(0); }
  void Step() {
    value_ = value_ < kProgressMaximum ? value_ + 1 : 1;
    progress_.Show(value_ * 100 / kProgressMaximum);
    progress_.ProcessEvents();
  }
  void Fill() {
    while (value_ < kProgressMaximum) {
      ++value_;
      progress_.Show(value_ * 100 / kProgressMaximum);
    }
  }

 private:
  const Progress& progress_;
  int value_ = 0;
};

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) lines.emplace_back(PopLine(text));
  return lines;
}

// The trimmed text from `from` up to the following "={"; empty when there is none.
std::string NameBeforeAggregate(std::string_view line, size_t from) {
  if (from > line.size()) return std::string();
  const size_t end = line.find("={", from);
  if (end == std::string_view::npos) return std::string();
  return Trim(line.substr(from, end - from));
}

bool IsMasterPointLine(const std::string& upper) {
  return (Contains(upper, "E6POS  M") || Contains(upper, "E6POS M")) && !Contains(upper, "EXT ");
}

enum class PointKind { kOrdinary, kMaster };

bool CleanPoints(Program& program, const SourceUse& source, PointKind kind, CleaningProgress& bar) {
  bool removed_any = false;
  for (const std::string& line : Lines(program.DatPositions)) {
    bar.Step();
    const std::string upper = ToUpper(line);
    const bool master = IsMasterPointLine(upper);
    if (kind == PointKind::kOrdinary && (master || !MatchesPattern(upper, "*E6POS*={*"))) continue;
    if (kind == PointKind::kMaster && !master) continue;
    const std::string name = NameBeforeAggregate(upper, upper.find("E6POS") + 5);
    if (name.empty()) continue;
    bool removed = false;
    RemoveIfNotUsed(source, " " + name, &program.DatPositions, false, &removed);
    removed_any |= removed;
  }
  return removed_any;
}

bool CleanMotionData(Program& program, const SourceUse& source, CleaningProgress& bar) {
  bool removed_any = false;
  for (const std::string& line : Lines(program.DatMotion)) {
    bar.Step();
    const std::string upper = ToUpper(line);
    if (!MatchesPattern(upper, "*PDAT*={*") && !MatchesPattern(upper, "*LDAT*={*") &&
        !MatchesPattern(upper, "*FDAT*={*"))
      continue;
    size_t word = upper.find("FDAT");
    if (word == std::string::npos) word = upper.find("LDAT");
    if (word == std::string::npos) word = upper.find("PDAT");
    const std::string name = NameBeforeAggregate(upper, word + 4);
    if (name.empty()) continue;
    bool removed = false;
    RemoveIfNotUsed(source, name, &program.DatMotion, false, &removed);
    removed_any |= removed;
  }
  return removed_any;
}

// "LAST_BASIS=" gets the reset record and "LAST_XP_POINT=" the value 0, each up to its line end.
void ResetLastNames(std::string& other) {
  const size_t basis = other.find("LAST_BASIS=");
  if (basis != std::string::npos) {
    const size_t from = basis + std::string_view("LAST_BASIS=").size();
    const size_t end = other.find(kCrLf, from);
    if (end != std::string::npos) other.replace(from, end - from, LastBasisResetRecord());
  }
  const size_t point = other.find("LAST_XP_POINT");
  if (point != std::string::npos) {
    const size_t equals = other.find('=', point);
    const size_t end = other.find(kCrLf, point);
    if (equals != std::string::npos && end != std::string::npos && equals < end) {
      other.replace(equals + 1, end - equals - 1, "0");
    }
  }
}

// lang-key: mnuCleanFile
// lang-key: mnuCleanMaster
// lang-key: FileCleaned
// lang-key: OK
// lang-key: not OK
bool Clean(Program& program, PointKind kind) {
  AppContext& context = program.context();
  const std::string_view title_key = kind == PointKind::kMaster ? "mnuCleanMaster" : "mnuCleanFile";
  const std::string_view result_key = kind == PointKind::kMaster ? "mnuCleanMaster" : "FileCleaned";
  context.AddMessage(context.AssistantText(title_key), "220", context.AssistantText("On"));

  const SourceUse source(program);
  CleaningProgress bar(context.progress);
  bool removed = CleanPoints(program, source, kind, bar);
  removed |= CleanMotionData(program, source, bar);
  bar.Fill();

  if (removed) {
    ResetLastNames(program.DatOther);
    for (int k = 1; k <= program.LineCount(); ++k) program.Record(k).Modified = true;
  }
  context.AddMessage(context.AssistantText(result_key), "230",
                     context.AssistantText(removed ? "OK" : "not OK"));
  return removed;
}

}  // namespace

SourceUse::SourceUse(const Program& program) {
  for (int k = 1; k <= program.LineCount(); ++k) {
    upper_source_.append(ToUpper(program.Record(k).Text));
  }
  const std::string_view text = upper_source_;
  for (size_t at = 0; at < text.size();) {
    if (!IsNameChar(text[at])) {
      ++at;
      continue;
    }
    size_t end = at;
    while (end < text.size() && IsNameChar(text[end])) ++end;
    words_.insert(text.substr(at, end - at));
    at = end;
  }
}

bool SourceUse::Uses(std::string_view name) const {
  const std::string upper = ToUpper(name);
  return words_.contains(upper) || Contains(upper_source_, upper);
}

bool RemoveDeclarationLine(std::string* text, std::string_view name) {
  const std::string wanted = ToUpper(Trim(name));
  if (wanted.empty()) return false;
  size_t line_start = 0;
  while (line_start < text->size()) {
    size_t line_end = text->find('\r', line_start);
    if (line_end == std::string::npos) line_end = text->size();
    const std::string upper =
        ToUpper(std::string_view(*text).substr(line_start, line_end - line_start));
    for (size_t at = upper.find(wanted); at != std::string::npos; at = upper.find(wanted, at + 1)) {
      if (at > 0 && IsNameChar(upper[at - 1])) continue;
      const size_t after = upper.find_first_not_of(" \t", at + wanted.size());
      if (after == std::string::npos || upper[after] != '=') continue;
      size_t next = line_end;
      if (next < text->size() && (*text)[next] == '\r') ++next;
      if (next < text->size() && (*text)[next] == '\n') ++next;
      text->erase(line_start, next - line_start);
      return true;
    }
    line_start = line_end;
    if (line_start < text->size() && (*text)[line_start] == '\r') ++line_start;
    if (line_start < text->size() && (*text)[line_start] == '\n') ++line_start;
  }
  return false;
}

bool RemoveIfNotUsed(const SourceUse& source, std::string_view name, std::string* text,
                     bool skip_test, bool* removed) {
  if (removed) *removed = false;
  const std::string bare = Trim(name);
  if (bare.empty()) return false;
  if (!skip_test && source.Uses(bare)) return true;
  const bool gone = RemoveDeclarationLine(text, bare);
  if (removed) *removed = gone;
  return gone;
}

bool CleanFile(Program& program) {
  return Clean(program, PointKind::kOrdinary);
}

bool CleanMaster(Program& program) {
  return Clean(program, PointKind::kMaster);
}

std::string LastBasisResetRecord() {
  auto quoted = [](std::string_view value, size_t width) {
    std::string padded(value);
    padded.resize(std::max(width, padded.size()), ' ');
    return "\"" + padded + "\"";
  };
  return "{POINT1[] " + quoted("P0", 24) + ",POINT2[] " + quoted("P0", 24) + ",CP_PARAMS[] " +
         quoted("CPDAT0", 24) + ",PTP_PARAMS[] " + quoted("PDAT0", 23) + ",CONT[] " +
         quoted("", 24) + ",CP_VEL[] " + quoted("2", 24) + ",PTP_VEL[] " + quoted("100", 24) + "}";
}

}  // namespace velmora

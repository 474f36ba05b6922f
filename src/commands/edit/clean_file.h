#pragma once
// File cleaning: removing the point and motion-data declarations that no statement of the
// source uses any more, and resetting the data file's record of the last taught names.
#include <string>
#include <string_view>
#include <unordered_set>

namespace velmora {

class Program;

// The used test: a name counts as used when the upper-case text of some source record holds
// it as a plain substring (so a longer name that begins with it counts too).
class SourceUse {
 public:
  explicit SourceUse(const Program& program);
  SourceUse(const SourceUse&) = delete;
  SourceUse& operator=(const SourceUse&) = delete;
  bool Uses(std::string_view name) const;

 private:
  std::string upper_source_;
  // Every word of the source (a run of letters, digits, "_" and "$"): a name that is one is
  // used without a search through the whole text.
  std::unordered_set<std::string_view> words_;
};

// Removes from `text` the line that declares `name` (compared in upper case: the name as a
// whole word followed by "="); the lines after it stay as they are. False when no line does.
bool RemoveDeclarationLine(std::string* text, std::string_view name);

// `RemoveIfNotUsed`: false for an empty name; true, with nothing changed, when the source uses
// the name (a leading blank of point names is ignored); otherwise removes its declaration line
// from `text` and answers whether there was one. `skip_test` treats the name as unused.
// `removed` tells whether a line went.
bool RemoveIfNotUsed(const SourceUse& source, std::string_view name, std::string* text,
                     bool skip_test, bool* removed = nullptr);

// `CleanFile`: removes unused E6POS points (not the master points) and motion data, with
// messages "220" and "230" and progress. When something went, LAST_BASIS and LAST_XP_POINT
// are reset and every record is marked changed. True when something was removed.
bool CleanFile(Program& program);

// `CleanMaster`: as CleanFile, for the master points (E6POS M...) instead of ordinary points.
bool CleanMaster(Program& program);

// The LAST_BASIS value written after a cleaning removed something.
std::string LastBasisResetRecord();

}  // namespace velmora

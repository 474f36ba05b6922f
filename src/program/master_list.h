#pragma once
// Master declarations: position declarations that keep the original of a taught point (the
// master of XP1 is MP1). A load collects their lines into MasterList and attaches to each
// motion record the first master line that names its point.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

struct LineRecord;

// The master declaration lines of a positions section (upper-case text containing "E6POS M" or
// "AXIS ", and not "EXT "), in order, each with CR LF.
std::string MasterDeclarationLines(std::string_view positions);

// "The first line of MasterList that contains s & "="", as a straight scan or through an index
// that gives the same line.
class MasterSearch {
 public:
  // `master_list` must outlive this object and stay unchanged while it is used.
  explicit MasterSearch(std::string_view master_list);
  MasterSearch(const MasterSearch&) = delete;
  MasterSearch& operator=(const MasterSearch&) = delete;

  void BuildIndex();
  std::optional<std::string_view> FirstLineWith(std::string_view s) const;

 private:
  std::optional<std::string_view> Scan(std::string_view s) const;
  std::vector<std::string_view> lines_;
  std::unordered_map<std::string_view, size_t> first_line_;  // suffix -> line number
  bool indexed_ = false;
};

// Sets MasterDecl1, MasterPos1 and MasterName1 (and MasterDecl2, MasterName2) of a record
// whose point names are known, from the first master line naming each point. XHOME and empty
// names have no master.
void AttachMasterDecls(LineRecord& record, const MasterSearch& masters);

}  // namespace velmora

#pragma once
// Declaring the points and motion data of pasted motions in the data file, without ever
// declaring a name twice (the controller refuses a data file that does).
#include <string>
#include <string_view>
#include <unordered_set>

namespace velmora {

class Program;
struct LineRecord;

// The declared name of a line "DECL [GLOBAL] type name=...", upper case; empty for other lines.
std::string DeclaredName(std::string_view line);

// True when a line of `section` declares `name` (compared in upper case).
bool Declares(std::string_view section, std::string_view name);

// The names declared in the data file's point and motion-data sections (upper case), read once
// and kept up to date by the Declare functions below, so that a paste of many motions does not
// read the data file again for every name it declares.
class DeclaredNames {
 public:
  explicit DeclaredNames(const Program& program);
  bool HasPoint(const std::string& upper_name) const { return points_.contains(upper_name); }
  bool HasMotionData(const std::string& upper_name) const { return data_.contains(upper_name); }
  void AddPoint(std::string upper_name) { points_.insert(std::move(upper_name)); }
  void AddMotionData(std::string upper_name) { data_.insert(std::move(upper_name)); }

 private:
  std::unordered_set<std::string> points_;
  std::unordered_set<std::string> data_;
};

// Appends the point declaration name={value} to DatPositions unless the name is declared.
void DeclarePoint(Program& program, DeclaredNames& declared, std::string_view declaration);

// Appends the motion-data lines (FDAT, PDAT "PP...", LDAT "LC...", each name={...}) to
// DatMotion, each unless its name is declared. Empty lines and lines of another form are left
// out.
void DeclareMotionData(Program& program, DeclaredNames& declared, std::string_view lines);

// A TP_USER fold shares its motion data by name; puts back the declarations the record read
// (PDAT or LDAT by its PDAT_ACT/LDAT_ACT, and FDAT) where they are gone, as after a Cut.
void RestoreUserMotionData(Program& program, DeclaredNames& declared, const LineRecord& record);

}  // namespace velmora

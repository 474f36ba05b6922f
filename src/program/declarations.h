#pragma once
// Declarations of the data file, "DECL type name={aggregate}", and reading their values.
// Numbers in program text use "." as decimal point (see base/numbers.h for ReadNumber,
// IntegerLiteralValue and the locale conversions).
#include <string>
#include <string_view>

#include "program/decl_search.h"
#include "program/line_record.h"

namespace velmora {

class Program;

// Position and axis types in the order a point name is looked up.
inline constexpr std::string_view kPointTypes[] = {"E6POS",  "E3POS",  "POS",
                                                   "E6AXIS", "E3AXIS", "AXIS"};

// A positions section prepared for FindPointDecl: its upper-case copy, searched straight or
// through an index (for a pass over the whole table).
class PositionsLookup {
 public:
  // `positions` must outlive this object and stay unchanged while it is used.
  PositionsLookup(std::string_view positions, bool indexed);
  PositionsLookup(const PositionsLookup&) = delete;
  PositionsLookup& operator=(const PositionsLookup&) = delete;
  // The declaration text after the type and its blank (name={...}) up to the line end; false
  // when no type declares the name (compared in upper case).
  bool Find(std::string_view name, std::string* declaration) const;

 private:
  std::string_view positions_;
  std::string upper_;
  DeclSearch search_;
};

// The declaration of a point: name={...} from the positions section, else the value text the
// controller gives for the name (AppContext::ShowVar), else empty.
std::string FindPointDecl(Program& program, std::string_view positions, std::string_view name);
std::string FindPointDecl(Program& program, const PositionsLookup& positions,
                          std::string_view name);

// The number after `key` in the aggregate part (from the first "{") of a text, ending at the
// next "," or "}"; 0 when there is no "{", no key or no end. The key is a plain substring.
double ComponentValue(std::string_view text, std::string_view key);

// X, Y, Z, A, B, C of an upper-case Cartesian declaration or value; zeros for an axis value
// (one holding "A1 "), whose single-letter components would be read from A1...A6.
Pose6 CartesianComponents(std::string_view upper_text);

// The text after the first "=", trimmed; empty without "=".
std::string ValueAfterEquals(std::string_view text);

// "{" & the controller's value text from the character before its first "X " on, trimmed;
// empty when the text has no "X ".
std::string ControllerValueToAggregate(std::string_view value);

// X..C of a frame text "{X 1,Y 2,Z 3,A 4,B 5,C 6}"; zeros for an empty text or a missing key.
Pose6 ParseFrameText(std::string_view text);

// Appends "DECL <type> " & text to DatPositions, the type chosen from the components; lists
// a message and appends nothing for a text that is neither Cartesian nor axis.
bool AppendPositionDecl(Program& program, std::string_view text);

// Appends the two lines (an FDAT text and a PDAT or LDAT text, in either order) to DatMotion
// as declarations, in the order given.
void AppendMotionDataDecls(Program& program, std::string_view lines);

}  // namespace velmora

#pragma once
// Declaring the points and motion data of pasted motions in the data file, without ever
// declaring a name twice (the controller refuses a data file that does).
#include <string>
#include <string_view>

namespace velmora {

class Program;
struct LineRecord;

// The declared name of a line "DECL [GLOBAL] type name=...", upper case; empty for other lines.
std::string DeclaredName(std::string_view line);

// True when a line of `section` declares `name` (compared in upper case).
bool Declares(std::string_view section, std::string_view name);

// Appends the point declaration name={value} to DatPositions unless the name is declared.
void DeclarePoint(Program& program, std::string_view declaration);

// Appends the motion-data lines (FDAT, PDAT "PP...", LDAT "LC...", each name={...}) to
// DatMotion, each unless its name is declared. Empty lines and lines of another form are left
// out.
void DeclareMotionData(Program& program, std::string_view lines);

// A TP_USER fold shares its motion data by name; puts back the declarations the record read
// (PDAT or LDAT by its PDAT_ACT/LDAT_ACT, and FDAT) where they are gone, as after a Cut.
void RestoreUserMotionData(Program& program, const LineRecord& record);

}  // namespace velmora

#pragma once
// The data file as four sections of whole CR LF lines (DatOther, DatPositions, DatMotion,
// DatTail), written back in that order.
#include <string>
#include <string_view>

namespace velmora {

class Program;

// Sorts the lines of `dat_text` into the four sections: from the first line containing
// "ENDDAT" on everything goes to DatTail; before it, position and axis declarations (not
// external ones) to DatPositions, FDAT/PDAT/LDAT declarations to DatMotion, the rest to
// DatOther. Case-sensitive tests on the untrimmed line.
void SplitDatSections(Program& program, std::string_view dat_text);

// The data text from the four sections. Trailing CR LFs are removed from DatPositions,
// DatMotion and DatTail in place (and from a copy of DatOther).
std::string BuildDatText(Program& program);

}  // namespace velmora

#pragma once
// A second line table for printing a program other than the loaded one: filled from a source
// text alone and never written back.
#include <string>
#include <string_view>

namespace velmora {

class Program;
struct LineTable;

// Cuts `src_text` into `table` as a load does (fold titles, motion types, technology codes,
// display texts; the user motion commands of `program`) and returns its view text in
// `view_text`. Points are not looked up: there is no data file, and printing shows titles only.
// False, with a message and the table unchanged, for a source that does not fit.
bool LoadPrintTable(Program& program, LineTable& table, std::string_view src_text,
                    std::string* view_text);

}  // namespace velmora

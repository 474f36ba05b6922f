#pragma once
// Loading a program pair into the model, and building the view and the file texts from it.
#include <string>
#include <string_view>

namespace velmora {

class Program;
struct LineTable;

// Most logical lines a program may have (record 1 is the header).
inline constexpr int kMaxLogicalLines = 2999;

// Cuts the texts into the data sections and the line table, reads every record's fold title,
// motion fields and technology command, and builds ViewText. Line ends are normalised first
// (a lone LF or CR reads as CR LF). A source with more than kMaxLogicalLines logical lines is
// refused: a message is listed, false returned and the model left as it was.
bool LoadProgramIntoView(Program& program, std::string_view dat_text, std::string_view src_text);

// Lists the refusal of a source with `count` logical lines (key "ProgramTooLong", "999").
void ListProgramTooLong(Program& program, int count);

// Builds every record's display text and ViewText again from the records (motion numbers
// from 1), and tells the view.
void RebuildView(Program& program);

// The source text: the header and every record's Text. Clears the Modified flags.
std::string BuildSrcText(Program& program);

// True when LineCount is 2 or any record is Modified.
bool HasChanges(const Program& program);

// Every record of the table back to the default record.
void ResetLineTable(LineTable& table);

}  // namespace velmora

#pragma once
// A program pair on disk: PROG.src and, beside it, PROG.dat (found without regard to case).
#include <filesystem>

namespace velmora {
class Program;
}

namespace velmora::cli {

// Loads the pair of `src_file` as the file dialog's load does: the technology keywords and
// user motion commands are read from the program folder first; a missing data file refuses
// the load ("NoDatFileFound") unless the name contains "MAKRO". False, with a message line, when
// nothing was loaded.
bool LoadProgramPair(Program& program, const std::filesystem::path& src_file);

// Writes <ProgramBaseName>.dat and .src into `folder` as the disk save does (line by line,
// without empty lines); a program loaded without data file gets no .dat. Lists the result.
bool SaveProgramPair(Program& program, const std::filesystem::path& folder);

}  // namespace velmora::cli

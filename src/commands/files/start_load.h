#pragma once
// Loading a program pair by name into the program model, from the controller or the disk.
#include <string_view>

#include "commands/files/program_files.h"

namespace velmora {

class Program;

// `start_load`: `DateiName` is a file name with a four-character extension ("PROG.src"). Reads
// the settings a load needs, fetches NAME.src and - unless the name contains "MAKRO" - NAME.dat,
// and loads them into `program`. A missing source or data file is listed ("Editor", "999",
// "NoSrcFileFound" / "NoDatFileFound"; a controller failure also with its error text, "SelDat",
// "999") and leaves the model as it was. True when the program was loaded.
bool start_load(Program& program, const FileSource& source, std::string_view DateiName);

}  // namespace velmora

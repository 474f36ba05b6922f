#pragma once
// The settings a load reads from the program folder: the user technology keywords of
// HOTEDIT.INI and the user motion commands of para.ini.
#include <optional>
#include <string_view>

#include "program/program.h"

namespace velmora {

// Refills TechKeywords from section HOT_ONLINE_USERTECHKEY, keys USERTECHKEY1, 2, ... up to
// the first missing or empty one. Values beyond a list's capacity are ignored.
void ReadUserTechKeywords(Program& program);

// One routine line of para.ini ("DEF NAME(PARAM :IN, ...)"): its name, parameter count and
// the positions of the parameters it is known by; nullopt for a line without "(" or name.
std::optional<UserMotionCommand> ParseUserMotionCommand(std::string_view line);

// Refills UserMotionCommands from para.ini in file order. A missing file leaves the table as it
// was; entries past the routines read keep their values; routines past the 15th are ignored.
void ReadUserMotionCommands(Program& program);

// Both of the above, as a load reads them before cutting the source.
void ReadProgramSettings(Program& program);

}  // namespace velmora

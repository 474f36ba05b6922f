#pragma once
// Running processes, as /proc lists them.
#include <string_view>

namespace velmora {

// True when the executable name of any running process contains the fragment, compared in
// upper case (the kernel's process name and the base name of the program that was started).
// False when /proc cannot be read.
bool IsProcessRunning(std::string_view fragment);

}  // namespace velmora

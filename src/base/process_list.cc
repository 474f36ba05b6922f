#include "base/process_list.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/strings.h"

namespace velmora {

bool IsProcessRunning(std::string_view fragment) {
  const std::string wanted = ToUpper(fragment);
  std::error_code ec;
  for (std::filesystem::directory_iterator it("/proc", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string pid = it->path().filename().string();
    if (pid.empty() || !std::isdigit(static_cast<unsigned char>(pid[0]))) continue;
    std::string comm;
    std::getline(std::ifstream(it->path() / "comm"), comm);
    if (Contains(ToUpper(comm), wanted)) return true;
    std::string argv0;
    std::getline(std::ifstream(it->path() / "cmdline"), argv0, '\0');
    std::string program = std::filesystem::path(argv0).filename().string();
    if (Contains(ToUpper(program), wanted)) return true;
  }
  return false;
}

}  // namespace velmora

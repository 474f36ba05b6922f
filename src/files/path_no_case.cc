#include "files/path_no_case.h"

#include <string>

#include "base/textfile.h"

namespace velmora {

std::optional<std::filesystem::path> ResolveFolderNoCase(std::string_view path) {
  if (path.empty() || (path[0] != '/' && path[0] != '\\')) return std::nullopt;
  std::filesystem::path folder = "/";
  size_t start = 1;
  while (start <= path.size()) {
    size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    auto found = FindFileNoCase(folder, part);
    std::error_code error;
    if (!found || !std::filesystem::is_directory(*found, error)) return std::nullopt;
    folder = *found;
  }
  return folder;
}

}  // namespace velmora

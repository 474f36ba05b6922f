#pragma once
// Local folders named as the controller software names them: in capitals, with "\" or "/".
#include <filesystem>
#include <optional>
#include <string_view>

namespace velmora {

// The existing folder whose path equals `path` without regard to letter case, each part found
// in its parent folder; nullopt when some part does not exist.
std::optional<std::filesystem::path> ResolveFolderNoCase(std::string_view path);

}  // namespace velmora

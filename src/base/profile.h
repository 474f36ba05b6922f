#pragma once
// Profile (INI) files: "[section]" lines and "key=value" lines. Sections and keys match
// without regard to case, as the settings files were always read.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads a value through a 50-character buffer: at most 49 characters, trimmed. Returns true
// when the value is not empty.
bool ReadProfileString(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, std::string* value);

// The whole value of a key (no buffer limit), or nullopt when the key is missing.
std::optional<std::string> ReadProfileValue(const std::filesystem::path& file,
                                            std::string_view section, std::string_view key);

// Writes (or replaces) one value, creating the file and the section when needed. The file is
// replaced atomically. Returns false when the file cannot be written.
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace velmora

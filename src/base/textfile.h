#pragma once
// Whole-file text input and output. Every write goes to a new file that then replaces the
// old one, so a failed write leaves the old file whole.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The file's bytes, or empty when it does not exist or cannot be read.
std::string ReadTextFile(const std::filesystem::path& file);

// Writes the text followed by one CR LF. False when it cannot be written.
bool WriteTextFile(const std::filesystem::path& file, std::string_view text);

// Writes the text line by line with CR LF line ends, leaving out empty lines.
bool WriteTextFileByLines(const std::filesystem::path& file, std::string_view text);

// Appends the text and CR LF to a file in the temporary folder (errors are ignored).
void AppendToTempFile(std::string_view file_name, std::string_view text);

// Writes bytes exactly as given, atomically. False when it cannot be written.
bool WriteBytesAtomically(const std::filesystem::path& file, std::string_view bytes);

// The entry of `folder` whose name equals `name` without regard to case; nullopt if none.
// An exact match wins over a case-insensitive one.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);

}  // namespace velmora

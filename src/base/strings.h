#pragma once
// Byte-string helpers for program texts. Program files are single-byte text (Windows-1252);
// nothing here decodes or re-encodes. Case changes touch ASCII letters only.
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kCrLf = "\r\n";

// Removes blanks and tabs at both ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}
// Replaces the first occurrence of `from` (if any).
std::string ReplaceFirst(std::string_view text, std::string_view from, std::string_view to);
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// Text with every CR LF, lone CR or lone LF line end written as CR LF.
std::string NormalizeLineEnds(std::string_view text);
// Decodes Windows-1252 bytes to UTF-8 (for JSON and the screen).
std::string Cp1252ToUtf8(std::string_view bytes);
// Encodes UTF-8 to Windows-1252; characters without a code point become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace velmora

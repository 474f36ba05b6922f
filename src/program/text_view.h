#pragma once
// Non-owning views over program text, for the readers that run once per line of a load.
// Blanks are ' ' and '\t', as for Trim in base/strings.h.
#include <string>
#include <string_view>

namespace velmora {

inline constexpr size_t kNpos = std::string_view::npos;

// The substring tests of program text. One place to tune them: they run many times per record
// of a load.
inline size_t FindPart(std::string_view text, std::string_view part, size_t from = 0) {
  return text.find(part, from);
}
inline bool HasPart(std::string_view text, std::string_view part) {
  return FindPart(text, part) != kNpos;
}

inline std::string_view TrimView(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == kNpos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// The text from `from` on (at most `count` characters); empty when `from` lies past the end.
inline std::string_view Mid(std::string_view text, size_t from, size_t count = kNpos) {
  return from >= text.size() ? std::string_view() : text.substr(from, count);
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Compares ASCII letters without regard to case.
inline bool StartsWithNoCase(std::string_view text, std::string_view upper_prefix) {
  if (text.size() < upper_prefix.size()) return false;
  for (size_t i = 0; i < upper_prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper_prefix[i]) return false;
  }
  return true;
}

// The first line of a text: up to its first CR (the whole text when it has none).
inline std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find('\r'));
}

// The text from `from` up to the next CR LF, or to the end when none follows.
inline std::string_view UpToCrLf(std::string_view text, size_t from) {
  std::string_view rest = Mid(text, from);
  return rest.substr(0, rest.find("\r\n"));
}

// The text from `from` up to the next `stop`, or to the end when none follows.
inline std::string_view UpTo(std::string_view text, size_t from, std::string_view stop) {
  std::string_view rest = Mid(text, from);
  return rest.substr(0, rest.find(stop));
}

}  // namespace velmora

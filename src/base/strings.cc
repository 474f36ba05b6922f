#include "base/strings.h"

#include <algorithm>

namespace velmora {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string TrimLeft(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
  size_t e = text.size();
  while (e > 0 && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(0, e));
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), Upper);
  return out;
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), Lower);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

std::string ReplaceFirst(std::string_view text, std::string_view from, std::string_view to) {
  std::string out(text);
  if (from.empty()) return out;
  size_t pos = out.find(from);
  if (pos != std::string::npos) out.replace(pos, from.size(), to);
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (size_t pos; (pos = text.find(from, start)) != std::string_view::npos;
       start = pos + from.size()) {
    out.append(text.substr(start, pos - start));
    out.append(to);
  }
  out.append(text.substr(start));
  return out;
}

std::string NormalizeLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

namespace {
// Code points of 0x80..0x9F in Windows-1252; 0 where the code page has a gap.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}
}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    char32_t cp = b;
    if (b >= 0x80 && b < 0xA0) cp = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t len;
    if (b < 0x80) {
      cp = b, len = 1;
    } else if ((b & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      cp = ((b & 0x1F) << 6) | (utf8[i + 1] & 0x3F), len = 2;
    } else if ((b & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
      cp = ((b & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F), len = 3;
    } else if ((b & 0xF8) == 0xF0 && i + 3 < utf8.size()) {
      cp = 0x10000, len = 4;  // outside the code page
    } else {
      cp = b, len = 1;  // not UTF-8: take the byte as it is
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) {
      out += static_cast<char>(cp);
      continue;
    }
    char c = '?';
    for (int k = 0; k < 32; ++k)
      if (kCp1252High[k] == cp || (kCp1252High[k] == 0 && cp == char32_t(0x80 + k)))
        c = static_cast<char>(0x80 + k);
    out += c;
  }
  return out;
}

}  // namespace velmora

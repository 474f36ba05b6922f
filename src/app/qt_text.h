#pragma once
// Conversions between the core's byte strings and Qt's strings. Language texts are UTF-8;
// program texts are Windows-1252 bytes, one character per byte, so offsets carry over.
#include <QString>
#include <string>
#include <string_view>

namespace velmora {

inline QString UiText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
QString ProgramText(std::string_view cp1252);
std::string ProgramBytes(const QString& text);

}  // namespace velmora

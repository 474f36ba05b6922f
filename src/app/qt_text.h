#pragma once
// Conversions between the core's byte strings and Qt's strings. Program texts and language
// texts are Windows-1252 bytes, one character per byte, so offsets carry over.
#include <QString>
#include <string>
#include <string_view>

namespace velmora {

QString ProgramText(std::string_view cp1252);
// A language text or a message (program names included): the same code page.
inline QString UiText(std::string_view cp1252) {
  return ProgramText(cp1252);
}
std::string ProgramBytes(const QString& text);

}  // namespace velmora

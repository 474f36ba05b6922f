#include "app/qt_text.h"

#include "base/strings.h"

namespace velmora {

QString ProgramText(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ProgramBytes(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace velmora

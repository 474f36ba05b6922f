#include "app/print_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/qt_text.h"

namespace velmora {

bool PrintText(std::string_view text, const std::filesystem::path& pdf_fallback,
               std::filesystem::path* pdf) {
  pdf->clear();
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    std::error_code ignored;
    std::filesystem::create_directories(pdf_fallback.parent_path(), ignored);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf_fallback.string()));
    *pdf = pdf_fallback;
  }
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font, &printer);
  const QRect page = painter.viewport();
  const int line_height = metrics.lineSpacing();
  int y = 2 * line_height;  // two empty lines open each page
  bool ok = true;
  const QString all = ProgramText(text);
  for (QString line : all.split(QStringLiteral("\r\n"))) {
    line.remove(QLatin1Char('\r'));
    do {
      // The part that fits the page width; the rest continues on the next line.
      int fit = line.size();
      while (fit > 1 && metrics.horizontalAdvance(line.left(fit)) > page.width())
        fit = fit * 9 / 10;
      if (y + line_height > page.height()) {
        if (!printer.newPage()) ok = false;
        y = 2 * line_height;
      }
      painter.drawText(0, y + metrics.ascent(), line.left(fit));
      y += line_height;
      line = line.mid(fit);
    } while (!line.isEmpty());
  }
  return painter.end() && ok;
}

}  // namespace velmora

#include "app/operator_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "app/qt_text.h"

namespace velmora {

bool MessageBoxDialogs::AskYesNo(std::string_view text, std::string_view title) {
  return QMessageBox::question(parent_, UiText(title), UiText(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxDialogs::Inform(std::string_view text, std::string_view title) {
  QMessageBox::information(parent_, UiText(title), UiText(text));
}

std::optional<std::string> MessageBoxDialogs::AskText(std::string_view prompt,
                                                      std::string_view title,
                                                      std::string_view preset) {
  bool ok = false;
  QString answer = QInputDialog::getText(parent_, UiText(title), UiText(prompt), QLineEdit::Normal,
                                         UiText(preset), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

std::optional<std::string> MessageBoxDialogs::AskSaveFileName(std::string_view title,
                                                              std::string_view folder,
                                                              std::string_view name,
                                                              std::string_view filter) {
  QString start = QString::fromStdString(std::string(folder));
  if (!start.isEmpty() && !start.endsWith(QLatin1Char('/'))) start += QLatin1Char('/');
  QString chosen =
      QFileDialog::getSaveFileName(parent_, UiText(title), start + UiText(name), UiText(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

}  // namespace velmora

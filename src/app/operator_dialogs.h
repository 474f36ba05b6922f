#pragma once
// The questions and notes the window puts to the operator. The desktop asks with message
// boxes; the GUI tests answer through their own implementation, so nothing blocks them.
#include <optional>
#include <string>
#include <string_view>

#include "commands/save/save_program.h"

class QWidget;

namespace velmora {

class OperatorDialogs : public SaveQuestions {
 public:
  // A note with an OK button.
  virtual void Inform(std::string_view text, std::string_view title) = 0;
  // A line of text (UTF-8), or nullopt when cancelled. Texts shown are language texts.
  virtual std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                             std::string_view preset) = 0;
  // A file name to save to (a path, UTF-8), or nullopt when cancelled. `folder` is a path;
  // the other texts are language texts.
  virtual std::optional<std::string> AskSaveFileName(std::string_view title,
                                                     std::string_view folder, std::string_view name,
                                                     std::string_view filter) = 0;
};

class MessageBoxDialogs : public OperatorDialogs {
 public:
  explicit MessageBoxDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Inform(std::string_view text, std::string_view title) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view preset) override;
  std::optional<std::string> AskSaveFileName(std::string_view title, std::string_view folder,
                                             std::string_view name,
                                             std::string_view filter) override;

 private:
  QWidget* parent_;
};

}  // namespace velmora

#pragma once
// What a command needs of the application: texts, the message list, progress, and the
// controller's variables. The window and velmora-cli each build one; tests build their own.
#include <functional>
#include <string>
#include <string_view>

#include "base/language.h"
#include "base/message_list.h"
#include "base/progress.h"

namespace velmora {

class cZintraComm;

struct AppContext {
  AppContext() : messages(language) {}
  explicit AppContext(Language lang) : language(std::move(lang)), messages(language) {}
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  std::string AssistantText(std::string_view key) const { return language.AssistantText(key); }
  std::string MessageText(std::string_view key) const { return language.MessageText(key); }
  std::string AssistantTextWithParam(std::string_view key, std::string_view p) const {
    return language.AssistantTextWithParam(key, p);
  }
  // Sets the list up (mode 1) if nothing did yet, then adds the line.
  void AddMessage(std::string_view text, std::string_view number, std::string_view result) {
    if (!messages.ready()) messages.SetUp(1);
    messages.AddMessage(text, number, result);
  }
  // The controller's value of a variable; false when it is not connected or does not know it.
  bool ShowVar(std::string_view name, std::string* value) const {
    return show_var && show_var(name, value);
  }

  Language language;
  MessageList messages;
  Progress progress;
  // Set while a controller link exists (the controller client plugs itself in here).
  std::function<bool(std::string_view name, std::string* value)> show_var;
  cZintraComm* zintra = nullptr;
};

}  // namespace velmora

#include "base/message_list.h"

#include <ctime>

#include "base/language.h"
#include "base/strings.h"

namespace velmora {
namespace {

std::string TimeOfDay() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

std::string NumberCell(size_t n) {
  if (n >= 1000) return std::string();
  std::string digits = std::to_string(n);
  return std::string(3 - digits.size(), '0') + digits;
}

}  // namespace

void MessageList::SetUp(int mode) {
  ready_ = true;
  lines_.clear();
  Append({"", "", language_->AssistantText("Editor") + " " + language_->AssistantText("start1"),
          language_->AssistantText("OK"), ""});
  if (mode == 1) {
    std::string file = Trim(language_->AssistantText("mnuFile"));
    file = file.size() > 3 ? file.substr(3, 8) : std::string();
    Append({"", "", file + " " + language_->AssistantText("mnuOpen"),
            language_->AssistantText("OK"), ""});
  }
}

void MessageList::AddMessage(std::string_view text, std::string_view number,
                             std::string_view result) {
  focus_in_list_ = KeepsFocus(number);
  Append({"", "", std::string(text), result.empty() ? std::string("OK") : std::string(result),
          std::string(number)});
}

void MessageList::Append(MessageLine line) {
  line.number_cell = NumberCell(lines_.size() + 1);
  line.time = TimeOfDay();
  lines_.push_back(std::move(line));
  if (on_added) on_added(lines_.back());
}

void MessageList::Clear() {
  lines_.clear();
  if (on_cleared) on_cleared();
}

bool MessageList::KeepsFocus(std::string_view number) {
  for (std::string_view keep : {"220", "020", "400", "300", "341", "342", "600", "700"})
    if (number == keep) return true;
  return false;
}

}  // namespace velmora

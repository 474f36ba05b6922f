#pragma once
// The message list as a model: numbered result lines. The window's list view and the CLI's
// standard error are views of it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct MessageLine {
  std::string number_cell;  // "001".."999", empty from the 1000th line on
  std::string time;         // time of day when the line was added
  std::string text;
  std::string result;
  std::string message_no;  // the three-digit area number; not shown
};

class Language;

class MessageList {
 public:
  explicit MessageList(const Language& language) : language_(&language) {}
  // Builds the start lines: "Editor start1 / OK" and, for mode 1, "File Open / OK".
  void SetUp(int mode);
  bool ready() const { return ready_; }
  // Appends a line; an empty result shows the literal "OK".
  void AddMessage(std::string_view text, std::string_view number, std::string_view result);
  // Status key 4: empties the list; the next line is numbered "001" again.
  void Clear();
  const std::vector<MessageLine>& lines() const { return lines_; }
  // Whether the focus stayed in the list after the last line (the operator reads it first).
  bool focus_in_list() const { return focus_in_list_; }
  static bool KeepsFocus(std::string_view number);
  // Called after each added line (the window scrolls and moves the focus; the CLI prints).
  std::function<void(const MessageLine&)> on_added;
  std::function<void()> on_cleared;

 private:
  void Append(MessageLine line);
  const Language* language_;
  std::vector<MessageLine> lines_;
  bool ready_ = false;
  bool focus_in_list_ = false;
};

}  // namespace velmora

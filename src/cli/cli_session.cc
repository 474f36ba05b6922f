#include "cli/cli_session.h"

#include "base/strings.h"

namespace velmora::cli {

CliSession::CliSession(std::ostream& out_stream, std::ostream& err_stream)
    : out(out_stream), err(err_stream), context(Language::FromEnvironment()), program(context) {
  context.messages.SetUp(1);
  start_lines_ = context.messages.lines().size();
  context.messages.on_added = [this](const MessageLine& line) {
    err << FormatMessage(line) << '\n';
  };
  context.messages.on_cleared = [this] { start_lines_ = 0; };
}

std::vector<MessageLine> CliSession::Messages() const {
  const auto& lines = context.messages.lines();
  return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(start_lines_, lines.size())),
          lines.end()};
}

std::string FormatMessage(const MessageLine& line) {
  // Message texts are program-code-page bytes; the terminal reads UTF-8.
  return "[" + line.message_no + "] " + Cp1252ToUtf8(line.text) + ": " + Cp1252ToUtf8(line.result);
}

}  // namespace velmora::cli

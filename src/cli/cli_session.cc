#include "cli/cli_session.h"

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
  return "[" + line.message_no + "] " + line.text + ": " + line.result;
}

}  // namespace velmora::cli

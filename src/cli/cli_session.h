#pragma once
// What a velmora-cli subcommand works with: the application context (language from the
// environment, message lines echoed to standard error), one program document, and the
// output streams.
#include <ostream>

#include "base/app_context.h"
#include "program/program.h"

namespace velmora::cli {

class CliSession {
 public:
  CliSession(std::ostream& out, std::ostream& err);
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  // The message lines added since the session started (not the list's start lines).
  std::vector<MessageLine> Messages() const;

  std::ostream& out;
  std::ostream& err;
  AppContext context;
  Program program;

 private:
  size_t start_lines_ = 0;
};

// "[NNN] text: result" for standard error.
std::string FormatMessage(const MessageLine& line);

}  // namespace velmora::cli

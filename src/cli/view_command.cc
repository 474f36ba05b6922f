// velmora-cli view PROG.src: the view text, byte for byte.
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/subcommands.h"

namespace velmora::cli {

SubcommandRun SetUpView(CLI::App& app) {
  auto src = std::make_shared<std::string>();
  app.add_option("PROG", *src, "the source file (.src)")->required();
  return [src](CliSession& session) {
    if (!LoadProgramPair(session.program, *src)) return kExitRefused;
    session.out.write(session.program.ViewText.data(),
                      static_cast<std::streamsize>(session.program.ViewText.size()));
    return kExitOk;
  };
}

}  // namespace velmora::cli

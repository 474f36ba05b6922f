// velmora-cli save PROG.src --out DIR: load the pair and write it to DIR.
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/subcommands.h"

namespace velmora::cli {

SubcommandRun SetUpSave(CLI::App& app) {
  struct Options {
    std::string src;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  app.add_option("PROG", options->src, "the source file (.src)")->required();
  app.add_option("--out", options->out, "the folder to write PROG.src and PROG.dat to")->required();
  return [options](CliSession& session) {
    if (!LoadProgramPair(session.program, options->src)) return kExitRefused;
    return SaveProgramPair(session.program, options->out) ? kExitOk : kExitRefused;
  };
}

}  // namespace velmora::cli

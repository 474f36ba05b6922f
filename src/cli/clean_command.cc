// velmora-cli clean PROG.src --out DIR and clean-master PROG.src --out DIR: load the pair, remove
// the unused declarations (ordinary or master points, and motion data) and write it to DIR.
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/subcommands.h"
#include "commands/edit/clean_file.h"

namespace velmora::cli {
namespace {

SubcommandRun SetUpCleaning(CLI::App& app, bool (*clean)(Program&)) {
  struct Options {
    std::string src;
    std::string out;
  };
  auto options = std::make_shared<Options>();
  app.add_option("PROG", options->src, "the source file (.src)")->required();
  app.add_option("--out", options->out, "the folder to write the cleaned PROG.src and PROG.dat to")
      ->required();
  return [options, clean](CliSession& session) {
    if (!LoadProgramPair(session.program, options->src)) return kExitRefused;
    clean(session.program);
    return SaveProgramPair(session.program, options->out) ? kExitOk : kExitRefused;
  };
}

}  // namespace

SubcommandRun SetUpClean(CLI::App& app) {
  return SetUpCleaning(app, CleanFile);
}

SubcommandRun SetUpCleanMaster(CLI::App& app) {
  return SetUpCleaning(app, CleanMaster);
}

}  // namespace velmora::cli

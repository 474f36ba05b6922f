#include "cli/subcommands.h"

#include <memory>

#include "cli/cli_controller.h"
#include "cli/cli_session.h"

namespace velmora::cli {

// One line per subcommand; the order is the order of the help.
const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> table = {
      {"view", "Print the program view text of PROG.src", SetUpView},
      {"records", "Print the loaded program (records, data sections, messages) as JSON",
       SetUpRecords},
      {"save", "Load PROG.src and its data file and write them to a folder as a save does",
       SetUpSave},
      {"clean", "Remove unused points and motion data of PROG and write the pair to a folder",
       SetUpClean},
      {"clean-master", "Remove unused master points and motion data of PROG and write the pair",
       SetUpCleanMaster},
      {"shift", "Shift the points of PROG (BASE, WORLD, TCP or axes); write the pair", SetUpShift},
      {"mirror", "Mirror the points of PROG in the plane Y = 0 and write the pair", SetUpMirror},
      {"ctl", "Talk to the controller: show, set, dir, get, put, select, cancel", SetUpCtl},
  };
  return table;
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"velmora-cli: robot programs from the command line"};
  app.require_subcommand(1);
  CliController controller;
  controller.AddOption(app);
  SubcommandRun run;
  for (const Subcommand& entry : Subcommands()) {
    CLI::App* sub = app.add_subcommand(std::string(entry.name), std::string(entry.help));
    auto run_it = std::make_shared<SubcommandRun>(entry.setup(*sub));
    sub->final_callback([&run, run_it] { run = *run_it; });
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
  }
  CliSession session(out, err);
  if (!controller.Connect(session)) return kExitRefused;
  return run ? run(session) : kExitUsage;
}

}  // namespace velmora::cli

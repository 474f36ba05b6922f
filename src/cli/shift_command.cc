// velmora-cli shift PROG.src --mode base|world|tcp|axis --offset TEXT [--lines FIRST-LAST]
// --out DIR [--controller ADDR]: load the pair, shift every point of the records, write the pair.
#include <map>
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/record_range.h"
#include "cli/subcommands.h"
#include "controller/controller_link.h"
#include "geometry/cls_prg_move.h"
#include "geometry/zintra_vars.h"

namespace velmora::cli {

SubcommandRun SetUpShift(CLI::App& app) {
  struct Options {
    std::string src, mode, offset, lines, out, controller;
  };
  auto options = std::make_shared<Options>();
  app.add_option("PROG", options->src, "the source file (.src)")->required();
  app.add_option("--mode", options->mode, "the frame of the offset: base, world, tcp or axis")
      ->required()
      ->check(CLI::IsMember({"base", "world", "tcp", "axis"}));
  app.add_option("--offset", options->offset,
                 "\"{X 10,Y 0,Z 0,A 0,B 0,C 0}\" (mm, degrees), or \"{A1 5, ..., A6 0}\" in axis "
                 "mode")
      ->required();
  app.add_option("--lines", options->lines, "FIRST-LAST: the records to shift (default: all)");
  app.add_option("--out", options->out, "the folder to write the shifted PROG.src and PROG.dat to")
      ->required();
  app.add_option("--controller", options->controller,
                 "HOST:PORT of the controller (WORLD base frames; required in axis mode)");
  return [options](CliSession& session) {
    // A client the session already holds (connected by a top-level option) serves as well.
    cZintraComm* client = session.context.zintra;
    if (client && !client->ZintraIsConnected()) client = nullptr;
    if (options->mode == "axis" && !client && options->controller.empty()) {
      session.err << "shift: axis mode needs --controller\n";
      return kExitUsage;
    }
    if (!LoadProgramPair(session.program, options->src)) return kExitRefused;
    auto range = ParseRecordRange(options->lines, session.program.LineCount());
    if (!range) {
      session.err << "shift: --lines must be FIRST-LAST within 2-" << session.program.LineCount()
                  << "\n";
      return kExitUsage;
    }
    std::unique_ptr<cZintraComm> own_client;
    ZintraOwner owner;
    if (!client && !options->controller.empty()) {
      own_client = std::make_unique<cZintraComm>(options->controller);
      if (!AttachController(session.context, *own_client, &owner)) {
        session.err << "shift: no controller answers at " << options->controller << "\n";
        DetachController(session.context);
        return kExitRefused;
      }
      client = own_client.get();
    }
    ZintraVars vars(client);
    ClsPrgMove move(session.program, client ? &vars : nullptr);
    std::string error;
    bool shifted = false;
    if (options->mode == "base")
      shifted = move.MoveKartBase(range->first, range->last, options->offset, error);
    if (options->mode == "world")
      shifted = move.MoveKartWorld(range->first, range->last, options->offset, error);
    if (options->mode == "tcp")
      shifted = move.MoveKartTcp(range->first, range->last, options->offset, error);
    if (options->mode == "axis")
      shifted = move.MoveAxis(range->first, range->last, options->offset, error);
    if (own_client) DetachController(session.context);
    bool saved = SaveProgramPair(session.program, options->out);
    return shifted && saved ? kExitOk : kExitRefused;
  };
}

}  // namespace velmora::cli

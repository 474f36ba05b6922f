// velmora-cli mirror PROG.src --out DIR [--lines FIRST-LAST]: load the pair, mirror its points in
// the plane Y = 0 (all declarations of the data file, or the points the records use), write it.
#include <memory>
#include <string>

#include "base/app_context.h"
#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/record_range.h"
#include "cli/subcommands.h"
#include "geometry/cls_prg_move.h"
#include "program/dat_sections.h"

namespace velmora::cli {

SubcommandRun SetUpMirror(CLI::App& app) {
  struct Options {
    std::string src, lines, out;
  };
  auto options = std::make_shared<Options>();
  app.add_option("PROG", options->src, "the source file (.src)")->required();
  app.add_option("--lines", options->lines,
                 "FIRST-LAST: mirror only the points these records use (default: every "
                 "declaration of the data file)");
  app.add_option("--out", options->out, "the folder to write PROG.src and the mirrored PROG.dat to")
      ->required();
  return [options](CliSession& session) {
    if (!LoadProgramPair(session.program, options->src)) return kExitRefused;
    Program& program = session.program;
    AppContext& context = session.context;
    ClsPrgMove move(program, nullptr);
    if (options->lines.empty()) {
      std::string mirrored = move.MirrorE6Pos(BuildDatText(program), 0);
      if (mirrored.empty()) {
        context.AddMessage(context.AssistantText("FileMirroring"), "200",
                           context.AssistantText("ErrMirror"));
        return kExitRefused;
      }
      SplitDatSections(program, mirrored);
    } else {
      auto range = ParseRecordRange(options->lines, program.LineCount());
      if (!range) {
        session.err << "mirror: --lines must be FIRST-LAST within 2-" << program.LineCount()
                    << "\n";
        return kExitUsage;
      }
      std::string positions = program.DatPositions + "\r\n";
      std::string error;
      if (!move.MoveMirror(range->first, range->last, error, positions)) {
        context.AddMessage(context.AssistantText("FileMirroring"), "200", error);
        return kExitRefused;
      }
      program.DatPositions = positions;
    }
    if (!SaveProgramPair(program, options->out)) return kExitRefused;
    context.AddMessage(context.AssistantText("MirrorFileCreated"), "200",
                       context.AssistantText("OK"));
    return kExitOk;
  };
}

}  // namespace velmora::cli

// velmora-cli records PROG.src: the loaded model as JSON (also when the load was refused, with
// no records and the messages saying why).
#include <memory>
#include <string>

#include "cli/cli_session.h"
#include "cli/program_pair.h"
#include "cli/records_json.h"
#include "cli/subcommands.h"

namespace velmora::cli {

SubcommandRun SetUpRecords(CLI::App& app) {
  auto src = std::make_shared<std::string>();
  app.add_option("PROG", *src, "the source file (.src)")->required();
  return [src](CliSession& session) {
    bool loaded = LoadProgramPair(session.program, *src);
    nlohmann::json json = RecordsJson(session.program, session.Messages());
    session.out << json.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return loaded ? kExitOk : kExitRefused;
  };
}

}  // namespace velmora::cli

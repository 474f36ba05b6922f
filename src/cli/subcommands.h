#pragma once
// The subcommands of velmora-cli. Each one adds its options to its own CLI11 app and returns
// the function that runs it; the table in subcommands.cc names them and gives the help text.
#include <CLI/CLI.hpp>
#include <functional>
#include <string_view>
#include <vector>

namespace velmora::cli {

class CliSession;

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

using SubcommandRun = std::function<int(CliSession&)>;
using SubcommandSetup = SubcommandRun (*)(CLI::App& app);

struct Subcommand {
  std::string_view name;
  std::string_view help;
  SubcommandSetup setup;
};

const std::vector<Subcommand>& Subcommands();

SubcommandRun SetUpView(CLI::App& app);
SubcommandRun SetUpRecords(CLI::App& app);
SubcommandRun SetUpSave(CLI::App& app);
SubcommandRun SetUpClean(CLI::App& app);
SubcommandRun SetUpCleanMaster(CLI::App& app);
SubcommandRun SetUpCtl(CLI::App& app);
SubcommandRun SetUpShift(CLI::App& app);
SubcommandRun SetUpMirror(CLI::App& app);

// Parses the command line and runs the chosen subcommand.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli

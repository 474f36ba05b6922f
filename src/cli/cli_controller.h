#pragma once
// The controller for velmora-cli. "--controller [ADDR]" before or after the subcommand loads
// and saves programs through the controller instead of the disk; without ADDR the address is
// $VELMORA_CONTROLLER, else 127.0.0.1:7010.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <string>

#include "controller/zintra_comm.h"

namespace velmora {
struct AppContext;
class Program;
}  // namespace velmora

namespace velmora::cli {

class CliSession;

class CliController {
 public:
  // Adds the option to the top-level app (before its subcommands are added).
  void AddOption(CLI::App& app);
  // Connects when the option was given and plugs the client into the session's context.
  // False, with the reason on standard error, when the controller does not answer.
  bool Connect(CliSession& session);

 private:
  CLI::Option* option_ = nullptr;
  std::string address_;
  ZintraOwner owner_;
  std::unique_ptr<cZintraComm> client_;
};

// Whether the context's controller client is connected.
bool ControllerConnected(const AppContext& context);

// Loads the pair named like `src_file` ("PROG.src") from the controller (start_load).
bool LoadFromController(Program& program, const std::filesystem::path& src_file);

// Saves the loaded program to the controller as the save command does (no questions asked).
bool SaveToController(Program& program);

}  // namespace velmora::cli

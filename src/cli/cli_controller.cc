#include "cli/cli_controller.h"

#include "base/app_context.h"
#include "base/paths.h"
#include "cli/cli_session.h"
#include "commands/files/start_load.h"
#include "commands/save/save_program.h"
#include "controller/controller_link.h"
#include "program/program.h"

namespace velmora::cli {
namespace {

class YesToAll : public SaveQuestions {
 public:
  bool AskYesNo(std::string_view, std::string_view) override { return true; }
};

}  // namespace

void CliController::AddOption(CLI::App& app) {
  option_ = app.add_option("--controller", address_,
                           "load and save through the controller at ADDR (default: "
                           "$VELMORA_CONTROLLER, else 127.0.0.1:7010)")
                ->expected(0, 1)
                ->type_name("[ADDR]");
  app.fallthrough();
}

bool CliController::Connect(CliSession& session) {
  if (option_ == nullptr || option_->count() == 0) return true;
  const std::string address = address_.empty() ? ControllerAddress() : address_;
  client_ = std::make_unique<cZintraComm>(address);
  if (!AttachController(session.context, *client_, &owner_)) {
    session.err << "velmora-cli: no controller at " << address;
    if (!client_->LastErrorText().empty()) session.err << ": " << client_->LastErrorText();
    session.err << '\n';
    return false;
  }
  return true;
}

bool ControllerConnected(const AppContext& context) {
  return context.zintra != nullptr && context.zintra->ZintraIsConnected();
}

bool LoadFromController(Program& program, const std::filesystem::path& src_file) {
  AppContext& context = program.context();
  if (!start_load(program, FileSource{context, {}}, src_file.filename().string())) return false;
  context.AddMessage(context.AssistantText("Load"), "010", "OK");
  return true;
}

bool SaveToController(Program& program) {
  YesToAll yes;
  SaveEnvironment env{program.context(), {}, TempFolder(), false, &yes, nullptr};
  const size_t lines = program.context().messages.lines().size();
  SaveProgram(program, env);
  // SaveProgram reports the result as its last line: "saved" alone means written.
  const auto& all = program.context().messages.lines();
  return all.size() > lines && all.back().result == program.context().AssistantText("saved");
}

}  // namespace velmora::cli

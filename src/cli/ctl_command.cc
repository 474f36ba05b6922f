// velmora-cli ctl show|set|dir|get|put|select|cancel: the controller, directly.
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#include "base/app_context.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "cli/cli_controller.h"
#include "cli/cli_session.h"
#include "cli/subcommands.h"
#include "controller/controller_link.h"
#include "controller/zintra_comm.h"

namespace velmora::cli {
namespace {

struct CtlOptions {
  std::string verb;
  std::string name;
  std::string value;
  std::string mask;
};

enum class Outcome { kDone, kRefused, kFailed };  // kRefused: the client's error text says why

using CtlRun = Outcome (*)(cZintraComm& client, const CtlOptions& options, CliSession& session);

Outcome Of(bool done) {
  return done ? Outcome::kDone : Outcome::kRefused;
}

Outcome Show(cZintraComm& client, const CtlOptions& o, CliSession& session) {
  std::string text;
  if (!client.ShowVar(o.name, text)) return Outcome::kRefused;
  session.out << text.substr(text.find('=') + 1) << '\n';
  return Outcome::kDone;
}

Outcome Set(cZintraComm& client, const CtlOptions& o, CliSession&) {
  return Of(client.SetVar(o.name, o.value));
}

Outcome Dir(cZintraComm& client, const CtlOptions& o, CliSession& session) {
  std::string dir;
  if (!client.GetRobotDirectory(dir, o.mask)) return Outcome::kRefused;
  session.out << dir;
  return Outcome::kDone;
}

Outcome Get(cZintraComm& client, const CtlOptions& o, CliSession& session) {
  std::string text;
  if (!client.UpLoadFromRobotToMem(o.name, text)) return Outcome::kRefused;
  session.out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return Outcome::kDone;
}

// The text from standard input, byte for byte, to "/R1/" and the file's name: an existing
// module is replaced where it is, a new one goes into the program folder.
Outcome Put(cZintraComm& client, const CtlOptions& o, CliSession& session) {
  std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  std::string bare = o.name;
  if (!cZintraComm::GetFileName_gu(bare)) {
    session.err << "velmora-cli ctl put: \"" << o.name << "\" is not a file name\n";
    return Outcome::kFailed;
  }
  std::filesystem::path folder = TempFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::filesystem::path temp = folder / bare;
  if (!WriteBytesAtomically(temp, text)) {
    session.err << "velmora-cli ctl put: cannot write " << temp.string() << '\n';
    return Outcome::kFailed;
  }
  bool done = client.DownLoadDiskToRobot(temp.string());
  std::filesystem::remove(temp, ec);
  return Of(done);
}

Outcome Select(cZintraComm& client, const CtlOptions& o, CliSession& session) {
  std::string name = o.name;
  if (!client.SelectModul(name)) return Outcome::kRefused;
  session.out << name << '\n';
  return Outcome::kDone;
}

Outcome Cancel(cZintraComm& client, const CtlOptions&, CliSession&) {
  return Of(client.CancelModul(3000));
}

struct CtlVerb {
  const char* name;
  const char* help;
  CtlRun run;
};

constexpr CtlVerb kVerbs[] = {
    {"show", "print the value of a variable (or expression)", Show},
    {"set", "write a value to a variable", Set},
    {"dir", "list the controller's files (below MASK, e.g. \\R1\\)", Dir},
    {"get", "print a controller file", Get},
    {"put", "write standard input to a controller file", Put},
    {"select", "select a program on the robot level", Select},
    {"cancel", "cancel the robot level's program", Cancel},
};

}  // namespace

SubcommandRun SetUpCtl(CLI::App& app) {
  auto options = std::make_shared<CtlOptions>();
  app.require_subcommand(1);
  for (const CtlVerb& verb : kVerbs) {
    CLI::App* sub = app.add_subcommand(verb.name, verb.help);
    const std::string name = verb.name;
    sub->final_callback([options, name] { options->verb = name; });
    if (name == "show" || name == "set" || name == "get" || name == "put" || name == "select")
      sub->add_option("NAME", options->name, "variable or file name")->required();
    if (name == "set") sub->add_option("VALUE", options->value, "the value")->required();
    if (name == "dir") sub->add_option("MASK", options->mask, "folder or pattern below NOXA:\\");
  }
  return [options](CliSession& session) {
    const CtlVerb* verb = nullptr;
    for (const CtlVerb& v : kVerbs) {
      if (options->verb == v.name) verb = &v;
    }
    if (!verb) return kExitUsage;
    // Without --controller, ctl still talks to the controller: the default one.
    ZintraOwner owner;
    std::unique_ptr<cZintraComm> own;
    cZintraComm* client = session.context.zintra;
    if (!ControllerConnected(session.context)) {
      own = std::make_unique<cZintraComm>(ControllerAddress());
      if (!AttachController(session.context, *own, &owner)) {
        session.err << "velmora-cli: no controller at " << own->address() << '\n';
        DetachController(session.context);
        return kExitRefused;
      }
      client = own.get();
    }
    const std::string before = client->LastErrorText();
    const Outcome outcome = verb->run(*client, *options, session);
    if (own) DetachController(session.context);
    if (outcome == Outcome::kDone) return kExitOk;
    if (outcome == Outcome::kRefused) {
      // Some refusals (a name without a file name) come without a controller error.
      const std::string& reason = client->LastErrorText();
      session.err << "velmora-cli ctl " << verb->name << ": "
                  << (reason == before ? std::string("refused") : reason) << '\n';
    }
    return kExitRefused;
  };
}

}  // namespace velmora::cli

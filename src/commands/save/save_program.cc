#include "commands/save/save_program.h"

#include <vector>

#include "base/app_context.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "controller/zintra_comm.h"
#include "program/dat_sections.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int32_t kStopTimeout = 3000;
constexpr int32_t kDownloadTimeout = 15000;

// The disk file of that name in the folder, matched without regard to case, so that a save
// replaces the file it loaded ("PROG.SRC") instead of writing a second one ("prog.src").
std::filesystem::path DiskFile(const std::filesystem::path& folder, const std::string& file) {
  if (auto found = FindFileNoCase(folder, file)) return *found;
  return folder / file;
}

// The controller folder of a resolved path: the path without its last `name_length` characters.
std::string FolderOf(const std::string& path, size_t name_length) {
  return path.size() >= name_length ? path.substr(0, path.size() - name_length) : std::string();
}

bool WriteProgramFile(const Program& program, const SaveEnvironment& env, const std::string& name,
                      const std::string& extension, std::string_view text) {
  const std::string file = name + extension;
  if (!env.connected()) return WriteTextFileByLines(DiskFile(env.disk_folder, file), text);

  cZintraComm& client = *env.context.zintra;
  std::string path;
  std::string target_folder;
  if (client.itfSyncFile().ResolveModuleName("/R1/" + file, &path) && !path.empty()) {
    target_folder = FolderOf(path, file.size());
  } else if (name == "REF_6POINT" || name == "REF_2POINT") {
    target_folder = "NOXA:\\R1\\PROGRAM\\";
  } else {
    // A new file goes beside the loaded program.
    const std::string loaded = program.ProgramBaseName + extension;
    if (client.itfSyncFile().ResolveModuleName("/R1/" + loaded, &path) && !path.empty())
      target_folder = FolderOf(path, loaded.size());
  }
  const std::filesystem::path temp_file = env.temp_folder / file;
  std::error_code ignored;
  std::filesystem::create_directories(env.temp_folder, ignored);
  if (!WriteTextFile(temp_file, text)) return false;
  std::string argument = temp_file.string();
  if (!target_folder.empty()) argument += "|" + target_folder + file;
  return client.DownLoadDiskToRobot(argument, kDownloadTimeout);
}

void ReportNotSaved(AppContext& context, std::string_view text_key) {
  context.AddMessage(context.AssistantText(text_key), "020",
                     context.AssistantText("not") + " " + context.AssistantText("saved"));
}

}  // namespace

bool SaveEnvironment::connected() const {
  return context.zintra && context.zintra->ZintraIsConnected();
}

bool WriteSourceFile(const Program& program, const SaveEnvironment& env, const std::string& name,
                     std::string_view text) {
  return WriteProgramFile(program, env, name, ".src", text);
}

bool WriteDataFile(const Program& program, const SaveEnvironment& env, const std::string& name,
                   std::string_view text) {
  return WriteProgramFile(program, env, name, ".dat", text);
}

void SaveProgram(Program& program, const SaveEnvironment& env) {
  AppContext& context = env.context;
  cZintraComm* client = env.connected() ? context.zintra : nullptr;

  // Without a controller link there is no interpreter to stop: the program is free.
  std::string state;
  bool robot_free = true;
  if (client) {
    client->ShowVar("$PRO_STATE1", state);
    robot_free = Contains(state, "#P_FREE");
  }
  bool yes = false;
  const std::string title = context.AssistantText("SaveCaption");
  if (robot_free) {
    yes = env.questions && env.questions->AskYesNo(context.AssistantText("Save"), title);
  } else if (!env.only_tts_mode) {
    yes = env.questions &&
          env.questions->AskYesNo(context.AssistantText("UnselectInHuxForSaving"), title);
  }
  if (!yes) {
    if (!env.only_tts_mode) ReportNotSaved(context, "Close");
    return;
  }
  if (client) {
    client->ControlLevelStop(kStopTimeout);
    client->CancelModul(-1);
    if (!robot_free) {
      client->RobotLevelStop(kStopTimeout);
      client->CancelModul(kStopTimeout);
    }
  }
  if (env.show_busy) env.show_busy(true);
  context.progress.ProcessEvents();

  // BuildSrcText clears the Modified flags; they come back when the files were not written, so
  // that the changes are not lost on the next close.
  std::vector<int> modified;
  for (int n = 1; n <= program.LineCount(); ++n)
    if (program.Record(n).Modified) modified.push_back(n);
  const bool written =
      WriteDataFile(program, env, program.ProgramBaseName, BuildDatText(program)) &&
      WriteSourceFile(program, env, program.ProgramBaseName, BuildSrcText(program));
  if (client) client->RunControlLevel("");
  if (env.show_busy) env.show_busy(false);
  if (!written) {
    for (int n : modified) program.Record(n).Modified = true;
    if (modified.empty() && program.LineCount() >= 2) program.Record(2).Modified = true;
    std::string reason = client ? client->LastErrorText() : std::string();
    context.AddMessage(context.AssistantText("SaveCaption"), "020",
                       context.AssistantText("not") + " " + context.AssistantText("saved") +
                           (reason.empty() ? "" : ": " + reason));
    return;
  }
  context.AddMessage(context.AssistantText("SaveCaption"), "020", context.AssistantText("saved"));
}

}  // namespace velmora

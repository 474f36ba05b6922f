#include "commands/files/start_load.h"

#include "base/app_context.h"
#include "base/strings.h"
#include "controller/zintra_comm.h"
#include "program/loader.h"
#include "program/program.h"
#include "program/program_settings.h"

namespace velmora {
namespace {

// Lists the refusal; with the controller's reason when the controller failed.
void Refuse(const FileSource& source, std::string_view key, std::string_view name,
            bool controller_failed) {
  AppContext& context = source.context;
  if (controller_failed) {
    context.AddMessage(context.AssistantText("SelDat"), "999",
                       source.context.zintra->LastErrorText());
  }
  std::string result = context.AssistantText(key);
  if (!name.empty()) result += " " + std::string(name);
  context.AddMessage(context.AssistantText("Editor"), "999", result);
}

}  // namespace

bool start_load(Program& program, const FileSource& source, std::string_view DateiName) {
  ReadUserTechKeywords(program);
  const std::string name = Trim(DateiName);
  const std::string base = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  const std::string src_name = base + ".src";
  const std::string dat_name = base + ".dat";

  std::string src_text, dat_text;
  if (!GetThisFile(source, src_name, src_text) || src_text.empty()) {
    Refuse(source, "NoSrcFileFound", src_name, source.connected());
    return false;
  }
  const bool makro = Contains(ToUpper(base), "MAKRO");
  bool dat_read = true;
  if (!Contains(ToUpper(dat_name), "MAKRO")) dat_read = GetThisFile(source, dat_name, dat_text);
  if (!makro && dat_text.empty()) {
    Refuse(source, "NoDatFileFound", "", source.connected() && !dat_read);
    return false;
  }
  ReadUserMotionCommands(program);
  if (!LoadProgramIntoView(program, dat_text, src_text)) return false;
  program.ProgramBaseName = base;
  program.SrcFileName = src_name;
  program.DatFileName = dat_name;
  return true;
}

}  // namespace velmora

#include "cli/program_pair.h"

#include "base/app_context.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "cli/cli_controller.h"
#include "program/dat_sections.h"
#include "program/loader.h"
#include "program/program.h"
#include "program/program_settings.h"

namespace velmora::cli {
namespace fs = std::filesystem;

namespace {

bool IsMakro(std::string_view name) {
  return Contains(ToUpper(name), "MAKRO");
}

void ListRefusal(Program& program, std::string_view result) {
  AppContext& context = program.context();
  context.AddMessage(context.AssistantText("Editor"), "999", result);
}

}  // namespace

bool LoadProgramPair(Program& program, const fs::path& src_file) {
  AppContext& context = program.context();
  if (ControllerConnected(context)) return LoadFromController(program, src_file);
  std::error_code ec;
  if (!fs::is_regular_file(src_file, ec)) {
    ListRefusal(program, context.AssistantText("NoSrcFileFound") + " " + src_file.string());
    return false;
  }
  ReadUserTechKeywords(program);
  const std::string name = Trim(src_file.filename().string());
  const std::string base = EqualsNoCase(fs::path(name).extension().string(), ".src")
                               ? name.substr(0, name.size() - 4)
                               : name;
  const std::string src_text = ReadTextFile(src_file);
  std::string dat_text;
  if (!IsMakro(base)) {
    fs::path folder = src_file.parent_path().empty() ? fs::path(".") : src_file.parent_path();
    if (auto dat_file = FindFileNoCase(folder, base + ".dat")) dat_text = ReadTextFile(*dat_file);
    if (dat_text.empty()) {
      ListRefusal(program, context.AssistantText("NoDatFileFound"));
      return false;
    }
  }
  ReadUserMotionCommands(program);
  if (!LoadProgramIntoView(program, dat_text, src_text)) return false;
  program.ProgramBaseName = base;
  program.SrcFileName = base + ".src";
  program.DatFileName = base + ".dat";
  context.AddMessage(context.AssistantText("Load"), "010", "OK");
  return true;
}

bool SaveProgramPair(Program& program, const fs::path& folder) {
  AppContext& context = program.context();
  if (ControllerConnected(context)) return SaveToController(program);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const bool without_dat = program.DatOther.empty() && program.DatPositions.empty() &&
                           program.DatMotion.empty() && program.DatTail.empty();
  bool written = true;
  if (!without_dat) {
    written =
        WriteTextFileByLines(folder / (program.ProgramBaseName + ".dat"), BuildDatText(program));
  }
  written = written && WriteTextFileByLines(folder / (program.ProgramBaseName + ".src"),
                                            BuildSrcText(program));
  std::string result = written
                           ? context.AssistantText("saved")
                           : context.AssistantText("not") + " " + context.AssistantText("saved");
  context.AddMessage(context.AssistantText("SaveCaption"), "020", result);
  return written;
}

}  // namespace velmora::cli

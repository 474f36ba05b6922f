#include "commands/output/output_text.h"

#include "base/language.h"

namespace velmora {
namespace {
constexpr std::string_view kRule = "******************************************* ";
}  // namespace

std::string OutputText(const Language& language, std::string_view name,
                       std::string_view view_text) {
  std::string text = name.empty() ? language.AssistantText("Datei_nicht_ausgewaehlt")
                                  : "NOXA:\\" + std::string(name) + ".SRC";
  text += "\r\n\r\n";
  text += kRule;
  text += "\r\n\r\n";
  if (!name.empty()) text += view_text;
  return text;
}

std::filesystem::path OutputFile(const std::filesystem::path& chosen_folder,
                                 const std::filesystem::path& default_folder,
                                 std::string_view name) {
  const std::filesystem::path& folder = chosen_folder.empty() ? default_folder : chosen_folder;
  return folder / (std::string(name) + ".txt");
}

}  // namespace velmora

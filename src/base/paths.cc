#include "base/paths.h"

#include <cstdlib>

#include "base/profile.h"
#include "base/strings.h"
#include "base/textfile.h"

namespace velmora {
namespace {

std::filesystem::path Home() {
  const char* home = std::getenv("HOME");
  return (home && *home) ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

constexpr const char* kDefaultFiles[] = {"hotedit.ini", "para.ini", "softend.ini", "registry.ini",
                                         "user.ini"};

constexpr const char* kToolKey = "Software\\Zevotron\\ZEVO HUX\\OCX Control's\\Tool";
constexpr const char* kDatabaseKey = "Software\\Zevotron\\DataBase\\LanguageDataBase's";

}  // namespace

std::filesystem::path ShareFolder() {
  std::string env = Env("VELMORA_SHARE_DIR");
  return env.empty() ? std::filesystem::path(VELMORA_SHARE_DIR) : std::filesystem::path(env);
}

std::filesystem::path LanguageFolder() {
  std::string env = Env("VELMORA_LANG_DIR");
  return env.empty() ? ShareFolder() / "lang" : std::filesystem::path(env);
}

std::filesystem::path ProgramFolder() {
  std::string env = Env("VELMORA_HOME");
  std::filesystem::path folder =
      env.empty() ? Home() / ".config" / "velmora" : std::filesystem::path(env);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::filesystem::path defaults = ShareFolder() / "demo" / "defaults";
  for (const char* name : kDefaultFiles) {
    if (FindFileNoCase(folder, name)) continue;
    std::filesystem::copy_file(defaults / name, folder / name, ec);
  }
  return folder;
}

std::filesystem::path ProgramFile(const std::string& name) {
  std::filesystem::path folder = ProgramFolder();
  return FindFileNoCase(folder, name).value_or(folder / ToLower(name));
}

std::filesystem::path TemplatesFolder() {
  std::string env = Env("XDG_TEMPLATES_DIR");
  if (!env.empty()) return env;
  std::string dirs = ReadTextFile(Home() / ".config" / "user-dirs.dirs");
  const std::string key = "XDG_TEMPLATES_DIR=";
  if (size_t pos = dirs.find(key); pos != std::string::npos) {
    std::string value = dirs.substr(pos + key.size());
    value = Trim(value.substr(0, value.find_first_of("\r\n")));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    value = ReplaceFirst(value, "$HOME", Home().string());
    if (!value.empty() && value != Home().string()) return value;
  }
  return Home() / "Templates";
}

std::filesystem::path TempFolder() {
  return TemplatesFolder() / "VelmoraTemp";
}

bool ReadRegistryNumber(const std::string& key_path, const std::string& value_name,
                        int32_t* number) {
  auto value = ReadProfileValue(ProgramFile("registry.ini"), key_path, value_name);
  if (!value) return false;
  std::string t = Trim(*value);
  char* end = nullptr;
  long n = std::strtol(t.c_str(), &end, 0);
  if (t.empty() || *end != '\0') return false;
  *number = static_cast<int32_t>(n);
  return true;
}

bool IsToolDirectionZ() {
  int32_t number = 0;
  return ReadRegistryNumber(kToolKey, "DirectionZ", &number) && number == 1;
}

std::string ControllerRootFolder() {
  auto value = ReadProfileValue(ProgramFile("registry.ini"), kDatabaseKey, "Zevo_Tab");
  if (!value) return std::string();
  std::string root = Trim(ToUpper(*value));
  if (size_t pos = root.find("\\NOXA\\"); pos != std::string::npos) root = root.substr(0, pos + 5);
  if (!root.empty() && root.back() == '\\') root.pop_back();
  return root;
}

}  // namespace velmora

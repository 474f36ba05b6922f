#include "commands/files/program_files.h"

#include <algorithm>

#include "base/app_context.h"
#include "base/paths.h"
#include "base/profile.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "base/wildcard.h"
#include "controller/zintra_comm.h"

namespace velmora {
namespace fs = std::filesystem;
namespace {

std::string Key(std::string_view name) {
  return ToUpper(Trim(MakeSingleFileName(name)));
}

// The file of that name in the folder: the existing one in any letter case, else a new one.
fs::path DiskFile(const fs::path& folder, std::string_view name) {
  if (auto found = FindFileNoCase(folder, name)) return *found;
  return fs::path(MakeKompleteFile(folder.string(), name));
}

}  // namespace

bool FileSource::connected() const {
  return context.zintra != nullptr && context.zintra->ZintraIsConnected();
}

std::string MakeSingleFileName(std::string_view strFileName) {
  return std::string(strFileName.substr(0, strFileName.find('.')));
}

std::string MakeKompleteFile(std::string_view Xpfad, std::string_view Xdatei) {
  std::string folder = Trim(Xpfad);
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
    return folder + std::string(Xdatei);
  return folder + "/" + std::string(Xdatei);
}

bool GetThisFile(const FileSource& source, std::string_view strFileName,
                 std::string& strFileInhalt) {
  strFileInhalt.clear();
  if (source.connected()) {
    if (source.context.zintra->GetVorraxFile(std::string(strFileName), strFileInhalt)) return true;
    strFileInhalt.clear();
    return false;
  }
  auto file = FindFileNoCase(source.folder, strFileName);
  std::error_code ec;
  if (!file || !fs::is_regular_file(*file, ec)) return false;
  strFileInhalt = ReadTextFile(*file);
  return true;
}

bool PutThisFile(const FileSource& source, std::string_view strFileName,
                 std::string_view strFileInhalt) {
  bool written;
  if (source.connected()) {
    written =
        source.context.zintra->PutVorraxFile(std::string(strFileName), std::string(strFileInhalt));
  } else {
    written = WriteTextFileByLines(DiskFile(source.folder, strFileName), strFileInhalt);
  }
  if (!written) {
    AppContext& context = source.context;
    context.AddMessage(context.AssistantText("SelDat"), "999",
                       context.AssistantText("ErrorWritingFile") + std::string(strFileName));
  }
  return written;
}

bool IsThisFileSelected(const FileSource& source, std::string_view strFileName) {
  return source.connected() && source.context.zintra->IsFileSelected(strFileName);
}

std::vector<std::string> ReadStandardFiles() {
  std::vector<std::string> names;
  const fs::path ini = ProgramFile("HOTEDIT.INI");
  std::string value;
  for (int i = 1; ReadProfileString(ini, "STANDARDFILES", "STANDARD" + std::to_string(i), &value);
       ++i) {
    names.push_back(value);
  }
  return names;
}

std::string GetRegistryString(std::string_view strKey, std::string_view strName,
                              std::string_view strDefault) {
  const fs::path ini = ProgramFile("user.ini");
  std::string value;
  if (ReadProfileString(ini, strKey, strName, &value)) return value;
  if (!WriteProfileString(ini, strKey, strName, strDefault)) return std::string();
  return std::string(strDefault);
}

void GetUserFiles(const FileSource& source, std::vector<std::string>& list,
                  std::vector<std::string>* program_paths) {
  list.clear();
  if (program_paths) program_paths->clear();
  if (!source.connected()) return;
  cZintraComm& client = *source.context.zintra;
  std::vector<std::string> names, paths;
  client.GetFileList(names, "*.src");
  client.GetFileListPath_Name(paths, "*.src");
  std::vector<std::string> markers;
  const std::pair<const char*, const char*> folders[] = {
      {"System", "\\SYSTEM\\"}, {"Tp", "\\TP\\"}, {"Mada", "\\MADA\\"}};
  for (const auto& [key, marker] : folders) {
    std::string value = GetRegistryString("Load", key, "False");
    if (value == "False" || value.empty()) markers.push_back(marker);
  }
  const std::vector<std::string> standard = ReadStandardFiles();
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string path = i < paths.size() ? ToUpper(paths[i]) : std::string();
    const std::string name = ToUpper(names[i]);
    bool dropped = std::any_of(markers.begin(), markers.end(),
                               [&](const std::string& m) { return Contains(path, m); }) ||
                   std::any_of(standard.begin(), standard.end(),
                               [&](const std::string& s) { return ToUpper(s) + ".SRC" == name; });
    if (!dropped) {
      list.push_back(names[i]);
      if (program_paths && i < paths.size()) program_paths->push_back(paths[i]);
    }
    source.context.progress.ProcessEvents();
  }
}

bool FileExists(const FileSource& source, std::string_view strFile) {
  const std::string wanted = Key(strFile);
  std::vector<std::string> entries;
  if (source.connected()) {
    GetUserFiles(source, entries);
  } else {
    std::error_code ec;
    for (fs::directory_iterator it(source.folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::string name = it->path().filename().string();
      if (it->is_regular_file(ec) && MatchesPattern(ToUpper(name), "*.SRC"))
        entries.push_back(name);
    }
  }
  return std::any_of(entries.begin(), entries.end(),
                     [&](const std::string& e) { return Key(e) == wanted; });
}

}  // namespace velmora

#pragma once
// The file layer every command reads and writes program files through: the controller while
// the client is connected, else the file dialog's disk folder (names found without regard to
// case).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct AppContext;

struct FileSource {
  AppContext& context;           // its `zintra` client decides: connected or disk
  std::filesystem::path folder;  // the disk folder (the file dialog's current folder)

  bool connected() const;
};

// The text before the first "." (the whole text when there is none).
std::string MakeSingleFileName(std::string_view strFileName);
// The trimmed folder, then the file name, with one separator between them.
std::string MakeKompleteFile(std::string_view Xpfad, std::string_view Xdatei);

// A program file's whole text. Connected: through the client (GetVorraxFile); disk: the file
// of that name in the folder. The text is empty when the file cannot be read; the result says
// whether it was.
bool GetThisFile(const FileSource& source, std::string_view strFileName,
                 std::string& strFileInhalt);

// Writes the text line by line without empty lines, to the controller (PutVorraxFile) or the
// disk folder. A failure is listed: "SelDat", "999", "ErrorWritingFile" and the name.
bool PutThisFile(const FileSource& source, std::string_view strFileName,
                 std::string_view strFileInhalt);

// Connected: whether the controller's robot level has that program selected; disk: false.
bool IsThisFileSelected(const FileSource& source, std::string_view strFileName);

// The controller's user programs ("NAME.src"), without the standard files of HOTEDIT.INI and
// without the System, Tp and Mada folders unless the user settings ("Load": "System", "Tp",
// "Mada") offer them. `program_paths` receives the full path of each, in the same order.
void GetUserFiles(const FileSource& source, std::vector<std::string>& list,
                  std::vector<std::string>* program_paths = nullptr);

// Whether a program of that name (compared up to the first ".", trimmed, in upper case) is
// offered: among the controller's user programs, or among the folder's ".src" files.
bool FileExists(const FileSource& source, std::string_view strFile);

// The standard file names of HOTEDIT.INI (section STANDARDFILES, keys STANDARD1, 2, ...).
std::vector<std::string> ReadStandardFiles();

// A per-user setting of the file dialog (user.ini); a value that cannot be read is stored
// with the default, which is returned.
std::string GetRegistryString(std::string_view strKey, std::string_view strName,
                              std::string_view strDefault);

}  // namespace velmora

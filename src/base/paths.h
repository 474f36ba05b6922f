#pragma once
// Where Velmora keeps its files.
#include <filesystem>
#include <string>

namespace velmora {

// The program folder: $VELMORA_HOME, else ~/.config/velmora. Created on first use, and the
// shipped default settings files (hotedit.ini, para.ini, softend.ini, registry.ini, user.ini)
// are copied into it when missing.
std::filesystem::path ProgramFolder();

// A settings file of the program folder, found without regard to case ("HOTEDIT.INI" finds
// hotedit.ini); the plain path below the folder when none exists yet.
std::filesystem::path ProgramFile(const std::string& name);

// $XDG_TEMPLATES_DIR, else the TEMPLATES entry of ~/.config/user-dirs.dirs, else ~/Templates.
std::filesystem::path TemplatesFolder();

// TemplatesFolder() / "VelmoraTemp".
std::filesystem::path TempFolder();

// The folder holding lang/<code>.ini: $VELMORA_LANG_DIR, else the installed share folder.
std::filesystem::path LanguageFolder();

// The shipped files (lang/, defaults/, demo/): beside the source tree the binary was built from.
std::filesystem::path ShareFolder();

// Registry stand-ins, read from registry.ini in the program folder.
std::string ControllerRootFolder();
bool IsToolDirectionZ();
// (found, number) of a registry value; the hive is ignored, the key path is the section.
bool ReadRegistryNumber(const std::string& key_path, const std::string& value_name,
                        int32_t* number);

}  // namespace velmora

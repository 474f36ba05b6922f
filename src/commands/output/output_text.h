#pragma once
// The text and file of a program listing for the printer, a text file or the display.
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

class Language;

// The listing: "NOXA:\NAME.SRC", a line of 43 asterisks, then the view text (folds as their
// titles). Without a program (`name` empty) the heading is the text of
// "Datei_nicht_ausgewaehlt" and nothing follows the asterisks.
std::string OutputText(const Language& language, std::string_view name, std::string_view view_text);

// Where the listing of `name` goes: `chosen_folder` (the operator's output folder) when set,
// else `default_folder`; the file is the name with ".txt".
std::filesystem::path OutputFile(const std::filesystem::path& chosen_folder,
                                 const std::filesystem::path& default_folder,
                                 std::string_view name);

}  // namespace velmora

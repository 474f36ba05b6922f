#pragma once
// Saving the loaded program back where it came from: to the controller through the temporary
// folder (stopping and restarting its interpreters), or line by line into the disk folder.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

struct AppContext;
class Program;

// The questions save puts to the operator; the window asks with a message box, tests answer.
class SaveQuestions {
 public:
  virtual ~SaveQuestions() = default;
  virtual bool AskYesNo(std::string_view text, std::string_view title) = 0;
};

struct SaveEnvironment {
  AppContext& context;                // texts, message list, the controller client (if any)
  std::filesystem::path disk_folder;  // the file dialog's folder, used when not connected
  std::filesystem::path temp_folder;  // working copies on the way to the controller
  bool only_tts_mode = false;
  SaveQuestions* questions = nullptr;
  std::function<void(bool busy)> show_busy;  // the hourglass pointer

  bool connected() const;
};

// `SaveProgram`: asks, stops the interpreters, writes the data and the source file, restarts
// the control level and reports with message "020". A refused question writes nothing. A
// write that fails is reported as not saved, and the program keeps its changes.
void SaveProgram(Program& program, const SaveEnvironment& env);

// `WriteSourceFile` and `WriteDataFile`: `name` and ".src"/".dat" to the controller (beside the
// program of that name, else beside the loaded program, "REF_2POINT"/"REF_6POINT" into
// "NOXA:\R1\PROGRAM\") or into the disk folder without empty lines. False when the file could
// not be written.
bool WriteSourceFile(const Program& program, const SaveEnvironment& env, const std::string& name,
                     std::string_view text);
bool WriteDataFile(const Program& program, const SaveEnvironment& env, const std::string& name,
                   std::string_view text);

}  // namespace velmora

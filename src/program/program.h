#pragma once
// The loaded program pair: the line table of the source and the four sections of the data
// file. This is the document every command works on; the window and velmora-cli are views.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "program/line_record.h"

namespace velmora {

struct AppContext;

// One routine of para.ini that the program calls like a motion.
struct UserMotionCommand {
  std::string CommandName;
  int16_t ParamCount = 0;
  int16_t ToolNoParam = 0;
  int16_t BaseNoParam = 0;
  int16_t PointNoParam = 0;
  int16_t MoveTypeParam = 0;
  int16_t VelParam = 0;
  int16_t AccParam = 0;
  int16_t ApoDistParam = 0;
  int16_t IpoFrameParam = 0;
};
inline constexpr int kUserMotionCommandCount = 15;

// The user technology keywords of HOTEDIT.INI.
struct UserTechKeywords {
  std::vector<std::string> on;      // at most 10
  std::vector<std::string> off;     // at most 10
  std::vector<std::string> change;  // the switch list, at most 30
};

class Program {
 public:
  explicit Program(AppContext& context) : context_(&context) {}
  AppContext& context() const { return *context_; }

  // Names; empty while no program is loaded.
  std::string ProgramBaseName;
  std::string SrcFileName;
  std::string DatFileName;

  LineTable table;
  int& LineCount() { return table.LineCount; }
  int LineCount() const { return table.LineCount; }
  LineRecord& Record(int n) { return table[n]; }
  const LineRecord& Record(int n) const { return table[n]; }

  // Data-file sections, each a run of whole CR LF lines; written back in this order.
  std::string DatOther;
  std::string DatPositions;
  std::string DatMotion;
  std::string DatTail;
  // The master declaration lines of DatPositions at load time.
  std::string MasterList;

  // The view.
  std::string ViewText;
  int FirstShownLine = 0;
  int LastShownLine = 0;
  int CurrentLine = 0;
  int BlockStart = 0;  // block marks of the view (0: none)
  int BlockEnd = 0;

  // Settings read at every load.
  std::array<UserMotionCommand, kUserMotionCommandCount> UserMotionCommands{};
  UserTechKeywords TechKeywords;

  bool loaded() const { return !SrcFileName.empty(); }

  // The view listens here: `show_early` receives the display text of each record of the first
  // screenful while a load runs; `view_changed` is called when ViewText was set anew.
  std::function<void(std::string_view display_text)> show_early;
  std::function<void()> view_changed;

 private:
  AppContext* context_;
};

}  // namespace velmora

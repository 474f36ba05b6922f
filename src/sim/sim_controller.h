#pragma once
// The simulated robot controller: its variables, data lists, file system, kinematics, the two
// interpreter levels and the message window. Not thread-safe; the server calls it from one
// thread.
//
// Variables are looked up in this order: "$" names in the machine data (MADA\$MACHINE.DAT),
// then the system variables, then - for other names - the module that "$DATAPATH[]" names,
// then the global data list (System\$CONFIG.DAT). Writes go where the name was found and are
// written to the data list's file at once.
//
// Kinematics: the arm geometry comes from "$ARM_GEOMETRY" in the machine data and the axis
// limits from "$SOFTN_END[i]"/"$SOFTP_END[i]" (sim/arm_kinematics.h has the defaults). With
// "$IPO_MODE" #BASE a position is the tool centre point in the base:
//     P = INV($BASE) · $ROBROOT · FLANGE · $TOOL;
// with #TCP (the tool stands fixed in the cell, the part rides on the flange):
//     P = INV($ROBROOT · FLANGE · $BASE) · $TOOL.
#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "controller/zintra_types.h"
#include "sim/arm_kinematics.h"
#include "sim/cell.h"
#include "sim/data_list.h"
#include "sim/expression.h"
#include "sim/value.h"

namespace velmora::sim {

class SimController {
 public:
  explicit SimController(std::filesystem::path cell_folder);

  // Checks the cell and selects the control-level program named by "$PRO_I_O[]" when it
  // exists. False with the reason when the cell is unusable.
  bool Start(std::string* reason);

  // The variable's value in answer form; `name` may be an expression.
  bool ShowVar(std::string_view name, std::string* answer, SimError* error);
  // `value` may be an expression. `privileged` (the control interface) may also write the
  // write-protected system variables.
  bool SetVar(std::string_view name, std::string_view value, bool privileged, SimError* error);

  const Cell& cell() const { return cell_; }
  // Refuses writing or deleting the files of a selected program.
  bool CheckFileChange(std::string_view controller_path, SimError* error) const;

  bool Select(std::string_view name, std::string_view param, bool implicit_cancel, int level,
              SimError* error);
  bool Stop(int level, SimError* error);
  bool Cancel(int level, SimError* error);
  // Starts the robot level's selected program: the axes move through its points.
  bool Run(SimError* error);
  // Advances the motion by `elapsed`.
  void Tick(std::chrono::milliseconds elapsed);

  bool IoRestart(int type, int bus, int argument, SimError* error);

  // Files of the cell were written or deleted: look the data lists up again.
  void FilesChanged() { located_.clear(); }

  ServerErrorRecord AddMessage(const std::string& text);
  void ConfirmAll() { messages_.clear(); }
  const std::vector<ServerErrorRecord>& messages() const { return messages_; }

  nlohmann::json State() const;

 private:
  struct SystemVariable {
    Value value;
    bool writable = false;
  };
  struct Level {
    std::string path;  // the selected module's full path; empty when free
    std::string state = "#P_FREE";
  };

  // Where a data list file is, found once and then only checked; a file not found is looked
  // for again after a moment (or at once after FilesChanged).
  std::optional<std::filesystem::path> Locate(
      const std::string& key, const std::function<std::optional<std::filesystem::path>()>& find);
  ExpressionHooks Hooks();
  bool Read(const VarRef& ref, Value* value, SimError* error);
  DataList* ModuleDataList();
  DataList* Machine();
  DataList* Config();
  bool SystemRead(const VarRef& ref, Value* value, SimError* error);
  bool SystemWrite(const VarRef& ref, const Value& value, bool privileged, SimError* error);
  ArmKinematics Arm();
  Frame FrameVariable(const char* name);
  bool Forward(const Aggregate& axes, Value* pos, SimError* error);
  bool Inverse(const Aggregate& pos, const std::optional<Aggregate>& start, Value* axes,
               SimError* error);
  Axes ActualAxes();
  void SetActualAxes(const Axes& axes);
  std::string ProgramIp() const;
  void PlanMotion();

  Cell cell_;
  std::map<std::string, SystemVariable> system_;
  std::map<std::filesystem::path, std::unique_ptr<DataList>> data_lists_;
  struct Located {
    std::optional<std::filesystem::path> path;
    std::chrono::steady_clock::time_point searched;
  };
  std::map<std::string, Located> located_;
  std::array<Level, 2> levels_;
  std::vector<ServerErrorRecord> messages_;
  int32_t next_message_ = 1;
  std::vector<Axes> motion_targets_;
  size_t motion_next_ = 0;
};

}  // namespace velmora::sim

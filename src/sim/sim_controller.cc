#include "sim/sim_controller.h"

#include <algorithm>
#include <cmath>

#include "base/strings.h"

namespace velmora::sim {
namespace fs = std::filesystem;
namespace {

constexpr double kAxisSpeed = 90.0;  // degrees per second for the axis that moves most
constexpr const char* kAxisNames[] = {"A1", "A2", "A3", "A4", "A5", "A6"};
constexpr const char* kExternalNames[] = {"E1", "E2", "E3", "E4", "E5", "E6"};

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string Unquoted(std::string_view text) {
  std::string t = Trim(text);
  if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return t.substr(1, t.size() - 2);
  return t;
}

// The module name (file name without extension) of a controller path.
std::string ModuleName(std::string_view path) {
  auto sep = path.find_last_of("\\/");
  std::string name(sep == std::string_view::npos ? path : path.substr(sep + 1));
  return name.substr(0, name.find('.'));
}

SimError Protected(const VarRef& ref) {
  return MakeError(ErrorNo::kWriteProtected, "WRITE_PROTECTED", "the variable is write-protected",
                   {ref.Key()});
}

SimError Unknown(const VarRef& ref) {
  return MakeError(ErrorNo::kUnknownVariable, "VAR_UNKNOWN", "variable not declared", {ref.Key()});
}

SimError InterpreterError(std::string why, std::string_view name) {
  return MakeError(ErrorNo::kInterpreter, "INTERPRETER", std::move(why), {std::string(name)});
}

double ComponentOr(const Aggregate& value, const char* name, double fallback, bool* ok) {
  const std::string* text = value.Find(name);
  if (!text) return fallback;
  auto number = ParseReal(*text);
  if (!number) *ok = false;
  return number.value_or(fallback);
}

bool IsPointType(const std::string& type) {
  return type == "E6POS" || type == "POS" || type == "E3POS" || type == "E6AXIS" ||
         type == "AXIS" || type == "E3AXIS";
}

}  // namespace

SimController::SimController(fs::path cell_folder) : cell_(std::move(cell_folder)) {
  auto set = [this](const std::string& key, std::string type, std::string text, bool writable) {
    system_[key] = {{std::move(type), std::move(text)}, writable};
  };
  const std::string null_frame = "{X 0.0,Y 0.0,Z 0.0,A 0.0,B 0.0,C 0.0}";
  set("$AXIS_ACT", "E6AXIS",
      "{A1 0.0,A2 -90.0,A3 90.0,A4 0.0,A5 0.0,A6 0.0,E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}",
      false);
  set("$NULLFRAME", "FRAME", null_frame, false);
  set("$ROBROOT", "FRAME", null_frame, false);
  set("$TOOL", "FRAME", null_frame, true);
  set("$BASE", "FRAME", null_frame, true);
  set("$IPO_MODE", "IPO_MODE", "#BASE", true);
  set("$NUMSTATE", "BOOL", "FALSE", true);
  set("$DATAPATH", "CHAR", "\"\"", true);
  set("$PRO_I_O", "CHAR", "\"/R1/SPS()\"", true);
  set("$MODE_OP", "MODE_OP", "#T1", false);
  set("$OV_PRO", "INT", "100", true);
  AxisLimits limits;
  for (size_t i = 0; i < 6; ++i) {
    const std::string index = "[" + std::to_string(i + 1) + "]";
    set("$SOFTN_END" + index, "REAL", FormatReal(limits.low[i]), true);
    set("$SOFTP_END" + index, "REAL", FormatReal(limits.high[i]), true);
  }
}

bool SimController::Start(std::string* reason) {
  if (!cell_.Check(reason)) return false;
  std::string control = Unquoted(system_["$PRO_I_O"].value.text);
  control = control.substr(0, control.find('('));
  SimError ignored;
  Select(control, "", false, 0, &ignored);  // a cell without a control program runs without
  return true;
}

// ---- variables

ExpressionHooks SimController::Hooks() {
  return {
      [this](const VarRef& ref, Value* value, SimError* error) { return Read(ref, value, error); },
      [this](const Aggregate& axes, Value* pos, SimError* error) {
        return Forward(axes, pos, error);
      },
      [this](const Aggregate& pos, const std::optional<Aggregate>& start, Value* axes,
             SimError* error) { return Inverse(pos, start, axes, error); }};
}

static DataList* Cached(std::map<fs::path, std::unique_ptr<DataList>>& lists,
                        const std::optional<fs::path>& file) {
  if (!file) return nullptr;
  auto& list = lists[*file];
  if (!list) list = std::make_unique<DataList>(*file);
  return list->Refresh() ? list.get() : nullptr;
}

std::optional<fs::path> SimController::Locate(
    const std::string& key, const std::function<std::optional<fs::path>()>& find) {
  constexpr auto kRetry = std::chrono::milliseconds(500);
  const auto now = std::chrono::steady_clock::now();
  auto [entry, fresh] = located_.try_emplace(key);
  std::error_code ec;
  if (!fresh && entry->second.path && fs::is_regular_file(*entry->second.path, ec))
    return entry->second.path;
  if (fresh || entry->second.path || now - entry->second.searched > kRetry) {
    entry->second.path = find();
    entry->second.searched = now;
  }
  return entry->second.path;
}

DataList* SimController::Machine() {
  return Cached(data_lists_,
                Locate("machine", [this] { return cell_.FindFile("MADA", "$MACHINE.DAT"); }));
}

DataList* SimController::Config() {
  return Cached(data_lists_,
                Locate("config", [this] { return cell_.FindFile("System", "$CONFIG.DAT"); }));
}

DataList* SimController::ModuleDataList() {
  std::string path = Unquoted(system_["$DATAPATH"].value.text);
  std::string module = ModuleName(path);
  if (module.empty()) return nullptr;
  const std::string file = module + ".DAT";
  return Cached(data_lists_, Locate("module " + ToUpper(file),
                                    [this, &file] { return cell_.FindModule(file); }));
}

bool SimController::SystemRead(const VarRef& ref, Value* value, SimError* error) {
  if (ref.name == "$POS_ACT") {
    Aggregate axes = *ParseAggregate(system_["$AXIS_ACT"].value.text);
    return Forward(axes, value, error);
  }
  if (ref.name == "$PRO_IP") {
    *value = {"PRO_IP", ProgramIp()};
    return true;
  }
  if (ref.name == "$PRO_STATE0" || ref.name == "$PRO_STATE1") {
    *value = {"PRO_STATE", levels_[ref.name.back() - '0'].state};
    return true;
  }
  if (ref.name == "$PRO_NAME0" || ref.name == "$PRO_NAME1") {
    *value = {"CHAR", Quoted(ModuleName(levels_[ref.name.back() - '0'].path))};
    return true;
  }
  auto found = system_.find(ref.Key());
  if (found == system_.end() || (ref.index && system_.contains(ref.name))) {
    if (system_.contains(ref.name + "[1]")) {
      *error = MakeError(ref.index ? ErrorNo::kIndexOutOfRange : ErrorNo::kSyntax,
                         ref.index ? "INDEX_RANGE" : "INDEX_EXPECTED",
                         ref.index ? "index out of range" : "an array element needs an index",
                         {ref.Key()});
    } else {
      *error = Unknown(ref);
    }
    return false;
  }
  *value = found->second.value;
  return true;
}

bool SimController::Read(const VarRef& ref, Value* value, SimError* error) {
  if (ref.name.starts_with("$")) {
    if (DataList* machine = Machine(); machine && machine->Declares(ref.name))
      return machine->Get(ref, value, error);
    if (DataList* config = Config(); config && config->Declares(ref.name))
      return config->Get(ref, value, error);
    return SystemRead(ref, value, error);
  }
  if (DataList* module = ModuleDataList(); module && module->Declares(ref.name))
    return module->Get(ref, value, error);
  if (DataList* config = Config(); config && config->Declares(ref.name))
    return config->Get(ref, value, error);
  *error = Unknown(ref);
  return false;
}

bool SimController::ShowVar(std::string_view name, std::string* answer, SimError* error) {
  Value value;
  auto ref = ParseVarRef(name);
  bool ok = ref ? Read(*ref, &value, error) : Evaluate(name, Hooks(), &value, error);
  if (ok) *answer = AnswerText(value);
  return ok;
}

bool SimController::SystemWrite(const VarRef& ref, const Value& value, bool privileged,
                                SimError* error) {
  if (ref.name == "$PRO_STATE0" || ref.name == "$PRO_STATE1") {
    Value state;
    if (!privileged) {
      *error = Protected(ref);
      return false;
    }
    if (!Assign("PRO_STATE", "", value, &state, error)) return false;
    levels_[ref.name.back() - '0'].state = state.text;
    return true;
  }
  auto found = system_.find(ref.Key());
  if (found == system_.end()) {
    Value ignored;
    if (SystemRead(ref, &ignored, error)) *error = Protected(ref);  // computed values
    return false;
  }
  SystemVariable& variable = found->second;
  if (!variable.writable && !privileged) {
    *error = Protected(ref);
    return false;
  }
  Value assigned;
  if (!Assign(variable.value.type, variable.value.text, value, &assigned, error)) return false;
  variable.value = assigned;
  return true;
}

bool SimController::SetVar(std::string_view name, std::string_view value_text, bool privileged,
                           SimError* error) {
  auto ref = ParseVarRef(name);
  if (!ref) {
    *error = MakeError(ErrorNo::kSyntax, "SYNTAX", "not a variable name", {std::string(name)});
    return false;
  }
  Value value;
  if (!Evaluate(value_text, Hooks(), &value, error)) return false;
  if (ref->name.starts_with("$")) {
    if (DataList* machine = Machine(); machine && machine->Declares(ref->name))
      return machine->Put(*ref, value, error);
    if (DataList* config = Config(); config && config->Declares(ref->name))
      return config->Put(*ref, value, error);
    return SystemWrite(*ref, value, privileged, error);
  }
  if (DataList* module = ModuleDataList(); module && module->Declares(ref->name))
    return module->Put(*ref, value, error);
  if (DataList* config = Config(); config && config->Declares(ref->name))
    return config->Put(*ref, value, error);
  *error = Unknown(*ref);
  return false;
}

// ---- kinematics

ArmKinematics SimController::Arm() {
  ArmGeometry geometry;
  if (DataList* machine = Machine(); machine && machine->Declares("$ARM_GEOMETRY")) {
    Value value;
    SimError ignored;
    if (machine->Get(*ParseVarRef("$ARM_GEOMETRY"), &value, &ignored)) {
      if (auto g = ParseAggregate(value.text)) {
        bool ok = true;
        geometry.a1 = ComponentOr(*g, "A1", geometry.a1, &ok);
        geometry.a2 = ComponentOr(*g, "A2", geometry.a2, &ok);
        geometry.b = ComponentOr(*g, "B", geometry.b, &ok);
        geometry.c1 = ComponentOr(*g, "C1", geometry.c1, &ok);
        geometry.c2 = ComponentOr(*g, "C2", geometry.c2, &ok);
        geometry.c3 = ComponentOr(*g, "C3", geometry.c3, &ok);
        geometry.c4 = ComponentOr(*g, "C4", geometry.c4, &ok);
      }
    }
  }
  AxisLimits limits;
  for (size_t i = 0; i < 6; ++i) {
    Value value;
    SimError ignored;
    VarRef low{"$SOFTN_END", static_cast<int>(i + 1), false};
    VarRef high{"$SOFTP_END", static_cast<int>(i + 1), false};
    if (Read(low, &value, &ignored)) limits.low[i] = ParseReal(value.text).value_or(limits.low[i]);
    if (Read(high, &value, &ignored))
      limits.high[i] = ParseReal(value.text).value_or(limits.high[i]);
  }
  return ArmKinematics(geometry, limits);
}

Frame SimController::FrameVariable(const char* name) {
  Value value;
  SimError ignored;
  if (!Read(*ParseVarRef(name), &value, &ignored)) return Frame{};
  auto aggregate = ParseAggregate(value.text);
  return aggregate ? FrameOf(*aggregate).value_or(Frame{}) : Frame{};
}

bool SimController::Forward(const Aggregate& axes_value, Value* pos, SimError* error) {
  Axes axes{};
  bool ok = true;
  for (size_t i = 0; i < 6; ++i) axes[i] = ComponentOr(axes_value, kAxisNames[i], 0.0, &ok);
  if (!ok || !axes_value.Find("A1")) {
    *error = MakeError(ErrorNo::kTypeMismatch, "TYPE_MISMATCH", "FORWARD needs an axis value",
                       {DataForm(axes_value)});
    return false;
  }
  ArmKinematics arm = Arm();
  const Transform flange = arm.Forward(axes);
  const Transform tool = ToTransform(FrameVariable("$TOOL"));
  const Transform base = ToTransform(FrameVariable("$BASE"));
  const Transform root = ToTransform(FrameVariable("$ROBROOT"));
  Value mode;
  SimError ignored;
  Read(*ParseVarRef("$IPO_MODE"), &mode, &ignored);
  const Transform position = mode.text == "#TCP" ? (root * flange * base).inverse() * tool
                                                 : base.inverse() * root * flange * tool;
  const Status status = arm.StatusOf(axes);
  Aggregate out;
  SetFrame(&out, ToFrame(position));
  out.Set("S", std::to_string(status.s));
  out.Set("T", std::to_string(status.t));
  for (const char* e : kExternalNames) {
    const std::string* text = axes_value.Find(e);
    out.Set(e, FormatReal(text ? ParseReal(*text).value_or(0.0) : 0.0));
  }
  *pos = {"E6POS", DataForm(out)};
  return true;
}

bool SimController::Inverse(const Aggregate& pos, const std::optional<Aggregate>& start_value,
                            Value* axes_value, SimError* error) {
  auto frame = FrameOf(pos);
  if (!frame || !pos.Find("X")) {
    *error = MakeError(ErrorNo::kTypeMismatch, "TYPE_MISMATCH", "INVERSE needs a position",
                       {DataForm(pos)});
    return false;
  }
  auto whole = [&pos](const char* name) -> std::optional<int> {
    const std::string* text = pos.Find(name);
    if (!text) return std::nullopt;
    auto number = ParseReal(*text);
    if (!number) return std::nullopt;
    return static_cast<int>(std::lround(*number));
  };
  Axes start = ActualAxes();
  if (start_value) {
    bool ok = true;
    for (size_t i = 0; i < 6; ++i) start[i] = ComponentOr(*start_value, kAxisNames[i], 0.0, &ok);
  }
  const Transform tool = ToTransform(FrameVariable("$TOOL"));
  const Transform base = ToTransform(FrameVariable("$BASE"));
  const Transform root = ToTransform(FrameVariable("$ROBROOT"));
  const Transform position = ToTransform(*frame);
  Value mode;
  SimError ignored;
  Read(*ParseVarRef("$IPO_MODE"), &mode, &ignored);
  const Transform flange = mode.text == "#TCP"
                               ? root.inverse() * tool * position.inverse() * base.inverse()
                               : root.inverse() * base * position * tool.inverse();
  auto axes = Arm().Inverse(flange, start, whole("S"), whole("T"));
  if (!axes) {
    *error = MakeError(ErrorNo::kUnreachable, "UNREACHABLE",
                       "the position cannot be reached within the axis limits", {DataForm(pos)});
    return false;
  }
  Aggregate out;
  for (size_t i = 0; i < 6; ++i) out.Set(kAxisNames[i], FormatReal((*axes)[i]));
  for (const char* e : kExternalNames) {
    const std::string* text = pos.Find(e);
    out.Set(e, FormatReal(text ? ParseReal(*text).value_or(0.0) : 0.0));
  }
  *axes_value = {"E6AXIS", DataForm(out)};
  return true;
}

Axes SimController::ActualAxes() {
  Axes axes{};
  auto aggregate = ParseAggregate(system_["$AXIS_ACT"].value.text);
  bool ok = true;
  for (size_t i = 0; i < 6 && aggregate; ++i)
    axes[i] = ComponentOr(*aggregate, kAxisNames[i], 0.0, &ok);
  return axes;
}

void SimController::SetActualAxes(const Axes& axes) {
  auto aggregate = ParseAggregate(system_["$AXIS_ACT"].value.text);
  if (!aggregate) return;
  for (size_t i = 0; i < 6; ++i) aggregate->Set(kAxisNames[i], FormatReal(axes[i]));
  system_["$AXIS_ACT"].value.text = DataForm(*aggregate);
}

// ---- interpreter

std::string SimController::ProgramIp() const {
  const Level& robot = levels_[1];
  std::string name = robot.path.empty() ? " " : ModuleName(robot.path);
  std::string path = robot.path.empty() ? " " : robot.path;
  return "{NAME[] " + Quoted(name) + ",SNR 0,NAME_C[] " + Quoted(path) +
         ",P_NAME[] \" \",I_EXECUTED FALSE,P_ARRIVED 0}";
}

bool SimController::Select(std::string_view name, std::string_view /*param*/, bool implicit_cancel,
                           int level, SimError* error) {
  if (level != 0 && level != 1) {
    *error =
        MakeError(ErrorNo::kBadRequest, "BAD_LEVEL", "level is 0 or 1", {std::to_string(level)});
    return false;
  }
  std::string path = Trim(name);
  std::string full;
  if (ToUpper(path).starts_with("NOXA:")) {
    if (!cell_.Resolve(path, &full, error)) return false;
  } else {
    auto sep = path.find_last_of("\\/");
    std::string bare = sep == std::string::npos ? path : path.substr(sep + 1);
    std::optional<fs::path> module;
    if (bare.find('.') != std::string::npos) {
      module = cell_.FindModule(bare);
    } else if (!bare.empty()) {
      module = cell_.FindModule(bare + ".SRC");
      if (!module) module = cell_.FindModule(bare + ".SUB");
    }
    if (!module) {
      *error = MakeError(ErrorNo::kModuleNotFound, "MODULE_NOT_FOUND", "module not found", {path});
      return false;
    }
    full = cell_.ControllerPath(*module);
  }
  std::string upper = ToUpper(full);
  if (!upper.ends_with(".SRC") && !upper.ends_with(".SUB")) {
    *error = InterpreterError("only programs (.src, .sub) can be selected", full);
    return false;
  }
  Level& target = levels_[static_cast<size_t>(level)];
  if (target.state == "#P_ACTIVE" && !implicit_cancel) {
    if (EqualsNoCase(target.path, full) && level == 0) return true;
    *error = InterpreterError("a program is running on this level", target.path);
    return false;
  }
  target.path = full;
  target.state = level == 0 ? "#P_ACTIVE" : "#P_RESET";
  if (level == 1) {
    motion_targets_.clear();
    motion_next_ = 0;
  }
  return true;
}

bool SimController::Stop(int level, SimError* error) {
  if (level != 0 && level != 1) {
    *error =
        MakeError(ErrorNo::kBadRequest, "BAD_LEVEL", "level is 0 or 1", {std::to_string(level)});
    return false;
  }
  Level& target = levels_[static_cast<size_t>(level)];
  if (target.state == "#P_ACTIVE") target.state = "#P_STOP";
  return true;
}

bool SimController::Cancel(int level, SimError* error) {
  if (level != 0 && level != 1) {
    *error =
        MakeError(ErrorNo::kBadRequest, "BAD_LEVEL", "level is 0 or 1", {std::to_string(level)});
    return false;
  }
  Level& target = levels_[static_cast<size_t>(level)];
  if (target.state == "#P_ACTIVE") {
    *error = InterpreterError("stop the program before cancelling it", target.path);
    return false;
  }
  target = Level{};
  if (level == 1) motion_targets_.clear();
  return true;
}

bool SimController::CheckFileChange(std::string_view controller_path, SimError* error) const {
  fs::path local;
  if (!cell_.Map(controller_path, true, &local, error)) return false;
  for (const Level& level : levels_) {
    if (level.path.empty()) continue;
    fs::path selected;
    SimError ignored;
    if (!cell_.Map(level.path, false, &selected, &ignored)) continue;
    if (selected.parent_path() == local.parent_path() &&
        EqualsNoCase(selected.stem().string(), local.stem().string())) {
      *error = InterpreterError("the program is selected; cancel it first", level.path);
      return false;
    }
  }
  return true;
}

void SimController::PlanMotion() {
  motion_targets_.clear();
  motion_next_ = 0;
  DataList* list = Cached(data_lists_, cell_.FindModule(ModuleName(levels_[1].path) + ".DAT"));
  if (!list) return;
  for (const std::string& name : list->Names()) {
    const std::string* type = list->TypeOf(name);
    if (!type || !IsPointType(*type)) continue;
    Value value;
    SimError ignored;
    if (!list->Get(VarRef{name, std::nullopt, false}, &value, &ignored)) continue;
    auto aggregate = ParseAggregate(value.text);
    if (!aggregate) continue;
    if (!aggregate->Find("A1")) {
      if (!Inverse(*aggregate, std::nullopt, &value, &ignored)) continue;
      aggregate = ParseAggregate(value.text);
    }
    Axes axes{};
    bool ok = true;
    for (size_t i = 0; i < 6; ++i) axes[i] = ComponentOr(*aggregate, kAxisNames[i], 0.0, &ok);
    if (ok) motion_targets_.push_back(axes);
  }
}

bool SimController::Run(SimError* error) {
  Level& robot = levels_[1];
  if (robot.path.empty()) {
    *error = InterpreterError("no program selected on the robot level", "");
    return false;
  }
  if (robot.state == "#P_RESET" || robot.state == "#P_END") PlanMotion();
  robot.state = "#P_ACTIVE";
  return true;
}

void SimController::Tick(std::chrono::milliseconds elapsed) {
  Level& robot = levels_[1];
  if (robot.state != "#P_ACTIVE") return;
  if (motion_next_ >= motion_targets_.size()) {
    robot.state = "#P_END";
    return;
  }
  const double step = kAxisSpeed * static_cast<double>(elapsed.count()) / 1000.0;
  Axes current = ActualAxes();
  const Axes& target = motion_targets_[motion_next_];
  double largest = 0;
  for (size_t i = 0; i < 6; ++i) largest = std::max(largest, std::fabs(target[i] - current[i]));
  if (largest <= step) {
    current = target;
    ++motion_next_;
  } else {
    for (size_t i = 0; i < 6; ++i) current[i] += (target[i] - current[i]) * step / largest;
  }
  SetActualAxes(current);
}

bool SimController::IoRestart(int type, int bus, int /*argument*/, SimError* error) {
  const bool known_bus = bus == velmora::IoRestart || (bus >= IBusReset && bus <= PerceptronReset);
  if (type != 12 || !known_bus) {
    *error = MakeError(ErrorNo::kBadRequest, "IO_RESTART", "unknown I/O restart",
                       {std::to_string(type), std::to_string(bus)});
    return false;
  }
  return true;
}

ServerErrorRecord SimController::AddMessage(const std::string& text) {
  const int32_t handle = next_message_++;
  messages_.push_back(MessageRecord(1000 + handle, handle, text));
  return messages_.back();
}

nlohmann::json SimController::State() const {
  nlohmann::json levels = nlohmann::json::array();
  for (const Level& level : levels_) {
    levels.push_back({{"state", level.state}, {"path", level.path}});
  }
  auto axes = system_.at("$AXIS_ACT").value;
  return {{"levels", levels},
          {"messages", messages_.size()},
          {"axis_act", AnswerText(axes)},
          {"motion_targets", motion_targets_.size()}};
}

}  // namespace velmora::sim

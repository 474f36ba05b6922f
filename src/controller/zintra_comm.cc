#include "controller/zintra_comm.h"

#include <cstdlib>
#include <ctime>

#include "base/numbers.h"
#include "base/paths.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "controller/base64.h"
#include "controller/protocol.h"
#include "controller/zintra_names.h"

namespace velmora {
namespace {

using std::chrono::milliseconds;

constexpr const char* kServices[] = {"var", "file", "edit", "select", "io", "info", "message"};
constexpr int kControlLevel = 0;
constexpr int kRobotLevel = 1;
constexpr int kCopyFlags = 4160;
constexpr milliseconds kConnectTimeout{2000};
constexpr milliseconds kDefaultTimeout{3000};

milliseconds Timeout(int64_t value, milliseconds fallback = kDefaultTimeout) {
  return value > 0 ? milliseconds(value) : fallback;
}

std::string BareName(const std::string& name) {
  std::string bare = name;
  ExtractFileName(bare);
  return bare;
}

}  // namespace

std::string ControllerAddress() {
  const char* env = std::getenv("VELMORA_CONTROLLER");
  return env && *env ? std::string(env) : std::string(wire::kDefaultAddress);
}

bool ZintraFileService::ResolveModuleName(std::string_view short_name, std::string* full_path) {
  return client_->Resolve(short_name, full_path, kDefaultTimeout);
}

cZintraComm::cZintraComm(std::string address) : address_(std::move(address)) {}

cZintraComm::~cZintraComm() {
  ServerOff();
}

bool cZintraComm::Init(ZintraOwner* oParent) {
  if (oParent == nullptr) return false;
  owner_ = oParent;
  registrations_.clear();
  std::string host;
  uint16_t port = 0;
  initialised_ = wire::SplitAddress(address_, &host, &port);
  connected_ = initialised_;
  return initialised_;
}

bool cZintraComm::ConnectToZintra(std::string_view sConnectName, int16_t /*nC_Mode*/) {
  connect_name_ = std::string(sConnectName);
  released_ = false;
  std::string reason;
  connected_ = connection_.Connect(address_, kConnectTimeout, &reason) &&
               Handshake(kConnectTimeout, &reason);
  linked_ = connected_;
  if (!connected_) connection_.Close();
  return connected_;
}

bool cZintraComm::Handshake(milliseconds timeout, std::string* reason) {
  for (const char* service : kServices) {
    auto answer = connection_.Call(
        {{"service", service}, {"op", "create"}, {"args", {{"client", wire::Text(connect_name_)}}}},
        timeout, reason);
    if (!answer || !answer->contains("result")) {
      if (answer) *reason = "the controller refused the service " + std::string(service);
      return false;
    }
  }
  return true;
}

bool cZintraComm::ServerOff() {
  released_ = true;
  connection_.Close();
  return false;
}

bool cZintraComm::EnsureLink(milliseconds timeout, std::string* reason) {
  if (connection_.is_open()) return true;
  if (!linked_ || released_) {
    *reason = released_ ? "the controller link was released" : "not connected to the controller";
    return false;
  }
  auto wait = std::min(timeout, kConnectTimeout);
  std::string broken;
  if (!connection_.Connect(address_, wait, &broken) || !Handshake(wait, &broken)) {
    connection_.Close();
    *reason = broken;
    return false;
  }
  for (const auto& [name, reg] : registrations_) {
    connection_.Call(
        {{"service", "info"},
         {"op", "start"},
         {"args", {{"nID", std::stoi(reg.m_nID)}, {"name", wire::Text(name)}, {"interval", 200}}}},
        wait, &broken);
  }
  return true;
}

std::optional<nlohmann::json> cZintraComm::Request(std::string_view service, std::string_view op,
                                                   json args, milliseconds timeout,
                                                   bool store_error) {
  std::string reason;
  std::optional<json> answer;
  if (EnsureLink(timeout, &reason)) {
    answer = connection_.Call({{"service", service}, {"op", op}, {"args", std::move(args)}},
                              timeout, &reason);
  }
  if (answer) {
    if (auto result = answer->find("result"); result != answer->end()) return *result;
    if (auto error = answer->find("error"); error != answer->end()) {
      if (store_error) StoreLastError(wire::ErrorRecordFromJson(*error));
      return std::nullopt;
    }
    reason = "the controller's answer has neither result nor error";
  }
  if (store_error) {
    ServerErrorRecord record;
    record.eMessageType = MELD_Q;
    record.bstrDBModule = "ZintraLink";
    record.bstrCause = reason;
    record.varParams = {std::string(service), std::string(op)};
    StoreLastError(record);
  }
  return std::nullopt;
}

void cZintraComm::StoreLastError(const ServerErrorRecord& record) {
  last_error_ = ErrorRecordText(record);
}

void cZintraComm::StoreLocalError(std::string cause, std::string path) {
  ServerErrorRecord record;
  record.eMessageType = MELD_Q;
  record.bstrDBModule = "ZintraLink";
  record.bstrCause = std::move(cause);
  record.varParams = {std::move(path)};
  StoreLastError(record);
}

int32_t cZintraComm::ZintraError() const {
  return static_cast<int32_t>(ReadNumber(last_error_));
}

bool cZintraComm::SetVar(std::string_view strVarName, const std::string& strNewValue) {
  return Request("var", "set",
                 {{"name", wire::Text(strVarName)}, {"value", wire::Text(strNewValue)}},
                 kDefaultTimeout)
      .has_value();
}

bool cZintraComm::ShowVar(std::string_view strVarName, std::string& strVarValue, int32_t vTimeOut) {
  auto result = Request("var", "show", {{"name", wire::Text(strVarName)}}, Timeout(vTimeOut));
  if (!result) return false;
  strVarValue = std::string(strVarName) + "=" + wire::TextOf(result->value("value", json()));
  return true;
}

bool cZintraComm::SetInfoOn(const std::string& sVariableName, std::string& sResult,
                            int32_t vTimeOut) {
  if (registrations_.contains(sVariableName)) return true;
  const int32_t number = ++registration_counter_;
  registrations_[sVariableName] = {sVariableName, std::to_string(number)};
  auto timeout = Timeout(vTimeOut);
  auto started =
      Request("info", "start",
              {{"nID", number}, {"name", wire::Text(sVariableName)}, {"interval", 200}}, timeout);
  if (!started) {
    // Without the registration a second call tries again (the number stays used).
    registrations_.erase(sVariableName);
    return false;
  }
  auto value = Request("var", "show", {{"name", wire::Text(sVariableName)}}, timeout);
  if (!value) return false;
  sResult = wire::TextOf(value->value("value", json()));
  return true;
}

bool cZintraComm::SetInfoOff(const std::string& sVariableName, int32_t vTimeOut) {
  auto found = registrations_.find(sVariableName);
  if (found == registrations_.end()) return false;
  const int number = std::stoi(found->second.m_nID);
  registrations_.erase(found);
  return Request("info", "stop", {{"nID", number}}, Timeout(vTimeOut), false).has_value();
}

bool cZintraComm::GetRobotDirectory(std::string& sDir, std::string_view vMask, int32_t vTimeOut) {
  auto result = Request(
      "file", "list",
      {{"path", wire::Text("NOXA:\\" + std::string(vMask))}, {"flags", json::array({0, 5})}},
      Timeout(vTimeOut, milliseconds(10000)));
  if (!result) return false;
  std::vector<std::string> names;
  if (auto list = result->find("names"); list != result->end() && list->is_array()) {
    for (const auto& name : *list) names.push_back(wire::TextOf(name));
  }
  sDir = FilterRobotDirectory(names);
  return true;
}

bool cZintraComm::Resolve(std::string_view short_name, std::string* full_path,
                          milliseconds timeout) {
  auto result = Request("file", "resolve", {{"name", wire::Text(short_name)}}, timeout);
  if (!result) return false;
  *full_path = wire::TextOf(result->value("path", json()));
  return !full_path->empty();
}

bool cZintraComm::DownLoadDiskToRobot(const std::string& sFileName, int32_t vTimeOut) {
  std::string disk_path, controller_path;
  SplitDownloadArgument(sFileName, &disk_path, &controller_path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(disk_path, ec)) {
    StoreLocalError("the disk file does not exist", disk_path);
    return false;
  }
  if (std::filesystem::file_size(disk_path, ec) > wire::kMaxFileBytes) {
    StoreLocalError("the disk file is larger than the controller accepts", disk_path);
    return false;
  }
  std::string bytes = ReadTextFile(disk_path);
  return Request("file", "write",
                 {{"path", wire::Text(controller_path)},
                  {"data", Base64Encode(bytes)},
                  {"flags", kCopyFlags}},
                 Timeout(vTimeOut, milliseconds(70000)))
      .has_value();
}

bool cZintraComm::DownLoadMemToRobot(const std::string& sFileName, const std::string& sFile,
                                     int32_t vTimeOut, bool /*bKonvert*/) {
  auto timeout = Timeout(vTimeOut, milliseconds(70000));
  const std::string bare = BareName(sFileName);
  std::string listing;
  if (!GetRobotDirectory(listing, "", vTimeOut)) return false;
  std::string destination;
  if (!Contains(listing, bare)) {
    destination = "NOXA:\\R1\\" + sFileName;
  } else if (!Resolve("/R1/" + bare, &destination, timeout)) {
    return false;
  }
  if (sFile.size() > wire::kMaxFileBytes) {
    StoreLocalError("the text is larger than the controller accepts", destination);
    return false;
  }
  return Request("file", "write",
                 {{"path", wire::Text(destination)},
                  {"data", Base64Encode(sFile)},
                  {"flags", kCopyFlags}},
                 timeout)
      .has_value();
}

bool cZintraComm::UpLoadFromRobotToDisk(const std::string& sFileName, const std::string& sPath,
                                        std::string_view /*sOptions*/, int32_t vTimeOut) {
  auto result =
      Request("file", "read", {{"path", wire::Text("/R1/" + sFileName)}, {"flags", kCopyFlags}},
              Timeout(vTimeOut, milliseconds(70000)));
  if (!result) return false;
  auto bytes = Base64Decode(result->value("data", std::string()));
  if (!bytes) {
    StoreLocalError("the controller sent file contents that are not base64", sFileName);
    return false;
  }
  if (!WriteBytesAtomically(sPath, *bytes)) {
    StoreLocalError("the disk file cannot be written", sPath);
    return false;
  }
  return true;
}

bool cZintraComm::UpLoadFromRobotToMem(const std::string& sFileName, std::string& sFile,
                                       std::string_view /*sOptions*/, int32_t vTimeOut,
                                       bool /*bKonvert*/) {
  auto timeout = Timeout(vTimeOut, milliseconds(70000));
  std::string full_path;
  if (!Resolve("/R1/" + BareName(sFileName), &full_path, timeout)) return false;
  auto result =
      Request("file", "read", {{"path", wire::Text(full_path)}, {"flags", kCopyFlags}}, timeout);
  if (!result) return false;
  auto bytes = Base64Decode(result->value("data", std::string()));
  if (!bytes) {
    StoreLocalError("the controller sent file contents that are not base64", full_path);
    return false;
  }
  sFile += *bytes;
  return true;
}

bool cZintraComm::DeleteRobotProgram(std::string& sPrgName, int32_t vTimeOut) {
  std::string bare = sPrgName;
  if (!ExtractFileName(bare)) return false;
  auto timeout = Timeout(vTimeOut, milliseconds(10000));
  std::string full_path;
  if (!Resolve("/R1/" + bare, &full_path, timeout)) return false;
  sPrgName = full_path;
  return Request("file", "delete", {{"path", wire::Text(full_path)}, {"flag", true}}, timeout)
      .has_value();
}

bool cZintraComm::LevelRequest(std::string_view op, int level, milliseconds timeout) {
  return Request("select", op, {{"level", level}}, timeout).has_value();
}

bool cZintraComm::RobotLevelStop(int32_t vTimeOut) {
  return LevelRequest("stop", kRobotLevel, Timeout(vTimeOut));
}

bool cZintraComm::ControlLevelStop(int32_t vTimeOut) {
  return LevelRequest("stop", kControlLevel, Timeout(vTimeOut));
}

bool cZintraComm::SelectOnLevel(const std::string& name, std::string_view param,
                                bool implicit_cancel, int level, milliseconds timeout) {
  return Request("select", "select",
                 {{"name", wire::Text(name)},
                  {"param", wire::Text(param)},
                  {"implicit_cancel", implicit_cancel},
                  {"level", level}},
                 timeout)
      .has_value();
}

bool cZintraComm::RunControlLevel(std::string_view vPrgName, int32_t vTimeOut) {
  auto timeout = Timeout(vTimeOut);
  std::string text(vPrgName);
  if (text.empty() && !ShowVar("$PRO_I_O[]", text, vTimeOut)) return false;
  return SelectOnLevel(ControlLevelProgramName(text), "", false, kControlLevel, timeout);
}

bool cZintraComm::SelectModul(std::string& strFile, std::string_view strParam, bool bImplizitCancel,
                              int32_t vTimeOut) {
  std::string bare = strFile;
  if (!ExtractFileName(bare)) return false;
  auto timeout = Timeout(vTimeOut);
  std::string full_path;
  if (!Resolve("/R1/" + bare, &full_path, timeout)) return false;
  strFile = full_path;
  return SelectOnLevel(full_path, strParam, bImplizitCancel, kRobotLevel, timeout);
}

bool cZintraComm::CancelModul(int32_t vTimeOut) {
  if (vTimeOut == -1) {
    ControlLevelStop(3000);
    return LevelRequest("cancel", kControlLevel, kDefaultTimeout);
  }
  return LevelRequest("cancel", kRobotLevel, Timeout(vTimeOut));
}

bool cZintraComm::ConfirmAll(int32_t vTimeOut) {
  return Request("message", "confirm_all", json::object(), Timeout(vTimeOut)).has_value();
}

bool cZintraComm::NoxaOk(int32_t /*vTimeOut*/) {
  return true;
}

bool cZintraComm::IO_Restart(IO_TYPE& nBus, int32_t vTimeOut) {
  return Request("io", "restart", {{"type", 12}, {"bus", static_cast<int32_t>(nBus)}, {"arg", 0}},
                 Timeout(vTimeOut))
      .has_value();
}

void cZintraComm::GetFileList(std::vector<std::string>& colFiles, std::string_view strPattern) {
  colFiles.clear();
  std::string listing;
  if (!GetRobotDirectory(listing, "\\R1\\")) return;
  colFiles = FileListFromDirectory(listing, strPattern, false);
}

void cZintraComm::GetFileListPath_Name(std::vector<std::string>& colFiles_gu,
                                       std::string_view strPattern_gu) {
  colFiles_gu.clear();
  std::string listing;
  if (!GetRobotDirectory(listing, "\\R1\\")) return;
  colFiles_gu = FileListFromDirectory(listing, strPattern_gu, true);
}

bool cZintraComm::GetFileName_gu(std::string& sName, std::string_view Mask) {
  return ExtractFileName(sName, Mask);
}

bool cZintraComm::GetVorraxFile(const std::string& strFileName, std::string& strFileInhalt) {
  auto slash = strFileName.find('\\');
  std::string local_name = slash == std::string::npos ? strFileName : strFileName.substr(slash + 1);
  std::filesystem::path folder = temp_folder_.empty() ? TempFolder() : temp_folder_;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  auto local_path = folder / local_name;
  if (!UpLoadFromRobotToDisk(strFileName, local_path.string(), "", 15000)) return false;
  strFileInhalt = ReadTextFile(local_path);
  return true;
}

bool cZintraComm::PutVorraxFile(const std::string& strFileName, const std::string& strFileInhalt) {
  std::filesystem::path folder = temp_folder_.empty() ? TempFolder() : temp_folder_;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  auto local_path = folder / strFileName;
  if (!WriteTextFileByLines(local_path, strFileInhalt)) {
    StoreLocalError("the temporary copy cannot be written", local_path.string());
    return false;
  }
  return DownLoadDiskToRobot(local_path.string(), 15000);
}

bool cZintraComm::IsFileSelected(std::string_view strFileName) {
  std::string answer;
  return ShowVar("$PRO_IP", answer) && ProgramIpNamesFile(answer, strFileName);
}

void cZintraComm::OnSetInfo(int32_t nID, const std::string& bstrVal) {
  const std::string number = std::to_string(nID);
  for (const auto& [name, reg] : registrations_) {
    if (reg.m_nID != number) continue;
    const std::string text = reg.sVariableName + "=" + bstrVal;
    if (owner_ && owner_->SetInfoResult) owner_->SetInfoResult(text);
    if (owner_ && owner_->Zintra1_CmdMessage) owner_->Zintra1_CmdMessage(text, 0);
    return;
  }
}

void cZintraComm::OnAddMessage(const ServerErrorRecord& pMessage) {
  const std::string text = MessageRecordText(pMessage);
  if (owner_ && owner_->RobMessage) owner_->RobMessage(pMessage.eMessageType, text);
  if (owner_ && owner_->Zintra1_Message) owner_->Zintra1_Message(pMessage.eMessageType, text);
}

void cZintraComm::Dispatch(const json& event) {
  const std::string kind = event.value("event", std::string());
  if (kind == "info") {
    OnSetInfo(event.value("nID", 0), wire::TextOf(event.value("value", json())));
  } else if (kind == "message") {
    OnAddMessage(wire::ErrorRecordFromJson(event.value("message", json())));
  } else if (kind == "key") {
    if (owner_ && owner_->HuxKey) owner_->HuxKey(event.value("code", 0));
  }
}

void cZintraComm::ProcessEvents() {
  connection_.Poll();
  // Only what is queued now: a handler that calls the client may queue more.
  std::vector<json> events;
  while (connection_.HasEvents()) events.push_back(connection_.TakeEvent());
  for (const auto& event : events) Dispatch(event);
}

}  // namespace velmora

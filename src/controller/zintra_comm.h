#pragma once
// cZintraComm: the one client of the robot controller (protocol in controller/protocol.h).
// Every operation blocks until the controller answers or its time-out passes, never throws,
// and on a failure stores an error text (LastErrorText) and returns false. A time-out of 0 or
// less means the operation's default. Notifications of the controller (cyclic information,
// message-window messages, pendant keys) are queued and handed to the owner only by
// ProcessEvents(), never in the middle of another operation.
//
// When the connection breaks, the call in progress fails; the next call connects again once
// and registers the cyclic information anew. After ServerOff nothing reconnects.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "controller/line_connection.h"
#include "controller/zintra_types.h"

namespace velmora {

// The owner's notifications; a handler left empty is skipped.
struct ZintraOwner {
  std::function<void(const std::string& text)> SetInfoResult;
  std::function<void(const std::string& text, int32_t code)> Zintra1_CmdMessage;
  std::function<void(int32_t message_type, const std::string& text)> RobMessage;
  std::function<void(int32_t message_type, const std::string& text)> Zintra1_Message;
  // A key of the pendant, as the HMI's pendant channel delivers it.
  std::function<void(int32_t key)> HuxKey;
};

// A variable registered for cyclic information.
struct InfoRegistration {
  std::string sVariableName;
  std::string m_nID;  // the registration number as text
};

// $VELMORA_CONTROLLER, else 127.0.0.1:7010.
std::string ControllerAddress();

class cZintraComm;

// The client's file service, for callers that resolve module names themselves.
class ZintraFileService {
 public:
  explicit ZintraFileService(cZintraComm& client) : client_(&client) {}
  // The full controller path ("NOXA:\R1\...") of "/R1/" and a bare module name; false when the
  // module does not exist or the controller fails.
  bool ResolveModuleName(std::string_view short_name, std::string* full_path);

 private:
  cZintraComm* client_;
};

class cZintraComm {
 public:
  explicit cZintraComm(std::string address = ControllerAddress());
  ~cZintraComm();
  cZintraComm(const cZintraComm&) = delete;
  cZintraComm& operator=(const cZintraComm&) = delete;

  ZintraFileService& itfSyncFile() { return file_service_; }

  bool Init(ZintraOwner* oParent);
  bool ConnectToZintra(std::string_view sConnectName, int16_t nC_Mode = 0);
  // Releases the link; always false. The connected flag stays as it is.
  bool ServerOff();

  bool SetVar(std::string_view strVarName, const std::string& strNewValue);
  // strVarValue := name "=" value, the value exactly as the controller answers it.
  bool ShowVar(std::string_view strVarName, std::string& strVarValue, int32_t vTimeOut = 0);
  // sResult: the bare current value. True at once for a name already registered.
  bool SetInfoOn(const std::string& sVariableName, std::string& sResult, int32_t vTimeOut = 3000);
  bool SetInfoOff(const std::string& sVariableName, int32_t vTimeOut = 3000);
  // One entry per line, each ending in a line feed; MADA\, SYSTEM\ and TP\ left out.
  bool GetRobotDirectory(std::string& sDir, std::string_view vMask = "", int32_t vTimeOut = 10000);
  // "disk|controller", or a disk path that goes to "/R1/" and its bare name.
  bool DownLoadDiskToRobot(const std::string& sFileName, int32_t vTimeOut = 70000);
  bool DownLoadMemToRobot(const std::string& sFileName, const std::string& sFile,
                          int32_t vTimeOut = 70000, bool bKonvert = false);
  bool UpLoadFromRobotToDisk(const std::string& sFileName, const std::string& sPath,
                             std::string_view sOptions = "", int32_t vTimeOut = 70000);
  // Appends the file's bytes to sFile.
  bool UpLoadFromRobotToMem(const std::string& sFileName, std::string& sFile,
                            std::string_view sOptions = "", int32_t vTimeOut = 70000,
                            bool bKonvert = false);
  // sPrgName becomes the deleted file's full path.
  bool DeleteRobotProgram(std::string& sPrgName, int32_t vTimeOut = 10000);
  bool RobotLevelStop(int32_t vTimeOut = 3000);
  bool ControlLevelStop(int32_t vTimeOut = 3000);
  // vPrgName empty: the program named by "$PRO_I_O[]".
  bool RunControlLevel(std::string_view vPrgName = "", int32_t vTimeOut = 3000);
  // strFile becomes the selected module's full path.
  bool SelectModul(std::string& strFile, std::string_view strParam = "",
                   bool bImplizitCancel = false, int32_t vTimeOut = 3000);
  // -1: stop and cancel the control level; any other value: cancel the robot level.
  bool CancelModul(int32_t vTimeOut = 3000);
  bool ConfirmAll(int32_t vTimeOut = 3000);
  bool NoxaOk(int32_t vTimeOut = 3000);
  bool IO_Restart(IO_TYPE& nBus, int32_t vTimeOut = 3000);

  bool ZintraIsConnected() const { return connected_; }
  int32_t ZintraError() const;
  const std::string& LastErrorText() const { return last_error_; }

  void GetFileList(std::vector<std::string>& colFiles, std::string_view strPattern);
  void GetFileListPath_Name(std::vector<std::string>& colFiles_gu, std::string_view strPattern_gu);
  static bool GetFileName_gu(std::string& sName, std::string_view Mask = "");
  // A controller file as text, and a text as controller file, through the temporary folder.
  bool GetVorraxFile(const std::string& strFileName, std::string& strFileInhalt);
  bool PutVorraxFile(const std::string& strFileName, const std::string& strFileInhalt);
  bool IsFileSelected(std::string_view strFileName);

  // Callback entry points of the controller.
  void OnSetInfo(int32_t nID, const std::string& bstrVal);
  void OnAddMessage(const ServerErrorRecord& pMessage);

  // Hands every queued notification to the owner. Call it when EventDescriptor() is readable,
  // or from a timer.
  void ProcessEvents();
  // The connection's socket descriptor (-1 while there is none). It changes when the link
  // reconnects; a GUI that watches it should look again after each call, or poll on a timer.
  int EventDescriptor() const { return connection_.native_handle(); }

  const std::map<std::string, InfoRegistration>& InfoRegistrations() const {
    return registrations_;
  }
  const std::string& address() const { return address_; }
  // The working folder of GetVorraxFile and PutVorraxFile (default: TempFolder()).
  void set_temp_folder(std::filesystem::path folder) { temp_folder_ = std::move(folder); }
  const std::filesystem::path& temp_folder() const { return temp_folder_; }

 private:
  friend class ZintraFileService;
  using json = nlohmann::json;

  // One request; the result object, or nullopt after the error text was stored (unless
  // store_error is false).
  std::optional<json> Request(std::string_view service, std::string_view op, json args,
                              std::chrono::milliseconds timeout, bool store_error = true);
  bool EnsureLink(std::chrono::milliseconds timeout, std::string* reason);
  bool Handshake(std::chrono::milliseconds timeout, std::string* reason);
  void StoreLastError(const ServerErrorRecord& record);
  void StoreLocalError(std::string cause, std::string path);
  bool Resolve(std::string_view short_name, std::string* full_path,
               std::chrono::milliseconds timeout);
  bool SelectOnLevel(const std::string& name, std::string_view param, bool implicit_cancel,
                     int level, std::chrono::milliseconds timeout);
  bool LevelRequest(std::string_view op, int level, std::chrono::milliseconds timeout);
  void Dispatch(const json& event);

  std::string address_;
  ZintraOwner* owner_ = nullptr;
  std::string connect_name_;
  bool initialised_ = false;
  bool connected_ = false;
  bool linked_ = false;    // ConnectToZintra succeeded once
  bool released_ = false;  // ServerOff ran
  std::string last_error_;
  std::map<std::string, InfoRegistration> registrations_;
  int32_t registration_counter_ = 0;
  LineConnection connection_;
  ZintraFileService file_service_{*this};
  std::filesystem::path temp_folder_;
};

}  // namespace velmora

#pragma once
// The value types of the controller link: the server's error and message record and the
// enumerations of the client interface (values as the controller software defines them).
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

enum eOpenMode : int32_t {
  eOpenModeRead = 1,
  eOpenModeWrite = 2,
  eOpenModeReadWrite = 3,
  eOpenModeExclusive = 4,
  eOpenModeData = 8,
  eOpenModeSource = 16,
  eOpenModeRaw = 32,
  eOpenModeCancel0 = 64,
  eOpenModeCancel1 = 128,
  eOpenModeReSelect0 = 256,
  eOpenModeReSelect1 = 512,
};

enum eEditMode : int32_t {
  eEditModeFullEdit = 0,
  eEditModeDatKor = 1,
  eEditModeProKor = 2,
  eEditModeReadOnly = 3,
};

enum eFileAttrib : int32_t {
  eItemAttribReadOnly = 1,
  eItemAttribHidden = 2,
  eItemAttribSystem = 4,
  eItemAttribDirectory = 16,
  eItemAttribArchiv = 32,
};

enum eItemType : int32_t {
  eItemTypeUnknown = 0,
  eItemTypeDir = 1,
  eItemTypeVirtualDir = 2,
  eItemTypeArchiv = 4,
  eItemTypeBinFile = 8,
  eItemTypeTextFile = 16,
  eItemTypeModule = 32,
  eItemTypeRaw = 64,
};

enum IO_TYPE : int32_t {
  IoRestart = -1,
  IBusReset = 1,
  CanReset = 2,
  BoschReset = 3,
  PerceptronReset = 4,
};

enum Msg_Type : int32_t {
  MELD_ADE = -1,
  MELD_H = 1,
  MELD_Q = 2,
  MELD_Z = 3,
};

// The server's record of a failed call; a message-window message has the same layout.
// Parameters travel as texts.
struct ServerErrorRecord {
  int32_t nLowTimeStamp = 0;
  int32_t nHighTimeStamp = 0;
  int32_t nBiasTimeStamp = 0;
  int32_t eMessageType = 0;
  int32_t nMessage = 0;
  int32_t nMessageHandle = 0;
  std::string bstrDBModule;
  std::string bstrCause;
  bool bDBCause = false;
  std::string bstrDBMessage;
  std::vector<std::string> varParams;
  std::vector<std::string> varDBParams;
};

// StoreLastError's text: every field by name, in one line.
std::string ErrorRecordText(const ServerErrorRecord& record);
// The text OnAddMessage hands to the owner: the fields joined by ",".
std::string MessageRecordText(const ServerErrorRecord& record);

}  // namespace velmora

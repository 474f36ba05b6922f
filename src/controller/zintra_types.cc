#include "controller/zintra_types.h"

namespace velmora {
namespace {

const char* BoolWord(bool value) {
  return value ? "True" : "False";
}

}  // namespace

std::string ErrorRecordText(const ServerErrorRecord& r) {
  std::string text = "Error: bDBCause=";
  text += BoolWord(r.bDBCause);
  text += " , bstrCause=" + r.bstrCause;
  text += " , bstrDBMessage=" + r.bstrDBMessage;
  text += " , bstrDBModule=" + r.bstrDBModule;
  text += " , eMessageType=" + std::to_string(r.eMessageType);
  text += " , nBiasTimeStamp=" + std::to_string(r.nBiasTimeStamp);
  text += " , nHighTimeStamp=" + std::to_string(r.nHighTimeStamp);
  text += " , nLowTimeStamp=" + std::to_string(r.nLowTimeStamp);
  text += " , nMessage=" + std::to_string(r.nMessage);
  text += " , nMessageHandle=" + std::to_string(r.nMessageHandle);
  for (size_t i = 0; i < r.varParams.size(); ++i) {
    text += " , varParams(" + std::to_string(i) + ") =" + r.varParams[i];
  }
  for (size_t i = 0; i < r.varDBParams.size(); ++i) {
    text += " , varDBParams(" + std::to_string(i) + ") =" + r.varDBParams[i];
  }
  return text;
}

std::string MessageRecordText(const ServerErrorRecord& r) {
  std::string text = std::to_string(r.nMessageHandle);
  text += ",";
  text += BoolWord(r.bDBCause);
  text += "," + r.bstrCause;
  text += "," + r.bstrDBMessage;
  text += "," + r.bstrDBModule;
  text += "," + std::to_string(r.eMessageType);
  text += "," + std::to_string(r.nBiasTimeStamp);
  text += "," + std::to_string(r.nHighTimeStamp);
  text += "," + std::to_string(r.nLowTimeStamp);
  text += "," + std::to_string(r.nMessage);
  for (size_t i = 0; i < r.varParams.size(); ++i) {
    text += "," + std::to_string(i) + "=" + r.varParams[i];
  }
  for (size_t i = 0; i < r.varDBParams.size(); ++i) {
    text += "," + std::to_string(i) + "=" + r.varDBParams[i];
  }
  return text;
}

}  // namespace velmora

#include "sim/sim_error.h"

#include <chrono>
#include <ctime>

namespace velmora::sim {
namespace {

// The time as 100 ns ticks since 1601 (split into two 32-bit halves) and the local time
// zone's bias in minutes, as the controller stamps its records.
void Stamp(ServerErrorRecord* record) {
  using namespace std::chrono;
  constexpr int64_t kEpochOffset = 116444736000000000;  // 1601-01-01 to 1970-01-01 in ticks
  int64_t ticks = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() / 100 +
                  kEpochOffset;
  record->nLowTimeStamp = static_cast<int32_t>(static_cast<uint32_t>(ticks & 0xffffffff));
  record->nHighTimeStamp = static_cast<int32_t>(ticks >> 32);
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  record->nBiasTimeStamp = static_cast<int32_t>(-local.tm_gmtoff / 60);
}

}  // namespace

ServerErrorRecord ToRecord(const SimError& error) {
  ServerErrorRecord record;
  Stamp(&record);
  record.eMessageType = MELD_Q;
  record.nMessage = static_cast<int32_t>(error.number);
  record.bstrDBModule = "zevo_hmi_sim";
  record.bstrCause = error.cause;
  record.bDBCause = false;
  record.bstrDBMessage = error.message;
  record.varParams = error.params;
  return record;
}

ServerErrorRecord MessageRecord(int32_t number, int32_t handle, const std::string& text) {
  ServerErrorRecord record;
  Stamp(&record);
  record.eMessageType = MELD_Q;
  record.nMessage = number;
  record.nMessageHandle = handle;
  record.bstrDBModule = "zevo_hmi_sim";
  record.bstrCause = "USER_MESSAGE";
  record.bDBCause = true;
  record.bstrDBMessage = text;
  record.varParams = {text};
  return record;
}

}  // namespace velmora::sim

#pragma once
// The wire protocol between cZintraComm and the controller (zevo_hmi_sim). One JSON object per
// line in each direction, over TCP on loopback:
//
//   request  {"id": N, "service": S, "op": O, "args": {...}}
//   answer   {"id": N, "result": {...}}   or   {"id": N, "error": {<ServerErrorRecord>}}
//   event    {"event": "info", "nID": N, "value": T}      cyclic information of registration N
//            {"event": "message", "message": {<ServerErrorRecord>}}   message-window message
//            {"event": "key", "code": N}                  pendant key of the HMI
//
// Services and their operations (every service also has "create" {"client": NAME}):
//   var      show {name} -> {value};  set {name, value}
//   file     list {path, flags} -> {names, data};  resolve {name} -> {path};  delete {path};
//            read {path, flags} -> {data};  write {path, data, flags}
//   select   stop {level};  cancel {level};  select {name, param, implicit_cancel, level}
//   io       restart {type, bus, arg}
//   info     start {nID, name, interval};  stop {nID}
//   message  confirm_all {}
//   ctl      the simulator's control interface (set, key, message, fault, state, run)
//
// Strings on the wire are UTF-8; both ends keep program text as Windows-1252 bytes and convert
// at the edge. File contents ("data") are base64 of the file's bytes. Levels: 0 the control
// (submit) interpreter, 1 the robot interpreter.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "controller/zintra_types.h"

namespace velmora::wire {

using nlohmann::json;

// The longest line either end accepts; longer input is refused and the connection closed.
inline constexpr size_t kMaxLineBytes = 32u << 20;
// The largest file the controller reads or writes.
inline constexpr size_t kMaxFileBytes = 16u << 20;

// The server's default address when VELMORA_CONTROLLER is not set.
inline constexpr std::string_view kDefaultAddress = "127.0.0.1:7010";

// Splits "host:port"; false for anything else (port 0..65535).
bool SplitAddress(std::string_view address, std::string* host, uint16_t* port);

json ToJson(const ServerErrorRecord& record);
// Missing or mistyped fields keep their defaults.
ServerErrorRecord ErrorRecordFromJson(const json& value);

// Windows-1252 bytes <-> JSON strings.
json Text(std::string_view bytes);
std::string TextOf(const json& value);

// The compact line for an object, ending in "\n". Never throws: invalid UTF-8 is replaced.
std::string Line(const json& object);
// The object of one line (without its line end); nullopt if it is not a JSON object.
std::optional<json> ParseLine(std::string_view line);

}  // namespace velmora::wire

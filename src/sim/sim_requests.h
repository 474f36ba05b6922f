#pragma once
// The operations of the wire protocol, each a handler in one table (service, operation).
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "sim/sim_controller.h"

namespace velmora::sim {

struct InfoWatch {
  std::string name;
  std::string last;  // the value last pushed (or read at registration)
};

// What one connection set up.
struct SessionState {
  std::set<std::string> services;
  std::map<int, InfoWatch> infos;
};

// Faults the control interface injects; they hit every service but "ctl".
struct FaultState {
  int delay_ms = 0;   // every answer waits this long
  int fail = 0;       // so many calls answer with an error
  bool drop = false;  // the next call closes its connection unanswered
};

struct RequestContext {
  SimController& controller;
  SessionState& session;
  FaultState& faults;
  // Sends an event to every connection (`message_service_only`: to those with the message
  // service).
  std::function<void(const nlohmann::json& event, bool message_service_only)> broadcast;
};

// False with the error for an unknown service or operation, malformed arguments, or a failure
// of the controller.
bool HandleRequest(RequestContext& context, const std::string& service, const std::string& op,
                   const nlohmann::json& args, nlohmann::json* result, SimError* error);

}  // namespace velmora::sim

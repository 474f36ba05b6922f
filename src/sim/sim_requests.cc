#include "sim/sim_requests.h"

#include "controller/base64.h"
#include "controller/protocol.h"

namespace velmora::sim {
namespace {

using nlohmann::json;
using Handler = bool (*)(RequestContext&, const json&, json*, SimError*);

SimError BadArgument(const char* name) {
  return MakeError(ErrorNo::kBadRequest, "BAD_ARGUMENT", "missing or malformed argument", {name});
}

bool Text(const json& args, const char* name, std::string* out, SimError* error) {
  auto it = args.find(name);
  if (it == args.end() || !it->is_string()) {
    *error = BadArgument(name);
    return false;
  }
  *out = wire::TextOf(*it);
  return true;
}

bool Number(const json& args, const char* name, int* out, SimError* error) {
  auto it = args.find(name);
  if (it == args.end() || !it->is_number_integer() || it->get<int64_t>() < INT32_MIN ||
      it->get<int64_t>() > INT32_MAX) {
    *error = BadArgument(name);
    return false;
  }
  *out = it->get<int>();
  return true;
}

bool Flag(const json& args, const char* name, bool* out) {
  auto it = args.find(name);
  *out = it != args.end() && it->is_boolean() && it->get<bool>();
  return true;
}

bool VarShow(RequestContext& c, const json& args, json* result, SimError* error) {
  std::string name, value;
  if (!Text(args, "name", &name, error) || !c.controller.ShowVar(name, &value, error)) return false;
  *result = {{"value", wire::Text(value)}};
  return true;
}

bool VarSet(RequestContext& c, const json& args, json*, SimError* error) {
  std::string name, value;
  return Text(args, "name", &name, error) && Text(args, "value", &value, error) &&
         c.controller.SetVar(name, value, false, error);
}

bool FileList(RequestContext& c, const json& args, json* result, SimError* error) {
  std::string path;
  std::vector<std::string> names;
  if (!Text(args, "path", &path, error) || !c.controller.cell().List(path, &names, error))
    return false;
  json list = json::array();
  for (const auto& name : names) list.push_back(wire::Text(name));
  *result = {{"names", list}, {"data", json::array()}};
  return true;
}

bool FileResolve(RequestContext& c, const json& args, json* result, SimError* error) {
  std::string name, path;
  if (!Text(args, "name", &name, error) || !c.controller.cell().Resolve(name, &path, error))
    return false;
  *result = {{"path", wire::Text(path)}};
  return true;
}

bool FileRead(RequestContext& c, const json& args, json* result, SimError* error) {
  std::string path, bytes;
  if (!Text(args, "path", &path, error) || !c.controller.cell().Read(path, &bytes, error))
    return false;
  *result = {{"data", Base64Encode(bytes)}};
  return true;
}

bool FileWrite(RequestContext& c, const json& args, json*, SimError* error) {
  std::string path, data;
  if (!Text(args, "path", &path, error) || !Text(args, "data", &data, error)) return false;
  auto bytes = Base64Decode(data);
  if (!bytes) {
    *error = BadArgument("data");
    return false;
  }
  if (!c.controller.CheckFileChange(path, error) || !c.controller.cell().Write(path, *bytes, error))
    return false;
  c.controller.FilesChanged();
  return true;
}

bool FileDelete(RequestContext& c, const json& args, json*, SimError* error) {
  std::string path;
  if (!Text(args, "path", &path, error) || !c.controller.CheckFileChange(path, error) ||
      !c.controller.cell().Delete(path, error))
    return false;
  c.controller.FilesChanged();
  return true;
}

bool SelectStop(RequestContext& c, const json& args, json*, SimError* error) {
  int level = 0;
  return Number(args, "level", &level, error) && c.controller.Stop(level, error);
}

bool SelectCancel(RequestContext& c, const json& args, json*, SimError* error) {
  int level = 0;
  return Number(args, "level", &level, error) && c.controller.Cancel(level, error);
}

bool SelectSelect(RequestContext& c, const json& args, json*, SimError* error) {
  std::string name, param;
  int level = 1;
  bool implicit_cancel = false;
  if (!Text(args, "name", &name, error) || !Number(args, "level", &level, error)) return false;
  if (args.contains("param") && !Text(args, "param", &param, error)) return false;
  Flag(args, "implicit_cancel", &implicit_cancel);
  return c.controller.Select(name, param, implicit_cancel, level, error);
}

bool IoRestart(RequestContext& c, const json& args, json*, SimError* error) {
  int type = 0, bus = 0, arg = 0;
  return Number(args, "type", &type, error) && Number(args, "bus", &bus, error) &&
         Number(args, "arg", &arg, error) && c.controller.IoRestart(type, bus, arg, error);
}

bool InfoStart(RequestContext& c, const json& args, json*, SimError* error) {
  int id = 0;
  std::string name;
  if (!Number(args, "nID", &id, error) || !Text(args, "name", &name, error)) return false;
  InfoWatch watch{name, ""};
  SimError unreadable;
  c.controller.ShowVar(name, &watch.last, &unreadable);
  c.session.infos[id] = std::move(watch);
  return true;
}

bool InfoStop(RequestContext& c, const json& args, json*, SimError* error) {
  int id = 0;
  if (!Number(args, "nID", &id, error)) return false;
  if (c.session.infos.erase(id) == 0) {
    *error = MakeError(ErrorNo::kBadRequest, "INFO_UNKNOWN", "no such registration",
                       {std::to_string(id)});
    return false;
  }
  return true;
}

bool MessageConfirmAll(RequestContext& c, const json&, json*, SimError*) {
  c.controller.ConfirmAll();
  return true;
}

bool CtlSet(RequestContext& c, const json& args, json*, SimError* error) {
  std::string name, value;
  return Text(args, "name", &name, error) && Text(args, "value", &value, error) &&
         c.controller.SetVar(name, value, true, error);
}

bool CtlKey(RequestContext& c, const json& args, json*, SimError* error) {
  int code = 0;
  if (!Number(args, "code", &code, error)) return false;
  c.broadcast({{"event", "key"}, {"code", code}}, false);
  return true;
}

bool CtlMessage(RequestContext& c, const json& args, json* result, SimError* error) {
  std::string text;
  if (!Text(args, "text", &text, error)) return false;
  ServerErrorRecord record = c.controller.AddMessage(text);
  c.broadcast({{"event", "message"}, {"message", wire::ToJson(record)}}, true);
  *result = {{"handle", record.nMessageHandle}};
  return true;
}

bool CtlFault(RequestContext& c, const json& args, json*, SimError* error) {
  std::string kind;
  if (!Text(args, "kind", &kind, error)) return false;
  int value = 0;
  if (kind == "delay" || kind == "fail") {
    if (!Number(args, "value", &value, error)) return false;
    if (value < 0 || value > 600000) {
      *error = BadArgument("value");
      return false;
    }
    (kind == "delay" ? c.faults.delay_ms : c.faults.fail) = value;
    return true;
  }
  if (kind == "drop") {
    c.faults.drop = true;
    return true;
  }
  if (kind == "clear") {
    c.faults = FaultState{};
    return true;
  }
  *error = BadArgument("kind");
  return false;
}

bool CtlState(RequestContext& c, const json&, json* result, SimError*) {
  *result = c.controller.State();
  (*result)["faults"] = {
      {"delay", c.faults.delay_ms}, {"fail", c.faults.fail}, {"drop", c.faults.drop}};
  return true;
}

bool CtlRun(RequestContext& c, const json&, json*, SimError* error) {
  return c.controller.Run(error);
}

bool CtlShow(RequestContext& c, const json& args, json* result, SimError* error) {
  return VarShow(c, args, result, error);
}

const std::map<std::pair<std::string, std::string>, Handler>& Handlers() {
  static const std::map<std::pair<std::string, std::string>, Handler> table = {
      {{"var", "show"}, VarShow},
      {{"var", "set"}, VarSet},
      {{"file", "list"}, FileList},
      {{"file", "resolve"}, FileResolve},
      {{"file", "read"}, FileRead},
      {{"file", "write"}, FileWrite},
      {{"file", "delete"}, FileDelete},
      {{"select", "stop"}, SelectStop},
      {{"select", "cancel"}, SelectCancel},
      {{"select", "select"}, SelectSelect},
      {{"io", "restart"}, IoRestart},
      {{"info", "start"}, InfoStart},
      {{"info", "stop"}, InfoStop},
      {{"message", "confirm_all"}, MessageConfirmAll},
      {{"ctl", "set"}, CtlSet},
      {{"ctl", "show"}, CtlShow},
      {{"ctl", "key"}, CtlKey},
      {{"ctl", "message"}, CtlMessage},
      {{"ctl", "fault"}, CtlFault},
      {{"ctl", "state"}, CtlState},
      {{"ctl", "run"}, CtlRun},
  };
  return table;
}

bool IsService(const std::string& service) {
  static const std::set<std::string> services = {"var", "file", "edit",   "select",
                                                 "io",  "info", "message"};
  return services.contains(service);
}

}  // namespace

bool HandleRequest(RequestContext& context, const std::string& service, const std::string& op,
                   const json& args, json* result, SimError* error) {
  *result = json::object();
  if (op == "create" && IsService(service)) {
    context.session.services.insert(service);
    return true;
  }
  auto handler = Handlers().find({service, op});
  if (handler == Handlers().end()) {
    *error = MakeError(ErrorNo::kBadRequest, "UNKNOWN_OPERATION", "unknown service or operation",
                       {service, op});
    return false;
  }
  if (service != "ctl" && !context.session.services.contains(service)) {
    *error = MakeError(ErrorNo::kBadRequest, "SERVICE_NOT_CREATED",
                       "the service was not created on this connection", {service});
    return false;
  }
  return handler->second(context, args, result, error);
}

}  // namespace velmora::sim

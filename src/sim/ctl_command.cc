#include "sim/ctl_command.h"

#include <charconv>
#include <functional>
#include <map>
#include <ostream>

#include "controller/line_connection.h"
#include "controller/protocol.h"

namespace velmora::sim {
namespace {

using nlohmann::json;

bool Integer(const std::string& text, int* value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return ec == std::errc() && end == text.data() + text.size();
}

struct Verb {
  size_t arguments;  // words after the verb
  std::string usage;
  // Builds the request's op and args; false for malformed arguments.
  std::function<bool(const std::vector<std::string>& a, std::string* op, json* args)> build;
};

const std::map<std::string, Verb>& Verbs() {
  static const std::map<std::string, Verb> verbs = {
      {"set",
       {2, "set NAME VALUE",
        [](const auto& a, std::string* op, json* args) {
          *op = "set";
          *args = {{"name", wire::Text(a[0])}, {"value", wire::Text(a[1])}};
          return true;
        }}},
      {"show",
       {1, "show NAME",
        [](const auto& a, std::string* op, json* args) {
          *op = "show";
          *args = {{"name", wire::Text(a[0])}};
          return true;
        }}},
      {"key",
       {1, "key CODE",
        [](const auto& a, std::string* op, json* args) {
          int code = 0;
          *op = "key";
          *args = {{"code", code}};
          if (!Integer(a[0], &code)) return false;
          (*args)["code"] = code;
          return true;
        }}},
      {"message",
       {1, "message TEXT",
        [](const auto& a, std::string* op, json* args) {
          *op = "message";
          *args = {{"text", wire::Text(a[0])}};
          return true;
        }}},
      {"fault",
       {0, "fault delay MS | fault fail N | fault drop | fault clear",
        [](const auto& a, std::string* op, json* args) {
          *op = "fault";
          if (a.size() == 1 && (a[0] == "drop" || a[0] == "clear")) {
            *args = {{"kind", a[0]}};
            return true;
          }
          int value = 0;
          if (a.size() != 2 || (a[0] != "delay" && a[0] != "fail") || !Integer(a[1], &value))
            return false;
          *args = {{"kind", a[0]}, {"value", value}};
          return true;
        }}},
      {"run",
       {0, "run",
        [](const auto& a, std::string* op, json* args) {
          *op = "run";
          *args = json::object();
          return a.empty();
        }}},
      {"state",
       {0, "state",
        [](const auto& a, std::string* op, json* args) {
          *op = "state";
          *args = json::object();
          return a.empty();
        }}},
  };
  return verbs;
}

void Usage(std::ostream& err) {
  err << "usage: zevo_hmi_sim ctl ADDR";
  for (const auto& [name, verb] : Verbs()) err << "\n  " << verb.usage;
  err << "\n";
}

}  // namespace

int RunCtlCommand(const std::string& address, const std::vector<std::string>& words,
                  std::ostream& out, std::ostream& err) {
  if (words.empty()) {
    Usage(err);
    return 2;
  }
  auto verb = Verbs().find(words[0]);
  std::vector<std::string> rest(words.begin() + 1, words.end());
  std::string op;
  json args;
  if (verb == Verbs().end() ||
      (verb->second.arguments > 0 && rest.size() != verb->second.arguments) ||
      !verb->second.build(rest, &op, &args)) {
    Usage(err);
    return 2;
  }
  LineConnection connection;
  std::string reason;
  if (!connection.Connect(address, std::chrono::seconds(5), &reason)) {
    err << "zevo_hmi_sim ctl: " << reason << "\n";
    return 1;
  }
  auto answer = connection.Call({{"service", "ctl"}, {"op", op}, {"args", args}},
                                std::chrono::seconds(10), &reason);
  if (!answer) {
    err << "zevo_hmi_sim ctl: " << reason << "\n";
    return 1;
  }
  if (auto error = answer->find("error"); error != answer->end()) {
    err << "zevo_hmi_sim ctl: " << ErrorRecordText(wire::ErrorRecordFromJson(*error)) << "\n";
    return 1;
  }
  const json result = answer->value("result", json::object());
  if (op == "show") {
    out << wire::TextOf(result.value("value", json())) << "\n";
  } else if (op == "state") {
    out << result.dump(2) << "\n";
  } else {
    out << "ok\n";
  }
  return 0;
}

}  // namespace velmora::sim

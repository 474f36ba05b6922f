#include "controller/protocol.h"

#include <charconv>

#include "base/strings.h"

namespace velmora::wire {
namespace {

template <typename T>
void Take(const json& object, const char* key, T* field) {
  auto it = object.find(key);
  if (it == object.end()) return;
  if constexpr (std::is_same_v<T, bool>) {
    if (it->is_boolean()) *field = it->get<bool>();
  } else if constexpr (std::is_same_v<T, std::string>) {
    if (it->is_string()) *field = TextOf(*it);
  } else {
    if (it->is_number_integer()) *field = it->get<T>();
  }
}

void TakeList(const json& object, const char* key, std::vector<std::string>* list) {
  auto it = object.find(key);
  if (it == object.end() || !it->is_array()) return;
  for (const auto& v : *it) list->push_back(v.is_string() ? TextOf(v) : v.dump());
}

json TextList(const std::vector<std::string>& list) {
  json out = json::array();
  for (const auto& s : list) out.push_back(Text(s));
  return out;
}

}  // namespace

bool SplitAddress(std::string_view address, std::string* host, uint16_t* port) {
  auto colon = address.rfind(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  std::string_view digits = address.substr(colon + 1);
  unsigned value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty() || value > 65535)
    return false;
  *host = std::string(address.substr(0, colon));
  *port = static_cast<uint16_t>(value);
  return true;
}

json Text(std::string_view bytes) {
  return Cp1252ToUtf8(bytes);
}

std::string TextOf(const json& value) {
  if (!value.is_string()) return {};
  return Utf8ToCp1252(value.get_ref<const std::string&>());
}

json ToJson(const ServerErrorRecord& r) {
  return json{{"nLowTimeStamp", r.nLowTimeStamp},
              {"nHighTimeStamp", r.nHighTimeStamp},
              {"nBiasTimeStamp", r.nBiasTimeStamp},
              {"eMessageType", r.eMessageType},
              {"nMessage", r.nMessage},
              {"nMessageHandle", r.nMessageHandle},
              {"bstrDBModule", Text(r.bstrDBModule)},
              {"bstrCause", Text(r.bstrCause)},
              {"bDBCause", r.bDBCause},
              {"bstrDBMessage", Text(r.bstrDBMessage)},
              {"varParams", TextList(r.varParams)},
              {"varDBParams", TextList(r.varDBParams)}};
}

ServerErrorRecord ErrorRecordFromJson(const json& value) {
  ServerErrorRecord r;
  if (!value.is_object()) return r;
  Take(value, "nLowTimeStamp", &r.nLowTimeStamp);
  Take(value, "nHighTimeStamp", &r.nHighTimeStamp);
  Take(value, "nBiasTimeStamp", &r.nBiasTimeStamp);
  Take(value, "eMessageType", &r.eMessageType);
  Take(value, "nMessage", &r.nMessage);
  Take(value, "nMessageHandle", &r.nMessageHandle);
  Take(value, "bstrDBModule", &r.bstrDBModule);
  Take(value, "bstrCause", &r.bstrCause);
  Take(value, "bDBCause", &r.bDBCause);
  Take(value, "bstrDBMessage", &r.bstrDBMessage);
  TakeList(value, "varParams", &r.varParams);
  TakeList(value, "varDBParams", &r.varDBParams);
  return r;
}

std::string Line(const json& object) {
  std::string line = object.dump(-1, ' ', false, json::error_handler_t::replace);
  line += '\n';
  return line;
}

std::optional<json> ParseLine(std::string_view line) {
  json value = json::parse(line.begin(), line.end(), nullptr, false);
  if (value.is_discarded() || !value.is_object()) return std::nullopt;
  return value;
}

}  // namespace velmora::wire

#pragma once
// The program model as JSON for `velmora-cli records`: every LineRecord field under its own
// name, the four data sections and the message lines; texts decoded from Windows-1252.
#include <nlohmann/json.hpp>
#include <vector>

#include "base/message_list.h"

namespace velmora {
class Program;
struct LineRecord;
}  // namespace velmora

namespace velmora::cli {

nlohmann::json RecordJson(const LineRecord& record, int n);
nlohmann::json RecordsJson(const Program& program, const std::vector<MessageLine>& messages);

}  // namespace velmora::cli

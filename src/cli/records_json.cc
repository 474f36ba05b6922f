#include "cli/records_json.h"

#include "base/strings.h"
#include "program/program.h"

namespace velmora::cli {

nlohmann::json RecordJson(const LineRecord& r, int n) {
  auto text = [](const std::string& bytes) { return Cp1252ToUtf8(bytes); };
  return {
      {"n", n},
      {"Text", text(r.Text)},
      {"Point1Decl", text(r.Point1Decl)},
      {"MotionData", text(r.MotionData)},
      {"Point2Decl", text(r.Point2Decl)},
      {"MotionData2", text(r.MotionData2)},
      {"MotionNo", r.MotionNo},
      {"Point1Name", text(r.Point1Name)},
      {"Point2Name", text(r.Point2Name)},
      {"MotionDataName", text(r.MotionDataName)},
      {"Syntax", r.Syntax},
      {"FoldTitle", text(r.FoldTitle)},
      {"FoldKind", text(r.FoldKind)},
      {"ViewStart", r.ViewStart},
      {"ViewLength", r.ViewLength},
      {"Parsed", r.Parsed},
      {"Modified", r.Modified},
      {"IsMotion", r.IsMotion},
      {"TechCommand", r.TechCommand},
      {"MotionType", r.MotionType},
      {"Pos1", r.Pos1},
      {"MasterPos1", r.MasterPos1},
      {"MasterDecl1", text(r.MasterDecl1)},
      {"MasterDecl2", text(r.MasterDecl2)},
      {"MasterName1", text(r.MasterName1)},
      {"MasterName2", text(r.MasterName2)},
  };
}

nlohmann::json RecordsJson(const Program& program, const std::vector<MessageLine>& messages) {
  nlohmann::json records = nlohmann::json::array();
  for (int k = 1; k <= program.LineCount(); ++k)
    records.push_back(RecordJson(program.Record(k), k));
  nlohmann::json message_array = nlohmann::json::array();
  for (const MessageLine& line : messages) {
    message_array.push_back({{"number", line.message_no},
                             {"text", Cp1252ToUtf8(line.text)},
                             {"result", Cp1252ToUtf8(line.result)}});
  }
  return {{"records", records},
          {"sections",
           {{"DatOther", Cp1252ToUtf8(program.DatOther)},
            {"DatPositions", Cp1252ToUtf8(program.DatPositions)},
            {"DatMotion", Cp1252ToUtf8(program.DatMotion)},
            {"DatTail", Cp1252ToUtf8(program.DatTail)}}},
          {"messages", message_array}};
}

}  // namespace velmora::cli

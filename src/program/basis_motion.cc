#include "program/basis_motion.h"

#include "base/strings.h"
#include "program/decl_search.h"
#include "program/line_record.h"
#include "program/text_view.h"

namespace velmora {
namespace {

// The value of parameter "n:" up to the next ","; the rest of the line when no "," follows.
std::string_view ParameterValue(std::string_view line, size_t at) {
  return UpTo(line, at, ",");
}

}  // namespace

std::string BasisPointName(std::string_view text, int motion_type, std::string* motion_data_name) {
  motion_data_name->clear();
  std::string_view line = FirstLine(text);
  std::string_view point_param, data_param;
  if (motion_type == kCirc) {
    point_param = "3:";
    data_param = "8:";
    if (!HasPart(line, "3:")) return std::string();
  } else {
    if (!HasPart(line, "1:") || !HasPart(line, "2:")) return std::string();
    point_param = "2:";
    data_param = HasPart(line, "7:") ? "7:" : "6:";
  }
  std::string name = "X" + Trim(ParameterValue(line, line.find(point_param) + point_param.size()));
  if (size_t at = line.find(data_param); at != kNpos) {
    std::string_view rest = Mid(line, at + data_param.size());
    size_t comma = rest.find(',');
    *motion_data_name = comma == kNpos ? std::string(rest) : Trim(rest.substr(0, comma));
  }
  return name;
}

std::string BasisAuxPointName(std::string_view text, int motion_type) {
  std::string_view line = FirstLine(text);
  if (motion_type != kCirc || !HasPart(line, "1:") || !HasPart(line, "2:")) return std::string();
  return "X" + Trim(ParameterValue(line, line.find("2:") + 2));
}

std::string BasisMotionData(const DeclSearch& motion, std::string_view point_name,
                            std::string_view motion_data_name) {
  std::string_view text = motion.text();
  std::string result;
  if (size_t at = motion.Find("FDAT", "F" + std::string(Mid(point_name, 1))); at != kNpos) {
    // Read to the end of the section when the declaration is its last line without line end.
    result = UpToCrLf(text, at + 5);
  }
  result.append(kCrLf);
  const std::string data_name(motion_data_name);
  if (size_t at = motion.Find("DECL PDAT", "P" + data_name); at != kNpos) {
    result.append(UpToCrLf(text, at + 10));
  } else if (size_t at2 = motion.Find("DECL LDAT", "L" + data_name); at2 != kNpos) {
    result.append(UpToCrLf(text, at2 + 10));
  }
  if (EndsWith(result, kCrLf)) result.resize(result.size() - 2);
  return result;
}

std::string BasisMotionData(std::string_view motion, std::string_view point_name,
                            std::string_view motion_data_name) {
  return BasisMotionData(DeclSearch(motion), point_name, motion_data_name);
}

}  // namespace velmora

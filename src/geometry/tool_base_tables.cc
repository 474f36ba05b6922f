#include "geometry/tool_base_tables.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"
#include "base/strings.h"
#include "base/wildcard.h"
#include "geometry/var_access.h"
#include "program/declarations.h"

namespace velmora {
namespace {

bool Show(VarAccess* controller, const std::string& name, std::string* answer) {
  std::string text;
  if (!controller || !controller->ShowVar(name, text)) return false;
  *answer = text;
  return true;
}

bool Set(VarAccess* controller, std::string_view name, const std::string& value) {
  return controller && controller->SetVar(name, value);
}

// The leading number of a text, rounded half to even.
int16_t LeadingInteger(std::string_view text) {
  return static_cast<int16_t>(std::clamp(std::nearbyint(ReadNumber(text)), -32768.0, 32767.0));
}

int ReadLimit(VarAccess* controller, const std::string& name) {
  std::string answer;
  if (!Show(controller, name, &answer)) return 16;
  double value = std::trunc(ReadNumber(answer.size() > 9 ? answer.substr(9) : std::string()));
  return static_cast<int>(std::clamp(value, 32.0, 128.0));
}

}  // namespace

std::string AnswerValue(std::string_view answer) {
  size_t eq = answer.find('=');
  return std::string(eq == std::string_view::npos ? answer : answer.substr(eq + 1));
}

ToolBaseIpo ParseToolText(std::string_view param) {
  ToolBaseIpo out;
  if (!MatchesPattern(param, "*TOOL_NO *,BASE_NO *")) return out;
  std::string after_tool = Trim(param.substr(param.find("TOOL_NO") + 7));
  std::string tool_text = after_tool.substr(0, after_tool.find(",BASE_NO"));
  // The base number ends at the next ","; without one it is the rest of the text.
  std::string_view after_base = param.substr(param.find("BASE_NO") + 7);
  std::string base_text = Trim(after_base.substr(0, after_base.find(',')));
  out.tool = LeadingInteger(tool_text);
  out.base = LeadingInteger(base_text);
  if (size_t ipo = param.find("IPO_FRAME"); ipo != std::string_view::npos) {
    std::string rest = Trim(param.substr(ipo + 9));
    if (Contains(rest, "#TCP,") || Contains(rest, "#BASE,")) {
      out.ipo = Trim(rest.substr(0, rest.find(',')));
    } else if (Contains(rest, "#TCP}") || Contains(rest, "#BASE}")) {
      out.ipo = Trim(rest.substr(0, rest.find('}')));
    }
  }
  return out;
}

int32_t IpoModeNumber(std::string_view ipo) {
  if (ipo == "#BASE") return 0;
  if (ipo == "#TCP") return 1;
  return -1;
}

bool ReadToolBaseData(VarAccess* controller, int tool, int base, FrameTables& tables) {
  bool ok = true;
  auto read = [&](const char* table, int n, std::string& entry) {
    ok = Show(controller, std::string(table) + "[" + std::to_string(n) + "]", &entry) && ok;
  };
  if (tool >= 0 && tool <= kMaxFrameIndex) {
    read("TOOL_DATA", tool, tables.tool_data[tool]);
    read("TOOL_TYPE", tool, tables.tool_type[tool]);
  } else {
    ok = false;
  }
  if (base >= 0 && base <= kMaxFrameIndex) {
    read("BASE_DATA", base, tables.base_data[base]);
    read("BASE_TYPE", base, tables.base_type[base]);
  } else {
    ok = false;
  }
  return ok;
}

Frame FrameOfText(std::string_view text) {
  std::string upper = ToUpper(text);
  return {ComponentValue(upper, "X "), ComponentValue(upper, "Y "), ComponentValue(upper, "Z "),
          ComponentValue(upper, "A "), ComponentValue(upper, "B "), ComponentValue(upper, "C ")};
}

bool SetControllerToolBase(VarAccess* controller, std::string_view param) {
  ToolBaseIpo parsed = ParseToolText(param);
  if (parsed.tool == -1 || parsed.base == -1) return false;
  if (parsed.ipo != "#TCP" && parsed.ipo != "#BASE") return false;
  if (!Set(controller, "$IPO_MODE", parsed.ipo)) return false;
  std::string tool = parsed.tool <= 0 ? std::string("$NULLFRAME")
                                      : "TOOL_DATA[" + std::to_string(parsed.tool) + "]";
  if (!Set(controller, "$TOOL", tool)) return false;
  std::string base = parsed.base <= 0 ? std::string("$NULLFRAME")
                                      : "BASE_DATA[" + std::to_string(parsed.base) + "]";
  return Set(controller, "$BASE", base);
}

int CountConfiguredFrames(VarAccess* controller, std::string_view prefix, int limit) {
  int count = 0;
  std::string answer;
  for (int i = 1; i <= limit; ++i) {
    if (!Show(controller, std::string(prefix) + std::to_string(i) + "]", &answer)) break;
    count = i;
  }
  return count;
}

ToolBaseLimits ReadToolBaseLimits(VarAccess* controller) {
  int tool_limit = ReadLimit(controller, "MAX_TOOL");
  int base_limit = ReadLimit(controller, "MAX_BASE");
  ToolBaseLimits limits;
  limits.MaxTool = static_cast<int16_t>(
      std::min(tool_limit, CountConfiguredFrames(controller, "TOOL_DATA[", tool_limit)));
  limits.MaxBase = static_cast<int16_t>(
      std::min(base_limit, CountConfiguredFrames(controller, "BASE_DATA[", base_limit)));
  return limits;
}

}  // namespace velmora

#include "app/app_state.h"

#include "base/strings.h"
#include "base/wildcard.h"

namespace velmora {

StartSwitches ReadCommandLine(std::string_view command_line) {
  const std::string upper = ToUpper(command_line);
  StartSwitches switches;
  switches.ConnectSwitch = MatchesPattern(upper, "*CONNECTTOZINTRA*");
  switches.OnlyTtsMode = MatchesPattern(upper, "*ONLYTTS*");
  return switches;
}

}  // namespace velmora

#pragma once
#include <string_view>

namespace velmora {

// Whole-text pattern match: "*" any run (also none), "?" any one character, "#" one digit;
// every other character matches itself, case-sensitively.
bool MatchesPattern(std::string_view text, std::string_view pattern);

}  // namespace velmora

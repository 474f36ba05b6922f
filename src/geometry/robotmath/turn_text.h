#pragma once
// Status and turn values as written in positions: decimal ("35"), binary ("'B100011'") or
// hexadecimal ("'H23'").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The turn with the bits of `mask` inverted, written in the form of the input (a binary text
// keeps at least its number of digits). nullopt for a text that is no such whole number.
std::optional<std::string> FlipTurnBits(std::string_view text, unsigned mask);

}  // namespace velmora

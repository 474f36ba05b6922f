#pragma once
// Base64 (RFC 4648, with padding) for file contents on the wire.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

std::string Base64Encode(std::string_view bytes);
// nullopt for a text that is not base64 (wrong alphabet, length or padding).
std::optional<std::string> Base64Decode(std::string_view text);

}  // namespace velmora

#include "geometry/robotmath/turn_text.h"

#include <charconv>

#include "base/strings.h"

namespace velmora {
namespace {

std::optional<unsigned> ParseDigits(std::string_view digits, int base) {
  unsigned value = 0;
  if (digits.empty()) return std::nullopt;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> FlipTurnBits(std::string_view text, unsigned mask) {
  std::string t = ToUpper(Trim(text));
  if (t.size() >= 3 && t[0] == '\'' && t.back() == '\'' && (t[1] == 'B' || t[1] == 'H')) {
    bool binary = t[1] == 'B';
    std::string_view digits = std::string_view(t).substr(2, t.size() - 3);
    std::optional<unsigned> value = ParseDigits(digits, binary ? 2 : 16);
    if (!value) return std::nullopt;
    unsigned flipped = *value ^ mask;
    char buffer[40];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, flipped, binary ? 2 : 16);
    std::string out(buffer, end);
    out = ToUpper(out);
    if (out.size() < digits.size()) out.insert(0, digits.size() - out.size(), '0');
    return std::string(1, '\'') + (binary ? 'B' : 'H') + out + "'";
  }
  std::optional<unsigned> value = ParseDigits(t, 10);
  if (!value) return std::nullopt;
  return std::to_string(*value ^ mask);
}

}  // namespace velmora

#include "geometry/position_text.h"

#include <charconv>
#include <cmath>

#include "base/strings.h"

namespace velmora {

std::string FormatNumber(double value) {
  if (value == 0.0 || !std::isfinite(value)) return "0";
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;  // to_chars never depends on the locale: the decimal point is always "."
}

std::string FormatPosition(double x, double y, double z, double a, double b, double c) {
  return "{X " + FormatNumber(x) + ",Y " + FormatNumber(y) + ",Z " + FormatNumber(z) + ",A " +
         FormatNumber(a) + ",B " + FormatNumber(b) + ",C " + FormatNumber(c) + "}";
}

std::string ComponentText(std::string_view text, std::string_view key) {
  size_t brace = text.find('{');
  if (brace == std::string_view::npos) return std::string();
  std::string t = Trim(text.substr(brace));
  size_t from = 0;
  if (size_t type = t.find("E6POS"); type != std::string::npos) from = type + 5;
  size_t at = t.find(key, from);
  if (at == std::string::npos) return std::string();
  std::string rest = Trim(std::string_view(t).substr(at + key.size()));
  size_t end = rest.find(',');
  if (end == std::string::npos) end = rest.find('}');
  if (end == std::string::npos) return std::string();
  return Trim(std::string_view(rest).substr(0, end));
}

void MergeMissingComponents(std::string_view old_text, std::string& new_value) {
  static constexpr std::string_view kNames[] = {"X ", "Y ",  "Z ",  "A ",  "B ",  "C ",  "S ",
                                                "T ", "E1 ", "E2 ", "E3 ", "E4 ", "E5 ", "E6 "};
  const std::string new_upper = ToUpper(new_value);
  if (size_t close = new_value.find('}'); close != std::string::npos) new_value.resize(close);
  std::string old_upper = ToUpper(old_text);
  if (size_t x = old_upper.find('X'); x != std::string::npos) old_upper = "{" + old_upper.substr(x);
  for (std::string_view name : kNames) {
    std::string old_component = ComponentText(old_upper, name);
    if (old_component.empty() || !ComponentText(new_upper, name).empty()) continue;
    new_value += ",";
    new_value += name;
    new_value += old_component;
  }
  new_value += "}";
}

}  // namespace velmora

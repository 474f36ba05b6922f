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

namespace {

// An aggregate prepared for component searches: the text from its first "{" on, trimmed, and
// where the search for a key starts (after "E6POS", so that a type prefix is skipped).
struct Aggregate {
  std::string_view t;
  size_t from = 0;
  bool valid = false;
};

std::string_view TrimmedView(std::string_view s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

Aggregate Prepare(std::string_view text) {
  Aggregate a;
  size_t brace = text.find('{');
  if (brace == std::string_view::npos) return a;
  a.t = TrimmedView(text.substr(brace));
  if (size_t type = a.t.find("E6POS"); type != std::string_view::npos) a.from = type + 5;
  a.valid = true;
  return a;
}

std::string_view Component(const Aggregate& a, std::string_view key) {
  if (!a.valid) return {};
  size_t at = a.t.find(key, a.from);
  if (at == std::string_view::npos) return {};
  std::string_view rest = TrimmedView(a.t.substr(at + key.size()));
  size_t end = rest.find(',');
  if (end == std::string_view::npos) end = rest.find('}');
  if (end == std::string_view::npos) return {};
  return TrimmedView(rest.substr(0, end));
}

}  // namespace

std::string ComponentText(std::string_view text, std::string_view key) {
  return std::string(Component(Prepare(text), key));
}

void MergeMissingComponents(std::string_view old_text, std::string& new_value) {
  static constexpr std::string_view kNames[] = {"X ", "Y ",  "Z ",  "A ",  "B ",  "C ",  "S ",
                                                "T ", "E1 ", "E2 ", "E3 ", "E4 ", "E5 ", "E6 "};
  const std::string new_upper = ToUpper(new_value);
  std::string old_upper = ToUpper(old_text);
  if (size_t x = old_upper.find('X'); x != std::string::npos) old_upper = "{" + old_upper.substr(x);
  const Aggregate old_aggregate = Prepare(old_upper);
  const Aggregate new_aggregate = Prepare(new_upper);
  if (size_t close = new_value.find('}'); close != std::string::npos) new_value.resize(close);
  for (std::string_view name : kNames) {
    std::string_view old_component = Component(old_aggregate, name);
    if (old_component.empty() || !Component(new_aggregate, name).empty()) continue;
    new_value.append(",").append(name).append(old_component);
  }
  new_value += "}";
}

}  // namespace velmora

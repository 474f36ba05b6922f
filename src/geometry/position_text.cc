#include "geometry/position_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iterator>

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

namespace {

// The merged components, in order, and the first place of each key in a prepared aggregate,
// found in one pass (the same places a search for each key would find).
constexpr std::string_view kMergedNames[] = {"X ", "Y ",  "Z ",  "A ",  "B ",  "C ",  "S ",
                                             "T ", "E1 ", "E2 ", "E3 ", "E4 ", "E5 ", "E6 "};
constexpr size_t kMergedCount = std::size(kMergedNames);

std::array<size_t, kMergedCount> KeyPlaces(const Aggregate& a) {
  std::array<size_t, kMergedCount> at;
  at.fill(std::string_view::npos);
  if (!a.valid) return at;
  constexpr std::string_view kLetters = "XYZABCST";  // the one-letter keys, in kMergedNames order
  const std::string_view t = a.t;
  for (size_t i = a.from; i + 1 < t.size(); ++i) {
    size_t k = std::string_view::npos;
    if (t[i + 1] == ' ') {
      k = kLetters.find(t[i]);
    } else if (t[i] == 'E' && t[i + 1] >= '1' && t[i + 1] <= '6' && i + 2 < t.size() &&
               t[i + 2] == ' ') {
      k = kLetters.size() + static_cast<size_t>(t[i + 1] - '1');
    }
    if (k != std::string_view::npos && at[k] == std::string_view::npos) at[k] = i;
  }
  return at;
}

// The value of the key found at `at` (see Component).
std::string_view ComponentAt(const Aggregate& a, size_t at, size_t key_size) {
  if (at == std::string_view::npos) return {};
  std::string_view rest = TrimmedView(a.t.substr(at + key_size));
  size_t end = rest.find(',');
  if (end == std::string_view::npos) end = rest.find('}');
  if (end == std::string_view::npos) return {};
  return TrimmedView(rest.substr(0, end));
}

}  // namespace

void MergeMissingComponents(std::string_view old_text, std::string& new_value) {
  const std::string new_upper = ToUpper(new_value);
  std::string old_upper = ToUpper(old_text);
  if (size_t x = old_upper.find('X'); x != std::string::npos) old_upper = "{" + old_upper.substr(x);
  const Aggregate old_aggregate = Prepare(old_upper);
  const Aggregate new_aggregate = Prepare(new_upper);
  const auto old_places = KeyPlaces(old_aggregate);
  const auto new_places = KeyPlaces(new_aggregate);
  if (size_t close = new_value.find('}'); close != std::string::npos) new_value.resize(close);
  for (size_t k = 0; k < kMergedCount; ++k) {
    const size_t key_size = kMergedNames[k].size();
    std::string_view old_component = ComponentAt(old_aggregate, old_places[k], key_size);
    if (old_component.empty() || !ComponentAt(new_aggregate, new_places[k], key_size).empty())
      continue;
    new_value.append(",").append(kMergedNames[k]).append(old_component);
  }
  new_value += "}";
}

}  // namespace velmora

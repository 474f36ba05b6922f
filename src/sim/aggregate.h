#pragma once
// Aggregate values of the robot language: "{X 1.0,Y 2.0}" as the data files hold them and
// "{FRAME: X 1.0, Y 2.0}" as the controller answers them.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::sim {

struct Aggregate {
  std::string type;  // upper case; empty when the text names none
  std::vector<std::pair<std::string, std::string>> components;  // upper-case name, value text

  const std::string* Find(std::string_view name) const;
  // Replaces the component or appends it.
  void Set(const std::string& name, std::string value);
};

// Parses "{[TYPE:] NAME value, ...}"; nested aggregates and quoted texts stay whole in their
// component's value. nullopt for anything else.
std::optional<Aggregate> ParseAggregate(std::string_view text);

// "{TYPE: N v, N v}" (the type left out when empty).
std::string AnswerForm(const Aggregate& value);
// "{N v,N v}".
std::string DataForm(const Aggregate& value);

// Reals as the controller writes them: fixed point, at most six decimals, at least one ("0.0").
std::string FormatReal(double value);
// A number text as a double; nullopt if the whole text is not one number.
std::optional<double> ParseReal(std::string_view text);

}  // namespace velmora::sim

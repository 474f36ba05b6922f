#pragma once
// Values of the simulated controller: a type name and the value's text in data-file form
// ("{X 1.0,Y 2.0}", "5", "1.5", "TRUE", "#BASE", "\"TEXT\""). The answer form is what a read
// of the variable returns ("{FRAME: X 1.0, Y 2.0}").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/aggregate.h"
#include "sim/sim_error.h"

namespace velmora::sim {

enum class Kind { kInt, kReal, kBool, kChar, kEnum, kStruct };

struct Value {
  std::string type;  // upper case
  std::string text;  // data-file form
};

// A reference to a variable: NAME, NAME[3] or NAME[] (a whole character array).
struct VarRef {
  std::string name;  // upper case
  std::optional<int> index;
  bool whole_array = false;
  // The key a data list stores the value under: "NAME" or "NAME[3]".
  std::string Key() const;
};
// nullopt for a text that is not a reference.
std::optional<VarRef> ParseVarRef(std::string_view text);

Kind KindOf(std::string_view type);
// The components a geometric type has, in order; empty for other types.
const std::vector<std::string>& ComponentsOf(std::string_view type);
// The geometric type an aggregate without a type name has: E6AXIS, AXIS, E6POS, POS or FRAME;
// empty when it is none of them.
std::string InferType(const Aggregate& value);

std::string AnswerText(const Value& value);

// The value `text` (a literal, in data-file or answer form) assigned to a variable of `type`
// whose value is `current` (empty when unassigned). Aggregates assign component by component.
bool Assign(std::string_view type, std::string_view current, const Value& text, Value* result,
            SimError* error);

}  // namespace velmora::sim

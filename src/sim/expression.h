#pragma once
// Expressions the controller evaluates where a variable name or a value is expected:
//
//   expr  := term { ":" term }                    frames composed left to right
//   term  := "(" expr ")" | INV_POS "(" expr ")" | FORWARD "(" args ")" | INVERSE "(" args ")"
//          | aggregate | number | "#"name | "\"text\"" | TRUE | FALSE | variable
//
// A ":" result has the type of its right operand (S, T and external axes kept from it);
// INV_POS keeps the type of its operand. FORWARD (axis, status) and INVERSE (pos, [start
// axis,] status) go to the kinematics hooks; the trailing status argument is not evaluated.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sim/aggregate.h"
#include "sim/value.h"

namespace velmora::sim {

struct ExpressionHooks {
  std::function<bool(const VarRef& ref, Value* value, SimError* error)> read;
  std::function<bool(const Aggregate& axes, Value* pos, SimError* error)> forward;
  std::function<bool(const Aggregate& pos, const std::optional<Aggregate>& start, Value* axes,
                     SimError* error)>
      inverse;
};

bool Evaluate(std::string_view text, const ExpressionHooks& hooks, Value* value, SimError* error);

}  // namespace velmora::sim

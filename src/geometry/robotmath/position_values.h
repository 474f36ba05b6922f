#pragma once
// Finding and rewriting the position values of a declarations text, for the routines that
// transform whole texts (mirroring, position change). Values follow geometry/frame.h.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "geometry/frame.h"
#include "geometry/robotmath/aggregate_parser.h"

namespace velmora {

enum class PositionKind { kCartesian, kAxis };

// One position value found in a text: its kind, its aggregate text and what was read from it.
struct PositionValue {
  PositionKind kind = PositionKind::kCartesian;
  std::string_view aggregate;  // "{" .. "}"
  AggregateParser parsed;      // spans relative to `aggregate`
  Frame frame;                 // kCartesian: X..C
  double axes[6] = {};         // kAxis: A1..A6
};

// Builds the text anew with every position value passed through `change`, which returns the
// new aggregate text or nullopt to fail the whole text (the result is then nullopt too).
// A position value is the aggregate of a line "DECL [GLOBAL|CONST] <type> name=..." with type
// E6POS, E3POS, POS (Cartesian) or E6AXIS, E3AXIS, AXIS (axis), or of a line "name={...}" or
// "{...}" without DECL whose components hold X or A1. Such a value must hold all six numeric
// components of its kind, else the text fails. Comment lines and every other line, and all
// line ends, stay as they are.
std::optional<std::string> TransformPositionValues(
    std::string_view text,
    const std::function<std::optional<std::string>(const PositionValue&)>& change);

// The aggregate text with the values of the named components replaced; other text unchanged.
struct ComponentEdit {
  std::string_view name;
  std::string value;
};
std::string RewriteComponents(const PositionValue& value, const std::vector<ComponentEdit>& edits);

// The Cartesian components of a rewritten position.
std::vector<ComponentEdit> FrameEdits(const Frame& f);

}  // namespace velmora

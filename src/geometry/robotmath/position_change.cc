#include "geometry/robotmath/position_change.h"

#include <map>
#include <optional>

#include "base/strings.h"
#include "geometry/frame.h"
#include "geometry/robotmath/position_values.h"
#include "geometry/robotmath/result_buffer.h"
#include "geometry/robotmath/robot_math.h"

namespace velmora {
namespace {

struct Setup {
  Transform base, tool, root;
  bool tcp = false;  // "#TCP"
};

std::optional<Transform> ReadFrame(std::string_view text) {
  AggregateParser parsed;
  if (!parsed.Parse(text)) return std::nullopt;
  double v[6] = {};
  const char* keys[] = {"X", "Y", "Z", "A", "B", "C"};
  for (int i = 0; i < 6; ++i) {
    const AggregateItem* item = parsed.Find(keys[i]);
    if (item && !ParseNumber(item->value, &v[i])) return std::nullopt;
  }
  return ToTransform({v[0], v[1], v[2], v[3], v[4], v[5]});
}

std::optional<bool> ReadMode(std::string_view text) {
  std::string mode = ToUpper(Trim(text));
  if (mode == "#BASE") return false;
  if (mode == "#TCP") return true;
  return std::nullopt;
}

// The old and new setup, or nullopt when a line is missing or cannot be read.
std::optional<std::pair<Setup, Setup>> ReadConfig(std::string_view config) {
  std::map<std::string, std::string> values;  // lower-case key -> value text
  std::string_view rest = config;
  while (!rest.empty()) {
    size_t eol = rest.find('\n');
    std::string_view line = rest.substr(0, eol);
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    values[ToLower(Trim(line.substr(0, eq)))] = Trim(ReplaceAll(line.substr(eq + 1), "\r", ""));
  }
  Setup setups[2];
  const char* prefixes[] = {"old_", "new_"};
  for (int i = 0; i < 2; ++i) {
    std::string p = prefixes[i];
    auto base = ReadFrame(values[p + "base"]);
    auto tool = ReadFrame(values[p + "tool"]);
    auto root = ReadFrame(values[p + "robroot"]);
    auto mode = ReadMode(values[p + "ipo_mode"]);
    if (!base || !tool || !root || !mode) return std::nullopt;
    setups[i] = {*base, *tool, *root, *mode};
  }
  return std::make_pair(setups[0], setups[1]);
}

Transform FlangeOf(const Setup& s, const Transform& point) {
  Transform p = s.tcp ? point.inverse(Eigen::Isometry) : point;
  return s.root.inverse(Eigen::Isometry) * s.base * p * s.tool.inverse(Eigen::Isometry);
}

Transform PointOf(const Setup& s, const Transform& flange) {
  Transform p = s.base.inverse(Eigen::Isometry) * s.root * flange * s.tool;
  return s.tcp ? p.inverse(Eigen::Isometry) : p;
}

}  // namespace

void chg_pos_SIRL_file(std::string& buffer, std::string_view points, std::string_view config) {
  auto setups = ReadConfig(config);
  std::optional<std::string> result;
  if (setups) {
    const auto& [from, to] = *setups;
    result = TransformPositionValues(points, [&](const PositionValue& value) {
      if (value.kind == PositionKind::kAxis) return std::optional<std::string>(value.aggregate);
      Frame moved = RoundedFrame(ToFrame(PointOf(to, FlangeOf(from, ToTransform(value.frame)))));
      return std::optional<std::string>(RewriteComponents(value, FrameEdits(moved)));
    });
  }
  WriteResult(buffer, result.value_or(""));
}

}  // namespace velmora

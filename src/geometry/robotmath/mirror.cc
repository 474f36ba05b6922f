#include "geometry/robotmath/mirror.h"

#include <map>
#include <optional>

#include "base/numbers.h"
#include "base/strings.h"
#include "geometry/position_text.h"
#include "geometry/robotmath/position_values.h"
#include "geometry/robotmath/result_buffer.h"
#include "geometry/robotmath/robot_math.h"
#include "geometry/robotmath/turn_text.h"

namespace velmora {
namespace {

struct Mirror {
  Eigen::Matrix3d linear;  // det -1
  Eigen::Vector3d offset;
  Eigen::Vector3d Apply(const Eigen::Vector3d& p) const { return linear * p + offset; }
};

std::optional<Eigen::Vector3d> ReadPoint(const std::map<std::string, std::string>& lines,
                                         const std::string& name) {
  auto it = lines.find(name);
  AggregateParser parsed;
  if (it == lines.end() || !parsed.Parse(it->second)) return std::nullopt;
  Eigen::Vector3d p;
  const char* keys[] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i) {
    const AggregateItem* item = parsed.Find(keys[i]);
    if (!item || !ParseNumber(item->value, &p[i])) return std::nullopt;
  }
  return p;
}

std::optional<Mirror> ReadDefinition(std::string_view definition) {
  std::map<std::string, std::string> lines;  // lower-case name -> the text from "{" on
  std::string_view rest = definition;
  while (!rest.empty()) {
    size_t eol = rest.find('\n');
    std::string line = Trim(ReplaceAll(rest.substr(0, eol), "\r", ""));
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    size_t brace = line.find('{');
    if (brace == std::string::npos) continue;
    std::string name = ToLower(Trim(ReplaceAll(line.substr(0, brace), "=", "")));
    lines.emplace(name, line.substr(brace));
  }
  Eigen::Vector3d s[3], d[3];
  for (int i = 0; i < 3; ++i) {
    auto src = ReadPoint(lines, "src" + std::to_string(i + 1));
    auto dest = ReadPoint(lines, "dest" + std::to_string(i + 1));
    if (!src || !dest) return std::nullopt;
    s[i] = *src;
    d[i] = *dest;
  }
  Frame fs, fd;
  if (!FrameFromThreePoints(s[0], s[1], s[2], &fs) || !FrameFromThreePoints(d[0], d[1], d[2], &fd))
    return std::nullopt;
  Eigen::Matrix3d flip = Eigen::Vector3d(1, 1, -1).asDiagonal();
  Mirror m;
  m.linear = ToTransform(fd).linear() * flip * ToTransform(fs).linear().transpose();
  m.offset = d[0] - m.linear * s[0];
  return m;
}

std::optional<std::string> MirrorValue(const Mirror& m, const PositionValue& value) {
  if (value.kind == PositionKind::kAxis) {
    std::vector<ComponentEdit> edits;
    for (int axis : {0, 3, 5})
      edits.push_back({value.parsed.Find("A" + std::to_string(axis + 1))->name,
                       FormatNumber(-value.axes[axis])});
    return RewriteComponents(value, edits);
  }
  Transform pose = ToTransform(value.frame);
  Eigen::Matrix3d reverse_y = Eigen::Vector3d(1, -1, 1).asDiagonal();
  Transform mirrored = Transform::Identity();
  mirrored.translation() = m.Apply(pose.translation());
  mirrored.linear() = m.linear * pose.linear() * reverse_y;
  std::vector<ComponentEdit> edits = FrameEdits(RoundedFrame(ToFrame(mirrored)));
  if (const AggregateItem* turn = value.parsed.Find("T")) {
    std::optional<std::string> flipped = FlipTurnBits(turn->value, 1 | 8 | 32);
    if (!flipped) return std::nullopt;
    edits.push_back({"T", *flipped});
  }
  return RewriteComponents(value, edits);
}

}  // namespace

void mirror_SIRL_file(std::string& buffer, std::string_view points, std::string_view definition,
                      int32_t /*ori_mode*/, int32_t /*symm_plane*/) {
  // A pass mirrors point after point with the same definition: read it once.
  thread_local std::string last_definition;
  thread_local std::optional<Mirror> last_mirror;
  if (last_definition.empty() || definition != last_definition) {
    last_mirror = ReadDefinition(definition);
    last_definition = definition;
  }
  const std::optional<Mirror>& mirror = last_mirror;
  std::optional<std::string> result;
  if (mirror) {
    result = TransformPositionValues(
        points, [&](const PositionValue& value) { return MirrorValue(*mirror, value); });
  }
  if (!result) {
    WriteResult(buffer, "");
    return;
  }
  if (result->size() >= 2 && result->ends_with("\r\n")) {
    result->resize(result->size() - 2);
  } else if (!result->empty() && result->back() == '\n') {
    result->pop_back();
  }
  WriteResult(buffer, *result);
}

}  // namespace velmora

#include "geometry/robotmath/position_values.h"

#include <algorithm>

#include "base/strings.h"
#include "geometry/position_text.h"
#include "program/text_view.h"

namespace velmora {
namespace {

constexpr std::string_view kCartesianTypes[] = {"E6POS", "E3POS", "POS"};
constexpr std::string_view kAxisTypes[] = {"E6AXIS", "E3AXIS", "AXIS"};
constexpr std::string_view kCartesianNames[] = {"X", "Y", "Z", "A", "B", "C"};
constexpr std::string_view kAxisNames[] = {"A1", "A2", "A3", "A4", "A5", "A6"};

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$';
}

// The next blank-separated word of `text` from `pos` on (pos moves past it).
std::string NextWord(std::string_view text, size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  size_t begin = pos;
  while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') ++pos;
  return ToUpper(text.substr(begin, pos - begin));
}

template <size_t N>
bool OneOf(std::string_view word, const std::string_view (&list)[N]) {
  return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

enum class LineVerdict { kKeep, kValue, kFail };

// Where the position value of a line starts, and of what kind it is.
LineVerdict ClassifyLine(std::string_view line, size_t* brace, PositionKind* kind, bool* declared) {
  std::string_view t = line.substr(0, line.find_last_not_of(" \t") + 1);
  size_t first = t.find_first_not_of(" \t");
  if (first == std::string_view::npos || t[first] == ';') return LineVerdict::kKeep;
  size_t pos = first;
  if (NextWord(t, pos) == "DECL") {
    std::string type = NextWord(t, pos);
    while (type == "GLOBAL" || type == "CONST") type = NextWord(t, pos);
    if (OneOf(type, kCartesianTypes)) {
      *kind = PositionKind::kCartesian;
    } else if (OneOf(type, kAxisTypes)) {
      *kind = PositionKind::kAxis;
    } else {
      return LineVerdict::kKeep;
    }
    size_t eq = t.find('=', pos);
    if (eq == std::string_view::npos) return LineVerdict::kKeep;  // declared without a value
    *brace = t.find('{', eq);
    *declared = true;
    return *brace == std::string_view::npos ? LineVerdict::kFail : LineVerdict::kValue;
  }
  // "name={...}" or "{...}"
  size_t open = t.find('{', first);
  if (open == std::string_view::npos) return LineVerdict::kKeep;
  std::string_view head = TrimView(t.substr(first, open - first));
  if (!head.empty()) {
    if (head.back() != '=') return LineVerdict::kKeep;
    std::string_view name = TrimView(head.substr(0, head.size() - 1));
    if (name.empty() || !std::all_of(name.begin(), name.end(), IsNameChar))
      return LineVerdict::kKeep;
  }
  *brace = open;
  *declared = false;
  return LineVerdict::kValue;
}

bool ReadNumbers(const AggregateParser& parsed, const std::string_view (&names)[6], double* out) {
  for (int i = 0; i < 6; ++i) {
    const AggregateItem* item = parsed.Find(names[i]);
    if (!item || !ParseNumber(item->value, &out[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> TransformPositionValues(
    std::string_view text,
    const std::function<std::optional<std::string>(const PositionValue&)>& change) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = pos;
    while (eol < text.size() && text[eol] != '\r' && text[eol] != '\n') ++eol;
    if (eol == text.size()) eol = std::string_view::npos;
    std::string_view line = text.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
    size_t next = eol == std::string_view::npos ? text.size() : eol + 1;
    if (eol != std::string_view::npos && text[eol] == '\r' && next < text.size() &&
        text[next] == '\n')
      ++next;
    std::string_view line_end = text.substr(pos + line.size(), next - pos - line.size());
    pos = next;

    size_t brace = 0;
    bool declared = false;
    PositionValue value;
    LineVerdict verdict = ClassifyLine(line, &brace, &value.kind, &declared);
    if (verdict == LineVerdict::kFail) return std::nullopt;
    if (verdict == LineVerdict::kKeep) {
      out.append(line).append(line_end);
      continue;
    }
    std::string_view rest = line.substr(brace);
    if (!value.parsed.Parse(rest)) {
      if (declared) return std::nullopt;
      out.append(line).append(line_end);
      continue;
    }
    value.aggregate = rest.substr(0, value.parsed.end());
    if (!declared) {
      if (value.parsed.Find("X")) {
        value.kind = PositionKind::kCartesian;
      } else if (value.parsed.Find("A1")) {
        value.kind = PositionKind::kAxis;
      } else {
        out.append(line).append(line_end);
        continue;
      }
    }
    double numbers[6];
    bool complete = value.kind == PositionKind::kCartesian
                        ? ReadNumbers(value.parsed, kCartesianNames, numbers)
                        : ReadNumbers(value.parsed, kAxisNames, numbers);
    if (!complete) return std::nullopt;
    if (value.kind == PositionKind::kCartesian) {
      value.frame = {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
    } else {
      std::copy(numbers, numbers + 6, value.axes);
    }
    std::optional<std::string> replaced = change(value);
    if (!replaced) return std::nullopt;
    out.append(line.substr(0, brace))
        .append(*replaced)
        .append(rest.substr(value.aggregate.size()))
        .append(line_end);
  }
  return out;
}

std::string RewriteComponents(const PositionValue& value, const std::vector<ComponentEdit>& edits) {
  struct Span {
    size_t begin, end;
    const std::string* text;
  };
  std::vector<Span> spans;
  for (const ComponentEdit& edit : edits) {
    if (const AggregateItem* item = value.parsed.Find(edit.name))
      spans.push_back({item->value_begin, item->value_end, &edit.value});
  }
  std::sort(spans.begin(), spans.end(),
            [](const Span& a, const Span& b) { return a.begin < b.begin; });
  std::string out;
  size_t at = 0;
  for (const Span& s : spans) {
    out.append(value.aggregate.substr(at, s.begin - at)).append(*s.text);
    at = s.end;
  }
  out.append(value.aggregate.substr(at));
  return out;
}

std::vector<ComponentEdit> FrameEdits(const Frame& f) {
  return {{"X", FormatNumber(f.x)}, {"Y", FormatNumber(f.y)}, {"Z", FormatNumber(f.z)},
          {"A", FormatNumber(f.a)}, {"B", FormatNumber(f.b)}, {"C", FormatNumber(f.c)}};
}

}  // namespace velmora

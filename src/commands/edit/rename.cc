#include "commands/edit/rename.h"

#include <string>

#include "base/strings.h"
#include "program/declarations.h"
#include "program/line_record.h"
#include "program/lines.h"

namespace velmora {
namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$';
}

bool OneOf(char c, std::string_view set) {
  return set.find(c) != std::string_view::npos;
}

// Replaces every occurrence of `name` that stands as a word: at the line start or after a blank,
// ",", ";" or ":", and before one of those or the line end. True when one was replaced.
bool ReplaceWord(std::string& line, std::string_view name, std::string_view replacement) {
  bool replaced = false;
  for (size_t at = line.find(name); at != std::string::npos; at = line.find(name, at)) {
    const size_t end = at + name.size();
    const bool starts = at == 0 || OneOf(line[at - 1], " ,;:");
    const bool ends = end == line.size() || OneOf(line[end], " ,;:");
    if (starts && ends) {
      line.replace(at, name.size(), replacement);
      at += replacement.size();
      replaced = true;
    } else {
      at = end;
    }
  }
  return replaced;
}

// Replaces the first `name` that is not followed by a character of a longer name.
bool ReplaceNameEnd(std::string& text, std::string_view name, std::string_view replacement,
                    bool all) {
  bool replaced = false;
  for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
    const size_t end = at + name.size();
    if (end < text.size() && IsNameChar(text[end])) {
      at = end;
      continue;
    }
    text.replace(at, name.size(), replacement);
    at += replacement.size();
    replaced = true;
    if (!all) break;
  }
  return replaced;
}

// The fold line of a TP_BASIS motion: the title shows the point without its "X" between blanks
// (or before the ";" that ends the title); the parameter 2: or 3: holds it.
void RenameInFoldLine(std::string& line, std::string_view old_short, std::string_view new_short) {
  for (size_t at = line.find(old_short); at != std::string::npos;
       at = line.find(old_short, at + 1)) {
    const size_t end = at + old_short.size();
    if (at > 0 && line[at - 1] == ' ' && end < line.size() && OneOf(line[end], " ;")) {
      line.replace(at, old_short.size(), new_short);
      break;
    }
  }
  for (std::string_view marker : {"2:", "3:"}) {
    const size_t at = line.find(marker);
    if (at == std::string::npos) continue;
    const size_t from = at + marker.size();
    const size_t comma = line.find(',', from);
    const size_t to = comma == std::string::npos ? line.size() : comma;
    if (Trim(std::string_view(line).substr(from, to - from)) != old_short) continue;
    const size_t name_at = line.find(old_short, from);
    line.replace(name_at, old_short.size(), new_short);
    break;
  }
}

}  // namespace

void RenamePointInSection(std::string_view old_name, std::string_view new_name,
                          LineRecord& record) {
  if (old_name.size() < 2 || new_name.size() < 2) return;
  const std::string_view old_short = old_name.substr(1);
  const std::string_view new_short = new_name.substr(1);
  std::string_view rest = record.Text;
  std::string result;
  bool first = true;
  while (!rest.empty()) {
    std::string line(PopLine(rest));
    if (record.Syntax == 2 && first) {
      RenameInFoldLine(line, old_short, new_short);
    } else if (!ReplaceWord(line, old_name, new_name) && record.Syntax == 2) {
      // The frame-data reference FDAT_ACT=F<point without X>.
      ReplaceNameEnd(line, "F" + std::string(old_short), "F" + std::string(new_short), false);
    }
    result.append(line).append(kCrLf);
    first = false;
  }
  record.Text = std::move(result);
}

void RenameMotionData(std::string_view old_point, std::string_view new_point,
                      MotionDataCounters& counters, LineRecord& record, MotionDataSlot slot) {
  std::string& data = slot == MotionDataSlot::kFirst ? record.MotionData : record.MotionData2;
  if (old_point.size() < 2 || new_point.size() < 2) return;
  const std::string old_short = ToUpper(old_point.substr(1));
  const std::string new_short(new_point.substr(1));

  std::string_view rest = data;
  std::string line1(PopLine(rest));
  std::string line2(PopLine(rest));
  // The frame-data line is F<point without X>={...}; the other one holds PDAT or LDAT.
  const std::string frame_start = "F" + old_short + "=";
  auto names_frame = [&](const std::string& line) {
    return ToUpper(TrimLeft(line)).starts_with(frame_start);
  };
  const bool first_is_frame =
      names_frame(line1) || (!names_frame(line2) && !line2.starts_with("F"));
  std::string frame = first_is_frame ? line1 : line2;
  std::string motion = first_is_frame ? line2 : line1;

  if (names_frame(frame)) {
    frame = "F" + new_short + "=" + ValueAfterEquals(frame);
  }

  struct Kind {
    std::string_view word, short_name, long_prefix;
    int* counter;
  };
  const Kind kinds[] = {{"PPDAT", "PDAT", "PPDAT", &counters.pdat},
                        {"LCPDAT", "CPDAT", "LCPDAT", &counters.lcpdat},
                        {"PDEFAULT", "PDAT", "PPDAT", &counters.pdat},
                        {"LDEFAULT", "CPDAT", "LCPDAT", &counters.lcpdat}};
  const std::string upper_motion = ToUpper(motion);
  for (const Kind& kind : kinds) {
    const size_t at = upper_motion.find(kind.word);
    if (at == std::string::npos) continue;
    const size_t equals = motion.find('=', at);
    if (equals == std::string::npos) break;
    const std::string old_data = Trim(std::string_view(motion).substr(at, equals - at));
    const std::string number = std::to_string(*kind.counter);
    if (old_data.size() > 1) {
      ReplaceNameEnd(record.Text, old_data.substr(1), std::string(kind.short_name) + number, true);
    }
    motion = std::string(kind.long_prefix) + number + "=" + ValueAfterEquals(motion);
    ++*kind.counter;
    break;
  }
  data = frame + std::string(kCrLf) + motion + std::string(kCrLf);
}

}  // namespace velmora

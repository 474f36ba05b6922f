#include "program/lines.h"

#include <algorithm>

#include "base/strings.h"
#include "program/text_view.h"

namespace velmora {
namespace {

std::string WithCrLf(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 2);
  out.append(line).append(kCrLf);
  return out;
}

// Every LF follows a CR, and there are as many CRs as LFs: then every CR has its own LF.
bool IsCrLfOnly(std::string_view text) {
  size_t line_feeds = 0;
  for (size_t at = text.find('\n'); at != kNpos; at = text.find('\n', at + 1)) {
    if (at == 0 || text[at - 1] != '\r') return false;
    ++line_feeds;
  }
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\r')) == line_feeds;
}

}  // namespace

CrLfText::CrLfText(std::string_view text) : text_(text) {
  if (!IsCrLfOnly(text)) {
    normalised_ = NormalizeLineEnds(text);
    text_ = normalised_;
  }
}

std::string_view PopLine(std::string_view& text) {
  size_t cr = text.find('\r');
  if (cr == kNpos) {
    std::string_view line = text;
    text = {};
    return line;
  }
  std::string_view line = text.substr(0, cr);
  text.remove_prefix(cr + 1);
  if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  return line;
}

std::string ReadHeader(std::string_view& text) {
  std::string header;
  while (!text.empty()) {
    std::string_view line = PopLine(text);
    header.append(line).append(kCrLf);
    if (StartsWith(TrimView(line), "DEF ")) break;
  }
  return header;
}

std::string NextLogicalLine(std::string_view& text) {
  int depth = 0;
  bool in_fold = false;
  std::string result;
  while (!text.empty()) {
    const std::string_view before = text;
    std::string_view line = TrimView(PopLine(text));
    if (line.empty() || line.front() != ';') {
      if (!in_fold) return WithCrLf(line);
      result.append("    ").append(line).append(kCrLf);
      continue;
    }
    std::string_view rest = TrimView(line.substr(1));
    if (StartsWithNoCase(rest, "FOLD")) {
      in_fold = true;
      if (depth == kMaxFoldDepth) {
        // A fold below the third level is not dropped: the line goes back to the text and
        // starts the next logical line, so a load and save keeps every line.
        text = before;
        return result;
      }
      ++depth;
    } else if (StartsWithNoCase(rest, "ENDFOLD")) {
      // A ";ENDFOLD" that closes no fold is kept as a logical line of its own.
      if (depth == 0) return WithCrLf(line);
      if (--depth == 0) return result.append(line).append(kCrLf);
    } else if (!in_fold) {
      return WithCrLf(line);
    }
    if (depth > 0) result.append(line).append(kCrLf);
  }
  return result;
}

}  // namespace velmora

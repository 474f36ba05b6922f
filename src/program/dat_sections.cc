#include "program/dat_sections.h"

#include "base/strings.h"
#include "program/lines.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {
namespace {

void DropTrailingCrLfs(std::string& text) {
  while (EndsWith(text, kCrLf)) text.resize(text.size() - 2);
}

// The substrings that sort a data line, found in one pass over the line (the same answers as a
// search for each of them).
struct DatLineParts {
  bool enddat = false, position = false, external = false, motion = false;
  explicit DatLineParts(std::string_view line) {
    // line[i] is part[0] already.
    auto at = [&](size_t i, std::string_view part) {
      if (line.size() - i < part.size()) return false;
      for (size_t n = 1; n < part.size(); ++n) {
        if (line[i + n] != part[n]) return false;
      }
      return true;
    };
    for (size_t i = 0; i < line.size(); ++i) {
      switch (line[i]) {
        case 'E':
          enddat = enddat || at(i, "ENDDAT");
          external = external || at(i, "EXT ");
          break;
        case 'A':
          position = position || at(i, "AXIS ");
          break;
        case 'P':
          position = position || at(i, "POS ");
          break;
        case ' ':
          motion = motion || at(i, " LDAT ") || at(i, " FDAT ") || at(i, " PDAT ");
          break;
        default:
          break;
      }
    }
  }
};

}  // namespace

void SplitDatSections(Program& program, std::string_view dat_text) {
  program.DatOther.clear();
  program.DatPositions.clear();
  program.DatMotion.clear();
  program.DatTail.clear();
  bool in_tail = false;
  while (!dat_text.empty()) {
    std::string_view line = PopLine(dat_text);
    const DatLineParts parts(line);
    in_tail = in_tail || parts.enddat;
    std::string* section = &program.DatOther;
    if (in_tail) {
      section = &program.DatTail;
    } else if (parts.position && !parts.external) {
      section = &program.DatPositions;
    } else if (parts.motion) {
      section = &program.DatMotion;
    }
    section->append(line).append(kCrLf);
  }
}

std::string BuildDatText(Program& program) {
  std::string text = program.DatOther;
  DropTrailingCrLfs(text);
  for (std::string* section : {&program.DatPositions, &program.DatMotion, &program.DatTail}) {
    DropTrailingCrLfs(*section);
    if (!EndsWith(text, kCrLf)) text.append(kCrLf);
    text.append(*section);
  }
  return text;
}

}  // namespace velmora

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

}  // namespace

void SplitDatSections(Program& program, std::string_view dat_text) {
  program.DatOther.clear();
  program.DatPositions.clear();
  program.DatMotion.clear();
  program.DatTail.clear();
  bool in_tail = false;
  while (!dat_text.empty()) {
    std::string_view line = PopLine(dat_text);
    in_tail = in_tail || Contains(line, "ENDDAT");
    std::string* section = &program.DatOther;
    if (in_tail) {
      section = &program.DatTail;
    } else if ((Contains(line, "AXIS ") || Contains(line, "POS ")) && !Contains(line, "EXT ")) {
      section = &program.DatPositions;
    } else if (Contains(line, " LDAT ") || Contains(line, " FDAT ") || Contains(line, " PDAT ")) {
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

#pragma once
// Recognising motions and filling a record's motion fields (MotionType, point names, their
// declarations and motion data) from its text and the data sections.
#include <cstdint>
#include <string_view>

#include "program/decl_search.h"
#include "program/declarations.h"

namespace velmora {

class Program;
struct LineRecord;

// 1 PTP, 2 LIN, 3 CIRC, 4 a user motion command, else 0 (first match wins, case-sensitive).
int16_t MotionTypeOf(const Program& program, std::string_view text);

// The searches ParseMotionRecord makes in DatPositions and DatMotion. A pass over the whole
// table builds one indexed set; a single call uses straight searches. Valid while the sections
// stay unchanged.
class MotionLookups {
 public:
  MotionLookups(const Program& program, bool indexed);
  const PositionsLookup& positions() const { return positions_; }
  const DeclSearch& motion() const { return motion_; }

 private:
  PositionsLookup positions_;
  DeclSearch motion_;
};

// Keywords DatMotion is searched by.
inline constexpr std::string_view kMotionKeywords[] = {"FDAT", "DECL PDAT", "DECL LDAT",
                                                       "DECL FDAT"};

// Fills the motion fields of record k once: nothing happens while its Parsed flag is set.
// A re-parse (after a command cleared Parsed) starts from empty motion fields.
void ParseMotionRecord(Program& program, int k);
void ParseMotionRecord(Program& program, LineRecord& record, const MotionLookups& lookups);
// The same for a pass that already knows the MotionTypeOf and TechnologyPackage of the text.
void ParseMotionRecord(Program& program, LineRecord& record, const MotionLookups& lookups,
                       int16_t type, std::string_view package);

}  // namespace velmora

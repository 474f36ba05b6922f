#include <gtest/gtest.h>

#include "base/strings.h"
#include "commands/edit/clipboard_commands.h"
#include "commands/edit/edit_fixtures.h"
#include "program/declarations.h"

namespace velmora {
namespace {

using test::kBasisDat;
using test::kBasisSrc;
using test::Loaded;

// The clipboard of the path PTP P1, LIN P2, CIRC P3 P4, LIN P5 (records 4 to 7).
Clipboard CopyPath(Program& p) {
  Clipboard clipboard;
  p.BlockStart = 4, p.BlockEnd = 8;
  EXPECT_TRUE(CopySections(p, clipboard, true));
  EXPECT_EQ(clipboard.count(), 4);
  return clipboard;
}

// What an inserted motion is: its kind, where it goes (the value of which original point),
// its auxiliary point's value, and its motion data's names.
struct Motion {
  std::string kind;  // first word of the fold title
  std::string target_value_of, aux_value_of;
  std::string point, frame_data, motion_data;
};

// The original point a value belongs to.
std::string OriginalOf(const Program& original, const std::string& declaration) {
  const std::string value = ValueAfterEquals(declaration);
  for (const char* name : {"XP1", "XP2", "XP3", "XP4", "XP5", "XHOME"}) {
    if (ValueAfterEquals(
            FindPointDecl(const_cast<Program&>(original), original.DatPositions, name)) == value)
      return name;
  }
  return "?";
}

std::vector<Motion> Inserted(const Program& original, const Program& p, int first, int count) {
  std::vector<Motion> motions;
  for (int k = first; k < first + count; ++k) {
    const LineRecord& r = p.Record(k);
    std::string_view data = r.MotionData;
    const std::string frame(DeclaredName("DECL F " + std::string(PopLine(data))));
    const std::string motion(DeclaredName("DECL M " + std::string(PopLine(data))));
    motions.push_back({r.FoldTitle.substr(0, r.FoldTitle.find(' ')),
                       OriginalOf(original, r.Point1Decl),
                       r.Point2Decl.empty() ? "" : OriginalOf(original, r.Point2Decl), r.Point1Name,
                       frame, motion});
  }
  return motions;
}

void ExpectMotions(const std::vector<Motion>& actual, const std::vector<Motion>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    const Motion &a = actual[i], &e = expected[i];
    EXPECT_EQ(a.kind, e.kind) << i;
    EXPECT_EQ(a.target_value_of, e.target_value_of) << i;
    EXPECT_EQ(a.aux_value_of, e.aux_value_of) << i;
    EXPECT_EQ(a.point, e.point) << i;
    EXPECT_EQ(a.frame_data, e.frame_data) << i;
    EXPECT_EQ(a.motion_data, e.motion_data) << i;
  }
}

TEST(ReversePath, FromTheLastPointTheMotionsRunBackwards) {
  // The robot stands at P5: LIN to P4, the circle back through P3 to P2, LIN to P1.
  Loaded original(kBasisDat, kBasisSrc);
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyPath(p);
  p.CurrentLine = 7;
  ASSERT_TRUE(ReversePath(p, clipboard, false));
  ASSERT_EQ(p.LineCount(), 11);  // one motion fewer than copied
  ExpectMotions(Inserted(original.program, p, 8, 3),
                {{"LIN", "XP4", "", "XR0", "FR0", "LCPDAT4"},
                 {"CIRC", "XP2", "XP3", "XR1", "FR1", "LCPDAT5"},
                 {"LIN", "XP1", "", "XR3", "FR3", "LCPDAT6"}});
  EXPECT_EQ(p.Record(9).Point2Name, "XR2");
  EXPECT_EQ(p.Record(9).MotionData2, "FR2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}");
  EXPECT_TRUE(Contains(p.Record(9).Text, "CIRC XR2, XR1 C_DIS"));
  EXPECT_EQ(loaded.Messages().back(), "122 <Paste>|OK");
  test::ExpectReloadsIntact(p);
}

TEST(ReversePath, ElsewhereTheRobotFirstMovesToTheLastPoint) {
  Loaded original(kBasisDat, kBasisSrc);
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyPath(p);
  p.CurrentLine = 3;  // HOME
  ASSERT_TRUE(ReversePath(p, clipboard, false));
  ASSERT_EQ(p.LineCount(), 12);
  ExpectMotions(Inserted(original.program, p, 4, 4),
                {{"LIN", "XP5", "", "XR0", "FR0", "LCPDAT4"},
                 {"LIN", "XP4", "", "XR1", "FR1", "LCPDAT5"},
                 {"CIRC", "XP2", "XP3", "XR2", "FR2", "LCPDAT6"},
                 {"LIN", "XP1", "", "XR4", "FR4", "LCPDAT7"}});
  test::ExpectReloadsIntact(p);
}

TEST(ReversePath, AfterAStatementTheLastEntryGoesInAsItIs) {
  Loaded original(kBasisDat, kBasisSrc);
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyPath(p);
  p.CurrentLine = 2;  // INI, no motion
  ASSERT_TRUE(ReversePath(p, clipboard, false));
  ExpectMotions(Inserted(original.program, p, 3, 4),
                {{"LIN", "XP5", "", "XP5", "FP5", "LCPDAT3"},
                 {"CIRC", "XP4", "XP3", "XR0", "FR0", "LCPDAT4"},
                 {"CIRC", "XP2", "XP3", "XR2", "FR2", "LCPDAT5"},
                 {"LIN", "XP1", "", "XR4", "FR4", "LCPDAT6"}});
  test::ExpectReloadsIntact(p);
}

TEST(ReversePath, ACutPathGoesBackUnchangedIntoAProgramWithoutPoints) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  Clipboard clipboard;
  p.BlockStart = 4, p.BlockEnd = 7;
  ASSERT_TRUE(CutSections(p, clipboard, true));
  ASSERT_FALSE(Declares(p.DatPositions, "XP1"));
  p.CurrentLine = 2;
  ASSERT_TRUE(ReversePath(p, clipboard, false));
  const char* names[] = {"XP5", "XP4", "XP2", "XP1"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(p.Record(3 + i).Point1Name, names[i]);
  for (const char* name : {"XP1", "XP2", "XP3", "XP4", "XP5"})
    EXPECT_TRUE(Declares(p.DatPositions, name)) << name;
  for (const char* name : {"FP1", "PPDAT1", "LCPDAT2", "FP3"})
    EXPECT_TRUE(Declares(p.DatMotion, name)) << name;
  test::ExpectReloadsIntact(p);
}

TEST(ReversePath, ACircleInTheMarkedBlockAllowsAtMostTwoEntries) {
  for (int entries : {1, 2, 3}) {
    Loaded loaded(kBasisDat, kBasisSrc);
    Program& p = loaded.program;
    Clipboard clipboard;
    p.BlockStart = 7 - entries, p.BlockEnd = 7;
    ASSERT_TRUE(CopySections(p, clipboard, true));
    ASSERT_EQ(clipboard.count(), entries);
    p.BlockStart = 5, p.BlockEnd = 6;  // still marked, holding the circle
    p.CurrentLine = 7;
    const bool done = ReversePath(p, clipboard, true);
    EXPECT_EQ(done, entries <= 2) << entries;
    if (!done) {
      EXPECT_EQ(loaded.Messages().back(), "122 <ReversePath>|<CircInHereCanNotexecut>");
      EXPECT_EQ(p.LineCount(), 8);
    }
  }
}

TEST(ReversePath, EmptyClipboard) {
  Loaded loaded(kBasisDat, kBasisSrc);
  EXPECT_FALSE(ReversePath(loaded.program, Clipboard(), false));
  EXPECT_EQ(loaded.Messages().back(), "122 <ReversePath>|<no Data in Temp, ><not_OK>");
}

}  // namespace
}  // namespace velmora

#include <gtest/gtest.h>

#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

using test::ShiftFixture;

TEST(MoveMirrorTest, MirrorsEveryPointOfTheRangeIntoTheGivenText) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  const std::string model = f.program.DatPositions;
  std::string positions = model + "\r\n";
  std::string error = "passed";
  ASSERT_TRUE(move.MoveMirror(2, 8, error, positions));
  EXPECT_EQ(error, "passed");
  EXPECT_EQ(f.program.DatPositions, model);  // the program itself is not changed
  EXPECT_EQ(f.program.Record(2).Point1Decl, "XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  for (const char* line : {
           "DECL E6POS XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 10}\r\n",
           "DECL E6POS MP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 10}\r\n",
           "DECL E6POS XP2={X 200,Y -10,Z 20,A -90,B 0,C 180,S 2,T 10,E1 5,E2 0,E3 0,E4 0,E5 0,"
           "E6 0}\r\n",
           "DECL E6POS XP3={X 300,Y -50,Z 0,A 0,B 0,C 0,S 2,T 10}\r\n",
           "DECL E6POS MP3={X 300,Y -50,Z 0,A 0,B 0,C 0,S 2,T 10}\r\n",
           "DECL E6POS XS3={X 500,Y -50,Z 0,A 0,B 0,C 0,S 6,T 59}\r\n",
           "DECL E6AXIS XP6={A1 -35,A2 -80,A3 100,A4 0,A5 30,A6 35,E1 0,E2 0,E3 0,E4 0,E5 0,"
           "E6 0}\r\n",
       })
    EXPECT_NE(positions.find(line), std::string::npos) << line;
  EXPECT_TRUE(std::filesystem::exists(f.folder.path() / "mirror.Log"));
  EXPECT_NE(test::ReadBytes(f.folder.path() / "mirror.Log")
                .find("MoveMirror: Start=2 Ende=8 (Spiegelung)"),
            std::string::npos);
}

TEST(MoveMirrorTest, OneFailingPointLeavesEveryPointUnchanged) {
  ShiftFixture f;
  // XP3 is declared without its C: the library cannot read it.
  LineRecord& circ = f.program.Record(5);
  circ.Point2Decl = "XP3={X 300,Y 50,Z 0,A 0,B 0}";
  ClsPrgMove move(f.program, &f.controller);
  std::string positions = f.program.DatPositions;
  const std::string before = positions;
  std::string error;
  EXPECT_FALSE(move.MoveMirror(2, 5, error, positions));
  EXPECT_EQ(positions, before);
  EXPECT_EQ(error, f.T("Error") + ":\r\nXP3" + f.T("ErrMirror") + "\r\n");
  EXPECT_NE(f.Trace().find("Fehler:\r\nP3: XP3" + f.T("ErrMirror")), std::string::npos);
}

TEST(MoveMirrorTest, RangeWithoutPointsChangesNothing) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  std::string positions = f.program.DatPositions;
  std::string error;
  EXPECT_TRUE(move.MoveMirror(3, 3, error, positions));
  EXPECT_EQ(positions, f.program.DatPositions);
}

TEST(MoveMirrorTest, MirrorE6PosOfAWholeDataTextAndCStrings) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  std::string mirrored = move.MirrorE6Pos(test::kShiftDat, 0);
  EXPECT_NE(mirrored.find("DECL E6POS XS4={X 600,Y 0,Z 0,A 0,B 0,C 0,S 6,T 59}\r\n"),
            std::string::npos);
  EXPECT_NE(mirrored.find("DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\r\n"),
            std::string::npos);
  // The library's answer has no line break of its own at the end.
  EXPECT_TRUE(mirrored.ends_with("ENDDAT\r\n"));
  EXPECT_EQ(move.MirrorE6Pos(mirrored, 0), ToUpper(test::kShiftDat));
  EXPECT_EQ(ClsPrgMove::CreateAxisSys(1), "");
  EXPECT_EQ(ClsPrgMove::CStringToText(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(ClsPrgMove::CStringToText("no terminator"), "");
}

}  // namespace
}  // namespace velmora

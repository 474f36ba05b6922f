#include <gtest/gtest.h>

#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/frame.h"
#include "geometry/position_text.h"
#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

using test::ShiftFixture;

// The declaration text of a name in the positions section ("" when missing).
std::string Decl(const Program& program, const std::string& name) {
  std::string key = " " + name + "={";
  size_t at = program.DatPositions.find(key);
  if (at == std::string::npos) return "";
  return program.DatPositions.substr(at + 1, program.DatPositions.find("\r\n", at) - at - 1);
}

TEST(CartesianShiftTest, BaseShiftOfTheFixture) {
  ShiftFixture f;
  ASSERT_TRUE(f.ok);
  ClsPrgMove move(f.program, &f.controller);
  std::string error = "passed";
  EXPECT_FALSE(move.MoveKartBase(2, 8, "{X 10, Y 0, Z 0, A 0, B 0, C 0}", error));

  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP1"), "MP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XP2"),
            "XP2={X 210,Y 10,Z 20,A 90,B 0,C 180,S 2,T 35,E1 5,E2 0,E3 0,E4 0,E5 0,E6 0}");
  EXPECT_EQ(Decl(f.program, "XP3"), "XP3={X 310,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XP4"), "XP4={X 410,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP3"), "MP3={X 310,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP4"), "MP4={X 410,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XS3"), "XS3={X 510,Y 50,Z 0,A 0,B 0,C 0,S 6,T 18}");
  EXPECT_EQ(Decl(f.program, "XS4"), "XS4={X 610,Y 0,Z 0,A 0,B 0,C 0,S 6,T 18}");
  EXPECT_EQ(Decl(f.program, "XP6"),
            "XP6={A1 35,A2 -80,A3 100,A4 0,A5 30,A6 -35,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}");

  // Records keep the new texts and are marked.
  const LineRecord& circ = f.program.Record(5);
  EXPECT_EQ(circ.Point1Decl, "XP4={X 410,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(circ.Point2Decl, "XP3={X 310,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(circ.MasterDecl2, "MP3={X 310,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_TRUE(circ.Modified);
  EXPECT_FALSE(f.program.Record(3).Modified);
  EXPECT_FALSE(f.program.Record(7).Modified);

  const std::string base = f.T("mnuCartBase");
  EXPECT_EQ(f.Messages(), "300|" + base + "|" + f.PointMessage(5, "no cartesian") + "\n" + "300|" +
                              base + "|" + f.PointMessage(6, "no cartesian") + "\n" + "221|" +
                              base + "|" + f.PointMessage(1, "CantMove") + "\n" + "221|" + base +
                              "|" + f.PointMessage(5, "CantMove") + "\n" + "221|" + base + "|" +
                              f.PointMessage(6, "CantMove") + "\n");
  EXPECT_EQ(error, f.PointMessage(6, "CantMove"));
  EXPECT_EQ(f.Log("shift.log"), "P0: \r\nP5: \r\nP6: \r\n");

  std::string trace = f.Trace();
  EXPECT_EQ(trace.substr(0, trace.find("\r\n\r\n")),
            "MoveKartBase: Start=2 Ende=8 Offset={X 10, Y 0, Z 0, A 0, B 0, C 0}");
  for (const char* entry :
       {"\r\nVorher: XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n"
        "Nachher: XP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n"
        "Vorher(MP): MP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n"
        "Nachher(MP): MP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n",
        "\r\nVorher: XP4=", "\r\nVorher(MP): MP4=", "\r\nVorher: XP3=", "\r\nVorher(MP): MP3=",
        "\r\nFehler:\r\nFehler:\r\nFehler:\r\nP0: \r\nP5: \r\nP6: \r\n"})
    EXPECT_NE(trace.find(entry), std::string::npos) << entry;
}

TEST(CartesianShiftTest, AllShiftedRangeIsTrueAndLeavesTheErrorText) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  std::string error = "passed";
  EXPECT_TRUE(move.MoveKartBase(4, 4, "{X 0,Y 0,Z 0,A 0,B 0,C 0}", error));
  EXPECT_EQ(error, "passed");
  EXPECT_EQ(f.Messages(), "");
}

TEST(CartesianShiftTest, OffsetWithoutBraceRewritesInCanonicalForm) {
  ShiftFixture f;
  // The declaration as written by hand, with blanks and trailing zeros.
  f.program.DatPositions =
      ReplaceFirst(f.program.DatPositions, "XP2={X 200,Y 10,Z 20,A 90,B 0,C 180",
                   "XP2={X 200.0, Y 10.00, Z 20, A 90, B 0, C 180");
  f.program.Record(4).Parsed = false;
  f.program.Record(4).Point1Decl.clear();
  ClsPrgMove move(f.program, &f.controller);
  std::string error;
  EXPECT_TRUE(move.MoveKartBase(4, 4, "X 10", error));
  EXPECT_EQ(Decl(f.program, "XP2"),
            "XP2={X 200,Y 10,Z 20,A 90,B 0,C 180,S 2,T 35,E1 5,E2 0,E3 0,E4 0,E5 0,E6 0}");
}

TEST(CartesianShiftTest, TcpShiftMovesPointsAlongTheirToolAndMastersInTheBase) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  std::string error;
  EXPECT_TRUE(move.MoveKartTcp(2, 2, "{X 0,Y 0,Z 10,A 0,B 0,C 0}", error));
  EXPECT_TRUE(move.MoveKartTcp(4, 4, "{X 0,Y 0,Z 10,A 0,B 0,C 0}", error));
  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 100,Y 0,Z 10,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP1"), "MP1={X 100,Y 0,Z 10,A 0,B 0,C 0,S 2,T 35}");
  // A 90, C 180: the tool z axis points down, so the point goes 10 mm down.
  EXPECT_EQ(Decl(f.program, "XP2"),
            "XP2={X 200,Y 10,Z 10,A 90,B 0,C 180,S 2,T 35,E1 5,E2 0,E3 0,E4 0,E5 0,E6 0}");
  EXPECT_TRUE(move.MoveKartTcp(3, 3, "{X 1}", error));  // the comment: only CantMove
  EXPECT_EQ(error, f.PointMessage(0, "CantMove"));
  EXPECT_EQ(f.Messages(), "222|" + f.T("mnuCartTCP") + "|" + f.PointMessage(0, "CantMove") + "\n");
  EXPECT_EQ(f.Log("shift.log"), "");
}

TEST(CartesianShiftTest, WorldShiftUsesEachPointsBase) {
  ShiftFixture f;
  f.controller.vars["BASE_DATA[2]"] = "{FRAME: X 1000, Y 0, Z 0, A 90, B 0, C 0}";
  f.controller.vars["BASE_TYPE[2]"] = "#BASE";
  f.controller.vars["BASE_DATA[0]"] = "{FRAME: X 0, Y 0, Z 0, A 0, B 0, C 0}";
  f.controller.vars["BASE_TYPE[0]"] = "#NONE";
  for (const char* tool : {"TOOL_DATA[1]", "TOOL_TYPE[1]", "TOOL_DATA[2]", "TOOL_TYPE[2]"})
    f.controller.vars[tool] = "{FRAME: X 0, Y 0, Z 100, A 0, B 0, C 0}";
  ClsPrgMove move(f.program, &f.controller);
  std::string error = "passed";
  EXPECT_TRUE(move.MoveKartWorld(2, 2, "{X 10,Y 0,Z 0,A 0,B 0,C 0}", error));
  EXPECT_TRUE(move.MoveKartWorld(4, 6, "{X 10,Y 0,Z 0,A 0,B 0,C 0}", error));
  EXPECT_EQ(error, "passed");
  // Base 2 is turned 90 degrees about Z: world +X is base -Y. The master is shifted in the base.
  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 100,Y -10,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP1"), "MP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XP3"), "XP3={X 300,Y 40,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XP4"), "XP4={X 400,Y -10,Z 0,A 0,B 0,C 0,S 2,T 35}");
  // Base 0 is the null frame.
  EXPECT_EQ(Decl(f.program, "XP2").substr(0, 17), "XP2={X 210,Y 10,Z");
  EXPECT_EQ(Decl(f.program, "XS3").substr(0, 17), "XS3={X 510,Y 50,Z");
  EXPECT_EQ(move.frame_tables().base_data[0],
            "BASE_DATA[0]={FRAME: X 0.0, Y 0.0, Z 0.0, A 0.0, B 0.0, C 0.0}");
  EXPECT_EQ(move.frame_tables().base_data[2],
            "BASE_DATA[2]={FRAME: X 1000, Y 0, Z 0, A 90, B 0, C 0}");
  EXPECT_EQ(f.Messages(), "");
  EXPECT_EQ(f.Log("shift.log"), "");
}

TEST(CartesianShiftTest, WorldShiftReportsFrameNumbersOutOfRange) {
  ShiftFixture f;
  f.program.DatMotion =
      ReplaceFirst(f.program.DatMotion, "FP2={TOOL_NO 1,BASE_NO 0", "FP2={TOOL_NO 129,BASE_NO 0");
  f.program.DatMotion =
      ReplaceFirst(f.program.DatMotion, "FP1={TOOL_NO 1,BASE_NO 2", "FP1={TOOL_NO 1,BASE_NO 130");
  f.program.Record(2).Parsed = f.program.Record(4).Parsed = false;
  ClsPrgMove move(f.program, &f.controller);
  std::string error = "passed";
  EXPECT_TRUE(move.MoveKartWorld(4, 4, "{X 10}", error));
  const std::string world = f.T("mnuCartWorld"), cant = f.T("CantReadTool") + ": ";
  EXPECT_EQ(f.Messages(), "300|" + world + "|" + cant + "\n300|" + world + "|Tool-No. > max\n");
  EXPECT_EQ(error, cant);
  EXPECT_EQ(Decl(f.program, "XP2").substr(0, 11), "XP2={X 210,");
  for (const std::string& request : f.controller.requests)
    EXPECT_EQ(request.find("TOOL_DATA[129]"), std::string::npos);

  // A base no table holds leaves the point where it is.
  error.clear();
  EXPECT_TRUE(move.MoveKartWorld(2, 2, "{X 10}", error));
  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(error, f.PointMessage(0, "CantMove"));
}

TEST(CartesianShiftTest, WorldShiftWithoutBaseFrameLeavesThePoint) {
  ShiftFixture f;
  ClsPrgMove move(f.program, nullptr);  // no controller: base 2 was never read
  std::string error;
  EXPECT_TRUE(move.MoveKartWorld(2, 4, "{X 10}", error));
  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "XP2").substr(0, 11), "XP2={X 210,");  // base 0: the null frame
  const std::string world = f.T("mnuCartWorld");
  EXPECT_EQ(f.Messages(), "221|" + world + "|" + f.PointMessage(0, "CantMove") + "\n" + "221|" +
                              world + "|" + f.PointMessage(1, "CantMove") + "\n");
  EXPECT_NE(f.Trace().find("P1: BASE_DATA[2]: " + f.T("CantReadTool")), std::string::npos);
}

TEST(CartesianShiftTest, WorldShiftDuringAReferenceShiftNamesItInCantMove) {
  struct Row {
    ReferenceShift shift;
    std::string key;
  } rows[] = {{ReferenceShift::kNone, "mnuCartWorld"},
              {ReferenceShift::kTwoPoint, "mnu2PointShift"},
              {ReferenceShift::kSixPoint, "mnu6PointShift"}};
  for (const Row& row : rows) {
    ShiftFixture f;
    ClsPrgMove move(f.program, &f.controller);
    move.set_reference_shift(row.shift);
    std::string error;
    move.MoveKartWorld(3, 3, "{X 10}", error);
    EXPECT_EQ(f.Messages(), "221|" + f.T(row.key) + "|" + f.PointMessage(0, "CantMove") + "\n");
  }
}

// The controller's frame arithmetic for the reference route: INV_POS(frame) and a:b.
std::optional<std::string> Evaluate(const std::string& expression) {
  auto text = [](const Frame& f) {
    return "{E6POS: X " + FormatNumber(f.x) + ", Y " + FormatNumber(f.y) + ", Z " +
           FormatNumber(f.z) + ", A " + FormatNumber(f.a) + ", B " + FormatNumber(f.b) + ", C " +
           FormatNumber(f.c) + "}";
  };
  auto read = [](const std::string& t) { return FrameOfText(t); };
  if (expression.rfind("INV_POS(", 0) == 0 && expression.back() == ')')
    return text(Inverse(read(expression.substr(8, expression.size() - 9))));
  int depth = 0;
  for (size_t i = 0; i < expression.size(); ++i) {
    if (expression[i] == '{') ++depth;
    if (expression[i] == '}') --depth;
    if (expression[i] == ':' && depth == 0)
      return text(Compose(read(expression.substr(0, i)), read(expression.substr(i + 1))));
  }
  return std::nullopt;
}

TEST(CartesianShiftTest, SixPointReferenceRouteAsksTheController) {
  ShiftFixture f;
  f.controller.vars["BASE_DATA[2]"] = "{FRAME: X 1000, Y 0, Z 0, A 90, B 0, C 0}";
  f.controller.vars["BASE_TYPE[2]"] = "#BASE";
  f.controller.vars["TOOL_DATA[1]"] = "{FRAME: X 0, Y 0, Z 0, A 0, B 0, C 0}";
  f.controller.vars["TOOL_TYPE[1]"] = "#NONE";
  f.controller.evaluate = Evaluate;
  ClsPrgMove move(f.program, &f.controller);
  move.set_reference_shift(ReferenceShift::kSixPoint);
  std::string error;
  // The reference frame moved 100 mm along world X and turned 90 degrees about its Z.
  EXPECT_TRUE(
      move.MoveKartWorld(2, 2, "{X 0,Y 0,Z 0,A 0,B 0,C 0}|{X 100,Y 0,Z 0,A 90,B 0,C 0}", error));
  // Each world pose B : V is carried by R1 : R0^-1 and put back into its base B.
  Frame base{1000, 0, 0, 90, 0, 0};
  Frame expected = Compose(
      Inverse(base), Compose(Frame{100, 0, 0, 90, 0, 0}, Compose(base, Frame{100, 0, 0, 0, 0, 0})));
  Frame got = FrameOfText(Decl(f.program, "XP1"));
  EXPECT_TRUE(Equal(got, expected, 1e-6)) << Decl(f.program, "XP1");
  EXPECT_NE(Decl(f.program, "XP1").find(",S 2,T 35}"), std::string::npos);
  EXPECT_EQ(f.controller.requests[4], "INV_POS({X 0,Y 0,Z 0,A 0,B 0,C 0})");
  EXPECT_EQ(f.Messages(), "");

  // A controller that cannot evaluate leaves the points and reports them.
  f.controller.evaluate = nullptr;
  std::string before = f.program.DatPositions;
  EXPECT_TRUE(move.MoveKartWorld(4, 4, "{X 0,Y 0,Z 0,A 0,B 0,C 0}|{X 100}", error));
  EXPECT_EQ(f.program.DatPositions, before);
  EXPECT_EQ(error, f.PointMessage(0, "CantMove"));
}

TEST(CartesianShiftTest, MasterWithoutOwnNameStays) {
  ShiftFixture f;
  LineRecord& record = f.program.Record(2);
  ASSERT_EQ(record.MasterName1, "MP1");
  record.MasterName1.clear();
  ClsPrgMove move(f.program, &f.controller);
  std::string error;
  EXPECT_TRUE(move.MoveKartBase(2, 2, "{X 10}", error));
  EXPECT_EQ(Decl(f.program, "XP1"), "XP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_EQ(Decl(f.program, "MP1"), "MP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
}

TEST(CartesianShiftTest, RangesOutsideTheTableAreSkipped) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  std::string error;
  EXPECT_TRUE(move.MoveKartBase(-5, 0, "{X 10}", error));
  EXPECT_TRUE(move.MoveKartBase(5000, 5001, "{X 10}", error));
  EXPECT_TRUE(move.MoveKartBase(4, 2, "{X 10}", error));
  EXPECT_EQ(f.Messages(), "");
}

}  // namespace
}  // namespace velmora

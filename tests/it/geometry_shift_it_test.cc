// The point transformations that the controller evaluates: the 6-point reference route
// (INV_POS and ":") and the axis shift (INVERSE, FORWARD), against the simulator.
#include <cmath>

#include "base/app_context.h"
#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/frame.h"
#include "geometry/tool_base_tables.h"
#include "geometry/zintra_vars.h"
#include "it/client_fixture.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora::it {
namespace {

using test::Crlf;

// Two motions in base 1 of the test cell (tool 1): a PTP with a master and a LIN.
const std::string kSrc = Crlf(
    "DEF geo( )\n"
    ";FOLD PTP P1 Vel=100 % PDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P1, 3:, "
    "5:100, 7:PDAT1\nPDAT_ACT=PPDAT1\nFDAT_ACT=FP1\nPTP XP1\n;ENDFOLD\n"
    ";FOLD LIN P2 Vel=0.2 m/s CPDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P2, 3:, "
    "5:0.2, 6:CPDAT1\nLDAT_ACT=LCPDAT1\nFDAT_ACT=FP2\nLIN XP2\n;ENDFOLD\n"
    "END\n");
const std::string kDat = Crlf(
    "DEFDAT  GEO\n"
    "DECL E6POS XP1={X 900,Y 250,Z 400,A 20,B 60,C 170,S 2,T 35}\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL PDAT PPDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL E6POS XP2={X 1000,Y 100,Z 350,A 0,B 90,C 180,S 2,T 35,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT1={VEL 0.2,ACC 100,APO_DIST 100}\n"
    "DECL E6POS MP1={X 900,Y 250,Z 400,A 20,B 60,C 170,S 2,T 35}\n"
    "ENDDAT\n");

// BASE_DATA[1] of the test cell.
const Frame kBase1{500, -200, 300, 30, 0, 0};

class GeometryShiftTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    setenv("XDG_TEMPLATES_DIR", (dir_.path() / "templates").c_str(), 1);
    context_.zintra = &client_;
    // XP1 and its master MP1 are where the arm stands at known axis values with tool 1 in base 1.
    ASSERT_TRUE(client_.SetVar("$TOOL", "TOOL_DATA[1]"));
    ASSERT_TRUE(client_.SetVar("$BASE", "BASE_DATA[1]"));
    ASSERT_TRUE(client_.SetVar("$IPO_MODE", "#BASE"));
    std::string reached = Value("FORWARD ({A1 10,A2 -80,A3 100,A4 20,A5 35,A6 -40},0)");
    ASSERT_TRUE(reached.starts_with("{E6POS: ")) << reached;
    std::string dat =
        ReplaceAll(kDat, "={X 900,Y 250,Z 400,A 20,B 60,C 170,S 2,T 35}", "={" + reached.substr(8));
    ASSERT_TRUE(LoadProgramIntoView(program_, dat, kSrc));
  }
  Frame Point(int record) const { return FrameOfText(program_.Record(record).Point1Decl); }

  AppContext context_;
  Program program_{context_};
  ZintraVars vars_{&client_};
};

TEST_F(GeometryShiftTest, SixPointReferenceRouteThroughTheController) {
  const Frame r0{100, 50, 0, 10, 0, 0}, r1{400, -20, 30, 40, 0, 5};
  const Frame before1 = Point(2), before2 = Point(3);
  ClsPrgMove move(program_, &vars_);
  move.set_reference_shift(ReferenceShift::kSixPoint);
  std::string error;
  ASSERT_TRUE(move.MoveKartWorld(
      2, 3, "{X 100,Y 50,Z 0,A 10,B 0,C 0}|{X 400,Y -20,Z 30,A 40,B 0,C 5}", error))
      << error;
  EXPECT_EQ(error, "");
  // Each world pose B : V is carried by R1 : R0^-1 and put back into B.
  for (auto [record, before] : {std::pair{2, before1}, std::pair{3, before2}}) {
    Frame expected =
        Compose(Inverse(kBase1), Compose(r1, Compose(Inverse(r0), Compose(kBase1, before))));
    EXPECT_TRUE(Equal(Point(record), expected, 2e-3)) << program_.Record(record).Point1Decl;
    // Status, turn and external axes stay as they were.
    EXPECT_TRUE(Contains(ToUpper(program_.Record(record).Point1Decl), ",S ") ||
                Contains(program_.Record(record).Point1Decl, ", S "))
        << program_.Record(record).Point1Decl;
  }
  EXPECT_TRUE(Equal(FrameOfText(program_.Record(2).MasterDecl1), Point(2), 1e-9));
  EXPECT_EQ(context_.messages.lines().size(), 0u);
}

TEST_F(GeometryShiftTest, AxisShiftTurnsThePointAboutTheFirstAxis) {
  const Frame before = Point(2);
  ClsPrgMove move(program_, &vars_);
  std::string error;
  // A zero offset gives the same pose in the controller's own text form.
  ASSERT_TRUE(move.MoveAxis(2, 2, "{A1 0, A2 0, A3 0, A4 0, A5 0, A6 0}", error)) << error;
  EXPECT_EQ(error, "") << test::ReadBytes(dir_.path() / "templates/VelmoraTemp/axisshift.log");
  EXPECT_TRUE(program_.Record(2).Point1Decl.starts_with("XP1={ X "))
      << program_.Record(2).Point1Decl;
  EXPECT_TRUE(Equal(Point(2), before, 1e-2)) << program_.Record(2).Point1Decl;
  EXPECT_EQ(Value("$IPO_MODE"), "#BASE");

  // A1 turns the arm about the robot's vertical axis through the world origin: the pose in the
  // world turns by 10 degrees about world Z.
  ASSERT_TRUE(move.MoveAxis(2, 2, "{A1 10, A2 0, A3 0, A4 0, A5 0, A6 0}", error)) << error;
  Frame expected =
      Compose(Inverse(kBase1), Compose(Frame{0, 0, 0, 10, 0, 0}, Compose(kBase1, before)));
  EXPECT_TRUE(Equal(Point(2), expected, 1e-2)) << program_.Record(2).Point1Decl;
  EXPECT_NE(program_.DatPositions.find("DECL E6POS " + program_.Record(2).Point1Decl),
            std::string::npos);
}

TEST_F(GeometryShiftTest, ToolAndBaseTablesAndLimits) {
  ClsPrgMove move(program_, &vars_);
  EXPECT_TRUE(move.ReadToolBaseData(1, 1));
  EXPECT_EQ(move.frame_tables().tool_data[1],
            "TOOL_DATA[1]={FRAME: X 10.0, Y 0.0, Z 150.0, A 0.0, B 0.0, C 0.0}");
  EXPECT_TRUE(Equal(FrameOfText(move.frame_tables().base_data[1]), kBase1, 1e-9));
  EXPECT_FALSE(move.ReadToolBaseData(129, 1));
  ToolBaseLimits limits = ReadToolBaseLimits(&vars_);
  // MAX_TOOL 16 is raised to 32; tool 1 alone is configured in the cell, bases 1 and 2.
  EXPECT_LE(limits.MaxTool, 32);
  EXPECT_GE(limits.MaxBase, 2);
  EXPECT_TRUE(SetControllerToolBase(&vars_, "FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #TCP}"));
  EXPECT_EQ(Value("$IPO_MODE"), "#TCP");
}

}  // namespace
}  // namespace velmora::it

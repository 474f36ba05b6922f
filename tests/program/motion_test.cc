#include "program/motion.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "program/basis_motion.h"
#include "program/program.h"
#include "program/user_motion.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

const std::string kMotion = Crlf(
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL PDAT PPDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT1={VEL 2,ACC 100,APO_DIST 100}\n"
    "DECL FDAT FP3={TOOL_NO 3,BASE_NO 2,IPO_FRAME #TCP}\n"
    "DECL LDAT LCPDAT2={VEL 0.2,ACC 100,APO_DIST 5}\n"
    "DECL FDAT FS1={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL LDAT SLD1={VEL 0.01,ACC 100,APO_DIST 2}");

TEST(MotionTypeOf, FirstMatchWins) {
  AppContext context;
  Program program(context);
  program.UserMotionCommands[14].CommandName = "UMOVE";
  struct Case {
    std::string text;
    int16_t type;
  } cases[] = {
      {"PTP XP1", kPtp},      {"x.PTP", kPtp},           {"BAS(#MOVE_PTP)", kPtp},
      {"LIN XP2", kLin},      {"CIRC XP2, XP3", kCirc},  {"a.CIRC", kCirc},
      {"LIN and PTP ", kPtp}, {"UMOVE(1)", kUserMotion}, {"ptp xp1", kNoMotion},
      {"PTPX", kNoMotion},    {"", kNoMotion},
  };
  for (const Case& c : cases) EXPECT_EQ(MotionTypeOf(program, c.text), c.type) << c.text;
}

TEST(BasisPointName, ReadsParametersOfTheFoldLine) {
  struct Case {
    std::string line;
    int type;
    std::string point, data, aux;
  } cases[] = {
      {";FOLD PTP P1;%{PE}%MZEVOTPBASIS,%P 1:PTP, 2:P1, 3:C_PTP, 5:100, 7:PDAT1", kPtp, "XP1",
       "PDAT1", ""},
      {";FOLD LIN P2;%{PE}%P 1:LIN, 2:P2, 3:, 5:2, 6:CPDAT1", kLin, "XP2", "CPDAT1", ""},
      {";FOLD CIRC P2 P3;%{PE}%P 1:CIRC, 2:P2, 3:P3, 4:C_DIS, 6:0.2, 8:CPDAT2", kCirc, "XP3",
       "CPDAT2", "XP2"},
      {";FOLD PTP P4;%{PE}%P 1:PTP, 2: P4 , 7: PDAT4 ,", kPtp, "XP4", "PDAT4", ""},
      {";FOLD PTP P5;%P 1:PTP, 7: PDAT5 , 2:P5", kPtp, "XP5", "PDAT5", ""},    // last: rest of line
      {";FOLD PTP P6;%P 1:PTP, 2:P6, 7: PDAT6 ", kPtp, "XP6", " PDAT6 ", ""},  // untrimmed rest
      {";FOLD PTP P7;%P 2:P7", kPtp, "", "", ""},                              // no "1:"
      {";FOLD CIRC;%P 1:CIRC, 2:P8", kCirc, "", "", "XP8"},                    // no "3:"
      {"PTP XP1", kPtp, "", "", ""},
  };
  for (const Case& c : cases) {
    std::string data = "stale";
    EXPECT_EQ(BasisPointName(c.line + "\r\nPTP XP1 1:x, 2:y\r\n", c.type, &data), c.point)
        << c.line;
    EXPECT_EQ(data, c.data) << c.line;
    EXPECT_EQ(BasisAuxPointName(c.line, c.type), c.aux) << c.line;
  }
}

TEST(BasisMotionData, FrameDataThenMotionData) {
  EXPECT_EQ(BasisMotionData(kMotion, "XP1", "PDAT1"),
            "FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\r\nPPDAT1={VEL 100,ACC 100,APO_DIST 100}");
  EXPECT_EQ(BasisMotionData(kMotion, "XP2", "CPDAT1"),
            "FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\r\nLCPDAT1={VEL 2,ACC 100,APO_DIST 100}");
  EXPECT_EQ(BasisMotionData(kMotion, "XP3", ""), "FP3={TOOL_NO 3,BASE_NO 2,IPO_FRAME #TCP}");
  EXPECT_EQ(BasisMotionData(kMotion, "XP9", "CPDAT2"), "\r\nLCPDAT2={VEL 0.2,ACC 100,APO_DIST 5}");
  EXPECT_EQ(BasisMotionData(kMotion, "XP9", "NONE"), "");
}

TEST(UserPointName, ReadsTheBody) {
  struct Case {
    std::string body;
    std::string first, second;
  } cases[] = {
      {"PTP XS1 C_PTP", "XS1", "XS1"},
      {"ptp  xs1", "xs1", "xs1"},
      {"LIN XS2", "XS2", "XS2"},
      {"CIRC XS3, XS4 CA 90", "XS3", "XS4"},
      {"CIRC XS3 ,  XS4", "XS3", "XS4"},
      {"CIRC XS3", "XS3", ""},
      {"CIRC XS3\r\nA=1,2", "XS3", ""},  // the points stand on the CIRC line
      {"WAIT SEC 1", "", ""},
  };
  for (const Case& c : cases) {
    std::string text = ";FOLD LIN title on the first line\r\n" + c.body + "\r\n;ENDFOLD\r\n";
    EXPECT_EQ(UserPointName(text, 1), c.first) << c.body;
    EXPECT_EQ(UserPointName(text, 2), c.second) << c.body;
  }
}

TEST(UserMotionData, ByAssignedNames) {
  DeclSearch motion(kMotion);
  const std::string text =
      Crlf(";FOLD LIN S1;%MZEVOTPUSER\nldat_act = sld1 \nFDAT_ACT=FS1\nLIN XS1\n");
  EXPECT_EQ(UserMotionDataName(text), "SLD1");
  EXPECT_EQ(UserPdatText("SLD1", motion), "SLD1={VEL 0.01,ACC 100,APO_DIST 2}");
  EXPECT_EQ(UserPdatText("PPDAT1", motion), "PPDAT1={VEL 100,ACC 100,APO_DIST 100}");
  EXPECT_EQ(UserFdatText(text, motion), "FS1={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}");
  EXPECT_EQ(UserMotionDataName("PDAT_ACT\r\nLDAT_ACT=X"), "");  // PDAT_ACT without "=" wins
  EXPECT_EQ(UserFdatText("no assignment", motion), "");
}

TEST(CallArgument, KthArgumentUntrimmed) {
  struct Case {
    int k;
    std::string text, argument;
  } cases[] = {
      {1, "UMOVE(6, 0.3, 2)", "6"},
      {2, "UMOVE(6, 0.3, 2)", " 0.3"},
      {3, "UMOVE(6, 0.3, 2)", " 2"},
      {4, "UMOVE(6, 0.3, 2)", ""},
      {1, "X7,8", "7"},
      {1, "UMOVE(6", ""},
      {2, "a(1,(2,3)", "(2"},
  };
  for (const Case& c : cases) EXPECT_EQ(CallArgument(c.k, c.text), c.argument) << c.k << c.text;
}

TEST(UserCallParams, BuildsParaLinesFromTheCommandsPositions) {
  AppContext context;
  Program program(context);
  UserMotionCommand& command = program.UserMotionCommands[1];
  command.CommandName = "UMOVE";
  command.PointNoParam = 1;
  command.VelParam = 2;
  command.ToolNoParam = 3;
  command.BaseNoParam = 4;
  command.ApoDistParam = 5;
  command.MoveTypeParam = 6;
  EXPECT_EQ(
      UserCallParams(program, "; FOLD first line\r\nUMOVE(6, 0.3, 2, 1, 10, #LIN)\r\n"),
      "Para1={TOOL_NO  2,BASE_NO  1,POINT 6}\r\nPara2={VEL  0.3,APO_DIST  10,MOVE_TYPE  #LIN}\r\n");
  EXPECT_EQ(UserCallParams(program, "UMOVE(6, 0.3)\r\n"), "");  // the first line is not read
  command.ToolNoParam = command.BaseNoParam = command.PointNoParam = 0;
  EXPECT_EQ(UserCallParams(program, "x\r\nUMOVE(6, 0.3, 2, 1, 10, #LIN)"),
            "Para1={}\r\nPara2={VEL  0.3,APO_DIST  10,MOVE_TYPE  #LIN}\r\n");
}

Program& LoadedSections(Program& program) {
  program.DatPositions = Crlf(
      "DECL E6POS XP1={X 1,Y 2,Z 3,A 4,B 5,C 6}\nDECL E6POS XP2={X 7}\nDECL E6POS XP3={X 8}\n"
      "DECL E6POS XS1={X 9}\n");
  program.DatMotion = kMotion;
  return program;
}

TEST(ParseMotionRecord, BasisFoldReadsPointsAndData) {
  AppContext context;
  Program program(context);
  LoadedSections(program);
  program.LineCount() = 3;
  program.Record(2).Text = Crlf(
      ";FOLD CIRC P2 P3;%{PE}%MZEVOTPBASIS,%P 1:CIRC, 2:P2, 3:P3, 4:C_DIS, 6:0.2, 8:CPDAT2\n"
      "CIRC XP2, XP3\n;ENDFOLD\n");
  ParseMotionRecord(program, 2);
  const LineRecord& r = program.Record(2);
  EXPECT_TRUE(r.Parsed);
  EXPECT_EQ(r.Syntax, 2);
  EXPECT_EQ(r.Point1Name, "XP3");
  EXPECT_EQ(r.Point2Name, "XP2");
  EXPECT_EQ(r.Point1Decl, "XP3={X 8}");
  EXPECT_EQ(r.Point2Decl, "XP2={X 7}");
  EXPECT_EQ(r.MotionData,
            "FP3={TOOL_NO 3,BASE_NO 2,IPO_FRAME #TCP}\r\nLCPDAT2={VEL 0.2,ACC 100,APO_DIST 5}");
  EXPECT_EQ(r.MotionData2, "FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}");

  // Parsed keeps the fields until a command clears it; a re-parse starts from empty fields.
  program.Record(2).Text = "a=1\r\n";
  ParseMotionRecord(program, 2);
  EXPECT_EQ(r.Point1Name, "XP3");
  program.Record(2).Parsed = false;
  ParseMotionRecord(program, 2);
  EXPECT_EQ(r.Point1Name, "");
  EXPECT_EQ(r.MotionData, "");
}

TEST(ParseMotionRecord, UserFoldAndUserCall) {
  AppContext context;
  Program program(context);
  LoadedSections(program);
  program.UserMotionCommands[0].CommandName = "UMOVE";
  program.UserMotionCommands[0].VelParam = 2;
  program.LineCount() = 3;
  program.Record(2).Text = Crlf(
      ";FOLD LIN S1;%{PE}%MZEVOTPUSER,%P 1:LIN\nLDAT_ACT=SLD1\nFDAT_ACT=FS1\nLIN XS1\n;ENDFOLD\n");
  program.Record(3).Text = Crlf("; FOLD UMOVE;%MZEVOTPUSER\nUMOVE(7, 0.5)\n;ENDFOLD\n");
  ParseMotionRecord(program, 2);
  ParseMotionRecord(program, 3);
  const LineRecord& fold = program.Record(2);
  EXPECT_EQ(fold.Syntax, 1);
  EXPECT_EQ(fold.Point1Name, "XS1");
  EXPECT_EQ(fold.Point1Decl, "XS1={X 9}");
  EXPECT_EQ(fold.MotionDataName, "SLD1");
  EXPECT_EQ(fold.MotionData,
            "SLD1={VEL 0.01,ACC 100,APO_DIST 2}\r\nFS1={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}");
  const LineRecord& call = program.Record(3);
  EXPECT_EQ(call.Syntax, 1);
  EXPECT_EQ(call.Point1Name, "");
  EXPECT_EQ(call.MotionData, "Para1={}\r\nPara2={VEL  0.5}\r\n");
}

}  // namespace
}  // namespace velmora

#include "program/declarations.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

const std::string kPositions = Crlf(
    "DECL E6POS XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL POS XP2={X 4,Y 5,Z 6,A 0,B 0,C 0}\n"
    "decl e6axis xp3={a1 1,a2 2}\n"
    "DECL E6POS XP10={X 10}\n"
    "DECL E6POS XP4={X 44}\n"
    "DECL POS XP4={X 4}\n"
    "DECL AXIS XLAST={A1 9}");  // the last line has no line end (after BuildDatText)

TEST(FindPointDecl, FindsByTypeInOrderComparingUpperCase) {
  AppContext context;
  Program program(context);
  struct Case {
    std::string name, declaration;
  } cases[] = {
      {"XP1", "XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}"},
      {"XP2", "XP2={X 4,Y 5,Z 6,A 0,B 0,C 0}"},
      {"xp3", "xp3={a1 1,a2 2}"},
      {"P1", ""},  // type and blank must precede the name
      {"XP4", "XP4={X 44}"},
      {"XLAST", "XLAST={A1 9}"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindPointDecl(program, kPositions, c.name), c.declaration) << c.name;
  }
}

TEST(FindPointDecl, AsksTheControllerForUndeclaredNames) {
  AppContext context;
  Program program(context);
  std::string asked;
  context.show_var = [&](std::string_view name, std::string* value) {
    asked = name;
    if (name != "XGLOBAL") return false;
    *value = "{E6POS: X 7, Y 8}";
    return true;
  };
  EXPECT_EQ(FindPointDecl(program, kPositions, "XGLOBAL"), "{E6POS: X 7, Y 8}");
  EXPECT_FALSE(context.messages.ready());
  EXPECT_EQ(FindPointDecl(program, kPositions, "XNONE"), "");
  EXPECT_EQ(asked, "XNONE");
  EXPECT_TRUE(context.messages.ready());  // set up by the failed lookup
}

TEST(ComponentValue, ReadsPlainSubstringKeys) {
  struct Case {
    std::string text, key;
    double value;
  } cases[] = {
      {"{E6POS: X 1.5, Y -2, Z 3}", "Y", -2},
      {"{E6POS: X 1.5, Y -2, Z 3}", "Z", 3},
      {"{E6POS: X 1.5, Y -2, Z 3}", "Q", 0},
      {"X 1.5, Y -2", "X", 0},  // no "{"
      {"{X 1.5", "X", 0},       // no end
      {"{A1 10,A2 20}", "A", 110},
      {"XP1={X 1,Y 2}", "X", 1},  // the name before "{" is not read
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "X", 12},
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "Y", 3},
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "Z", 150},
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "A", -0.25},
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "B", 10},
      {"{X 12.,Y +3,Z 1.5E2,A -0.25,B 1 0,C 7}", "C", 7},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ComponentValue(c.text, c.key), c.value) << c.text << " " << c.key;
  }
}

TEST(CartesianComponents, ZerosForAxisValues) {
  EXPECT_EQ(CartesianComponents("XP1={X 1,Y 2,Z 3,A 4,B 5,C 6,S 2}"), (Pose6{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(CartesianComponents("XHOME={A1 10,A2 20,A3 0,A4 0,A5 0,A6 0}"), Pose6{});
}

TEST(AggregateTexts, ValueAfterEqualsControllerValueAndFrame) {
  EXPECT_EQ(ValueAfterEquals("XP1 = {X 1} "), "{X 1}");
  EXPECT_EQ(ValueAfterEquals("no equals"), "");
  EXPECT_EQ(ControllerValueToAggregate("{E6POS: X 1, Y 2}"), "{X 1, Y 2}");
  EXPECT_EQ(ControllerValueToAggregate("X 1, Y 2}"), "{X 1, Y 2}");
  EXPECT_EQ(ControllerValueToAggregate("{A1 1}"), "");
  EXPECT_EQ(ParseFrameText("{X 1.5,Y -2,Z 3,A 45,B 0.5,C -90}"), (Pose6{1.5, -2, 3, 45, 0.5, -90}));
  EXPECT_EQ(ParseFrameText("{x 1, y 2, z 3, a 4, b 5, c 6}"), (Pose6{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(ParseFrameText(""), Pose6{});
  EXPECT_EQ(ParseFrameText("{X 1}"), (Pose6{1, 0, 0, 0, 0, 0}));
}

TEST(AppendPositionDecl, ChoosesTypeFromComponents) {
  struct Case {
    std::string text, line;
  } cases[] = {
      {"XP9={X 1,Y 2,E1 0,E6 0}", "DECL E6POS XP9={X 1,Y 2,E1 0,E6 0}"},
      {"XP9={X 1,E1 0}", "DECL E3POS XP9={X 1,E1 0}"},
      {"XP9={X 1,Y 2}", "DECL POS XP9={X 1,Y 2}"},
      {"XP9={A1 1,E1 0,E6 0}", "DECL E6AXIS XP9={A1 1,E1 0,E6 0}"},
      {"XP9={A1 1,E1 0}", "DECL E3AXIS XP9={A1 1,E1 0}"},
      {"XP9={A1 1}", "DECL AXIS XP9={A1 1}"},
  };
  for (const Case& c : cases) {
    AppContext context;
    Program program(context);
    program.DatPositions = "DECL E6POS XP1={X 0}\r\n";
    EXPECT_TRUE(AppendPositionDecl(program, c.text));
    // A section ending with a line break gets an empty line before the new declaration.
    EXPECT_EQ(program.DatPositions, "DECL E6POS XP1={X 0}\r\n\r\n" + c.line + "\r\n") << c.text;
  }
}

TEST(AppendPositionDecl, RefusesAnythingElseWithAMessage) {
  AppContext context;
  Program program(context);
  EXPECT_FALSE(AppendPositionDecl(program, "FP1={TOOL_NO 1}"));
  EXPECT_EQ(program.DatPositions, "");
  ASSERT_FALSE(context.messages.lines().empty());
  EXPECT_EQ(context.messages.lines().back().message_no, "999");
  EXPECT_EQ(context.messages.lines().back().result, "keine vernuenftige Deklaration!!!!!!");
}

TEST(AppendMotionDataDecls, DeclaresInTheGivenOrder) {
  struct Case {
    std::string lines, appended;
  } cases[] = {
      {"FP1={TOOL_NO 1}\r\nPPDAT1={VEL 100}",
       "\r\nDECL FDAT FP1={TOOL_NO 1}\r\nDECL PDAT PPDAT1={VEL 100}"},
      {"PPDAT1={VEL 100}\r\nFP1={TOOL_NO 1}\r\n",
       "\r\nDECL PDAT PPDAT1={VEL 100}\r\nDECL FDAT FP1={TOOL_NO 1}"},
      {"FP2={TOOL_NO 1}\r\nLCPDAT2={VEL 2}",
       "\r\nDECL FDAT FP2={TOOL_NO 1}\r\nDECL LDAT LCPDAT2={VEL 2}"},
      {"FP2={TOOL_NO 1}\r\nSLD2={VEL 2}", "\r\nDECL FDAT FP2={TOOL_NO 1}\r\nSLD2={VEL 2}"},
      {"A={1}\r\nB={2}", "\r\nA={1}\r\nB={2}"},
  };
  for (const Case& c : cases) {
    AppContext context;
    Program program(context);
    program.DatMotion = "OLD";
    AppendMotionDataDecls(program, c.lines);
    EXPECT_EQ(program.DatMotion, "OLD" + c.appended) << c.lines;
  }
}

}  // namespace
}  // namespace velmora

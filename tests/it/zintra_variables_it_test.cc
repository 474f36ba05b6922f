// Variables, data lists and expressions of the controller, through the client.
#include <cmath>

#include "base/strings.h"
#include "it/client_fixture.h"
#include "sim/aggregate.h"
#include "sim/pose.h"

namespace velmora::it {
namespace {

using test::ReadBytes;

// X..C of an answer, for comparisons with a tolerance.
sim::Frame FrameOfText(const std::string& text) {
  auto aggregate = sim::ParseAggregate(text);
  EXPECT_TRUE(aggregate.has_value()) << text;
  return aggregate ? sim::FrameOf(*aggregate).value_or(sim::Frame{}) : sim::Frame{};
}

void ExpectSameFrame(const std::string& a, const std::string& b, double tolerance = 1e-3) {
  auto fa = FrameOfText(a), fb = FrameOfText(b);
  for (size_t i = 0; i < 6; ++i) {
    double d = fa[i] - fb[i];
    if (i >= 3) d = std::remainder(d, 360.0);
    EXPECT_NEAR(d, 0.0, tolerance) << a << " vs " << b;
  }
}

TEST_F(ClientTest, ShowVarAnswersNameEqualsValue) {
  struct Case {
    const char* name;
    const char* answer;
  } cases[] = {
      {"$PRO_STATE1", "$PRO_STATE1=#P_FREE"},
      {"$PRO_STATE0", "$PRO_STATE0=#P_ACTIVE"},
      {"$NULLFRAME", "$NULLFRAME={FRAME: X 0.0, Y 0.0, Z 0.0, A 0.0, B 0.0, C 0.0}"},
      {"TOOL_DATA[1]", "TOOL_DATA[1]={FRAME: X 10.0, Y 0.0, Z 150.0, A 0.0, B 0.0, C 0.0}"},
      {"tool_type[1]", "tool_type[1]=#BASE"},
      {"MAX_TOOL", "MAX_TOOL=16"},
      {"$SOFTP_END[2]", "$SOFTP_END[2]=45.0"},
      {"$PRO_I_O[]", "$PRO_I_O[]=\"/R1/SPS()\""},
      {"$AXIS_ACT",
       "$AXIS_ACT={E6AXIS: A1 0.0, A2 -90.0, A3 90.0, A4 0.0, A5 0.0, A6 0.0, E1 0.0, E2 0.0, "
       "E3 0.0, E4 0.0, E5 0.0, E6 0.0}"},
  };
  for (const Case& c : cases) {
    std::string text;
    EXPECT_TRUE(client_.ShowVar(c.name, text)) << c.name << ": " << client_.LastErrorText();
    EXPECT_EQ(text, c.answer);
  }
}

TEST_F(ClientTest, RefusedReadsAndWritesStoreTheServerError) {
  struct Case {
    bool write;
    const char* name;
    const char* value;
    const char* cause;
  } cases[] = {
      {false, "NO_SUCH_VARIABLE", "", "bstrCause=VAR_UNKNOWN"},
      {false, "TOOL_DATA[2]", "", "bstrCause=VALUE_NOT_ASSIGNED"},
      {false, "TOOL_DATA[17]", "", "bstrCause=INDEX_RANGE"},
      {false, "TOOL_DATA", "", "bstrCause=INDEX_EXPECTED"},
      {false, "INV_POS(", "", "bstrCause=SYNTAX"},
      {true, "$AXIS_ACT", "{A1 5.0}", "bstrCause=WRITE_PROTECTED"},
      {true, "$NUMSTATE", "7", "bstrCause=TYPE_MISMATCH"},
      {true, "$IPO_MODE", "BASE", "bstrCause=VAR_UNKNOWN"},
      {true, "TOOL_DATA[1]", "{Q 1.0}", "bstrCause=TYPE_MISMATCH"},
      {true, "MAX_TOOL", "1.5", "bstrCause=TYPE_MISMATCH"},
  };
  const std::string config_before = ReadBytes(Cell("NOXA/R1/System/$CONFIG.DAT"));
  for (const Case& c : cases) {
    std::string text = "unchanged";
    bool ok = c.write ? client_.SetVar(c.name, c.value) : client_.ShowVar(c.name, text);
    EXPECT_FALSE(ok) << c.name;
    EXPECT_TRUE(client_.LastErrorText().starts_with("Error: bDBCause=False , bstrCause="))
        << client_.LastErrorText();
    EXPECT_TRUE(Contains(client_.LastErrorText(), c.cause))
        << c.name << ": " << client_.LastErrorText();
    EXPECT_TRUE(Contains(client_.LastErrorText(), "bstrDBModule=zevo_hmi_sim"));
    if (!c.write) {
      EXPECT_EQ(text, "unchanged");
    }
  }
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/System/$CONFIG.DAT")), config_before);
  EXPECT_EQ(client_.ZintraError(), 0);
}

TEST_F(ClientTest, SystemVariablesTakeValuesAndExpressions) {
  EXPECT_TRUE(client_.SetVar("$NUMSTATE", "TRUE"));
  EXPECT_EQ(Value("$NUMSTATE"), "TRUE");
  EXPECT_TRUE(client_.SetVar("$IPO_MODE", "#TCP"));
  EXPECT_EQ(Value("$IPO_MODE"), "#TCP");
  EXPECT_TRUE(client_.SetVar("$TOOL", "TOOL_DATA[1]"));
  EXPECT_EQ(Value("$TOOL"), "{FRAME: X 10.0, Y 0.0, Z 150.0, A 0.0, B 0.0, C 0.0}");
  EXPECT_TRUE(client_.SetVar("$TOOL", "$NULLFRAME"));
  EXPECT_EQ(Value("$TOOL"), Value("$NULLFRAME"));
}

// A point write after "$DATAPATH[]" goes into the module's data list and its file.
TEST_F(ClientTest, PointWriteThroughDatapathIsPersisted) {
  const fs::path dat = Cell("NOXA/R1/PROGRAM/PROG1.DAT");
  std::string before = ReadBytes(dat);
  EXPECT_FALSE(client_.SetVar("XP1", "{X 1.0}"));  // no module chosen yet
  ASSERT_TRUE(client_.SetVar("$DATAPATH[]", "\"/R1/PROG1.SRC\""));
  EXPECT_EQ(Value("XP1"),
            "{E6POS: X 1500.0, Y 100.0, Z 1400.0, A 0.0, B 90.0, C 0.0, S 2, T 2, E1 0.0, E2 0.0, "
            "E3 0.0, E4 0.0, E5 0.0, E6 0.0}");
  ASSERT_TRUE(client_.SetVar("XP1", "{X 1234.5,Y -10.25}"));
  std::string after = ReadBytes(dat);
  EXPECT_EQ(after, ReplaceFirst(before, "X 1500.0,Y 100.0,", "X 1234.5,Y -10.25,"));
  EXPECT_TRUE(Contains(Value("XP1"), "X 1234.5, Y -10.25, Z 1400.0"));
  // A type mismatch leaves the file alone.
  EXPECT_FALSE(client_.SetVar("XP1", "{A1 10.0}"));
  EXPECT_EQ(ReadBytes(dat), after);
}

TEST_F(ClientTest, NewTableElementIsWrittenIntoTheGlobalDataList) {
  ASSERT_TRUE(client_.SetVar("TOOL_DATA[2]", "{X 1.5,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0}"));
  EXPECT_TRUE(Contains(ReadBytes(Cell("NOXA/R1/System/$CONFIG.DAT")),
                       "TOOL_DATA[1]={X 10.0,Y 0.0,Z 150.0,A 0.0,B 0.0,C 0.0}\r\n"
                       "TOOL_DATA[2]={X 1.5,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0}\r\n"));
  EXPECT_EQ(Value("TOOL_DATA[2]"), "{FRAME: X 1.5, Y 2.0, Z 3.0, A 0.0, B 0.0, C 0.0}");
}

TEST_F(ClientTest, SoftLimitWritesGoToTheMachineData) {
  ASSERT_TRUE(client_.SetVar("$SOFTN_END[1]", "-100.5"));
  EXPECT_EQ(Value("$SOFTN_END[1]"), "-100.5");
  EXPECT_TRUE(Contains(ReadBytes(Cell("NOXA/R1/MADA/$MACHINE.DAT")), "$SOFTN_END[1]=-100.5\r\n"));
}

TEST_F(ClientTest, FrameOperatorAndInverseIdentities) {
  const std::string f = "{X 100.0,Y -20.0,Z 35.0,A 30.0,B -10.0,C 5.0}";
  const std::string g = "{X 5.0,Y 7.0,Z -3.0,A -45.0,B 20.0,C 60.0}";
  const std::string h = "{X -40.0,Y 1.0,Z 12.0,A 10.0,B 80.0,C -30.0}";
  ExpectSameFrame(Value("INV_POS(" + f + "):" + f), Value("$NULLFRAME"));
  ExpectSameFrame(Value(f + ":INV_POS(" + f + ")"), Value("$NULLFRAME"));
  ExpectSameFrame(Value("(" + f + ":" + g + "):" + h), Value(f + ":(" + g + ":" + h + ")"));
  ExpectSameFrame(Value(f + ":" + g + ":" + h), Value(f + ":(" + g + ":" + h + ")"));
  ExpectSameFrame(Value("$NULLFRAME:" + f), f);
  // Table elements as operands; the answer of ":" keeps the right operand's S and T.
  ExpectSameFrame(Value("INV_POS(BASE_DATA[1]):BASE_DATA[1]"), Value("$NULLFRAME"));
  std::string pos = Value("BASE_DATA[1]:{X 1.0,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0,S 6,T 21}");
  EXPECT_TRUE(pos.starts_with("{POS: X ")) << pos;
  EXPECT_TRUE(Contains(pos, ", S 6, T 21}")) << pos;
  // The two-request form the editor sends: the answer of INV_POS put in front of ":".
  std::string inverse = Value("INV_POS(" + f + ")");
  ExpectSameFrame(Value(inverse + ":" + f), Value("$NULLFRAME"));
}

struct KinematicsCase {
  const char* tool;
  const char* base;
  const char* mode;
};

TEST_F(ClientTest, ForwardOfInverseReturnsThePosition) {
  const KinematicsCase settings[] = {{"$NULLFRAME", "$NULLFRAME", "#BASE"},
                                     {"TOOL_DATA[1]", "BASE_DATA[1]", "#BASE"},
                                     {"BASE_DATA[2]", "TOOL_DATA[1]", "#TCP"}};
  const char* axes[] = {"{A1 10.0,A2 -80.0,A3 100.0,A4 20.0,A5 35.0,A6 -40.0}",
                        "{A1 -60.0,A2 -100.0,A3 60.0,A4 -150.0,A5 -50.0,A6 170.0}",
                        "{A1 120.0,A2 -45.0,A3 120.0,A4 5.0,A5 80.0,A6 300.0}"};
  for (const auto& s : settings) {
    ASSERT_TRUE(client_.SetVar("$TOOL", s.tool));
    ASSERT_TRUE(client_.SetVar("$BASE", s.base));
    ASSERT_TRUE(client_.SetVar("$IPO_MODE", s.mode));
    for (const char* axis : axes) {
      // FORWARD of axes, INVERSE of that position (with its S and T) gives the axes back, and
      // FORWARD of those is the position again.
      std::string pos = Value(std::string("FORWARD (") + axis + ",0)");
      ASSERT_TRUE(pos.starts_with("{E6POS: X ")) << pos;
      ASSERT_TRUE(Contains(pos, ", S ") && Contains(pos, ", T ")) << pos;
      std::string back = Value("INVERSE (" + pos + ",0)");
      ASSERT_TRUE(Contains(ToUpper(back), "E6AXIS: A1")) << back;
      auto want = sim::ParseAggregate(axis), got = sim::ParseAggregate(back);
      for (const char* a : {"A1", "A2", "A3", "A4", "A5", "A6"})
        EXPECT_NEAR(*sim::ParseReal(*got->Find(a)), *sim::ParseReal(*want->Find(a)), 1e-3)
            << s.mode << " " << axis << " " << a;
      std::string again = Value("FORWARD (" + back + ",0)");
      ExpectSameFrame(again, pos);
      EXPECT_EQ(again.substr(again.find(", S ")), pos.substr(pos.find(", S ")));
    }
  }
}

TEST_F(ClientTest, InverseTakesTheSolutionNearestTheStartAxes) {
  std::string pos = Value("FORWARD ({A1 10.0,A2 -80.0,A3 100.0,A4 20.0,A5 35.0,A6 -40.0},0)");
  // Without S and T the start axes decide: near the flipped wrist the flipped solution wins.
  std::string plain = pos.substr(0, pos.find(", S ")) + "}";
  std::string flipped =
      Value("INVERSE (" + plain + ", {A1 10.0,A2 -80.0,A3 100.0,A4 -160.0,A5 -35.0,A6 140.0},0)");
  auto axes = sim::ParseAggregate(flipped);
  EXPECT_NEAR(*sim::ParseReal(*axes->Find("A5")), -35.0, 1e-3) << flipped;
  EXPECT_NEAR(*sim::ParseReal(*axes->Find("A4")), -160.0, 1e-3) << flipped;
  std::string straight =
      Value("INVERSE (" + plain + ", {A1 0.0,A2 -90.0,A3 90.0,A4 0.0,A5 30.0,A6 0.0},0)");
  EXPECT_NEAR(*sim::ParseReal(*sim::ParseAggregate(straight)->Find("A5")), 35.0, 1e-3);
}

TEST_F(ClientTest, UnreachablePositionsAreRefused) {
  std::string text;
  for (const char* pos : {"{X 5000.0,Y 0.0,Z 500.0,A 0.0,B 0.0,C 0.0}",
                          "{X 0.0,Y 0.0,Z 5000.0,A 0.0,B 0.0,C 0.0,S 2,T 2}"}) {
    EXPECT_FALSE(client_.ShowVar(std::string("INVERSE (") + pos + ",0)", text)) << pos;
    EXPECT_TRUE(Contains(client_.LastErrorText(), "bstrCause=UNREACHABLE"))
        << client_.LastErrorText();
  }
  // Reachable, but not with the turn asked for: A1 below 0 would be -210, beyond its limit.
  std::string pos = Value("FORWARD ({A1 150.0,A2 -80.0,A3 100.0,A4 20.0,A5 35.0,A6 10.0},0)");
  auto aggregate = sim::ParseAggregate(pos);
  ASSERT_EQ(*aggregate->Find("T"), "2");
  aggregate->Set("T", "3");
  EXPECT_FALSE(client_.ShowVar("INVERSE (" + sim::DataForm(*aggregate) + ",0)", text));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "bstrCause=UNREACHABLE"));
  aggregate->Set("T", "2");
  EXPECT_TRUE(client_.ShowVar("INVERSE (" + sim::DataForm(*aggregate) + ",0)", text));
}

TEST_F(ClientTest, ActualPositionFollowsTheAxes) {
  ASSERT_EQ(sim_.Ctl({"set", "$AXIS_ACT", "{A1 10.0,A2 -80.0,A3 100.0,A5 35.0}"}).exit_code, 0);
  ExpectSameFrame(Value("$POS_ACT"), Value("FORWARD ($AXIS_ACT,0)"));
  EXPECT_TRUE(Contains(Value("$AXIS_ACT"), "A1 10.0, A2 -80.0, A3 100.0, A4 0.0, A5 35.0"));
}

}  // namespace
}  // namespace velmora::it

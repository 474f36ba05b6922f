#include <gtest/gtest.h>

#include "base/numbers.h"
#include "base/strings.h"
#include "geometry/axis_offset.h"
#include "geometry/cls_prg_move.h"
#include "geometry/robotmath/aggregate_parser.h"
#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

using test::ShiftFixture;

const std::string kOffset = "{A1 1, A2 0, A3 0, A4 0, A5 0, A6 0}";
const std::string kAxes =
    "{E6AXIS: A1 10.5, A2 -90, A3 90, A4 0, A5 0, A6 0, E1 0, E2 0, E3 0, E4 0, E5 0, E6 0}";

// INVERSE answers kAxes; FORWARD answers a position whose X is the A1 it was given.
std::optional<std::string> Kinematics(const std::string& expression) {
  if (expression.rfind("INVERSE (", 0) == 0) return kAxes;
  if (expression.rfind("FORWARD (", 0) == 0) {
    AggregateParser sum;
    std::string a1;
    if (!sum.Parse(expression) || !sum.GetValue("A1", &a1)) return std::nullopt;
    return "{E6POS: X " + a1 + ", Y 2, Z 3, A 0, B 0, C 0, S 2, T 35, E1 0}";
  }
  return std::nullopt;
}

TEST(AddAxisOffsetTest, SumsInSinglePrecision) {
  EXPECT_EQ(
      AddAxisOffset(kAxes, kOffset),
      "{A1 11.5, A2  -90, A3  90, A4  0, A5  0, A6  0, E1 0, E2  0, E3  0, E4  0, E5  0, E6  0}");
  EXPECT_EQ(AddAxisOffset("{E6AXIS: A1 10.1, A2 0, A3 0, A4 0, A5 0, A6 0, E1 0, E2 0, E3 0, E4 0, "
                          "E5 0, E6 7.25}",
                          "{A1 0, A2 0, A3 0, A4 0, A5 0, A6 }")
                .substr(0, 20),
            "{A1 10.1000003814697");
  SetLocaleDecimalSeparator(",");
  EXPECT_EQ(AddAxisOffset(kAxes, kOffset).substr(0, 9), "{A1 11.5,");
  SetLocaleDecimalSeparator("'");
  EXPECT_EQ(AddAxisOffset(kAxes, kOffset).substr(0, 13), "{A1 0, A2  0,");
  SetLocaleDecimalSeparator(std::nullopt);
  EXPECT_EQ(AddAxisOffset("{E6AXIS: A1 1, A2 2}", kOffset), "");  // no external axes
  EXPECT_EQ(AddAxisOffset(kAxes, "{X 1}"), "");
  EXPECT_EQ(AddAxisOffset(ReplaceAll(kAxes, "A3 90", "A3 x"), kOffset), "");
}

TEST(MoveAxisTest, ConvertsEveryPointThroughTheController) {
  ShiftFixture f;
  f.controller.evaluate = Kinematics;
  ClsPrgMove move(f.program, &f.controller);
  std::string error = "passed";
  EXPECT_FALSE(move.MoveAxis(2, 8, kOffset, error));  // XHOME is not processed

  // The controller's own form, blank after the brace included.
  EXPECT_EQ(f.program.Record(2).Point1Decl,
            "XP1={ X 11.5, Y 2, Z 3, A 0, B 0, C 0, S 2, T 35, E1 0}");
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS XP1={ X 11.5, Y 2,"), std::string::npos);
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS MP1={ X 11.5, Y 2,"), std::string::npos);
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS XP3={ X 11.5"), std::string::npos);
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS MP3={ X 11.5"), std::string::npos);
  // Point 1 with the offset after ", ", point 2 after ",".
  EXPECT_NE(std::find(f.controller.requests.begin(), f.controller.requests.end(),
                      "INVERSE ({X 400,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}, " + kOffset + ",0)"),
            f.controller.requests.end());
  EXPECT_NE(std::find(f.controller.requests.begin(), f.controller.requests.end(),
                      "INVERSE ({X 300,Y 50,Z 0,A 0,B 0,C 0,S 2,T 35}," + kOffset + ",0)"),
            f.controller.requests.end());
  // The tool, base and mode of each point were made active first.
  EXPECT_EQ(f.controller.sets[0], "$IPO_MODE=#BASE");
  EXPECT_EQ(f.controller.sets[1], "$TOOL=TOOL_DATA[1]");
  EXPECT_EQ(f.controller.sets[2], "$BASE=BASE_DATA[2]");

  const std::string joint = f.T("mnuJoint");
  EXPECT_EQ(f.Messages(), "221|" + joint + "|" + f.PointMessage(1, "CantMove") + "\n" + "221|" +
                              joint + "|" + f.PointMessage(6, "CantMove") + "\n");
  EXPECT_EQ(error, f.PointMessage(6, "CantMove"));
  std::string log = f.Log("axisshift.log");
  EXPECT_EQ(log.substr(0, log.find("\r\n")), "MoveAxis: Start=2 Ende=8 Offset=" + kOffset);
  for (const std::string& entry : std::vector<std::string>{
           "Vorher: XP1={X 100,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n", "Vorher(MP): MP1=",
           "Achsspez.: XP1=" + kAxes + "\r\n", std::string("mit Offset: XP1={A1 11.5, A2  -90,"),
           std::string(
               "kartes.: XP1={E6POS: X 11.5, Y 2, Z 3, A 0, B 0, C 0, S 2, T 35, E1 0}\r\n")})
    EXPECT_NE(log.find(entry), std::string::npos) << entry;
}

TEST(MoveAxisTest, FailuresLeaveThePointAndNameTheStep) {
  struct Row {
    const char* name;
    std::function<std::optional<std::string>(const std::string&)> evaluate;
    bool fail_sets;
    std::string reason_key;
  } rows[] = {
      {"no inverse", nullptr, false, "ErrInverse"},
      {"no axis value", [](const std::string&) { return std::optional<std::string>("{X 1}"); },
       false, "ErrAddAxisOffset"},
      {"empty forward",
       [](const std::string& e) {
         return std::optional<std::string>(e.rfind("INVERSE", 0) == 0 ? kAxes : "{E6POS:}");
       },
       false, "ErrForward"},
      {"no tool", Kinematics, true, "NoSetTool"},
  };
  for (const Row& row : rows) {
    ShiftFixture f;
    f.controller.evaluate = row.evaluate;
    f.controller.fail_sets = row.fail_sets;
    ClsPrgMove move(f.program, &f.controller);
    const std::string before = f.program.DatPositions;
    std::string error;
    EXPECT_TRUE(move.MoveAxis(2, 2, kOffset, error)) << row.name;
    EXPECT_EQ(f.program.DatPositions, before) << row.name;
    EXPECT_EQ(error, f.PointMessage(0, "CantMove")) << row.name;
    EXPECT_NE(f.Log("axisshift.log").find("XP1" + f.T(row.reason_key)), std::string::npos)
        << row.name;
  }
}

TEST(MoveAxisTest, CircWhoseFirstPointFailsStillConvertsItsSecond) {
  ShiftFixture f;
  f.controller.evaluate = [](const std::string& e) -> std::optional<std::string> {
    if (e.find("X 400") != std::string::npos) return std::nullopt;  // the target XP4
    return Kinematics(e);
  };
  ClsPrgMove move(f.program, &f.controller);
  std::string error;
  EXPECT_TRUE(move.MoveAxis(5, 5, kOffset, error));
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS XP4={X 400,"), std::string::npos);
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS XP3={ X 11.5"), std::string::npos);
  EXPECT_EQ(error, f.PointMessage(0, "CantMove"));
}

TEST(MoveAxisTest, WithoutControllerEveryPointReportsNoSetTool) {
  ShiftFixture f;
  ClsPrgMove move(f.program, nullptr);
  std::string error;
  EXPECT_TRUE(move.MoveAxis(2, 2, kOffset, error));
  EXPECT_NE(f.Log("axisshift.log").find("XP1" + f.T("NoSetTool")), std::string::npos);
}

}  // namespace
}  // namespace velmora

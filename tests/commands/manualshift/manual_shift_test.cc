#include "commands/manualshift/manual_shift.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "base/numbers.h"
#include "base/strings.h"
#include "commands/edit/edit_fixtures.h"
#include "geometry/var_access.h"
#include "program/declarations.h"

namespace velmora {
namespace {

using test::kBasisDat;
using test::kBasisSrc;

// Answers the variables it holds and, for the axis shift, the kinematics of a robot whose
// axis values are the point's X, Y and Z: INVERSE gives A1..A3 = X, Y, Z; FORWARD gives them back.
class Controller : public VarAccess {
 public:
  bool ShowVar(std::string_view name, std::string& answer) override {
    requests.emplace_back(name);
    const std::string text(name);
    if (text.starts_with("INVERSE (")) {
      const std::string value = text.substr(9);
      answer = text + "={E6AXIS: A1 " + FormatAxis(ComponentValue(value, "X ")) + ", A2 " +
               FormatAxis(ComponentValue(value, "Y ")) + ", A3 " +
               FormatAxis(ComponentValue(value, "Z ")) +
               ", A4 0, A5 0, A6 0, E1 0, E2 0, E3 0, E4 0, E5 0, E6 0}";
      return !fail_inverse;
    }
    if (text.starts_with("FORWARD (")) {
      const std::string axes = ToUpper(text.substr(9));
      answer = text + "={E6POS: X " + FormatAxis(ComponentValue(axes, "A1 ")) + ", Y " +
               FormatAxis(ComponentValue(axes, "A2 ")) + ", Z " +
               FormatAxis(ComponentValue(axes, "A3 ")) + ", A 0, B 0, C 0, S 2, T 35}";
      return true;
    }
    return false;
  }
  bool SetVar(std::string_view name, const std::string& value) override {
    sets.push_back(std::string(name) + "=" + value);
    return true;
  }
  static std::string FormatAxis(double v) { return std::to_string(v).substr(0, 8); }

  std::vector<std::string> requests;
  std::vector<std::string> sets;
  bool fail_inverse = false;
};

// The trace and logs of the shifts go into a fresh folder.
struct Fixture {
  Fixture() { setenv("XDG_TEMPLATES_DIR", folder.path().c_str(), 1); }
  test::TempDir folder;
  test::Loaded loaded{kBasisDat, kBasisSrc};
  Program& program = loaded.program;
  ManualShiftState state;
  Controller controller;
};

const InputBoxes kXOnePointFive = {"1,5", "0,0000", "0,0000", "0,0000", "0,0000", "0,0000"};

class Locale : public ::testing::Test {
 protected:
  void SetUp() override { SetLocaleDecimalSeparator(","); }
  void TearDown() override { SetLocaleDecimalSeparator(std::nullopt); }
};

using StartManualShiftTest = Locale;
using ApplyManualShiftTest = Locale;

TEST_F(StartManualShiftTest, OpensTheFrameForEachMode) {
  struct Case {
    ShiftMode mode;
    const char* caption;
    const char* number;
    const char* first_label;
    const char* last_unit;
  } cases[] = {
      {ShiftMode::kBase, "<MovePrgBase>", "211", "X=", "[deg.]"},
      {ShiftMode::kWorld, "<MovePrgWorld>", "213", "X=", "[deg.]"},
      {ShiftMode::kTcp, "<MovePrgTcp>", "212", "X=", "[deg.]"},
      {ShiftMode::kAxis, "<MovePrgAxis>", "214", "A1=", "[deg.]"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.program.CurrentLine = 5;
    const ManualShiftFrame frame =
        StartManualShift(f.program, f.state, c.mode, false, &f.controller);
    EXPECT_TRUE(f.state.active);
    EXPECT_EQ(frame.input_frame_state, static_cast<int>(c.mode));
    EXPECT_EQ(frame.caption, c.caption);
    EXPECT_EQ(frame.labels[0], c.first_label);
    EXPECT_EQ(frame.units[5], c.last_unit);
    EXPECT_EQ(frame.units[0], c.mode == ShiftMode::kAxis ? "[deg.]" : "[mm]");
    for (const std::string& box : frame.boxes) EXPECT_EQ(box, "0,0000");
    EXPECT_EQ(f.state.first, 5);
    EXPECT_EQ(f.state.last, 5);
    EXPECT_EQ(f.controller.sets, std::vector<std::string>{"$NUMSTATE=TRUE"});
    EXPECT_EQ(f.loaded.Messages().back(), std::string(c.number) + " " + c.caption + "|<On>");
  }
}

TEST_F(StartManualShiftTest, TheMarkedBlockInOrderIsTheRange) {
  Fixture f;
  f.program.BlockStart = 7, f.program.BlockEnd = 4;
  StartManualShift(f.program, f.state, ShiftMode::kBase, true, nullptr);
  EXPECT_EQ(f.state.first, 4);
  EXPECT_EQ(f.state.last, 7);
}

TEST_F(ApplyManualShiftTest, ReportsWhatWasShifted) {
  struct Case {
    const char* name;
    ShiftMode mode;
    bool block_marked;
    int first, last;
    bool shifted;
    std::string report;
  } cases[] = {
      {"one record", ShiftMode::kBase, false, 4, 4, true, "<Point> XP1 <shifted>"},
      {"a block", ShiftMode::kTcp, true, 4, 7, true, "<Point> XP1 <To> XP5 <shifted>"},
      {"a block starting at HOME", ShiftMode::kWorld, true, 3, 4, false,
       "<mnuManEnt> HOME-P: <ChangeNotPossible>"},
      {"nothing current", ShiftMode::kBase, false, 0, 0, false, "<not_OK>"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.program.CurrentLine = c.first;
    f.program.BlockStart = c.first, f.program.BlockEnd = c.last;
    StartManualShift(f.program, f.state, c.mode, c.block_marked, nullptr);
    const ManualShiftResult result = ApplyManualShift(f.program, f.state, kXOnePointFive, nullptr);
    EXPECT_EQ(result.offset, "{X 1.5, Y 0, Z 0, A 0, B 0, C 0}") << c.name;
    EXPECT_EQ(result.shifted, c.shifted) << c.name;
    EXPECT_EQ(result.report, c.report) << c.name;
    EXPECT_EQ(f.loaded.Messages().back(), "300 <Manualshift>|" + c.report) << c.name;
    EXPECT_FALSE(f.state.active) << c.name;
    EXPECT_EQ(f.program.BlockStart, 0) << c.name;
    test::ExpectReloadsIntact(f.program);
  }
}

TEST_F(ApplyManualShiftTest, BaseShiftMovesThePointAndItsMaster) {
  Fixture f;
  f.program.CurrentLine = 4;
  StartManualShift(f.program, f.state, ShiftMode::kBase, false, nullptr);
  ApplyManualShift(f.program, f.state, kXOnePointFive, nullptr);
  EXPECT_NEAR(ComponentValue(FindPointDecl(f.program, f.program.DatPositions, "XP1"), "X "), 101.5,
              1e-9);
  EXPECT_NEAR(ComponentValue(FindPointDecl(f.program, f.program.DatPositions, "MP1"), "X "), 100.5,
              1e-9);
  EXPECT_TRUE(f.program.Record(4).Modified);
}

TEST_F(ApplyManualShiftTest, AxisModeGoesThroughTheController) {
  Fixture f;
  f.program.CurrentLine = 5;  // LIN P2 {X 110,Y 200,Z 300,...}
  StartManualShift(f.program, f.state, ShiftMode::kAxis, false, &f.controller);
  const ManualShiftResult result =
      ApplyManualShift(f.program, f.state, {"1,5", "0", "-10", "0", "0", "0"}, &f.controller);
  EXPECT_EQ(result.offset, "{A1 1.5, A2 0, A3 -10, A4 0, A5 0, A6 0}");
  EXPECT_TRUE(result.shifted);
  EXPECT_EQ(result.report, "<Point> XP2 <shifted>");
  ASSERT_FALSE(f.controller.requests.empty());
  EXPECT_TRUE(Contains(f.controller.requests.front(), "{A1 1.5, A2 0, A3 -10, A4 0, A5 0, A6 0}"));
  const std::string moved = FindPointDecl(f.program, f.program.DatPositions, "XP2");
  EXPECT_NEAR(ComponentValue(moved, "X "), 111.5, 1e-9) << moved;
  EXPECT_NEAR(ComponentValue(moved, "Z "), 290.0, 1e-9) << moved;
  test::ExpectReloadsIntact(f.program);
}

TEST_F(ApplyManualShiftTest, AxisModeWithoutAnswerKeepsThePoint) {
  Fixture f;
  f.controller.fail_inverse = true;
  f.program.CurrentLine = 5;
  const std::string before = FindPointDecl(f.program, f.program.DatPositions, "XP2");
  StartManualShift(f.program, f.state, ShiftMode::kAxis, false, &f.controller);
  const ManualShiftResult result =
      ApplyManualShift(f.program, f.state, kXOnePointFive, &f.controller);
  EXPECT_EQ(FindPointDecl(f.program, f.program.DatPositions, "XP2"), before);
  EXPECT_FALSE(f.state.active);
  EXPECT_TRUE(Contains(f.loaded.Messages().back(), "300 <Manualshift>|")) << result.report;
}

TEST_F(ApplyManualShiftTest, NothingWhileInactiveAndCancelChangesNothing) {
  Fixture f;
  const std::string positions = f.program.DatPositions;
  ApplyManualShift(f.program, f.state, kXOnePointFive, nullptr);
  StartManualShift(f.program, f.state, ShiftMode::kBase, false, nullptr);
  CancelManualShift(f.program, f.state);
  EXPECT_FALSE(f.state.active);
  ApplyManualShift(f.program, f.state, kXOnePointFive, nullptr);
  EXPECT_EQ(f.program.DatPositions, positions);
  EXPECT_EQ(f.loaded.Messages().size(), 1u);  // the "On" line alone
}

}  // namespace
}  // namespace velmora

#include <gtest/gtest.h>

#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

using test::ShiftFixture;

// Record 4 is a LIN line (XP2), record 2 a PTP line (XP1, master MP1), record 5 a CIRC line
// (point 1 the target XP4, point 2 the auxiliary point XP3), record 8 goes to XHOME.
constexpr int16_t kLin = 4, kPtp = 2, kCirc = 5, kHome = 8;

struct TtsRow {
  const char* name;
  bool direction_z;
  int16_t line, selection;
  Pose6 pp0, pp1, pp2;
  std::array<double, 3> offset;
  std::array<double, 3> expected;
};

TEST(TtsCorrectionTest, HandComputedCorrections) {
  // Tool x axis along base Z (B -90), path along base X: the TTS is x = X, y = -Y, z = -Z.
  const Pose6 start{200, 10, 20, 0, -90, 0}, next{300, 10, 20, 0, -90, 0}, unused{};
  // A half circle about the origin in the XY plane, counter-clockwise: travel at the target
  // (-100, 0, 0) is -Y; at the auxiliary point (0, 100, 0) it is -X.
  const Pose6 s{100, 0, 0, 0, -90, 0}, h{0, 100, 0, 0, 0, 0}, z_up{-100, 0, 0, 0, -90, 0},
      z_along_y{-100, 0, 0, 90, 0, 0};
  const TtsRow rows[] = {
      {"x along the path", false, kLin, 1, start, next, unused, {5, 0, 0}, {205, 10, 20}},
      {"y", false, kLin, 1, start, next, unused, {0, 2, 0}, {200, 8, 20}},
      {"z", false, kLin, 1, start, next, unused, {0, 0, 3}, {200, 10, 17}},
      {"PTP corrects pp1 for 3", false, kPtp, 3, start, next, unused, {5, 0, 0}, {305, 10, 20}},
      {"Z-thrust, only dy: all negated",
       true,
       kLin,
       1,
       start,
       next,
       unused,
       {0, 2, 0},
       {200, 12, 20}},
      {"Z-thrust, all positive: (vx, vz, -vy)",
       true,
       kLin,
       1,
       start,
       next,
       unused,
       {1, 2, 3},
       {201, 7, 22}},
      {"Z-thrust, dx and dy only: (vx, vy, -vz)",
       true,
       kLin,
       1,
       start,
       next,
       unused,
       {1, 2, 0},
       {201, 8, 20}},
      {"arc target", false, kCirc, 3, s, h, z_up, {5, 0, 0}, {-100, -5, 0}},
      // The auxiliary point takes the target's orientation turned back along the arc: the
      // target's x axis (base Y) arrives as -Y, so the TTS there is x = -X, y = Z, z = Y.
      {"arc auxiliary point", false, kCirc, 2, s, h, z_along_y, {0, 2, 0}, {0, 100, 2}},
  };
  for (const TtsRow& row : rows) {
    ShiftFixture f;
    ClsPrgMove move(f.program, &f.controller);
    move.set_tool_direction_z(row.direction_z);
    std::array<double, 3> result{};
    ASSERT_EQ(
        move.tts_korrektur(row.pp0, row.pp1, row.pp2, row.line, row.selection, row.offset, result),
        kTtsOk)
        << row.name;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(result[i], row.expected[i], 1e-9) << row.name;
    EXPECT_EQ(f.Messages(), "") << row.name;
  }
}

TEST(TtsCorrectionTest, FailuresListTheirMessages) {
  struct Row {
    const char* name;
    bool direction_z;
    int16_t line;
    Pose6 pp0, pp1, pp2;
    std::vector<std::string> results;
  } rows[] = {
      {"tool x along the path",
       false,
       kLin,
       {0, 0, 0, 0, 0, 0},
       {100, 0, 0, 0, 0, 0},
       {},
       {"X-Achse Parallel zu Tool-Vektor", "Punktabstand zu gering, TTS nicht erreichbar"}},
      {"tool x along the path, Z-thrust",
       true,
       kLin,
       {0, 0, 0, 0, 0, 0},
       {100, 0, 0, 0, 0, 0},
       {},
       {"Z-Achse Parallel zu Tool-Vektor", "Punktabstand zu gering, TTS nicht erreichbar"}},
      {"arc start on its target",
       false,
       kCirc,
       {0, 0, 0, 0, 0, 0},
       {50, 50, 0, 0, 0, 0},
       {0.005, 0, 0, 0, 0, 0},
       {"KREIS_START_GLEICH_ZIEL", "<KORR>"}},
  };
  for (const Row& row : rows) {
    ShiftFixture f;
    ClsPrgMove move(f.program, &f.controller);
    move.set_tool_direction_z(row.direction_z);
    std::array<double, 3> result{7, 7, 7};
    EXPECT_EQ(move.tts_korrektur(row.pp0, row.pp1, row.pp2, row.line, 1, {5, 0, 0}, result),
              kTtsError);
    EXPECT_EQ(result, (std::array<double, 3>{7, 7, 7}));
    ASSERT_EQ(f.context.messages.lines().size(), 2 + row.results.size()) << row.name;
    for (size_t i = 0; i < row.results.size(); ++i) {
      const MessageLine& line = f.context.messages.lines()[2 + i];
      EXPECT_EQ(line.message_no, "351");
      EXPECT_EQ(line.text, f.T("HotEdit"));
      if (row.results[i] == "<KORR>")
        EXPECT_EQ(line.result, f.T("Point") + " " + f.T("KORR") + " " + f.T("ERROR"));
      else
        EXPECT_EQ(line.result, f.T(row.results[i])) << row.name;
    }
  }
}

TEST(MoveKartTtsTest, WritesThePointAndItsMasterKeepingTheirOrientation) {
  ShiftFixture f;
  // The master of XP1 has an orientation of its own.
  f.program.DatPositions = ReplaceFirst(f.program.DatPositions, "MP1={X 100,Y 0,Z 0,A 0,B 0,C 0",
                                        "MP1={X 100,Y 0,Z 0,A 10,B 20,C 30");
  f.program.Record(kPtp).MasterDecl1 = "MP1={X 100,Y 0,Z 0,A 10,B 20,C 30,S 2,T 35}";
  ClsPrgMove move(f.program, &f.controller);
  move.set_tool_direction_z(false);
  std::string error;
  EXPECT_TRUE(move.MoveKartTTS({100, 0, 0, 0, -90, 0}, {200, 0, 0, 0, -90, 0}, {}, kPtp, kLin, 1, 1,
                               kPtp, 1, "{X 5, Y 0, Z 0, A 0, B 0, C 0}", error));
  EXPECT_EQ(error, "");
  EXPECT_EQ(f.program.Record(kPtp).Point1Decl, "XP1={X 105,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}");
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS XP1={X 105,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}"),
            std::string::npos);
  EXPECT_NE(f.program.DatPositions.find("DECL E6POS MP1={X 105,Y 0,Z 0,A 10,B 20,C 30,S 2,T 35}"),
            std::string::npos);
  EXPECT_TRUE(f.program.Record(kPtp).Modified);
  EXPECT_EQ(f.Log("shift.log"),
            "Nachher: XP1={X 105,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n"
            "Nachher(PM): MP1={X 105,Y 0,Z 0,A 10,B 20,C 30,S 2,T 35}\r\n");
}

TEST(MoveKartTtsTest, ZThrustExchangesXAndZBack) {
  ShiftFixture f;
  ClsPrgMove move(f.program, &f.controller);
  move.set_tool_direction_z(true);
  std::string error;
  // The caller passes X and Z exchanged: the point (100, 0, 0) arrives as (0, 0, 100).
  EXPECT_TRUE(move.MoveKartTTS({0, 0, 100, 0, -90, 0}, {100, 0, 100, 0, -90, 0}, {}, kPtp, kLin, 1,
                               1, kPtp, 1, "{X 5}", error));
  EXPECT_EQ(f.program.Record(kPtp).Point1Decl, "XP1={X 100,Y 0,Z 5,A 0,B 0,C 0,S 2,T 35}");
}

TEST(MoveKartTtsTest, NothingIsWrittenWhenNoCorrectionIsMade) {
  struct Row {
    const char* name;
    int16_t line;
    bool result;
    bool cant_move;
  } rows[] = {{"line 1", 1, true, false},
              {"line beyond the table", 3001, true, false},
              {"XHOME", kHome, true, true},
              {"parallel tool", kLin, false, false}};
  for (const Row& row : rows) {
    ShiftFixture f;
    ClsPrgMove move(f.program, &f.controller);
    move.set_tool_direction_z(false);
    const std::string before = f.program.DatPositions;
    std::string error;
    EXPECT_EQ(move.MoveKartTTS({0, 0, 0, 0, 0, 0}, {100, 0, 0, 0, 0, 0}, {}, row.line, row.line, 1,
                               1, row.line, 1, "{X 5}", error),
              row.result)
        << row.name;
    EXPECT_EQ(f.program.DatPositions, before);
    std::string expected = f.T("Error") + ":\r\n";
    if (row.cant_move) {
      const std::string line = f.T("Point") + "6: " + f.T("CantMove") + "\r\n";
      expected += line + line;
    }
    EXPECT_EQ(error, expected) << row.name;
    EXPECT_EQ(f.Log("shift.log"), row.cant_move ? "Fehler:\r\nP6: \r\nP6: \r\n" : "Fehler:\r\n");
  }
}

}  // namespace
}  // namespace velmora

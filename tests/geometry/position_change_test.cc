#include "geometry/robotmath/position_change.h"

#include <random>

#include <gtest/gtest.h>

#include "geometry/cls_prg_move.h"
#include "geometry/frame.h"
#include "geometry/position_text.h"
#include "geometry/tool_base_tables.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

struct Frames {
  std::string base = "{X 0, Y 0, Z 0, A 0, B 0, C 0}";
  std::string tool = "{X 0, Y 0, Z 0, A 0, B 0, C 0}";
  std::string root = "{X 0, Y 0, Z 0, A 0, B 0, C 0}";
  std::string mode = "#BASE";
};

std::string Config(const Frames& from, const Frames& to) {
  return Crlf("old_base = " + from.base + "\nnew_base = " + to.base +
              "\n\nold_tool = " + from.tool + "\nnew_tool = " + to.tool +
              "\n\nold_robroot = " + from.root + "\nnew_robroot = " + to.root +
              "\n\nold_ipo_mode = " + from.mode + "\nnew_ipo_mode = " + to.mode + "\n");
}

std::string Change(const std::string& points, const std::string& config) {
  std::string buffer = points + points;
  chg_pos_SIRL_file(buffer, points, config);
  return ClsPrgMove::CStringToText(buffer);
}

std::string FrameText(const Frame& f) {
  return "{X " + FormatNumber(f.x) + ", Y " + FormatNumber(f.y) + ", Z " + FormatNumber(f.z) +
         ", A " + FormatNumber(f.a) + ", B " + FormatNumber(f.b) + ", C " + FormatNumber(f.c) + "}";
}

TEST(PositionChangeTest, HandComputedChanges) {
  Frames plain, longer_tool, moved_base, tcp, tcp_moved;
  longer_tool.tool = "{X 0, Y 0, Z 150, A 0, B 0, C 0}";
  Frames short_tool;
  short_tool.tool = "{X 0, Y 0, Z 100, A 0, B 0, C 0}";
  moved_base.base = "{X 100, Y 0, Z 0, A 0, B 0, C 0}";
  tcp.mode = tcp_moved.mode = "#TCP";
  tcp_moved.tool = "{X 0, Y 0, Z 10, A 0, B 0, C 0}";
  struct Row {
    Frames from, to;
    std::string point, expected;
  } rows[] = {
      // The tool grew 50 mm along its z axis, which points along base X (B 90): the flange stays,
      // so the TCP lies 50 mm further along X.
      {short_tool, longer_tool, "DECL E6POS XP1={X 500,Y 0,Z 600,A 0,B 90,C 0,S 2,T 35}",
       "DECL E6POS XP1={X 550,Y 0,Z 600,A 0,B 90,C 0,S 2,T 35}"},
      // The base moved 100 mm along X: the same place is 100 mm less in it.
      {plain, moved_base, "DECL POS XP2={X 500,Y 20,Z 600,A 0,B 0,C 0}",
       "DECL POS XP2={X 400,Y 20,Z 600,A 0,B 0,C 0}"},
      // #TCP: the carried workpiece frame moved 10 mm along the flange z axis: the fixed tool is
      // 10 mm less along the workpiece z.
      {tcp, tcp_moved, "DECL E6POS XP3={X 100,Y 0,Z 0,A 0,B 0,C 0}",
       "DECL E6POS XP3={X 100,Y 0,Z -10,A 0,B 0,C 0}"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Change(Crlf(";PROGRAM NAME: DEMO\n" + row.point + "\n"), Config(row.from, row.to)),
              Crlf(";PROGRAM NAME: DEMO\n" + row.expected + "\n"));
  }
}

TEST(PositionChangeTest, ThereAndBackReturnsThePoints) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> mm(-800, 800), deg(-180, 180), pitch(-89, 89);
  auto frame = [&] {
    return FrameText({mm(random), mm(random), mm(random), deg(random), pitch(random), deg(random)});
  };
  for (const char* from_mode : {"#BASE", "#TCP"}) {
    for (const char* to_mode : {"#BASE", "#TCP"}) {
      Frames from, to;
      from.base = frame(), from.tool = frame(), from.root = frame(), from.mode = from_mode;
      to.base = frame(), to.tool = frame(), to.root = frame(), to.mode = to_mode;
      std::string points = ";PROGRAM NAME: A\r\n";
      std::vector<Frame> frames;
      for (int i = 0; i < 5; ++i) {
        Frame f{mm(random), mm(random), mm(random), deg(random), pitch(random), deg(random)};
        frames.push_back(f);
        points += "DECL E6POS XP" + std::to_string(i) + "=" +
                  FrameText(f).substr(0, FrameText(f).size() - 1) + ", S 6, T 27, E1 12.5}\r\n";
      }
      points += "DECL E6AXIS XP9={A1 1, A2 2, A3 3, A4 4, A5 5, A6 6}\r\n;PROGRAM NAME: B\r\n";
      std::string there = Change(points, Config(from, to));
      ASSERT_FALSE(there.empty());
      EXPECT_NE(there, points);
      std::string back = Change(there, Config(to, from));
      // Same lines, names, status, turn, external and axis values; poses equal to rounding.
      size_t line = 0;
      for (size_t a = 0, b = 0; a < points.size(); ++line) {
        size_t ea = points.find("\r\n", a), eb = back.find("\r\n", b);
        std::string pa = points.substr(a, ea - a), pb = back.substr(b, eb - b);
        if (line >= 1 && line <= 5) {
          EXPECT_EQ(pb.substr(0, pb.find('=')), pa.substr(0, pa.find('=')));
          EXPECT_TRUE(Equal(FrameOfText(pb), frames[line - 1], 1e-6)) << pa << "\n" << pb;
          EXPECT_TRUE(pb.ends_with(", S 6, T 27, E1 12.5}"));
        } else {
          EXPECT_EQ(pb, pa);
        }
        a = ea + 2;
        b = eb + 2;
      }
    }
  }
}

TEST(PositionChangeTest, UnusableInputGivesAnEmptyResult) {
  const std::string points = Crlf("DECL E6POS XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n");
  EXPECT_EQ(Change(points, ""), "");
  std::string no_mode = Config({}, {});
  no_mode = no_mode.substr(0, no_mode.find("new_ipo_mode"));
  EXPECT_EQ(Change(points, no_mode), "");
  Frames odd;
  odd.mode = "#NONE";
  EXPECT_EQ(Change(points, Config(odd, {})), "");
  EXPECT_EQ(Change(Crlf("DECL E6POS XP1={X 1,Y 2}\n"), Config({}, {})), "");
  EXPECT_EQ(Change(points, Config({}, {})), points);
}

}  // namespace
}  // namespace velmora

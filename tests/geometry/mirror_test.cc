#include "geometry/robotmath/mirror.h"

#include <gtest/gtest.h>

#include "geometry/cls_prg_move.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

// The library's answer as the point-transformation class reads it.
std::string Mirror(const std::string& text, const std::string& definition) {
  std::string input = text + "\r\n";
  std::string buffer = input + input;
  mirror_SIRL_file(buffer, input, definition, 0, 0);
  return ClsPrgMove::CStringToText(buffer);
}

const std::string kPlaneY0 = ClsPrgMove::CreateAxisSys(0);

TEST(MirrorTest, CartesianPointInThePlaneYZero) {
  // S Rz(A) Ry(B) Rx(C) S = Rz(-A) Ry(B) Rx(-C): A and C change sign, B stays.
  EXPECT_EQ(Mirror("XP1={X 100,Y 200,Z 300,A 30,B 20,C 10,S 6,T 27,E1 5,E2 0}", kPlaneY0),
            "XP1={X 100,Y -200,Z 300,A -30,B 20,C -10,S 6,T 50,E1 5,E2 0}");
  // The controller's value form keeps its layout; binary turn keeps its digits.
  EXPECT_EQ(
      Mirror("XP2={E6POS: X 1.5, Y -2, Z 3, A 0, B 90, C 0, S 'B010', T 'B000001'}", kPlaneY0),
      "XP2={E6POS: X 1.5, Y 2, Z 3, A 0, B 90, C 0, S 'B010', T 'B101000'}");
}

TEST(MirrorTest, AxisPointTurnsA1A4A6) {
  EXPECT_EQ(Mirror("DECL E6AXIS XHOME={A1 10,A2 -90,A3 80,A4 5,A5 30,A6 -40,E1 7}", kPlaneY0),
            "DECL E6AXIS XHOME={A1 -10,A2 -90,A3 80,A4 -5,A5 30,A6 40,E1 7}");
}

TEST(MirrorTest, MirroringTwiceReturnsThePoint) {
  const std::string points[] = {
      "XP1={X 812.25,Y -44.5,Z 1009,A 17.5,B -63,C 141,S 2,T 35,E1 0,E2 0,E3 0,E4 0,E5 0,E6 0}",
      "XP9={X 1,Y 2,Z 3,A 90,B 90,C 180,S 6,T 0}",
      "DECL AXIS XA1={A1 1,A2 2,A3 3,A4 4,A5 5,A6 6}",
  };
  for (const std::string& p : points) {
    std::string once = Mirror(p, kPlaneY0);
    EXPECT_NE(once, p);
    std::string twice = Mirror(once, kPlaneY0);
    if (p.find("A 90,B 90") != std::string::npos) {
      EXPECT_EQ(Mirror(twice, kPlaneY0), once);  // the singular angles are rewritten once
    } else {
      EXPECT_EQ(twice, p);
    }
  }
}

TEST(MirrorTest, WholeDataTextKeepsEverythingButThePositions) {
  std::string dat = Crlf(
      "DEFDAT  DEMO\n"
      ";FOLD EXTERNAL DECLARATIONS\n"
      "DECL BASIS_SUGG_T LAST_BASIS={POINT1[] \"P1\",POINT2[] \"P1\"}\n"
      "DECL E6POS XP1={X 100,Y 10,Z 0,A 0,B 0,C 0,S 2,T 35,E1 0}\n"
      "DECL FDAT FP1={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\n"
      "DECL FRAME F1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
      "ENDDAT\n");
  EXPECT_EQ(Mirror(dat, kPlaneY0),
            Crlf("DEFDAT  DEMO\n"
                 ";FOLD EXTERNAL DECLARATIONS\n"
                 "DECL BASIS_SUGG_T LAST_BASIS={POINT1[] \"P1\",POINT2[] \"P1\"}\n"
                 "DECL E6POS XP1={X 100,Y -10,Z 0,A 0,B 0,C 0,S 2,T 10,E1 0}\n"
                 "DECL FDAT FP1={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\n"
                 "DECL FRAME F1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
                 "ENDDAT\n"));
}

TEST(MirrorTest, FailuresGiveAnEmptyResult) {
  EXPECT_EQ(Mirror("DECL E6POS XP1={X 1,Y 2}", kPlaneY0), "");             // components missing
  EXPECT_EQ(Mirror("XP1={X 1,Y 2,Z 3,A 0,B 0,C ?}", kPlaneY0), "");        // not a number
  EXPECT_EQ(Mirror("XP1={X 1,Y 2,Z 3,A 0,B 0,C 0,T 1.5}", kPlaneY0), "");  // turn not whole
  EXPECT_EQ(Mirror("XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}", ""), "");              // no definition
  EXPECT_EQ(Mirror("XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}",
                   "src1 {X 0,Y 0,Z 0}\r\nsrc2 {X 1,Y 0,Z 0}\r\nsrc3 {X 2,Y 0,Z 0}\r\n"
                   "dest1 {X 0,Y 0,Z 0}\r\ndest2 {X 1,Y 0,Z 0}\r\ndest3 {X 0,Y 1,Z 0}\r\n"),
            "");  // the source points lie on a line
  // A result that does not fit the buffer leaves it without NUL.
  std::string buffer = "short";
  mirror_SIRL_file(buffer, "XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}", kPlaneY0, 0, 0);
  EXPECT_EQ(ClsPrgMove::CStringToText(buffer), "");
}

TEST(MirrorTest, OtherPlanesFollowTheDefinition) {
  // Source x axis onto destination x axis, y onto y, normal turned over: the plane Z = 1000.
  const std::string plane_z =
      "src1 {X 0, Y 0, Z 1000}\r\nsrc2 {X 100, Y 0, Z 1000}\r\nsrc3 {X 0, Y 100, Z 1000}\r\n\r\n"
      "dest1 {X 0, Y 0, Z 1000}\r\ndest2 {X 100, Y 0, Z 1000}\r\ndest3 {X 0, Y 100, Z 1000}\r\n";
  EXPECT_EQ(Mirror("XP1={X 5,Y 6,Z 900,A 0,B 0,C 0}", plane_z),
            "XP1={X 5,Y 6,Z 1100,A 0,B 0,C 180}");
}

}  // namespace
}  // namespace velmora

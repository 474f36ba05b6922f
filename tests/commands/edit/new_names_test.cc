#include "commands/edit/new_names.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

TEST(NextPointNumber, CountsOnFromTheHighestDeclaredNumber) {
  struct Case {
    const char* name;
    std::string positions, motion, prefix;
    int expected;
  } cases[] = {
      {"none yet", "DECL E6POS XP1={X 1}\n", "", "C", 0},
      {"both forms of the name", "DECL E6POS XC3={X 1}\nDECL E6POS C7={X 1}\n", "", "C", 8},
      {"axis points count too", "DECL E6AXIS XC12={A1 0}\nDECL E6POS XC3={X 1}\n", "", "C", 13},
      {"not a number", "DECL E6POS XC3A={X 1}\nDECL E6POS XCX={X 1}\n", "", "C", 0},
      {"other letters", "DECL E6POS XR9={X 1}\n", "", "C", 0},
      {"frame data left without its point", "", "DECL FDAT FR20={TOOL_NO 1}\n", "R", 21},
      {"lower case", "decl e6pos xr4={X 1}\n", "", "R", 5},
  };
  for (const Case& c : cases) {
    AppContext context;
    Program program(context);
    program.DatPositions = Crlf(c.positions);
    program.DatMotion = Crlf(c.motion);
    EXPECT_EQ(NextPointNumber(program, c.prefix), c.expected) << c.name;
  }
}

TEST(NextMotionDataNumbers, OneAfterTheHighestOfEachKind) {
  AppContext context;
  Program program(context);
  EXPECT_EQ(NextMotionDataNumbers(program).pdat, 1);
  EXPECT_EQ(NextMotionDataNumbers(program).lcpdat, 1);
  program.DatMotion = Crlf(
      "DECL PDAT PPDAT3={VEL 1}\nDECL PDAT PPDAT12={VEL 1}\nDECL LDAT LCPDAT2={VEL 1}\n"
      "DECL PDAT PDEFAULT={VEL 1}\n");
  EXPECT_EQ(NextMotionDataNumbers(program).pdat, 13);
  EXPECT_EQ(NextMotionDataNumbers(program).lcpdat, 3);
}

}  // namespace
}  // namespace velmora

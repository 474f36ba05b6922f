#include "program/dat_sections.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "program/master_list.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;

TEST(SplitDatSections, SortsEachLineIntoOneSection) {
  struct Case {
    std::string line;
    std::string Program::*section;
  } cases[] = {
      {"DEFDAT  P", &Program::DatOther},
      {"DECL E6POS XP1={X 1}", &Program::DatPositions},
      {"DECL E6AXIS XHOME={A1 0}", &Program::DatPositions},
      {"DECL POS P0={X 0}", &Program::DatPositions},
      {"EXT  MOVE (E6POS :IN)", &Program::DatOther},  // external declaration
      {"DECL FDAT FP1={TOOL_NO 1}", &Program::DatMotion},
      {"DECL PDAT PPDAT1={VEL 100}", &Program::DatMotion},
      {"DECL LDAT LCPDAT1={VEL 2}", &Program::DatMotion},
      {"decl fdat fp1={tool_no 1}", &Program::DatOther},  // the tests are case-sensitive
      {";FOLD comment", &Program::DatOther},
      {"DECL INT SUCCESS", &Program::DatOther},
      {"ENDDAT", &Program::DatTail},
  };
  for (const Case& c : cases) {
    AppContext context;
    Program program(context);
    SplitDatSections(program, c.line);
    EXPECT_EQ(program.*c.section, c.line + "\r\n") << c.line;
    EXPECT_EQ(program.DatOther.size() + program.DatPositions.size() + program.DatMotion.size() +
                  program.DatTail.size(),
              c.line.size() + 2)
        << c.line;
  }
}

TEST(SplitDatSections, EverythingFromEnddatOnIsTail) {
  AppContext context;
  Program program(context);
  SplitDatSections(program, Crlf("DEFDAT P\nENDDAT\nDECL E6POS XP9={X 9}\n; after\n"));
  EXPECT_EQ(program.DatOther, Crlf("DEFDAT P\n"));
  EXPECT_EQ(program.DatPositions, "");
  EXPECT_EQ(program.DatTail, Crlf("ENDDAT\nDECL E6POS XP9={X 9}\n; after\n"));
}

TEST(BuildDatText, WritesSectionsInOrderWithoutEmptyLines) {
  AppContext context;
  Program program(context);
  SplitDatSections(program, Crlf("DEFDAT P\nDECL E6POS XP1={X 1}\nDECL FDAT FP1={TOOL_NO 1}\n"
                                 "; note\nDECL E6POS XP2={X 2}\nENDDAT\n; trailer"));
  EXPECT_EQ(BuildDatText(program),
            Crlf("DEFDAT P\n; note\nDECL E6POS XP1={X 1}\nDECL E6POS XP2={X 2}\n"
                 "DECL FDAT FP1={TOOL_NO 1}\nENDDAT\n; trailer"));
  // The three sections lost their trailing line ends; DatOther did not.
  EXPECT_EQ(program.DatPositions, Crlf("DECL E6POS XP1={X 1}\nDECL E6POS XP2={X 2}"));
  EXPECT_EQ(program.DatOther, Crlf("DEFDAT P\n; note\n"));
}

TEST(BuildDatText, EmptySectionsAddNoLines) {
  AppContext context;
  Program program(context);
  SplitDatSections(program, Crlf("DEFDAT P\nENDDAT\n"));
  EXPECT_EQ(BuildDatText(program), Crlf("DEFDAT P\nENDDAT"));
}

TEST(MasterDeclarationLines, CollectsMastersInOrder) {
  const std::string positions = Crlf(
      "DECL E6POS XP1={X 1}\ndecl e6pos mp1={x 1}\nDECL E6AXIS XHOME={A1 0}\n"
      "DECL POS MP2={X 2}\nDECL E6POS MP3={X 3}\n");
  EXPECT_EQ(MasterDeclarationLines(positions),
            Crlf("decl e6pos mp1={x 1}\nDECL E6AXIS XHOME={A1 0}\nDECL E6POS MP3={X 3}\n"));
}

}  // namespace
}  // namespace velmora

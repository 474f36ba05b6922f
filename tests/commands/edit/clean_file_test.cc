#include "commands/edit/clean_file.h"

#include <gtest/gtest.h>

#include "commands/edit/edit_fixtures.h"

namespace velmora {
namespace {

using test::Crlf;
using test::Loaded;

const std::string kSrc = Crlf(
    "DEF cleaning( )\n"
    ";FOLD PTP P1 Vel=100 % PDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P1, 3:, "
    "5:100, 7:PDAT1\nPDAT_ACT=PPDAT1\nFDAT_ACT=FP1\nPTP XP1\n;ENDFOLD\n"
    ";FOLD LIN P2 Vel=2 m/s CPDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,%P 1:LIN, 2:P2, 3:, "
    "5:2, 6:CPDAT1\nLDAT_ACT=LCPDAT1\nFDAT_ACT=FP2\nLIN XP20\n;ENDFOLD\n"
    "END\n");

const std::string kHead = Crlf(
    "DEFDAT  CLEANING\n"
    "DECL BASIS_SUGG_T LAST_BASIS={POINT1[] \"P9\",POINT2[] \"P9\"}\n"
    "DECL INT LAST_XP_POINT=9\n");

// Used: XP1 and its data; XP2 only as the start of XP20; PDAT1 only inside the title and
// PPDAT1; FP2 and LCPDAT1. Unused: XP3, FP3, PPDAT3, LCPDAT9. Masters MP1 and MP3; other types.
const std::string kPositions = Crlf(
    "DECL E6POS XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL E6POS XP2={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL E6POS XP3={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL E6POS MP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL E6POS  MP3={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
    "DECL E6AXIS XA9={A1 0,A2 0,A3 0,A4 0,A5 0,A6 0}\n"
    "DECL POS XQ9={X 1,Y 2,Z 3,A 0,B 0,C 0,S 2,T 3}\n"
    "DECL E3POS XE9={X 1,Y 2,Z 3,A 0,B 0,C 0}\n");

const std::string kMotion = Crlf(
    "DECL PDAT PPDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL PDAT PDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL FDAT FP3={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT1={VEL 2,ACC 100,APO_DIST 100}\n"
    "DECL PDAT PPDAT3={VEL 100,ACC 100,APO_DIST 100}\n"
    "DECL LDAT LCPDAT9={VEL 2,ACC 100,APO_DIST 100}\n");

const std::string kDat = kHead + kPositions + kMotion + "ENDDAT\r\n";

TEST(CleanFile, RemovesUnusedPointsAndMotionDataOnly) {
  Loaded loaded(kDat, kSrc);
  Program& p = loaded.program;
  ASSERT_TRUE(CleanFile(p));
  EXPECT_EQ(p.DatPositions, Crlf("DECL E6POS XP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
                                 "DECL E6POS XP2={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
                                 "DECL E6POS MP1={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
                                 "DECL E6POS  MP3={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"
                                 "DECL E6AXIS XA9={A1 0,A2 0,A3 0,A4 0,A5 0,A6 0}\n"
                                 "DECL POS XQ9={X 1,Y 2,Z 3,A 0,B 0,C 0,S 2,T 3}\n"
                                 "DECL E3POS XE9={X 1,Y 2,Z 3,A 0,B 0,C 0}\n"));
  EXPECT_EQ(p.DatMotion, Crlf("DECL PDAT PPDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
                              "DECL PDAT PDAT1={VEL 100,ACC 100,APO_DIST 100}\n"
                              "DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
                              "DECL FDAT FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
                              "DECL LDAT LCPDAT1={VEL 2,ACC 100,APO_DIST 100}\n"));
  EXPECT_EQ(p.DatOther, "DEFDAT  CLEANING\r\nDECL BASIS_SUGG_T LAST_BASIS=" +
                            LastBasisResetRecord() + "\r\nDECL INT LAST_XP_POINT=0\r\n");
  for (int k = 1; k <= p.LineCount(); ++k) EXPECT_TRUE(p.Record(k).Modified) << k;
  EXPECT_EQ(loaded.Messages(),
            (std::vector<std::string>{"220 <mnuCleanFile>|<On>", "230 <FileCleaned>|<OK>"}));
}

TEST(CleanFile, NothingUnusedChangesNothing) {
  Loaded loaded(kDat, kSrc);
  Program& p = loaded.program;
  ASSERT_TRUE(CleanFile(p));
  const Program cleaned = p;
  for (int k = 1; k <= p.LineCount(); ++k) p.Record(k).Modified = false;
  EXPECT_FALSE(CleanFile(p));
  EXPECT_EQ(p.DatPositions, cleaned.DatPositions);
  EXPECT_EQ(p.DatMotion, cleaned.DatMotion);
  EXPECT_EQ(p.DatOther, cleaned.DatOther);
  for (int k = 1; k <= p.LineCount(); ++k) EXPECT_FALSE(p.Record(k).Modified) << k;
  EXPECT_EQ(loaded.Messages().back(), "230 <FileCleaned>|<not OK>");
}

TEST(CleanMaster, RemovesTheMasterPointsTheSourceDoesNotName) {
  Loaded loaded(kDat, kSrc + Crlf("; MP1 kept for reference\n"));
  Program& p = loaded.program;
  ASSERT_TRUE(CleanMaster(p));
  EXPECT_TRUE(Declares(p.DatPositions, "MP1"));
  EXPECT_FALSE(Declares(p.DatPositions, "MP3"));
  EXPECT_TRUE(Declares(p.DatPositions, "XP3"));  // ordinary points stay
  EXPECT_FALSE(Declares(p.DatMotion, "FP3"));    // motion data is cleaned as by Clean file
  EXPECT_EQ(loaded.Messages(),
            (std::vector<std::string>{"220 <mnuCleanMaster>|<On>", "230 <mnuCleanMaster>|<OK>"}));
}

TEST(RemoveDeclarationLine, TheWholeNameBeforeItsEquals) {
  struct Case {
    std::string text, name;
    bool removed;
    std::string rest;
  } cases[] = {
      {"DECL PDAT PPDAT1={V 1}\nDECL PDAT PDAT1={V 1}\nX\n", "PDAT1", true,
       "DECL PDAT PPDAT1={V 1}\nX\n"},
      {"DECL E6POS XP10={X 1}\nDECL E6POS XP1 ={X 1}\n", " XP1", true, "DECL E6POS XP10={X 1}\n"},
      {"decl e6pos xp1={X 1}\nEND", "XP1", true, "END"},
      {"DECL E6POS XP1={X 1}", "XP1", true, ""},
      {"DECL E6POS XP12={X 1}\n", "XP1", false, "DECL E6POS XP12={X 1}\n"},
      {"DECL E6POS XP1={X 1}\n", "", false, "DECL E6POS XP1={X 1}\n"},
  };
  for (const Case& c : cases) {
    std::string text = Crlf(c.text);
    EXPECT_EQ(RemoveDeclarationLine(&text, c.name), c.removed) << c.text;
    EXPECT_EQ(text, Crlf(c.rest)) << c.text;
  }
}

TEST(RemoveIfNotUsed, UsedNamesStayUnlessTheTestIsSkipped) {
  Loaded loaded(kDat, kSrc);
  Program& p = loaded.program;
  const SourceUse source(p);
  bool removed = true;
  EXPECT_TRUE(RemoveIfNotUsed(source, " XP1", &p.DatPositions, false, &removed));
  EXPECT_FALSE(removed);
  EXPECT_FALSE(RemoveIfNotUsed(source, " ", &p.DatPositions, false, &removed));
  EXPECT_TRUE(RemoveIfNotUsed(source, " XP1", &p.DatPositions, true, &removed));
  EXPECT_TRUE(removed);
  EXPECT_FALSE(Declares(p.DatPositions, "XP1"));
}

TEST(LastBasisResetRecord, PaddedValues) {
  EXPECT_EQ(LastBasisResetRecord(),
            "{POINT1[] \"P0                      \",POINT2[] \"P0                      \","
            "CP_PARAMS[] \"CPDAT0                  \",PTP_PARAMS[] \"PDAT0                  \","
            "CONT[] \"                        \",CP_VEL[] \"2                       \","
            "PTP_VEL[] \"100                     \"}");
}

}  // namespace
}  // namespace velmora

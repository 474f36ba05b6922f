#include "program/folds.h"

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr const char* kPtpLine =
    ";FOLD PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[0];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,"
    "%P 1:PTP, 2:P1, 3:C_PTP, 5:100, 7:PDAT1";
constexpr const char* kCommentLine =
    ";FOLD ; Teach here the first position ;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CCOMMENT,%VNORMAL,%P "
    "2:Put in three points that reference the source base system";

TEST(FoldTitleOf, ReadsTitlesOfEveryForm) {
  struct Case {
    std::string line, title;
  } cases[] = {
      {kPtpLine, "PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[0]"},
      {kCommentLine, "--  Teach here the first position  --"},
      {"  ; fold  Title with blank ;%{PE}", "Title with blank "},
      {";FOLD no metadata at all", "no metadata at all"},
      {";FOLD brace only{x}", "brace only"},
      {";FOLD 12: clamp;%{PE}%MZEVOTPVW,%CVW_SPS,%VUSER,%P 1:VW_USER_CLAMP, 2:12",
       "12:  VW_USER_CLAMP"},
      {";FOLD 7: x;%CVW_SPS,%VUSER,%P 1:VW_USER_A, 2:7", "7:  VW_USER_A"},
      {";FOLD x;%CVW_SPS,%VUSER,%P 1:VW_USER_END", ""},  // no "," after the name
      {";FOLD ;%CCOMMENT no semicolon {x}", "-- %CCOMMENT no semicolon  --"},
      {";ENDFOLD", ""},
      {"PTP XP1", ""},
      {"; comment", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FoldTitleOf(c.line), c.title) << c.line;
}

TEST(ParseFoldHeader, TakesTheFirstLineOnly) {
  LineRecord record;
  ParseFoldHeader(std::string(kPtpLine) + "\r\nPTP XP1\r\n;ENDFOLD\r\n", record);
  EXPECT_EQ(record.FoldTitle, "PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[0]");
  ParseFoldHeader("PTP XP1\r\n;FOLD x\r\n", record);
  EXPECT_EQ(record.FoldTitle, "");
  ParseFoldHeader("\r\n", record);
  EXPECT_EQ(record.FoldTitle, "");
}

TEST(DisplayText, NumbersMotionFoldsAndSetsKinds) {
  AppContext context;
  Program program(context);
  program.UserMotionCommands[0].CommandName = "UMOVE";
  struct Case {
    std::string text;
    std::string display;
    const char* kind;
    int16_t motion_no;
  } cases[] = {
      {std::string(kPtpLine) + "\r\n;ENDFOLD\r\n",
       "1: PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[0]\r\n", "MOVE", 1},
      {std::string(kCommentLine) + "\r\n;ENDFOLD\r\n", "--  Teach here the first position  --\r\n",
       "COMMENT", 0},
      {"a=1\r\n", "a=1\r\n", "UNKNOWN", 0},
      {";FOLD LIN P2;%{PE}\r\n;ENDFOLD\r\n", "2: LIN P2\r\n", "MOVE", 2},
      {";FOLD ;x;%CCOMMENT,%CVW_SPS\r\n;ENDFOLD\r\n", "-- x --\r\n", "SPS", 0},
      {";FOLD ;x;%CCOMMENT,%CUSER,%VEXPERT\r\n;ENDFOLD\r\n", "-- x --\r\n", "EXPERT", 0},
      {";FOLD robot.P 12;%{PE}\r\n;ENDFOLD\r\n", "3: robot.P 12\r\n", "MOVE", 3},
      {";FOLD UMOVE S6;%{PE}\r\n;ENDFOLD\r\n", "4: UMOVE S6\r\n", "MOVE", 4},
      {";FOLD Glue bead\r\n;FOLD LIN P3;%{PE}\r\n;ENDFOLD\r\n;ENDFOLD\r\n", "Glue bead\r\n",
       "UNKNOWN", 0},
  };
  int counter = 0;
  for (const Case& c : cases) {
    LineRecord record;
    record.Text = c.text;
    ParseFoldHeader(record.Text, record);
    EXPECT_EQ(DisplayText(program, record, counter), c.display) << c.text;
    EXPECT_EQ(record.FoldKind, c.kind) << c.text;
    EXPECT_EQ(record.MotionNo, c.motion_no) << c.text;
  }
  EXPECT_EQ(counter, 4);
}

TEST(TechnologyPackage, FromModuleMarker) {
  EXPECT_EQ(TechnologyPackage("%MZEVOTPVW,%MZEVOTPUSER"), "TP_VW");
  EXPECT_EQ(TechnologyPackage(";FOLD x;%MZEVOTPUSER"), "TP_USER");
  EXPECT_EQ(TechnologyPackage(kPtpLine), "TP_BASIS");
  EXPECT_EQ(TechnologyPackage("PTP XP1"), "TP_BASIS");
}

TEST(TechCommandOf, FirstMatchingRowWins) {
  AppContext context;
  Program program(context);
  program.TechKeywords.on = {"SEAM_ON"};
  program.TechKeywords.off = {"SEAM_OFF"};
  program.TechKeywords.change = {"SEAM_SWITCH"};
  program.UserMotionCommands[3].CommandName = "UMOVE";
  struct Case {
    std::string text;
    int16_t code;
  } cases[] = {
      {"%MZEVOTPBASIS,%CARC_OFF,%CARC_SWI", 2},
      {"%MZEVOTPBASIS,%CARC_ON", 1},
      {"%CSEALON", 4},
      {"%CSEALMOVE", 5},
      {"%CSEALOFF", 6},
      {"UMOVE(1,2)", 7},
      {"SEAM_ON in a basis fold", 0},
      {"%MZEVOTPUSER SEAM_OFF SEAM_ON", 1},
      {"%MZEVOTPUSER SEAM_OFF SEAM_SWITCH", 2},
      {"%MZEVOTPUSER SEAM_OFF", 3},
      {"%MZEVOTPUSER %CARC_ON", 0},
      {"%MZEVOTPUSER UMOVE", 7},
      {"%MZEVOTPUSER UMOVE SEAM_OFF", 3},
      {"nothing", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TechCommandOf(program, c.text), c.code) << c.text;
}

}  // namespace
}  // namespace velmora

#include "program/loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "base/app_context.h"
#include "program/dat_sections.h"
#include "program/folds.h"
#include "program/print_table.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;
using namespace std::string_literals;
using test::ReadBytes;

const std::string kData = VELMORA_TEST_DATA "/programs/";

struct Fixture {
  std::string src = ReadBytes(kData + "Station_A.src");
  std::string dat = ReadBytes(kData + "station_a.DAT");
};

// The fixture after a load and save: fold lines trimmed, statements in folds indented by four
// blanks, an empty line in a fold as four blanks, no line end after END.
const std::string kSavedSrc = Crlf(
    "&ACCESS RVP\n&COMMENT Pr\xfc"
    "fstand 45\xb0\nDEF Station_A( )\n"
    ";FOLD INI;%{PE}%V3.2.0,%MZEVOTPBASIS,%CINIT,%VCOMMON,%P\n"
    ";FOLD BAS INI;%{E}%V3.2.0,%MZEVOTPBASIS,%CINIT,%VINIT,%P\n"
    "    BAS (#INITMOV,0 )\n;ENDFOLD (BAS INI)\n;ENDFOLD (INI)\n\n"
    ";FOLD PTP HOME Vel=100 % DEFAULT;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:HOME, "
    "3:, 5:100, 7:DEFAULT\n    PTP XHOME\n    \n;ENDFOLD\n"
    ";FOLD ; Greifer \xf6"
    "ffnen ;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CCOMMENT,%VNORMAL,%P 2:x\n;ENDFOLD\n"
    ";FOLD PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,"
    "%P 1:PTP, 2:P1, 3:C_PTP, 5:100, 7:PDAT1\n    PTP XP1 C_PTP\n;ENDFOLD\n"
    ";FOLD LIN P2 Vel=0.2 m/s CPDAT1 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,"
    "%P 1:LIN, 2:P2, 3:, 5:0.2, 6:CPDAT1\n    LIN XP2\n;ENDFOLD\n"
    ";FOLD CIRC P3 P4 Vel=0.2 m/s CPDAT2 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,"
    "%VCIRC,%P 1:CIRC, 2:P3, 3:P4, 4:C_DIS, 6:0.2, 8:CPDAT2\n    CIRC XP3, XP4 C_DIS\n;ENDFOLD\n"
    ";FOLD SPS wait;%{PE}%R 3.2.24,%MZEVOTPVW,%CVW_SPS,%VNORMAL,%P\n    WAIT FOR $IN[3]\n;ENDFOLD\n"
    ";FOLD Expert block;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CUSER,%VEXPERT,%P\n    $OUT[5]=TRUE\n"
    ";ENDFOLD\n; plain comment\nEND");

const std::string kView = Crlf(
    "INI\n\n1: PTP HOME Vel=100 % DEFAULT\n--  Greifer \xf6"
    "ffnen  --\n"
    "2: PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[2]\n3: LIN P2 Vel=0.2 m/s CPDAT1 Tool[1] Base[2]\n"
    "4: CIRC P3 P4 Vel=0.2 m/s CPDAT2 Tool[1] Base[2]\nSPS wait\nExpert block\n; plain comment\n"
    "END\n");

TEST(LoadProgramIntoView, FillsTableViewAndSections) {
  Fixture f;
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  EXPECT_EQ(program.LineCount(), 12);
  EXPECT_EQ(program.ViewText, kView);
  EXPECT_EQ(program.FirstShownLine, 2);
  EXPECT_EQ(program.LastShownLine, 12);
  EXPECT_EQ(program.CurrentLine, 2);
  EXPECT_EQ(program.Record(1).Text, Crlf("&ACCESS RVP\n&COMMENT Pr\xfc"
                                         "fstand 45\xb0\nDEF Station_A( )\n"));
  size_t view_at = 0;  // records' view ranges tile the view text
  for (int k = 2; k <= program.LineCount(); ++k) {
    EXPECT_EQ(program.Record(k).ViewStart, static_cast<int32_t>(view_at)) << k;
    view_at += static_cast<size_t>(program.Record(k).ViewLength);
  }
  EXPECT_EQ(view_at, program.ViewText.size());
  const char* kinds[] = {"UNKNOWN", "UNKNOWN", "MOVE",   "COMMENT", "MOVE",   "MOVE",
                         "MOVE",    "SPS",     "EXPERT", "UNKNOWN", "UNKNOWN"};
  for (int k = 2; k <= 12; ++k) EXPECT_EQ(program.Record(k).FoldKind, kinds[k - 2]) << k;

  const LineRecord& home = program.Record(4);
  EXPECT_EQ(home.Point1Name, "XHOME");
  EXPECT_EQ(home.MotionType, kPtp);
  EXPECT_TRUE(home.IsMotion);
  EXPECT_EQ(home.MasterDecl1, "");  // XHOME never has a master
  EXPECT_EQ(home.Pos1, Pose6{});    // an axis point has no Cartesian components

  const LineRecord& ptp = program.Record(6);
  EXPECT_EQ(ptp.MotionNo, 2);
  EXPECT_EQ(ptp.Point1Decl.substr(0, 16), "XP1={X 100.0,Y 2");
  EXPECT_EQ(ptp.Pos1, (Pose6{100, 200, 300, 10, 20, 30}));
  EXPECT_EQ(ptp.MotionData,
            "FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\r\n"
            "PPDAT1={VEL 100.0,ACC 100.0,APO_DIST 100.0}");
  EXPECT_EQ(ptp.MasterName1, "MP1");
  EXPECT_EQ(ptp.MasterDecl1.substr(0, 12), "MP1={X 99.0,");
  EXPECT_EQ(ptp.MasterPos1, (Pose6{99, 199, 299, 10, 20, 30}));

  const LineRecord& circ = program.Record(8);
  EXPECT_EQ(circ.MotionType, kCirc);
  EXPECT_EQ(circ.Point1Name, "XP4");
  EXPECT_EQ(circ.Point2Name, "XP3");
  EXPECT_EQ(circ.MasterName1, "MP4");
  EXPECT_EQ(circ.MasterDecl2, "");
  EXPECT_EQ(circ.MotionData2, "FP3={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}");

  EXPECT_EQ(program.Record(11).MotionType, kNoMotion);
  EXPECT_EQ(program.MasterList.substr(0, 16), "DECL E6AXIS XHOM");
  EXPECT_EQ(program.DatTail, Crlf("ENDDAT\n; kept after ENDDAT\n"));
}

TEST(LoadProgramIntoView, SaveGivesTheNormalisedLayoutAndKeepsHighBytes) {
  Fixture f;
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  EXPECT_EQ(BuildSrcText(program), kSavedSrc);
  const std::string dat_text = BuildDatText(program);
  EXPECT_EQ(dat_text, Crlf("&ACCESS RVP\nDEFDAT  STATION_A\n; Messpunkte f\xfcr Station A\n") +
                          program.DatPositions + "\r\n" + program.DatMotion + "\r\n" +
                          Crlf("ENDDAT\n; kept after ENDDAT"));

  // A second load of the saved texts gives them back unchanged.
  std::string src = BuildSrcText(program), dat = BuildDatText(program);
  Program again(context);
  ASSERT_TRUE(LoadProgramIntoView(again, dat, src));
  EXPECT_EQ(BuildSrcText(again), src);
  EXPECT_EQ(BuildDatText(again), dat);
}

std::string LfOnly(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

TEST(LoadProgramIntoView, LoneLineFeedsReadAsCrLf) {
  Fixture f;
  AppContext context;
  Program crlf(context), lf(context);
  ASSERT_TRUE(LoadProgramIntoView(crlf, f.dat, f.src));
  ASSERT_TRUE(LoadProgramIntoView(lf, LfOnly(f.dat), LfOnly(f.src)));
  EXPECT_EQ(lf.ViewText, crlf.ViewText);
  EXPECT_EQ(lf.MasterList, crlf.MasterList);
  EXPECT_EQ(BuildSrcText(lf), kSavedSrc);
  EXPECT_EQ(BuildDatText(lf), BuildDatText(crlf));
}

std::string ProgramWithLines(int logical_lines) {
  std::string src = "DEF long( )\r\n";
  for (int i = 1; i < logical_lines; ++i) src += "A=" + std::to_string(i) + "\r\n";
  return src + "END\r\n";
}

TEST(LoadProgramIntoView, RefusesMoreThan2999LogicalLinesAndKeepsTheModel) {
  Fixture f;
  AppContext context;
  context.messages.SetUp(1);
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  const std::string view = program.ViewText, positions = program.DatPositions;
  const size_t messages = context.messages.lines().size();

  EXPECT_FALSE(LoadProgramIntoView(program, "DEFDAT long\r\nENDDAT\r\n", ProgramWithLines(3000)));
  EXPECT_EQ(program.LineCount(), 12);
  EXPECT_EQ(program.ViewText, view);
  EXPECT_EQ(program.DatPositions, positions);
  EXPECT_EQ(program.Record(13).Text, "");
  ASSERT_EQ(context.messages.lines().size(), messages + 1);
  EXPECT_EQ(context.messages.lines().back().message_no, "999");
  EXPECT_NE(context.messages.lines().back().result.find("3000"), std::string::npos);

  ASSERT_TRUE(LoadProgramIntoView(program, "", ProgramWithLines(2999)));
  EXPECT_EQ(program.LineCount(), kMaxRecords);
  EXPECT_EQ(program.Record(kMaxRecords).Text, "END\r\n");
}

// Every line of `src`, trimmed and without empty ones, in order.
std::vector<std::string> TrimmedLines(const std::string& src) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : src + "\n") {
    if (c == '\r' || c == '\n') {
      size_t b = line.find_first_not_of(" \t"), e = line.find_last_not_of(" \t");
      if (b != std::string::npos) lines.push_back(line.substr(b, e - b + 1));
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

TEST(LoadProgramIntoView, BadInputLoadsWithoutLosingALine) {
  std::mt19937 random(7);
  std::string noise(20000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  struct Case {
    const char* name;
    std::string src, dat;
  } cases[] = {
      {"fourth fold level and stray ENDFOLD",
       Crlf("DEF p( )\n;FOLD 1\n;FOLD 2\n;FOLD 3\n;FOLD 4\nPTP XP1\n;ENDFOLD\n;ENDFOLD\n;ENDFOLD\n"
            ";ENDFOLD\n;ENDFOLD\nEND\n"),
       Crlf("DEFDAT p\nENDDAT\n")},
      {"NUL bytes", "DEF p( )\r\nA=\0\0B\r\n;FOLD \0;%{PE}\r\nEND"s,
       "DEFDAT p\r\nDECL E6POS XP1={X \0}\r\n"s},
      {"no ENDDAT, no END", Crlf("DEF p( )\n;FOLD PTP P1;%{PE}%P 1:PTP, 2:P1, 7:PDAT1\nPTP XP1\n"),
       Crlf("DEFDAT p\nDECL E6POS XP1={X 1}\nDECL PDAT PPDAT1={VEL 1}")},
      {"one megabyte line",
       "DEF p( )\r\n;FOLD PTP " + std::string(1 << 20, 'P') +
           ";%{PE}%P 1:PTP, 2:" + std::string(1 << 20, '=') + "\r\nEND\r\n",
       "DECL E6POS M" + std::string(1 << 20, '=') + "={X 1}\r\n" + std::string(1 << 20, '{') +
           "={\r\n"},
      {"not a program", noise, noise},
      {"lone CRs", "DEF p( )\rA=1\r;FOLD x\rB\r;ENDFOLD\rEND", "DEFDAT p\rENDDAT"},
  };
  for (const Case& c : cases) {
    AppContext context;
    Program program(context);
    ASSERT_TRUE(LoadProgramIntoView(program, c.dat, c.src)) << c.name;
    EXPECT_EQ(TrimmedLines(BuildSrcText(program)), TrimmedLines(c.src)) << c.name;
    EXPECT_EQ(TrimmedLines(BuildDatText(program)).size(), TrimmedLines(c.dat).size()) << c.name;
  }
}

TEST(LoadProgramIntoView, SourceWithoutDefLineIsAllHeader) {
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, "", Crlf("&ACCESS RVP\nno program here\n")));
  EXPECT_EQ(program.LineCount(), 1);
  EXPECT_EQ(program.ViewText, "");
  EXPECT_EQ(program.FirstShownLine, 0);
  EXPECT_EQ(BuildSrcText(program), Crlf("&ACCESS RVP\nno program here"));
}

TEST(LoadProgramIntoView, ShowsTheFirstScreenEarlyAndReportsProgress) {
  AppContext context;
  Program program(context);
  std::string early;
  int view_changes = 0, last_percent = -1;
  program.show_early = [&](std::string_view text) { early += text; };
  program.view_changed = [&] { ++view_changes; };
  context.progress.show = [&](int percent) { last_percent = percent; };
  ASSERT_TRUE(LoadProgramIntoView(program, "", ProgramWithLines(50)));
  EXPECT_EQ(early, program.ViewText.substr(0, early.size()));
  EXPECT_EQ(std::count(early.begin(), early.end(), '\n'), 38);
  EXPECT_EQ(view_changes, 1);
  EXPECT_EQ(last_percent, 100);
}

TEST(HasChanges, EndOnlyBodyCountsAsChanged) {
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, "", Crlf("DEF p( )\nEND\n")));
  EXPECT_EQ(program.LineCount(), 2);
  EXPECT_TRUE(HasChanges(program));

  Fixture f;
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  EXPECT_FALSE(HasChanges(program));
  program.Record(1).Modified = true;
  program.Record(7).Modified = true;
  EXPECT_TRUE(HasChanges(program));
  BuildSrcText(program);
  EXPECT_FALSE(HasChanges(program));
}

TEST(RebuildView, RenumbersMotionsFromTheRecords) {
  Fixture f;
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  // A command removes record 4 (the first motion) and rebuilds the view.
  for (int k = 4; k < program.LineCount(); ++k) program.Record(k) = program.Record(k + 1);
  program.Record(program.LineCount()) = LineRecord();
  --program.LineCount();
  int changes = 0;
  program.view_changed = [&] { ++changes; };
  RebuildView(program);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(program.Record(5).MotionNo, 1);
  EXPECT_EQ(program.ViewText.substr(program.Record(5).ViewStart, program.Record(5).ViewLength),
            "1: PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[2]\r\n");
  EXPECT_EQ(program.LastShownLine, 11);
}

TEST(PrintTable, SameViewFromTheSourceAloneWithoutTouchingTheProgram) {
  Fixture f;
  AppContext context;
  Program program(context);
  ASSERT_TRUE(LoadProgramIntoView(program, f.dat, f.src));
  auto table = std::make_unique<LineTable>();
  std::string view;
  ASSERT_TRUE(LoadPrintTable(program, *table, f.src, &view));
  EXPECT_EQ(view, kView);
  EXPECT_EQ(table->LineCount, 12);
  EXPECT_EQ((*table)[6].MotionType, kPtp);
  EXPECT_EQ((*table)[6].Point1Name, "");  // points are not looked up for printing
  EXPECT_EQ(program.ViewText, kView);
  EXPECT_FALSE(LoadPrintTable(program, *table, ProgramWithLines(3001), &view));
}

}  // namespace
}  // namespace velmora

#include <gtest/gtest.h>

#include "base/strings.h"
#include "commands/edit/clipboard_commands.h"
#include "commands/edit/edit_fixtures.h"
#include "program/declarations.h"

namespace velmora {
namespace {

using test::Crlf;
using test::kBasisDat;
using test::kBasisSrc;
using test::kUserDat;
using test::kUserSrc;
using test::Loaded;

// The declaration line of `name` in a section, without "DECL type ".
std::string DeclOf(std::string_view section, std::string_view name) {
  std::string_view rest = section;
  while (!rest.empty()) {
    const std::string_view line = PopLine(rest);
    if (DeclaredName(line) == name) return Trim(line.substr(line.find(' ', 5) + 1));
  }
  return "(none)";
}

Clipboard CopyOf(Program& p, int first, int last) {
  Clipboard clipboard;
  p.BlockStart = first, p.BlockEnd = last + 1;
  EXPECT_TRUE(CopySections(p, clipboard, true));
  return clipboard;
}

TEST(PasteSections, BasisMotionsGetNewPointsAndMotionData) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyOf(p, 4, 6);  // PTP P1, LIN P2, CIRC P3 P4
  p.CurrentLine = 7;
  ASSERT_TRUE(PasteSections(p, clipboard));
  ASSERT_EQ(p.LineCount(), 11);
  EXPECT_EQ(p.CurrentLine, 7);

  EXPECT_EQ(p.Record(8).Text,
            test::FoldText(
                ";FOLD PTP C0 CONT Vel=100 % PDAT2 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,"
                "%CMOVE,%VPTP,%P 1:PTP, 2:C0, 3:C_PTP, 5:100, 7:PDAT2\nPDAT_ACT=PPDAT2\n"
                "FDAT_ACT=FC0\nBAS (#PTP_PARAMS,100 )\nPTP XC0 C_PTP\n;ENDFOLD\n"));
  EXPECT_EQ(p.Record(8).FoldTitle, "PTP C0 CONT Vel=100 % PDAT2 Tool[1] Base[2]");
  EXPECT_EQ(
      p.Record(9).Text,
      test::FoldText(";FOLD LIN C1 Vel=0.2 m/s CPDAT4 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,"
                     "%CMOVE,%VLIN,%P 1:LIN, 2:C1, 3:, 5:0.2, 6:CPDAT4\nLDAT_ACT=LCPDAT4\n"
                     "FDAT_ACT=FC1\nBAS (#CP_PARAMS,0.2 )\nLIN XC1\n;ENDFOLD\n"));
  // The circle: target first (C2), then the auxiliary point (C3).
  EXPECT_EQ(p.Record(10).Text,
            test::FoldText(
                ";FOLD CIRC C3 C2 Vel=0.2 m/s CPDAT5 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,"
                "%CMOVE,%VCIRC,%P 1:CIRC, 2:C3, 3:C2, 4:C_DIS, 6:0.2, 8:CPDAT5\n"
                "LDAT_ACT=LCPDAT5\nFDAT_ACT=FC2\nBAS (#CP_PARAMS,0.2 )\nCIRC XC3, XC2 C_DIS\n"
                ";ENDFOLD\n"));

  struct Decl {
    std::string name, expected;
  } positions[] =
      {
          {"XC0",
           "XC0={X 100.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35,E1 0.0,E2 0.0,E3 0.0,E4 0.0,"
           "E5 0.0,E6 0.0}"},
          {"XC1", "XC1={X 110.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}"},
          {"XC2", "XC2={X 130.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}"},
          {"XC3", "XC3={X 120.0,Y 210.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}"},
      },
    motion[] = {
        {"FC0", "FC0={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}"},
        {"PPDAT2", "PPDAT2={VEL 100.0,ACC 100.0,APO_DIST 100.0}"},
        {"LCPDAT4", "LCPDAT4={VEL 0.2,ACC 100.0,APO_DIST 100.0}"},
        {"FC2", "FC2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}"},
        {"LCPDAT5", "LCPDAT5={VEL 0.2,ACC 100.0,APO_DIST 5.0}"},
        {"FC3", "FC3={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}"},
    };
  for (const Decl& d : positions) EXPECT_EQ(DeclOf(p.DatPositions, d.name), d.expected);
  for (const Decl& d : motion) EXPECT_EQ(DeclOf(p.DatMotion, d.name), d.expected);
  EXPECT_EQ(loaded.Messages().back(), "121 <Paste>|OK");

  // The pasted records read their new names; the originals keep their points and masters.
  EXPECT_EQ(p.Record(10).Point1Name, "XC2");
  EXPECT_EQ(p.Record(10).Point2Name, "XC3");
  EXPECT_TRUE(p.Record(8).MasterDecl1.empty());
  EXPECT_EQ(p.Record(4).MasterName1, "MP1");
  for (int k = 8; k <= 10; ++k) EXPECT_TRUE(p.Record(k).Modified) << k;
  test::ExpectReloadsIntact(p);
}

TEST(PasteSections, PastingTwiceGivesFurtherNames) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyOf(p, 4, 4);
  p.CurrentLine = 4;
  ASSERT_TRUE(PasteSections(p, clipboard));
  ASSERT_TRUE(PasteSections(p, clipboard));
  // Each paste goes in after the current record, so the second one stands first.
  EXPECT_EQ(p.Record(5).Point1Name, "XC1");
  EXPECT_EQ(p.Record(6).Point1Name, "XC0");
  EXPECT_TRUE(Contains(p.Record(5).Text, "PDAT_ACT=PPDAT3"));
  EXPECT_TRUE(Contains(p.Record(6).Text, "PDAT_ACT=PPDAT2"));
  test::ExpectReloadsIntact(p);
}

TEST(PasteSections, HomeKeepsItsNameAndGetsItsOwnMotionData) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyOf(p, 3, 3);
  p.CurrentLine = 7;
  ASSERT_TRUE(PasteSections(p, clipboard));
  EXPECT_EQ(p.Record(8).Point1Name, "XHOME");
  EXPECT_EQ(
      p.Record(8).Text,
      test::FoldText(";FOLD PTP HOME Vel=100 % PDAT2;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,"
                     "%P 1:PTP, 2:HOME, 3:, 5:100, 7:PDAT2\nPDAT_ACT=PPDAT2\nFDAT_ACT=FHOME\n"
                     "BAS (#PTP_DAT,100 )\nPTP XHOME\n;ENDFOLD\n"));
  EXPECT_EQ(test::DeclaredNames(p.DatPositions).count("XHOME"), 1u);
  test::ExpectReloadsIntact(p);
}

TEST(PasteSections, UserMotionsGetNewPointsAndShareTheirMotionData) {
  Loaded loaded(kUserDat, kUserSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyOf(p, 2, 4);
  p.CurrentLine = 4;
  ASSERT_TRUE(PasteSections(p, clipboard));
  ASSERT_EQ(p.LineCount(), 8);
  EXPECT_TRUE(Contains(p.Record(5).Text, "\r\n    PTP C0\r\n"));
  EXPECT_TRUE(Contains(p.Record(5).Text, "PDAT_ACT=SPD1"));
  EXPECT_TRUE(Contains(p.Record(7).Text, "\r\n    CIRC C2, C3\r\n"));
  EXPECT_EQ(DeclOf(p.DatPositions, "C3"),
            "C3={X 745.0,Y 431.5,Z 262.0,A -35.0,B 30.0,C 175.0,S 6,T 18}");
  test::ExpectReloadsIntact(p);
}

TEST(PasteSections, AfterCutTheDeclarationsComeBack) {
  for (const auto& [dat, src] : {std::pair{kBasisDat, kBasisSrc}, std::pair{kUserDat, kUserSrc}}) {
    Loaded loaded(dat, src);
    Program& p = loaded.program;
    Clipboard clipboard;
    p.BlockStart = 2, p.BlockEnd = p.LineCount() - 1;  // every statement but END
    ASSERT_TRUE(CutSections(p, clipboard, true));
    ASSERT_EQ(p.LineCount(), 2);
    ASSERT_TRUE(PasteSections(p, clipboard));
    EXPECT_EQ(p.LineCount(), 2 + clipboard.count());
    EXPECT_EQ(Trim(ReplaceAll(p.Record(p.LineCount()).Text, "\r\n", "")), "END");
    test::ExpectReloadsIntact(p);
  }
}

TEST(PasteSections, NeverLandsBehindEnd) {
  Loaded loaded(kBasisDat, kBasisSrc);
  Program& p = loaded.program;
  const Clipboard clipboard = CopyOf(p, 4, 5);
  p.CurrentLine = 8;  // END
  ASSERT_TRUE(PasteSections(p, clipboard));
  EXPECT_EQ(p.Record(8).Point1Name, "XC0");
  EXPECT_EQ(p.CurrentLine, 8);
  EXPECT_EQ(Trim(ReplaceAll(p.Record(10).Text, "\r\n", "")), "END");
}

TEST(PasteSections, RefusedWithoutChange) {
  struct Case {
    const char* name;
    int statements;
    int clipboard_entries;
    std::string message;
  } cases[] = {
      {"empty clipboard", 1, 0, "122 <Paste>|<no Data in Temp, ><not_OK>"},
      {"table full", 2995, 4, "121 <Paste>|<not_OK>: <LineTableLimit> 2999"},
  };
  for (const Case& c : cases) {
    std::string src = "DEF many( )\n";
    for (int i = 0; i < c.statements; ++i) src += "WAIT SEC 0\n";
    Loaded loaded(kBasisDat, Crlf(src + "END\n"));
    Program& p = loaded.program;
    const int count = p.LineCount();
    const std::string positions = p.DatPositions;
    Clipboard clipboard;
    clipboard.entries.resize(static_cast<size_t>(c.clipboard_entries));
    EXPECT_FALSE(PasteSections(p, clipboard)) << c.name;
    EXPECT_FALSE(ReversePath(p, clipboard, false)) << c.name;
    EXPECT_EQ(p.LineCount(), count) << c.name;
    EXPECT_EQ(p.DatPositions, positions) << c.name;
    EXPECT_EQ(loaded.Messages().front(), c.message) << c.name;
  }
  // One fewer fits.
  std::string src = "DEF many( )\n";
  for (int i = 0; i < 2995; ++i) src += "WAIT SEC 0\n";
  Loaded loaded(kBasisDat, Crlf(src + "END\n"));
  Clipboard clipboard;
  clipboard.entries.resize(3);
  EXPECT_TRUE(PasteSections(loaded.program, clipboard));
  EXPECT_EQ(loaded.program.LineCount(), kMaxRecords);
}

}  // namespace
}  // namespace velmora

#pragma once
// Small programs of both inline-form syntaxes for the edit command tests, and the check that a
// changed program still loads with every motion intact.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "base/app_context.h"
#include "base/strings.h"
#include "commands/edit/declare.h"
#include "program/dat_sections.h"
#include "program/lines.h"
#include "program/loader.h"
#include "program/motion.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora::test {

// TP_BASIS: records 2 INI, 3 HOME, 4 PTP P1, 5 LIN P2, 6 CIRC P3 P4, 7 LIN P5, 8 END.
inline const std::string kBasisSrc = Crlf(
    "&ACCESS RVP\n&REL 4\nDEF basis_path( )\n"
    ";FOLD INI;%{PE}%V3.2.0,%MZEVOTPBASIS,%CINIT,%VCOMMON,%P\n"
    ";FOLD BAS INI;%{E}%V3.2.0,%MZEVOTPBASIS,%CINIT,%VINIT,%P\n"
    "BAS (#INITMOV,0 )\n;ENDFOLD (BAS INI)\n;ENDFOLD (INI)\n"
    ";FOLD PTP HOME Vel=100 % DEFAULT;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:HOME, "
    "3:, 5:100, 7:DEFAULT\nPDAT_ACT=PDEFAULT\nFDAT_ACT=FHOME\nBAS (#PTP_DAT,100 )\nPTP XHOME\n"
    ";ENDFOLD\n"
    ";FOLD PTP P1 CONT Vel=100 % PDAT1 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,"
    "%P 1:PTP, 2:P1, 3:C_PTP, 5:100, 7:PDAT1\nPDAT_ACT=PPDAT1\nFDAT_ACT=FP1\n"
    "BAS (#PTP_PARAMS,100 )\nPTP XP1 C_PTP\n;ENDFOLD\n"
    ";FOLD LIN P2 Vel=0.2 m/s CPDAT1 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,"
    "%P 1:LIN, 2:P2, 3:, 5:0.2, 6:CPDAT1\nLDAT_ACT=LCPDAT1\nFDAT_ACT=FP2\n"
    "BAS (#CP_PARAMS,0.2 )\nLIN XP2\n;ENDFOLD\n"
    ";FOLD CIRC P3 P4 Vel=0.2 m/s CPDAT2 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,"
    "%VCIRC,%P 1:CIRC, 2:P3, 3:P4, 4:C_DIS, 6:0.2, 8:CPDAT2\nLDAT_ACT=LCPDAT2\nFDAT_ACT=FP4\n"
    "BAS (#CP_PARAMS,0.2 )\nCIRC XP3, XP4 C_DIS\n;ENDFOLD\n"
    ";FOLD LIN P5 Vel=0.2 m/s CPDAT3 Tool[1] Base[2];%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VLIN,"
    "%P 1:LIN, 2:P5, 3:, 5:0.2, 6:CPDAT3\nLDAT_ACT=LCPDAT3\nFDAT_ACT=FP5\n"
    "BAS (#CP_PARAMS,0.2 )\nLIN XP5\n;ENDFOLD\n"
    "END\n");

inline const std::string kBasisLastBasis =
    "DECL BASIS_SUGG_T LAST_BASIS={POINT1[] \"P5                      \",POINT2[] \"P4          "
    "            \",CP_PARAMS[] \"CPDAT3                  \",PTP_PARAMS[] \"PDAT1                "
    "  \",CONT[] \"C_DIS                   \",CP_VEL[] \"0.2                     \",PTP_VEL[] "
    "\"100                     \"}";

inline const std::string kBasisDat = Crlf(
    "&ACCESS RVP\n&REL 4\nDEFDAT  BASIS_PATH\n"
    ";FOLD EXTERNAL DECLARATIONS;%{PE}%V3.2.0,%MZEVOTPBASIS,%CEXT,%VCOMMON,%P\n"
    "EXT  BAS (BAS_COMMAND  :IN,REAL  :IN )\n;ENDFOLD\n" +
    kBasisLastBasis +
    "\nDECL INT LAST_XP_POINT=5\n"
    "DECL E6AXIS XHOME={A1 0.0,A2 -90.0,A3 90.0,A4 0.0,A5 0.0,A6 0.0,E1 0.0,E2 0.0,E3 0.0,E4 0.0,"
    "E5 0.0,E6 0.0}\n"
    "DECL FDAT FHOME={TOOL_NO 0,BASE_NO 0,IPO_FRAME #BASE}\n"
    "DECL PDAT PDEFAULT={VEL 100.0,ACC 100.0,APO_DIST 100.0}\n"
    "DECL E6POS XP1={X 100.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35,E1 0.0,E2 0.0,E3 0.0,"
    "E4 0.0,E5 0.0,E6 0.0}\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL PDAT PPDAT1={VEL 100.0,ACC 100.0,APO_DIST 100.0}\n"
    "DECL E6POS XP2={X 110.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT1={VEL 0.2,ACC 100.0,APO_DIST 100.0}\n"
    "DECL E6POS XP3={X 120.0,Y 210.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "DECL FDAT FP3={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL E6POS XP4={X 130.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "DECL FDAT FP4={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT2={VEL 0.2,ACC 100.0,APO_DIST 5.0}\n"
    "DECL E6POS XP5={X 140.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "DECL FDAT FP5={TOOL_NO 1,BASE_NO 2,IPO_FRAME #BASE}\n"
    "DECL LDAT LCPDAT3={VEL 0.2,ACC 100.0,APO_DIST 100.0}\n"
    "DECL E6POS MP1={X 99.0,Y 199.0,Z 299.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "DECL E6POS MP4={X 129.0,Y 200.0,Z 300.0,A 10.0,B 20.0,C 30.0,S 2,T 35}\n"
    "ENDDAT\n");

// TP_USER: records 2 PTP S1, 3 LIN S2, 4 CIRC S3 S4, 5 END.
inline const std::string kUserSrc = Crlf(
    "&ACCESS RVP\nDEF user_seam( )\n"
    ";FOLD PTP S1 Vel=80 % SPD1 Tool[2]:Torch Base[1]:Fixture;%{PE}%R 2.1.4,%MZEVOTPUSER,%CMOVE,"
    "%VPTP,%P 1:PTP, 2:S1, 3:SPD1\nPDAT_ACT=SPD1\nFDAT_ACT=FS1\nSEAM_PREPARE(1 )\nPTP XS1\n"
    ";ENDFOLD\n"
    ";FOLD LIN S2 Vel=0.012 m/s SLD2 SEAM_ON Job[4];%{PE}%R 2.1.4,%MZEVOTPUSER,%CSEAM,%VLIN,"
    "%P 1:LIN, 2:S2, 3:SLD2, 4:4\nLDAT_ACT=SLD2\nFDAT_ACT=FS2\nSEAM_ON(4 )\nLIN XS2\n;ENDFOLD\n"
    ";FOLD CIRC S3 S4 Vel=0.01 m/s SLD3 SEAM_SWITCH Job[5];%{PE}%R 2.1.4,%MZEVOTPUSER,%CSEAM,"
    "%VCIRC,%P 1:CIRC, 2:S3, 3:S4, 4:SLD3, 5:5\nLDAT_ACT=SLD3\nFDAT_ACT=FS4\nSEAM_SWITCH(5 )\n"
    "CIRC XS3, XS4\n;ENDFOLD\n"
    "END\n");

inline const std::string kUserDat = Crlf(
    "&ACCESS RVP\nDEFDAT  USER_SEAM\n"
    "DECL E6POS XS1={X 640.0,Y 420.0,Z 310.0,A -45.0,B 30.0,C 175.0,S 6,T 18}\n"
    "DECL E6POS XS2={X 655.25,Y 431.5,Z 262.0,A -45.0,B 30.0,C 175.0,S 6,T 18}\n"
    "DECL E6POS XS3={X 700.0,Y 470.0,Z 262.0,A -40.0,B 30.0,C 175.0,S 6,T 18}\n"
    "DECL E6POS XS4={X 745.0,Y 431.5,Z 262.0,A -35.0,B 30.0,C 175.0,S 6,T 18}\n"
    "DECL E6POS MS1={X 640.0,Y 420.0,Z 310.0,A -45.0,B 30.0,C 175.0,S 6,T 18}\n"
    "DECL FDAT FS1={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL FDAT FS2={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL FDAT FS4={TOOL_NO 2,BASE_NO 1,IPO_FRAME #BASE}\n"
    "DECL PDAT SPD1={VEL 80.0,ACC 100.0,APO_DIST 50.0}\n"
    "DECL LDAT SLD2={VEL 0.012,ACC 100.0,APO_DIST 2.0}\n"
    "DECL LDAT SLD3={VEL 0.01,ACC 100.0,APO_DIST 2.0}\n"
    "ENDDAT\n");

// A fold as the loader stores it: CR LF line ends, statements indented by four blanks.
inline std::string FoldText(const std::string& lf_text) {
  std::string out;
  size_t start = 0;
  while (start < lf_text.size()) {
    size_t end = lf_text.find('\n', start);
    if (end == std::string::npos) end = lf_text.size();
    const std::string line = lf_text.substr(start, end - start);
    out += (line.starts_with(";") ? "" : "    ") + line + "\r\n";
    start = end + 1;
  }
  return out;
}

// A loaded program with its own context.
struct Loaded {
  Loaded(const std::string& dat, const std::string& src) : program(context) {
    EXPECT_TRUE(LoadProgramIntoView(program, dat, src));
    program.SrcFileName = "test.src";
  }
  AppContext context;
  Program program;

  // Every message line of the commands (not the list's start lines), "number text|result".
  std::vector<std::string> Messages() const {
    std::vector<std::string> lines;
    for (const MessageLine& line : context.messages.lines()) {
      if (!line.message_no.empty())
        lines.push_back(line.message_no + " " + line.text + "|" + line.result);
    }
    return lines;
  }
};

// The names the lines of a data section declare, with how often.
inline std::map<std::string, int> DeclaredNames(std::string_view section) {
  std::map<std::string, int> names;
  while (!section.empty()) {
    std::string name = DeclaredName(PopLine(section));
    if (!name.empty()) ++names[name];
  }
  return names;
}

// Saves the program's texts and loads them again: every name is declared once, every motion
// with a point finds its declaration in the data file, and every TP_BASIS motion its frame and
// motion data. Returns the reloaded program for further checks.
inline std::unique_ptr<Loaded> ExpectReloadsIntact(Program& program) {
  Program copy = program;
  const std::string src = BuildSrcText(copy);
  const std::string dat = BuildDatText(copy);
  auto reloaded = std::make_unique<Loaded>(dat, src);
  Program& p = reloaded->program;
  for (const auto& [name, count] : DeclaredNames(dat)) EXPECT_EQ(count, 1) << name;
  int motions = 0;
  for (int k = 2; k <= p.LineCount(); ++k) {
    const LineRecord& r = p.Record(k);
    if (r.MotionType < kPtp || r.MotionType > kCirc) continue;
    ++motions;
    EXPECT_FALSE(r.Point1Name.empty()) << r.Text;
    EXPECT_FALSE(r.Point1Decl.empty()) << r.Point1Name << " in\n" << r.Text;
    if (r.MotionType == kCirc) {
      EXPECT_FALSE(r.Point2Decl.empty()) << r.Text;
    }
    std::string_view data = r.MotionData;
    const std::string first = std::string(PopLine(data)), second = std::string(PopLine(data));
    EXPECT_TRUE(Contains(first, "={")) << "first motion data of\n" << r.Text;
    EXPECT_TRUE(Contains(second, "={")) << "second motion data of\n" << r.Text;
  }
  int before = 0;
  for (int k = 2; k <= program.LineCount(); ++k) {
    const int type = program.Record(k).MotionType;
    if (type >= kPtp && type <= kCirc) ++before;
  }
  EXPECT_EQ(motions, before);
  return reloaded;
}

}  // namespace velmora::test

// velmora-cli clean and clean-master, run in-process on a small pair with used, unused and
// master declarations.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "cli/in_process_cli.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSrc =
    "&ACCESS RVP\r\nDEF CLEANME( )\r\n"
    ";FOLD PTP P1 Vel=100 % PDAT1;%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P1, 3:, "
    "5:100, 7:PDAT1\r\nPDAT_ACT=PPDAT1\r\nFDAT_ACT=FP1\r\nBAS (#PTP_PARAMS,100 )\r\nPTP XP1\r\n"
    ";ENDFOLD\r\nEND\r\n";

constexpr const char* kDat =
    "&ACCESS RVP\r\nDEFDAT  CLEANME\r\n"
    "DECL BASIS_SUGG_T LAST_BASIS={POINT1[] \"P2\",POINT2[] \"P2\"}\r\n"
    "DECL INT LAST_XP_POINT=2\r\n"
    "DECL E6POS XP1={X 1.0,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0,S 2,T 2}\r\n"
    "DECL FDAT FP1={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\r\n"
    "DECL PDAT PPDAT1={VEL 100.0,ACC 100.0,APO_DIST 100.0}\r\n"
    "DECL E6POS XP2={X 4.0,Y 5.0,Z 6.0,A 0.0,B 0.0,C 0.0,S 2,T 2}\r\n"
    "DECL FDAT FP2={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\r\n"
    "DECL PDAT PPDAT2={VEL 100.0,ACC 100.0,APO_DIST 100.0}\r\n"
    "DECL E6POS MP1={X 1.0,Y 2.0,Z 3.0,A 0.0,B 0.0,C 0.0,S 2,T 2}\r\n"
    "DECL AXIS XHOME1={A1 0.0,A2 -90.0,A3 90.0,A4 0.0,A5 0.0,A6 0.0}\r\n"
    "ENDDAT\r\n";

class CleanCommand : public test::InProcessCli {
 protected:
  CleanCommand() : InProcessCli("CLEANME", kSrc, kDat) {}
};

TEST_F(CleanCommand, CleanRemovesUnusedPointsAndMotionDataButNotMasters) {
  ASSERT_EQ(Run({"clean", src_, "--out", out_}), cli::kExitOk) << err_;
  const std::string dat = Dat();
  for (const char* kept : {"XP1=", "FP1=", "PPDAT1=", "MP1=", "XHOME1="})
    EXPECT_TRUE(Contains(dat, kept)) << kept << "\n" << dat;
  for (const char* gone : {"XP2=", "FP2=", "PPDAT2="})
    EXPECT_FALSE(Contains(dat, gone)) << gone << "\n" << dat;
  EXPECT_TRUE(Contains(dat, "LAST_XP_POINT=0\r\n")) << dat;
  EXPECT_TRUE(Contains(dat, "PTP_PARAMS[] \"PDAT0                  \"")) << dat;
  EXPECT_TRUE(Contains(out_text_ + err_, "230")) << out_text_ << err_;
}

TEST_F(CleanCommand, CleanMasterRemovesOnlyUnusedMasters) {
  ASSERT_EQ(Run({"clean-master", src_, "--out", out_}), cli::kExitOk) << err_;
  const std::string dat = Dat();
  EXPECT_FALSE(Contains(dat, "MP1=")) << dat;
  for (const char* kept : {"XP1=", "XP2=", "XHOME1="})
    EXPECT_TRUE(Contains(dat, kept)) << kept << "\n" << dat;
}

TEST_F(CleanCommand, AMissingProgramIsRefusedAndWritesNothing) {
  EXPECT_EQ(Run({"clean", (dir_.path() / "in/NONE.src").string(), "--out", out_}),
            cli::kExitRefused);
  EXPECT_TRUE(fs::is_empty(out_));
  EXPECT_NE(Run({"clean", src_}), cli::kExitOk);  // --out is required
}

}  // namespace
}  // namespace velmora

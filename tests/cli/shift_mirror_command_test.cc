// velmora-cli shift and mirror, run in-process on the geometry fixture program.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "cli/in_process_cli.h"
#include "geometry/shift_fixture.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class ShiftMirrorCommand : public test::InProcessCli {
 protected:
  ShiftMirrorCommand() : InProcessCli("SHIFTFIX", test::kShiftSrc, test::kShiftDat) {}
};

TEST_F(ShiftMirrorCommand, ShiftWritesThePairAndListsTheMessages) {
  EXPECT_EQ(Run({"shift", src_, "--mode", "base", "--offset", "{X 10,Y 0,Z 0,A 0,B 0,C 0}",
                 "--lines", "2-2", "--out", out_}),
            cli::kExitOk)
      << err_;
  EXPECT_NE(Dat().find("DECL E6POS XP1={X 110,Y 0,Z 0,A 0,B 0,C 0,S 2,T 35}\r\n"),
            std::string::npos);
  EXPECT_NE(Dat().find("DECL E6POS XP2={X 200,"), std::string::npos);
  EXPECT_TRUE(fs::exists(fs::path(out_) / "SHIFTFIX.src"));

  // Every record: the E6AXIS and HOME points are listed and the answer is "refused".
  EXPECT_EQ(Run({"shift", src_, "--mode", "tcp", "--offset", "{Z 5}", "--out", out_}),
            cli::kExitRefused);
  EXPECT_TRUE(Contains(err_, "[222]")) << err_;
  EXPECT_NE(Dat().find("DECL E6POS XP1={X 100,Y 0,Z 5,"), std::string::npos);
}

TEST_F(ShiftMirrorCommand, UsageErrors) {
  EXPECT_EQ(Run({"shift", src_, "--mode", "axis", "--offset", "{A1 1}", "--out", out_}),
            cli::kExitUsage);
  EXPECT_EQ(
      Run({"shift", src_, "--mode", "base", "--offset", "{X 1}", "--lines", "5-3", "--out", out_}),
      cli::kExitUsage);
  EXPECT_EQ(Run({"shift", src_, "--mode", "sideways", "--offset", "{X 1}", "--out", out_}),
            cli::kExitUsage);
  EXPECT_EQ(Run({"mirror", src_, "--lines", "1-99", "--out", out_}), cli::kExitUsage);
  EXPECT_FALSE(fs::exists(fs::path(out_) / "SHIFTFIX.dat"));
}

TEST_F(ShiftMirrorCommand, MirrorTheWholeDataFileOrTheRecordsPoints) {
  EXPECT_EQ(Run({"mirror", src_, "--out", out_}), cli::kExitOk) << err_;
  EXPECT_NE(Dat().find("DECL E6POS XS3={X 500,Y -50,Z 0,A 0,B 0,C 0,S 6,T 59}"), std::string::npos);
  EXPECT_NE(Dat().find("DECL E6POS MP3={X 300,Y -50,"), std::string::npos);

  EXPECT_EQ(Run({"mirror", src_, "--lines", "2-4", "--out", out_}), cli::kExitOk) << err_;
  EXPECT_NE(Dat().find("DECL E6POS XP2={X 200,Y -10,"), std::string::npos);
  EXPECT_NE(Dat().find("DECL E6POS XS3={X 500,Y 50,"), std::string::npos);  // outside the range
}

TEST_F(ShiftMirrorCommand, AFailedMirrorWritesNothing) {
  dir_.Write("in/SHIFTFIX.dat",
             ReplaceFirst(test::kShiftDat, "XP2={X 200,Y 10,Z 20,A 90,B 0,C 180,", "XP2={X 200,"));
  EXPECT_EQ(Run({"mirror", src_, "--lines", "2-4", "--out", out_}), cli::kExitRefused);
  EXPECT_FALSE(fs::exists(fs::path(out_) / "SHIFTFIX.dat"));
  EXPECT_TRUE(Contains(err_, "XP2")) << err_;
}

}  // namespace
}  // namespace velmora

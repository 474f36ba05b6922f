// velmora-cli shift and mirror, run in-process on the geometry fixture program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/strings.h"
#include "cli/subcommands.h"
#include "geometry/shift_fixture.h"
#include "support/test_support.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class ShiftMirrorCommand : public ::testing::Test {
 protected:
  ShiftMirrorCommand() {
    setenv("VELMORA_HOME", (dir_.path() / "home").c_str(), 1);
    setenv("XDG_TEMPLATES_DIR", (dir_.path() / "templates").c_str(), 1);
    src_ = dir_.Write("in/SHIFTFIX.src", test::kShiftSrc).string();
    dir_.Write("in/SHIFTFIX.dat", test::kShiftDat);
    out_ = (dir_.path() / "out").string();
    fs::create_directories(out_);
  }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "velmora-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    err_ = err.str();
    return code;
  }
  std::string Dat() const { return test::ReadBytes(fs::path(out_) / "SHIFTFIX.dat"); }

  test::TempDir dir_;
  std::string src_, out_, err_;
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

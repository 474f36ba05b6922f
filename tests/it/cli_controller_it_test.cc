// velmora-cli against the simulator: the ctl subcommands, and load and save through the
// controller with --controller.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "it/sim_fixture.h"

namespace velmora::it {
namespace {

using test::Crlf;
using test::ReadBytes;

class CliControllerTest : public ::testing::Test {
 protected:
  CliControllerTest() : cell_(BuildCell(dir_)), sim_(cell_) {}
  void SetUp() override { ASSERT_FALSE(sim_.address().empty()); }

  // velmora-cli with the controller taken from VELMORA_CONTROLLER.
  ProgramRun Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), kCliBinary.string());
    return RunProgram(
        args, input, std::chrono::seconds(20),
        {"VELMORA_CONTROLLER=" + sim_.address(), "VELMORA_HOME=" + (dir_.path() / "home").string(),
         "XDG_TEMPLATES_DIR=" + (dir_.path() / "templates").string(), "VELMORA_LANG=en"});
  }

  test::TempDir dir_;
  fs::path cell_;
  SimProcess sim_;
};

TEST_F(CliControllerTest, CtlSubcommands) {
  ProgramRun run = Cli({"ctl", "show", "$PRO_STATE1"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "#P_FREE\n");

  run = Cli({"ctl", "set", "$NUMSTATE", "TRUE"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Cli({"ctl", "show", "$NUMSTATE"}).out, "TRUE\n");

  run = Cli({"ctl", "dir", "\\R1\\"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(run.out.starts_with("PROGRAM\\MAKRO7.SRC\n")) << run.out;
  EXPECT_FALSE(Contains(run.out, "System\\")) << run.out;

  run = Cli({"ctl", "get", "prog1.src"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, ReadBytes(cell_ / "NOXA/R1/PROGRAM/PROG1.SRC"));

  const std::string text = Crlf("DEF NEW5()\n\nEND\n");
  run = Cli({"ctl", "put", "NEW5.SRC"}, text);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadBytes(cell_ / "NOXA/R1/PROGRAM/NEW5.SRC"), text);  // byte for byte

  run = Cli({"ctl", "select", "NEW5.SRC"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "NOXA:\\R1\\PROGRAM\\NEW5.SRC\n");
  EXPECT_EQ(Cli({"ctl", "show", "$PRO_STATE1"}).out, "#P_RESET\n");
  EXPECT_EQ(Cli({"ctl", "cancel"}).exit_code, 0);
  EXPECT_EQ(Cli({"ctl", "show", "$PRO_STATE1"}).out, "#P_FREE\n");
}

TEST_F(CliControllerTest, CtlRefusalsAndUsage) {
  ProgramRun run = Cli({"ctl", "show", "NOPE"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(
      run.err.starts_with("velmora-cli ctl show: Error: bDBCause=False , "
                          "bstrCause=VAR_UNKNOWN"))
      << run.err;
  run = Cli({"ctl", "get", "NONE.SRC"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "MODULE_NOT_FOUND")) << run.err;
  EXPECT_EQ(Cli({"ctl"}).exit_code, 2);
  EXPECT_EQ(Cli({"ctl", "set", "ONLYNAME"}).exit_code, 2);
  run = Cli({"--controller", "127.0.0.1:1", "ctl", "show", "$PRO_STATE1"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.err.starts_with("velmora-cli: no controller at 127.0.0.1:1")) << run.err;
}

TEST_F(CliControllerTest, LoadAndSaveThroughTheController) {
  const fs::path dat = cell_ / "NOXA/R1/PROGRAM/PROG1.DAT";
  const fs::path src = cell_ / "NOXA/R1/PROGRAM/PROG1.SRC";
  const std::string dat_before = ReadBytes(dat);
  ProgramRun run = Cli({"--controller", "view", "PROG1.src"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.err, "[010] Load: OK\n");
  EXPECT_TRUE(Contains(run.out, "XP1")) << run.out;

  // The controller's program is selected: save deselects it, writes, and restarts the control
  // level; the --out folder is not used.
  ASSERT_EQ(sim_.Ctl({"set", "$PRO_STATE1", "#P_FREE"}).exit_code, 0);
  run = Cli({"save", "PROG1.src", "--out", (dir_.path() / "out").string(), "--controller",
             sim_.address()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "[020] Save: saved")) << run.err;
  EXPECT_FALSE(fs::exists(dir_.path() / "out"));
  EXPECT_EQ(ReadBytes(dat), dat_before);  // loaded and saved without edits: unchanged
  EXPECT_EQ(ReadBytes(src), Crlf("DEF PROG1()\nPTP XP1\nEND\n"));
  EXPECT_TRUE(Contains(sim_.Ctl({"state"}).out, "SPS.SUB")) << "control level restarted";

  run = Cli({"--controller", "view", "NONE.src"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "No source file (.src) found NONE.src")) << run.err;
  run = Cli({"--controller", "view", "USERPROG.SRC"});  // a source without data file
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(Contains(run.err, "No data file (.dat) found")) << run.err;
  run = Cli({"--controller", "view", "MAKRO7.SRC"});  // a macro needs no data file
  EXPECT_EQ(run.exit_code, 0) << run.err;
}

}  // namespace
}  // namespace velmora::it

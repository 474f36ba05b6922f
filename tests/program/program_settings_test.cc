#include "program/program_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "base/app_context.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;
using test::TempDir;

// Points the program folder at a fresh temporary folder for one test.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = getenv("VELMORA_HOME");
    old_home_ = old ? old : "";
    had_home_ = old != nullptr;
    setenv("VELMORA_HOME", home_.path().c_str(), 1);
  }
  void TearDown() override {
    if (had_home_) {
      setenv("VELMORA_HOME", old_home_.c_str(), 1);
    } else {
      unsetenv("VELMORA_HOME");
    }
  }
  TempDir home_;
  std::string old_home_;
  bool had_home_ = false;
};

TEST(ParseUserMotionCommand, NamesAndParameterPositions) {
  auto command = ParseUserMotionCommand("DEF MYMOVE(POINT_NO :IN, VEL :IN, TOOL_NO :IN)");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->CommandName, "MYMOVE");
  EXPECT_EQ(command->ParamCount, 3);
  EXPECT_EQ(command->PointNoParam, 1);
  EXPECT_EQ(command->VelParam, 2);
  EXPECT_EQ(command->ToolNoParam, 3);
  EXPECT_EQ(command->BaseNoParam, 0);

  command = ParseUserMotionCommand(
      "  GLOBAL DEF  UMOVE ( VEL_CP :IN, ACC_CP :IN, base_no :IN, IPO_FRAME:IN, APO_DIST, "
      "MOVE_TYPE, X :OUT, MOVE_VEL )  ");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->CommandName, "UMOVE");
  EXPECT_EQ(command->ParamCount, 8);
  EXPECT_EQ(command->VelParam, 8);  // the last parameter classified as VEL wins
  EXPECT_EQ(command->AccParam, 2);
  EXPECT_EQ(command->BaseNoParam, 3);
  EXPECT_EQ(command->IpoFrameParam, 4);
  EXPECT_EQ(command->ApoDistParam, 5);
  EXPECT_EQ(command->MoveTypeParam, 6);

  command = ParseUserMotionCommand("NOPARAMS()");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->ParamCount, 0);

  EXPECT_FALSE(ParseUserMotionCommand("; a comment without parenthesis"));
  EXPECT_FALSE(ParseUserMotionCommand("DEF (A :IN)"));
  EXPECT_FALSE(ParseUserMotionCommand(""));
}

TEST_F(ProgramFolderTest, ReadsParaIniIntoTheTableInFileOrder) {
  AppContext context;
  Program program(context);
  program.UserMotionCommands[1].CommandName = "OLD1";
  program.UserMotionCommands[1].ToolNoParam = 5;
  program.UserMotionCommands[2].CommandName = "KEPT";
  home_.Write("PARA.INI", Crlf("; user routines\nDEF A1(TOOL_NO :IN)\n\nDEF B2(VEL :IN)\n"));
  ReadUserMotionCommands(program);
  EXPECT_EQ(program.UserMotionCommands[0].CommandName, "A1");
  EXPECT_EQ(program.UserMotionCommands[0].ToolNoParam, 1);
  EXPECT_EQ(program.UserMotionCommands[1].CommandName, "B2");
  EXPECT_EQ(program.UserMotionCommands[1].ToolNoParam, 0);  // nothing left from the old entry
  EXPECT_EQ(program.UserMotionCommands[2].CommandName, "KEPT");

  std::string many;
  for (int i = 1; i <= 20; ++i) many += "DEF R" + std::to_string(i) + "(VEL :IN)\r\n";
  home_.Write("PARA.INI", many);
  ReadUserMotionCommands(program);
  EXPECT_EQ(program.UserMotionCommands[14].CommandName, "R15");  // the 16th and later are ignored
}

TEST_F(ProgramFolderTest, SortsUserTechKeywordsIntoThreeLists) {
  AppContext context;
  Program program(context);
  program.TechKeywords.on = {"STALE"};
  std::string ini = "[HOT_ONLINE_USERTECHKEY]\r\n";
  const char* values[] = {"SEAM_ON", "SEAM_OFF", "SEAM_SWITCH", "GLUE_ON_OFF", "X_ON"};
  int k = 0;
  for (const char* value : values) {
    ini += "USERTECHKEY" + std::to_string(++k) + "=" + value + "\r\n";
  }
  for (int i = 0; i < 12; ++i)
    ini += "USERTECHKEY" + std::to_string(++k) + "=A" + std::to_string(i) + "_ON\r\n";
  ini += "USERTECHKEY" + std::to_string(k + 2) + "=AFTER_GAP\r\n";
  home_.Write("hotedit.ini", ini);
  ReadUserTechKeywords(program);
  const UserTechKeywords& lists = program.TechKeywords;
  ASSERT_EQ(lists.on.size(), 10u);  // capacity: later ON values are ignored
  EXPECT_EQ(lists.on[0], "SEAM_ON");
  EXPECT_EQ(lists.on[1], "GLUE_ON_OFF");
  EXPECT_EQ(lists.off, std::vector<std::string>{"SEAM_OFF"});
  EXPECT_EQ(lists.change, std::vector<std::string>{"SEAM_SWITCH"});
}

}  // namespace
}  // namespace velmora

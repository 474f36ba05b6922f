// The file layer and start_load with the controller connected.
#include <cstdlib>

#include "base/app_context.h"
#include "base/strings.h"
#include "commands/files/program_files.h"
#include "commands/files/start_load.h"
#include "it/client_fixture.h"
#include "program/program.h"

namespace velmora::it {
namespace {

using test::Crlf;
using test::ReadBytes;

class ProgramFilesTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    if (const char* home = std::getenv("VELMORA_HOME")) old_home_ = home;
    setenv("VELMORA_HOME", (dir_.path() / "home").c_str(), 1);
    context_.zintra = &client_;
  }
  void TearDown() override {
    if (old_home_)
      setenv("VELMORA_HOME", old_home_->c_str(), 1);
    else
      unsetenv("VELMORA_HOME");
  }
  void Settings(const std::string& hotedit, const std::string& user) {
    dir_.Write("home/hotedit.ini", hotedit);
    dir_.Write("home/user.ini", user);
  }

  std::optional<std::string> old_home_;
  AppContext context_;
  FileSource source_{context_, dir_.path() / "unused"};
};

TEST_F(ProgramFilesTest, ReadsAndWritesOnTheController) {
  std::string text;
  ASSERT_TRUE(GetThisFile(source_, "PROG1.SRC", text));
  EXPECT_EQ(text, ReadBytes(Cell("NOXA/R1/PROGRAM/PROG1.SRC")));
  EXPECT_FALSE(GetThisFile(source_, "NONE.SRC", text));
  EXPECT_EQ(text, "");
  ASSERT_TRUE(PutThisFile(source_, "Prog2.dat", Crlf("DEFDAT Prog2\n\nENDDAT\n")));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/Prog2.dat")), Crlf("DEFDAT Prog2\nENDDAT\n"));
  EXPECT_TRUE(context_.messages.lines().empty());
  // A refused write is listed with the file name.
  std::string name = "PROG1.SRC";
  ASSERT_TRUE(client_.SelectModul(name));
  EXPECT_TRUE(IsThisFileSelected(source_, "PROG1"));
  EXPECT_FALSE(PutThisFile(source_, "PROG1.SRC", "x"));
  const MessageLine& line = context_.messages.lines().back();
  EXPECT_EQ(line.message_no, "999");
  EXPECT_EQ(line.result, "<ErrorWritingFile>PROG1.SRC");
}

TEST_F(ProgramFilesTest, UserProgramsFollowStandardFilesAndSettings) {
  Settings("[STANDARDFILES]\r\nSTANDARD1=prog1\r\nSTANDARD2=makro7\r\n", "");
  std::vector<std::string> list, paths;
  GetUserFiles(source_, list, &paths);
  EXPECT_EQ(list, (std::vector<std::string>{"Prog2.src", "USERPROG.SRC"}));
  EXPECT_EQ(paths, (std::vector<std::string>{"NOXA:\\R1\\PROGRAM\\Prog2.src",
                                             "NOXA:\\R1\\USER\\USERPROG.SRC"}));
  // The missing settings were stored with their default.
  EXPECT_TRUE(Contains(ReadBytes(dir_.path() / "home/user.ini"), "Tp=False"));
  EXPECT_FALSE(FileExists(source_, "PROG1.src"));
  EXPECT_TRUE(FileExists(source_, "prog2"));
  EXPECT_TRUE(FileExists(source_, "UserProg.dat"));
}

TEST_F(ProgramFilesTest, StartLoadFromTheController) {
  Program program(context_);
  ASSERT_TRUE(start_load(program, source_, "PROG1.src"));
  EXPECT_EQ(program.SrcFileName, "PROG1.src");
  EXPECT_NE(program.DatPositions.find("XP1"), std::string::npos);
  ASSERT_TRUE(start_load(program, source_, "MAKRO7.SRC"));
  EXPECT_FALSE(start_load(program, source_, "USERPROG.SRC"));
  EXPECT_EQ(context_.messages.lines().back().result, "<NoDatFileFound>");
  EXPECT_EQ(program.SrcFileName, "MAKRO7.src");
}

TEST_F(ProgramFilesTest, ControllerFailureIsListedWithItsReason) {
  Program program(context_);
  ASSERT_TRUE(start_load(program, source_, "PROG1.src"));
  const std::string view = program.ViewText;
  ASSERT_EQ(sim_.Ctl({"fault", "fail", "1"}).exit_code, 0);
  EXPECT_FALSE(start_load(program, source_, "Prog2.src"));
  const auto& lines = context_.messages.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2].text, "<SelDat>");
  EXPECT_TRUE(Contains(lines[lines.size() - 2].result, "INJECTED_FAULT"));
  EXPECT_EQ(lines.back().result, "<NoSrcFileFound> Prog2.src");
  EXPECT_EQ(program.ViewText, view);
  EXPECT_EQ(program.SrcFileName, "PROG1.src");
}

}  // namespace
}  // namespace velmora::it

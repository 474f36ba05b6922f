#include "commands/files/program_files.h"

#include <cstdlib>
#include <optional>

#include <gtest/gtest.h>

#include "base/app_context.h"
#include "commands/files/start_load.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Crlf;
using test::ReadBytes;

TEST(ProgramFilesTest, NameHelpers) {
  EXPECT_EQ(MakeSingleFileName("PROG.src"), "PROG");
  EXPECT_EQ(MakeSingleFileName("A.B.src"), "A");
  EXPECT_EQ(MakeSingleFileName("NODOT"), "NODOT");
  EXPECT_EQ(MakeSingleFileName(".hidden"), "");
  EXPECT_EQ(MakeKompleteFile(" /tmp/x ", "P.src"), "/tmp/x/P.src");
  EXPECT_EQ(MakeKompleteFile("/tmp/x/", "P.src"), "/tmp/x/P.src");
  EXPECT_EQ(MakeKompleteFile("C:\\noxa\\", "P.src"), "C:\\noxa\\P.src");
}

// A disk folder with a program pair, a macro and a source without data file.
class DiskFilesTest : public ::testing::Test {
 protected:
  DiskFilesTest() {
    if (const char* home = std::getenv("VELMORA_HOME")) old_home_ = home;
    setenv("VELMORA_HOME", (dir_.path() / "home").c_str(), 1);
    dir_.Write("disk/Weld.SRC", Crlf("DEF Weld()\nPTP XP1\nEND\n"));
    dir_.Write("disk/weld.dat",
               Crlf("DEFDAT WELD\nDECL E6POS XP1={X 1,Y 2,Z 3,A 0,B 0,C 0,S 2,T 2}\nENDDAT\n"));
    dir_.Write("disk/MAKRO1.src", Crlf("DEF MAKRO1()\nEND\n"));
    dir_.Write("disk/Lonely.src", Crlf("DEF Lonely()\nEND\n"));
    dir_.Write("disk/notes.txt", "x");
  }
  ~DiskFilesTest() override {
    if (old_home_)
      setenv("VELMORA_HOME", old_home_->c_str(), 1);
    else
      unsetenv("VELMORA_HOME");
  }
  std::optional<std::string> old_home_;
  test::TempDir dir_;
  AppContext context_;
  FileSource source_{context_, dir_.path() / "disk"};
};

TEST_F(DiskFilesTest, ReadsAndWritesWithoutRegardToCase) {
  std::string text = "stale";
  EXPECT_TRUE(GetThisFile(source_, "WELD.src", text));
  EXPECT_EQ(text, Crlf("DEF Weld()\nPTP XP1\nEND\n"));
  EXPECT_FALSE(GetThisFile(source_, "NONE.src", text));
  EXPECT_EQ(text, "");
  // The existing file is replaced, not joined by a second one in other letters; empty lines go.
  EXPECT_TRUE(PutThisFile(source_, "WELD.SRC", Crlf("DEF Weld()\n\nEND\n")));
  EXPECT_EQ(ReadBytes(dir_.path() / "disk/Weld.SRC"), Crlf("DEF Weld()\nEND\n"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "disk/WELD.SRC"));
  EXPECT_TRUE(PutThisFile(source_, "New.src", "A\r\n"));
  EXPECT_EQ(ReadBytes(dir_.path() / "disk/New.src"), "A\r\n");
  EXPECT_TRUE(context_.messages.lines().empty());
}

TEST_F(DiskFilesTest, FailedWriteIsListed) {
  FileSource missing{context_, dir_.path() / "no/such/folder"};
  EXPECT_FALSE(PutThisFile(missing, "X.src", "A\r\n"));
  ASSERT_FALSE(context_.messages.lines().empty());
  const MessageLine& line = context_.messages.lines().back();
  EXPECT_EQ(line.message_no, "999");
  EXPECT_EQ(line.text, "<SelDat>");
  EXPECT_EQ(line.result, "<ErrorWritingFile>X.src");
}

TEST_F(DiskFilesTest, ExistenceAndSelectionOnDisk) {
  struct Case {
    const char* name;
    bool exists;
  } cases[] = {{"weld", true},   {" WELD.dat ", true}, {"Lonely.src", true},
               {"notes", false}, {"NONE", false},      {"MAKRO1.xyz", true}};
  for (const Case& c : cases) EXPECT_EQ(FileExists(source_, c.name), c.exists) << c.name;
  EXPECT_FALSE(IsThisFileSelected(source_, "Weld"));
  std::vector<std::string> list{"stale"};
  GetUserFiles(source_, list);
  EXPECT_TRUE(list.empty());
}

TEST_F(DiskFilesTest, StartLoadReadsThePair) {
  Program program(context_);
  ASSERT_TRUE(start_load(program, source_, " weld.src "));
  EXPECT_EQ(program.SrcFileName, "weld.src");
  EXPECT_EQ(program.DatFileName, "weld.dat");
  EXPECT_EQ(program.ProgramBaseName, "weld");
  EXPECT_GE(program.LineCount(), 2);
  EXPECT_NE(program.DatPositions.find("XP1"), std::string::npos);
}

TEST_F(DiskFilesTest, MacroLoadsWithoutDataFile) {
  Program program(context_);
  ASSERT_TRUE(start_load(program, source_, "MAKRO1.src"));
  EXPECT_EQ(program.SrcFileName, "MAKRO1.src");
  EXPECT_TRUE(context_.messages.lines().empty());
}

// A refused load lists why and leaves the loaded program as it was.
TEST_F(DiskFilesTest, RefusedLoadKeepsTheModel) {
  Program program(context_);
  ASSERT_TRUE(start_load(program, source_, "Weld.src"));
  const std::string view = program.ViewText;
  struct Case {
    const char* name;
    const char* result;
  } cases[] = {{"Lonely.src", "<NoDatFileFound>"}, {"NONE.src", "<NoSrcFileFound> NONE.src"}};
  for (const Case& c : cases) {
    EXPECT_FALSE(start_load(program, source_, c.name)) << c.name;
    ASSERT_FALSE(context_.messages.lines().empty());
    const MessageLine& line = context_.messages.lines().back();
    EXPECT_EQ(line.message_no, "999");
    EXPECT_EQ(line.text, "<Editor>");
    EXPECT_EQ(line.result, c.result);
    EXPECT_EQ(program.SrcFileName, "Weld.src");
    EXPECT_EQ(program.ViewText, view);
  }
}

}  // namespace
}  // namespace velmora

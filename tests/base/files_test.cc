#include <gtest/gtest.h>
#include <stdlib.h>

#include "base/paths.h"
#include "base/profile.h"
#include "base/textfile.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::TempDir;

TEST(Profile, ReadsThroughFiftyCharacterBuffer) {
  TempDir dir;
  const std::string sixty(60, 'x');
  auto ini = dir.Write("a.ini", "[Sec]\r\nlong=" + sixty + "\r\nshort =  v 1 \r\nempty=\r\n");
  std::string value;
  EXPECT_TRUE(ReadProfileString(ini, "sec", "LONG", &value));
  EXPECT_EQ(value, std::string(49, 'x'));
  EXPECT_TRUE(ReadProfileString(ini, "Sec", "short", &value));
  EXPECT_EQ(value, "v 1");
  EXPECT_FALSE(ReadProfileString(ini, "Sec", "empty", &value));
  EXPECT_FALSE(ReadProfileString(ini, "Sec", "missing", &value));
  EXPECT_FALSE(ReadProfileString(dir.path() / "none.ini", "Sec", "long", &value));
}

TEST(Profile, WriteKeepsOtherLinesAndSections) {
  TempDir dir;
  auto ini = dir.Write("b.ini", "; note\r\n[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
  EXPECT_TRUE(WriteProfileString(ini, "a", "K", "3"));
  EXPECT_TRUE(WriteProfileString(ini, "A", "new", "4"));
  EXPECT_TRUE(WriteProfileString(ini, "C", "x", "5"));
  EXPECT_EQ(ReadBytes(ini), "; note\r\n[A]\r\nK=3\r\nnew=4\r\n\r\n[B]\r\nk=2\r\n[C]\r\nx=5\r\n");
  EXPECT_FALSE(WriteProfileString(dir.path() / "no" / "such" / "c.ini", "A", "k", "v"));
}

TEST(TextFile, WritersAndTheirLineRules) {
  TempDir dir;
  auto file = dir.path() / "t.txt";
  EXPECT_TRUE(WriteTextFile(file, "a\r\nb\r\n"));
  EXPECT_EQ(ReadBytes(file), "a\r\nb\r\n\r\n");  // ends with an empty line
  EXPECT_TRUE(WriteTextFileByLines(file, "a\r\n\r\n\r\nb\r\nc"));
  EXPECT_EQ(ReadBytes(file), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(ReadTextFile(file), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(ReadTextFile(dir.path() / "missing"), "");
}

TEST(TextFile, FailedWriteLeavesOldFileWhole) {
  TempDir dir;
  auto target = dir.path() / "busy";
  std::filesystem::create_directories(target / "inside");  // rename over a full folder fails
  EXPECT_FALSE(WriteTextFile(target, "new"));
  EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFile, FindsFilesWithoutRegardToCase) {
  TempDir dir;
  dir.Write("Prog.DAT", "x");
  EXPECT_EQ(FindFileNoCase(dir.path(), "prog.dat")->filename(), "Prog.DAT");
  EXPECT_FALSE(FindFileNoCase(dir.path(), "other.dat"));
}

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("VELMORA_HOME", home_.path().c_str(), 1);
    setenv("XDG_TEMPLATES_DIR", (home_.path() / "tpl").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("VELMORA_HOME");
    unsetenv("XDG_TEMPLATES_DIR");
  }
  TempDir home_;
};

TEST_F(ProgramFolderTest, RegistryValues) {
  struct Case {
    const char* zevo_tab;
    const char* root;
  } cases[] = {
      {"c:\\roboter\\noxa\\r1\\program\\ ", "C:\\ROBOTER\\NOXA"},
      {"D:\\Zevo\\", "D:\\ZEVO"},
      {"", ""},
  };
  for (const auto& c : cases) {
    home_.Write("REGISTRY.INI", std::string("[Software\\Zevotron\\DataBase\\LanguageDataBase's]\n"
                                            "Zevo_Tab=") +
                                    c.zevo_tab +
                                    "\n[Software\\Zevotron\\ZEVO HUX\\OCX Control's\\Tool]\n"
                                    "DirectionZ=0\n");
    EXPECT_EQ(ControllerRootFolder(), c.root) << c.zevo_tab;
    EXPECT_FALSE(IsToolDirectionZ());
  }
}

TEST_F(ProgramFolderTest, AppendToTempFileAddsLinesWithoutEmptyOnes) {
  AppendToTempFile("shift.log", "first");
  AppendToTempFile("shift.log", "second\r\n\r\nthird");
  EXPECT_EQ(ReadBytes(TempFolder() / "shift.log"), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(TempFolder(), home_.path() / "tpl" / "VelmoraTemp");
}

}  // namespace
}  // namespace velmora

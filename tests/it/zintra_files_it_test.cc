// The client's file operations against the simulator's cell.
#include "base/strings.h"
#include "it/client_fixture.h"

namespace velmora::it {
namespace {

using test::Crlf;
using test::ReadBytes;

TEST_F(ClientTest, DirectoryLeavesOutMadaSystemAndTp) {
  std::string dir;
  ASSERT_TRUE(client_.GetRobotDirectory(dir, "\\R1\\"));
  EXPECT_EQ(dir,
            "PROGRAM\\MAKRO7.SRC\nPROGRAM\\PROG1.DAT\nPROGRAM\\PROG1.SRC\nPROGRAM\\Prog2.dat\n"
            "PROGRAM\\Prog2.src\nUSER\\USERPROG.SRC\n");
  ASSERT_TRUE(client_.GetRobotDirectory(dir));
  EXPECT_TRUE(Contains(dir, "R1\\System\\$CONFIG.DAT\n")) << dir;  // below the root, kept
  EXPECT_FALSE(client_.GetRobotDirectory(dir, "\\R2\\"));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "FILE_NOT_FOUND"));
}

TEST_F(ClientTest, ProgramListsNamesAndPathsInStep) {
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"*.src", {"MAKRO7.SRC", "PROG1.SRC", "Prog2.src", "USERPROG.SRC"}},
      {"*.DAT", {"PROG1.DAT", "Prog2.dat"}},
      {"*.*", {"MAKRO7.SRC", "PROG1.DAT", "PROG1.SRC", "Prog2.dat", "Prog2.src", "USERPROG.SRC"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names{"stale"}, paths{"stale"};
    client_.GetFileList(names, c.pattern);
    client_.GetFileListPath_Name(paths, c.pattern);
    EXPECT_EQ(names, c.names) << c.pattern;
    ASSERT_EQ(paths.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
      EXPECT_TRUE(paths[i].starts_with("NOXA:\\R1\\") && paths[i].ends_with("\\" + names[i]))
          << paths[i];
    }
  }
  std::vector<std::string> paths;
  client_.GetFileListPath_Name(paths, "*.src");
  EXPECT_EQ(paths.back(), "NOXA:\\R1\\USER\\USERPROG.SRC");
}

TEST_F(ClientTest, DiskToControllerWithAndWithoutTarget) {
  const fs::path local = dir_.Write("disk/NEW1.SRC", Crlf("DEF NEW1()\nEND\n"));
  // "disk|controller" copies to the controller path given.
  ASSERT_TRUE(client_.DownLoadDiskToRobot(local.string() + "|NOXA:\\R1\\USER\\COPY1.SRC"))
      << client_.LastErrorText();
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/USER/COPY1.SRC")), ReadBytes(local));
  // The disk path alone: "/R1/" and its name, a new module into PROGRAM ...
  ASSERT_TRUE(client_.DownLoadDiskToRobot(local.string())) << client_.LastErrorText();
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/NEW1.SRC")), ReadBytes(local));
  // ... an existing one where it is.
  const fs::path user = dir_.Write("disk/userprog.src", "changed\r\n");
  ASSERT_TRUE(client_.DownLoadDiskToRobot(user.string()));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/USER/USERPROG.SRC")), "changed\r\n");
  EXPECT_FALSE(fs::exists(Cell("NOXA/R1/PROGRAM/userprog.src")));
  // A missing disk file is a failure with a reason.
  EXPECT_FALSE(client_.DownLoadDiskToRobot((dir_.path() / "disk/NONE.SRC").string()));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "the disk file does not exist"));
}

TEST_F(ClientTest, ControllerToDiskAndMemory) {
  const fs::path local = dir_.path() / "up.src";
  ASSERT_TRUE(client_.UpLoadFromRobotToDisk("PROG1.SRC", local.string()));
  EXPECT_EQ(ReadBytes(local), ReadBytes(Cell("NOXA/R1/PROGRAM/PROG1.SRC")));
  EXPECT_FALSE(client_.UpLoadFromRobotToDisk("NONE.SRC", (dir_.path() / "none.src").string()));
  EXPECT_FALSE(fs::exists(dir_.path() / "none.src"));

  std::string text = "before;";
  ASSERT_TRUE(client_.UpLoadFromRobotToMem("C:\\somewhere\\prog2.SRC", text));
  EXPECT_EQ(text, "before;" + ReadBytes(Cell("NOXA/R1/PROGRAM/Prog2.src")));
  EXPECT_FALSE(client_.UpLoadFromRobotToMem("NOEXT", text));
}

TEST_F(ClientTest, TextToControllerFile) {
  // A name the listing does not know goes below R1 as given; a known one where it is.
  ASSERT_TRUE(client_.DownLoadMemToRobot("NEW3.SRC", "text3\r\n"));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/NEW3.SRC")), "text3\r\n");
  ASSERT_TRUE(client_.DownLoadMemToRobot("Prog2.src", "text2\r\n"));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/Prog2.src")), "text2\r\n");
  // Bytes beyond ASCII arrive unchanged.
  ASSERT_TRUE(client_.DownLoadMemToRobot("Prog2.src", "\xe4\xf6\xfc\x80\x81\r\n"));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/Prog2.src")), "\xe4\xf6\xfc\x80\x81\r\n");
}

TEST_F(ClientTest, TextFilesThroughTheTemporaryFolder) {
  ASSERT_TRUE(client_.PutVorraxFile("NEW4.SRC", "DEF NEW4()\r\n\r\nEND\r\n"));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/NEW4.SRC")), "DEF NEW4()\r\nEND\r\n");
  std::string text;
  ASSERT_TRUE(client_.GetVorraxFile("NEW4.SRC", text));
  EXPECT_EQ(text, "DEF NEW4()\r\nEND\r\n");
  EXPECT_FALSE(client_.GetVorraxFile("NONE.SRC", text));
}

TEST_F(ClientTest, DeleteStoresTheFullPath) {
  std::string name = "prog2.SRC";
  ASSERT_TRUE(client_.DeleteRobotProgram(name)) << client_.LastErrorText();
  EXPECT_EQ(name, "NOXA:\\R1\\PROGRAM\\Prog2.src");
  EXPECT_FALSE(fs::exists(Cell("NOXA/R1/PROGRAM/Prog2.src")));
  const std::string error_before = client_.LastErrorText();
  std::string folder = "NOXA:\\R1\\PROGRAM";
  EXPECT_FALSE(client_.DeleteRobotProgram(folder));  // no bare name: no error text either
  EXPECT_EQ(client_.LastErrorText(), error_before);
  std::string missing = "NONE.SRC";
  EXPECT_FALSE(client_.DeleteRobotProgram(missing));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "MODULE_NOT_FOUND"));
}

TEST_F(ClientTest, ResolvesShortNames) {
  std::string path;
  ASSERT_TRUE(client_.itfSyncFile().ResolveModuleName("/R1/prog1.dat", &path));
  EXPECT_EQ(path, "NOXA:\\R1\\PROGRAM\\PROG1.DAT");
  ASSERT_TRUE(client_.itfSyncFile().ResolveModuleName("/R1/$config.dat", &path));
  EXPECT_EQ(path, "NOXA:\\R1\\System\\$CONFIG.DAT");
  EXPECT_FALSE(client_.itfSyncFile().ResolveModuleName("/R1/NONE.SRC", &path));
}

TEST_F(ClientTest, OversizedTextIsRefusedBeforeSending) {
  std::string big(17u << 20, 'x');
  EXPECT_FALSE(client_.DownLoadMemToRobot("BIG.SRC", big));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "larger than the controller accepts"));
  EXPECT_FALSE(fs::exists(Cell("NOXA/R1/BIG.SRC")));
  EXPECT_TRUE(client_.ShowVar("$PRO_STATE1", big));
}

}  // namespace
}  // namespace velmora::it

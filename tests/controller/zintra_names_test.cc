#include "controller/zintra_names.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ZintraNamesTest, ExtractFileName) {
  struct Case {
    const char* name;
    const char* mask;
    bool ok;
    const char* result;
  } cases[] = {
      {"NOXA:\\R1\\PROGRAM\\PROG1.SRC", "", true, "PROG1.SRC"},
      {"/R1/prog.dat", "", true, "prog.dat"},
      {"C:\\temp/mixed\\a.b.c", "", true, "a.b.c"},
      {"NOXA:\\R1\\PROGRAM", "", false, ""},  // a folder: no "." after the last "\"
      {"NOXA:\\R1\\PROGRAM\\", "", false, ""},
      {"NOXA\\NAME", "*.", true, "NOXA\\NAME"},  // "*.": the whole text, which has no "."
      {"NOXA\\NAME.SRC", "*.", false, ""},
      {"X\\PROG1.SRC", "*.SRC", true, "PROG1.SRC"},
      {"X\\PROG1.DAT", "*.SRC", false, ""},
  };
  for (const Case& c : cases) {
    std::string name = c.name;
    EXPECT_EQ(ExtractFileName(name, c.mask), c.ok) << c.name << " " << c.mask;
    EXPECT_EQ(name, c.result) << c.name << " " << c.mask;
  }
}

TEST(ZintraNamesTest, DirectoryFilterKeepsProgramAndOtherFolders) {
  EXPECT_EQ(FilterRobotDirectory({"PROGRAM\\A.SRC", "Mada\\$MACHINE.DAT", "system\\$CONFIG.DAT",
                                  "tp\\X.SRC", "TPX\\Y.SRC", "USER\\B.SRC", "C.SRC",
                                  "Program\\D.DAT", "MADAX\\E.SRC"}),
            "PROGRAM\\A.SRC\nTPX\\Y.SRC\nUSER\\B.SRC\nC.SRC\nProgram\\D.DAT\nMADAX\\E.SRC\n");
  EXPECT_EQ(FilterRobotDirectory({}), "");
}

TEST(ZintraNamesTest, FileListsKeepNamesAndPathsInStep) {
  const std::string listing = "PROGRAM\\A.SRC\nPROGRAM\\A.DAT\nUSER\\SUB\\b.src\nC.SRC\nREADME";
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
    std::vector<std::string> paths;
  } cases[] = {
      {"*.src",
       {"A.SRC", "b.src", "C.SRC"},
       {"NOXA:\\R1\\PROGRAM\\A.SRC", "NOXA:\\R1\\USER\\SUB\\b.src", "NOXA:\\R1\\C.SRC"}},
      {"*.dat", {"A.DAT"}, {"NOXA:\\R1\\PROGRAM\\A.DAT"}},
      {"*.*",
       {"A.SRC", "A.DAT", "b.src", "C.SRC", "README"},
       {"NOXA:\\R1\\PROGRAM\\A.SRC", "NOXA:\\R1\\PROGRAM\\A.DAT", "NOXA:\\R1\\USER\\SUB\\b.src",
        "NOXA:\\R1\\C.SRC", "NOXA:\\R1\\README"}},
      {"*.SUB", {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileListFromDirectory(listing, c.pattern, false), c.names) << c.pattern;
    EXPECT_EQ(FileListFromDirectory(listing, c.pattern, true), c.paths) << c.pattern;
  }
  EXPECT_TRUE(FileListFromDirectory("", "*.*", false).empty());
}

TEST(ZintraNamesTest, ControlLevelProgramName) {
  struct Case {
    const char* text;
    const char* name;
  } cases[] = {
      {"$PRO_I_O[]=\"/R1/SPS()\"", "/R1/SPS"},
      {"$PRO_I_O[]=\"/R1/SPS(1, 2)\"", "/R1/SPS"},
      {"SPS.SUB", "SPS.SUB"},
      {"\"/R1/SPS\"", "/R1/SPS"},
      {"/R1/CELL()", "/R1/CELL"},
  };
  for (const Case& c : cases) EXPECT_EQ(ControlLevelProgramName(c.text), c.name) << c.text;
}

TEST(ZintraNamesTest, DownloadArgument) {
  std::string disk, controller;
  SplitDownloadArgument("/tmp/a/PROG.SRC|NOXA:\\R1\\USER\\PROG.SRC", &disk, &controller);
  EXPECT_EQ(disk, "/tmp/a/PROG.SRC");
  EXPECT_EQ(controller, "NOXA:\\R1\\USER\\PROG.SRC");
  SplitDownloadArgument("/tmp/a/PROG.SRC", &disk, &controller);
  EXPECT_EQ(disk, "/tmp/a/PROG.SRC");
  EXPECT_EQ(controller, "/R1/PROG.SRC");
  SplitDownloadArgument("C:\\temp\\X.DAT", &disk, &controller);
  EXPECT_EQ(controller, "/R1/X.DAT");
}

TEST(ZintraNamesTest, SelectedProgramTest) {
  const std::string answer =
      "$PRO_IP={PRO_IP: NAME[] \"Prog1\", SNR 0, NAME_C[] \"NOXA:\\R1\\PROGRAM\\Prog1.SRC\"}";
  EXPECT_TRUE(ProgramIpNamesFile(answer, "prog1"));
  EXPECT_FALSE(ProgramIpNamesFile(answer, "PROG"));
  EXPECT_FALSE(ProgramIpNamesFile(answer, "PROG2"));
}

}  // namespace
}  // namespace velmora

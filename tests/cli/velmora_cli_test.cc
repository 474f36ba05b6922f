// Runs the real velmora-cli binary on fixture programs.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/app_context.h"
#include "base/strings.h"
#include "program/dat_sections.h"
#include "program/loader.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

const fs::path kPrograms = VELMORA_TEST_DATA "/programs";

struct CliRun {
  int exit_code;
  std::string out, err;
};

class VelmoraCli : public ::testing::Test {
 protected:
  // Runs velmora-cli with `args` (already quoted) in a fresh program folder.
  CliRun Cli(const std::string& args) {
    const fs::path out = temp_.path() / "stdout", err = temp_.path() / "stderr";
    std::string command = "VELMORA_HOME='" + (temp_.path() / "home").string() +
                          "' VELMORA_LANG=en '" VELMORA_BINARY_DIR "/src/cli/velmora-cli' " + args +
                          " >'" + out.string() + "' 2>'" + err.string() + "'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(out), ReadBytes(err)};
  }
  std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

  TempDir temp_;
};

// The fixture as the library loads it.
struct Loaded {
  AppContext context;
  Program program{context};
  Loaded() {
    LoadProgramIntoView(program, ReadBytes(kPrograms / "station_a.DAT"),
                        ReadBytes(kPrograms / "Station_A.src"));
  }
};

// What a disk save writes: the text line by line with CR LF, without empty lines.
std::string WrittenByLines(const std::string& text) {
  std::string out, line;
  for (char c : text + "\r") {
    if (c == '\r' || c == '\n') {
      if (!line.empty()) out += line + "\r\n";
      line.clear();
    } else {
      line += c;
    }
  }
  return out;
}

TEST_F(VelmoraCli, ViewPrintsTheViewTextExactly) {
  CliRun run = Cli("view " + Quoted(kPrograms / "Station_A.src"));
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, Loaded().program.ViewText);
  EXPECT_EQ(run.err, "[010] Load: OK\n");
}

TEST_F(VelmoraCli, RecordsPrintsEveryFieldAsJson) {
  CliRun run = Cli("records " + Quoted(kPrograms / "Station_A.src"));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  nlohmann::json json = nlohmann::json::parse(run.out);
  ASSERT_EQ(json["records"].size(), 12u);
  const nlohmann::json& header = json["records"][0];
  EXPECT_EQ(header["n"], 1);
  EXPECT_NE(header["Text"].get<std::string>().find("Pr\u00fcfstand 45\u00b0"), std::string::npos);
  const nlohmann::json& ptp = json["records"][5];
  EXPECT_EQ(ptp["n"], 6);
  EXPECT_EQ(ptp["Point1Name"], "XP1");
  EXPECT_EQ(ptp["MotionType"], 1);
  EXPECT_EQ(ptp["MotionNo"], 2);
  EXPECT_EQ(ptp["FoldKind"], "MOVE");
  EXPECT_EQ(ptp["IsMotion"], true);
  EXPECT_EQ(ptp["Pos1"], nlohmann::json::array({100.0, 200.0, 300.0, 10.0, 20.0, 30.0}));
  EXPECT_EQ(ptp["MasterName1"], "MP1");
  for (const char* field :
       {"Text",       "Point1Decl",  "MotionData",  "Point2Decl",     "MotionData2",
        "MotionNo",   "Point1Name",  "Point2Name",  "MotionDataName", "Syntax",
        "FoldTitle",  "FoldKind",    "ViewStart",   "ViewLength",     "Parsed",
        "Modified",   "IsMotion",    "TechCommand", "MotionType",     "Pos1",
        "MasterPos1", "MasterDecl1", "MasterDecl2", "MasterName1",    "MasterName2"}) {
    EXPECT_TRUE(ptp.contains(field)) << field;
  }
  EXPECT_EQ(json["sections"]["DatTail"], "ENDDAT\r\n; kept after ENDDAT\r\n");
  EXPECT_NE(json["sections"]["DatOther"].get<std::string>().find("f\u00fcr Station"),
            std::string::npos);
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["number"], "010");
}

TEST_F(VelmoraCli, SaveWritesThePairLineByLine) {
  const fs::path out = temp_.path() / "out";
  CliRun run = Cli("save " + Quoted(kPrograms / "Station_A.src") + " --out " + Quoted(out));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  Loaded loaded;
  EXPECT_EQ(ReadBytes(out / "Station_A.src"), WrittenByLines(BuildSrcText(loaded.program)));
  EXPECT_EQ(ReadBytes(out / "Station_A.dat"), WrittenByLines(BuildDatText(loaded.program)));
  EXPECT_NE(run.err.find("[020] "), std::string::npos);
}

TEST_F(VelmoraCli, SaveOfALineFeedProgramWritesCrLf) {
  std::string src = ReadBytes(kPrograms / "Station_A.src");
  std::string dat = ReadBytes(kPrograms / "station_a.DAT");
  auto lf = [](std::string text) { return ReplaceAll(text, "\r\n", "\n"); };
  temp_.Write("in/Station_A.src", lf(src));
  temp_.Write("in/STATION_A.DAT", lf(dat));
  const fs::path out = temp_.path() / "out";
  CliRun run =
      Cli("save " + Quoted(temp_.path() / "in" / "Station_A.src") + " --out " + Quoted(out));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  Loaded loaded;
  EXPECT_EQ(ReadBytes(out / "Station_A.src"), WrittenByLines(BuildSrcText(loaded.program)));
}

TEST_F(VelmoraCli, SaveOfAMakroWithoutDataFileWritesNoDataFile) {
  temp_.Write("in/MAKRO_TIP.src", "DEF MAKRO_TIP( )\nWAIT SEC 1\nEND\n");
  const fs::path out = temp_.path() / "out";
  CliRun run =
      Cli("save " + Quoted(temp_.path() / "in" / "MAKRO_TIP.src") + " --out " + Quoted(out));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadBytes(out / "MAKRO_TIP.src"), "DEF MAKRO_TIP( )\r\nWAIT SEC 1\r\nEND\r\n");
  EXPECT_FALSE(fs::exists(out / "MAKRO_TIP.dat"));
}

TEST_F(VelmoraCli, RefusalsAndUsageErrors) {
  temp_.Write("alone/Lonely.src", "DEF Lonely( )\r\nEND\r\n");
  temp_.Write("alone/makro_tool.src", "DEF makro_tool( )\r\nEND\r\n");
  std::string too_long = "DEF big( )\r\n";
  for (int i = 0; i < 3000; ++i) too_long += "A=1\r\n";
  temp_.Write("alone/big.src", too_long);
  temp_.Write("alone/big.dat", "DEFDAT big\r\nENDDAT\r\n");
  struct Case {
    std::string args;
    int exit_code;
    std::string err_part;
  } cases[] = {
      {"view " + Quoted(temp_.path() / "alone" / "Lonely.src"), 1,
       "[999] Editor: No data file (.dat) found"},
      {"view " + Quoted(temp_.path() / "alone" / "makro_tool.src"), 0, "[010] "},
      {"view " + Quoted(temp_.path() / "alone" / "big.src"), 1, "3000"},
      {"view " + Quoted(temp_.path() / "alone" / "none.src"), 1, "[999] "},
      {"", 2, ""},
      {"frobnicate", 2, ""},
      {"view", 2, ""},
      {"save " + Quoted(kPrograms / "Station_A.src"), 2, "--out"},
      {"--help", 0, ""},
  };
  for (const Case& c : cases) {
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.args << "\n" << run.err;
    EXPECT_NE(run.err.find(c.err_part), std::string::npos) << c.args << "\n" << run.err;
    if (c.exit_code == 1) {
      EXPECT_EQ(run.out, "") << c.args;
    }
  }
}

TEST_F(VelmoraCli, HelpListsTheSubcommands) {
  CliRun run = Cli("--help");
  for (const char* name : {"view", "records", "save"}) {
    EXPECT_NE(run.out.find(name), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace velmora

// Interpreter levels, I/O and the message window through the client.
#include "base/strings.h"
#include "it/client_fixture.h"

namespace velmora::it {
namespace {

using test::ReadBytes;

TEST_F(ClientTest, SelectAndCancelOnTheRobotLevel) {
  EXPECT_FALSE(client_.IsFileSelected("PROG1"));
  std::string name = "C:\\anything\\prog1.src";
  ASSERT_TRUE(client_.SelectModul(name)) << client_.LastErrorText();
  EXPECT_EQ(name, "NOXA:\\R1\\PROGRAM\\PROG1.SRC");
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_RESET");
  EXPECT_EQ(Value("$PRO_NAME1[]"), "\"PROG1\"");
  EXPECT_TRUE(client_.IsFileSelected("prog1"));
  EXPECT_FALSE(client_.IsFileSelected("PROG2"));
  // The selected program's files cannot be overwritten or deleted.
  const std::string before = ReadBytes(Cell("NOXA/R1/PROGRAM/PROG1.DAT"));
  EXPECT_FALSE(client_.PutVorraxFile("PROG1.DAT", "DEFDAT PROG1\r\nENDDAT\r\n"));
  EXPECT_TRUE(Contains(client_.LastErrorText(), "bstrCause=INTERPRETER"));
  EXPECT_EQ(ReadBytes(Cell("NOXA/R1/PROGRAM/PROG1.DAT")), before);
  // Running, it can be stopped but not cancelled; stopped, it can.
  ASSERT_EQ(sim_.Ctl({"run"}).exit_code, 0);
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_ACTIVE");
  EXPECT_FALSE(client_.CancelModul(3000));
  ASSERT_TRUE(client_.RobotLevelStop());
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_STOP");
  ASSERT_TRUE(client_.CancelModul(3000));
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_FREE");
  EXPECT_EQ(Value("$PRO_STATE0"), "#P_ACTIVE");  // the control level was not touched
  EXPECT_TRUE(client_.PutVorraxFile("PROG1.DAT", before));
}

TEST_F(ClientTest, SelectRefusals) {
  struct Case {
    const char* name;
    const char* cause;
  } cases[] = {{"NONE.SRC", "MODULE_NOT_FOUND"}, {"PROG1.DAT", "INTERPRETER"}};
  for (const Case& c : cases) {
    std::string name = c.name;
    EXPECT_FALSE(client_.SelectModul(name)) << c.name;
    EXPECT_TRUE(Contains(client_.LastErrorText(), c.cause)) << client_.LastErrorText();
  }
  std::string no_name = "NOXA:\\R1\\PROGRAM\\";
  EXPECT_FALSE(client_.SelectModul(no_name));
}

TEST_F(ClientTest, ControlLevelStopsCancelsAndRunsAgainFromProIo) {
  ASSERT_TRUE(client_.CancelModul(-1));  // stops and cancels the control level
  EXPECT_EQ(Value("$PRO_STATE0"), "#P_FREE");
  EXPECT_EQ(Value("$PRO_STATE1"), "#P_FREE");
  // "$PRO_I_O[]" holds "/R1/SPS()": the name without quotes and parentheses is selected.
  ASSERT_TRUE(client_.RunControlLevel()) << client_.LastErrorText();
  EXPECT_EQ(Value("$PRO_STATE0"), "#P_ACTIVE");
  EXPECT_EQ(Value("$PRO_NAME0[]"), "\"SPS\"");
  ASSERT_TRUE(client_.ControlLevelStop());
  EXPECT_EQ(Value("$PRO_STATE0"), "#P_STOP");
  ASSERT_TRUE(client_.RunControlLevel("SPS.SUB"));
  EXPECT_EQ(Value("$PRO_STATE0"), "#P_ACTIVE");
}

TEST_F(ClientTest, IoRestartAndMessageWindow) {
  IO_TYPE bus = CanReset;
  EXPECT_TRUE(client_.IO_Restart(bus));
  IO_TYPE unknown = static_cast<IO_TYPE>(9);
  EXPECT_FALSE(client_.IO_Restart(unknown));
  EXPECT_TRUE(client_.NoxaOk());
  ASSERT_EQ(sim_.Ctl({"message", "Door open"}).exit_code, 0);
  ASSERT_EQ(sim_.Ctl({"message", "Check gripper"}).exit_code, 0);
  EXPECT_TRUE(Contains(sim_.Ctl({"state"}).out, "\"messages\": 2"));
  EXPECT_TRUE(client_.ConfirmAll());
  EXPECT_TRUE(Contains(sim_.Ctl({"state"}).out, "\"messages\": 0"));
}

TEST_F(ClientTest, MotionModeMovesTheAxesThroughTheProgramPoints) {
  std::string name = "PROG1.SRC";
  ASSERT_TRUE(client_.SelectModul(name));
  ASSERT_EQ(sim_.Ctl({"run"}).exit_code, 0);
  ASSERT_TRUE(WaitFor([&] { return Value("$PRO_STATE1") == "#P_END"; }));
  // The last point of the data list is XHOME.
  EXPECT_TRUE(Contains(Value("$AXIS_ACT"), "A1 0.0, A2 -90.0, A3 90.0, A4 0.0, A5 30.0, A6 0.0"));
}

}  // namespace
}  // namespace velmora::it
